#pragma once

// Instrument messages of the ZELT-T instrument: a block of measurement values and two short texts.

#include "classes/Object.h"
#include "rtl/CheckedArray.h"

#include <QByteArray>
#include <QString>
#include <iterator>

// The 41 numbers of a line in token order (tokens 3 to 43): an integer Ints[Index] or a real Reals[Index].
struct ZeltLineField {
    bool IsInt;
    int Index;
};
inline constexpr ZeltLineField ZeltLineFields[] = {
    {true, 0},   {true, 5},   {true, 4},   {true, 1},   {true, 3},   {true, 7},   {true, 6},
    {false, 3},  {false, 2},  {false, 5},  {false, 20}, {false, 22}, {false, 27}, {false, 11},
    {false, 16}, {false, 17}, {true, 2},   {false, 4},  {false, 31}, {false, 32}, {false, 0},
    {false, 19}, {false, 30}, {false, 12}, {false, 28}, {false, 29}, {false, 1},  {false, 21},
    {false, 25}, {false, 7},  {false, 14}, {false, 10}, {false, 18}, {false, 15}, {false, 8},
    {false, 24}, {false, 26}, {false, 13}, {false, 9},  {false, 6},  {false, 23}};
static_assert(std::size(ZeltLineFields) == 41);

// A message as the journal reader parsed it.
struct ZeltMessageRecord {
    quint8 DeviceCode = 0;
    TCheckedArray<double, 0, 32> Reals{};
    TCheckedArray<qint32, 0, 7> Ints{};
    QString DeviceKindText;
    QString Text1;
    QString Text2;
};

class TCustomZeltMessage : public TObject {
public:
    static constexpr int TextWidth = 20;

    quint8 DeviceCode = 0;
    TCheckedArray<double, 0, 15> LowReals{};
    TCheckedArray<double, 17, 32> HighReals{};
    TCheckedArray<qint32, 0, 7> Ints{};
    QString DeviceKindText;
    double Real16 = 0;
    QString Text2;
    QString Text1;
    double EvenRemainder = 0;
    double AngleOfReal16 = 0;
    double AngleOfReal17 = 0;
    double AngleOfReal11 = 0;
    qint32 MultipleCount = 0;

    virtual QString FormatLine() const;
    // The line of FormatLine as the journal's bytes, added to `out`.
    void WriteLine(QByteArray &out) const;

    // Reals 0..32 wherever they are kept.
    double Real(int index) const;
    void SetReal(int index, double value);
    void SetInt(int index, qint32 value) { Ints[index] = value; }
    void SetDeviceCode(quint8 value) { DeviceCode = value; }
    void SetDeviceKindText(const QString &text) { DeviceKindText = text; }
    // The two texts keep at most their first 20 characters.
    void SetText1(const QString &text) { Text1 = text.left(TextWidth); }
    void SetText2(const QString &text) { Text2 = text.left(TextWidth); }
};

class TZeltMessage : public TCustomZeltMessage {
public:
    // Raises a floating-point error when Reals[4] is 0 and ERangeError when Reals[29] / Reals[4] leaves the
    // 32-bit range.
    explicit TZeltMessage(const ZeltMessageRecord &record);
};

// An angle in degrees: -90 at or below -1 (and for a value that is no number), 90 at or above 1.
double ArcSinDegrees(double x);
