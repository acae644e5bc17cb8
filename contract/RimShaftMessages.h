#pragma once

// Wheel-rim and shaft messages of the ZELT-T instrument. Values without a known meaning are named
// after their token number n in the journal line (Tn).

#include "classes/Object.h"
#include "rtl/CheckedArray.h"

#include <QByteArray>
#include <QString>

class TJournalLineWriter;

constexpr int RimBlockSize = 108;
constexpr int ShaftChannelCount = 7;

// One channel group of a shaft message, packed as the instrument sends it.
#pragma pack(push, 1)
struct TShaftChannel {
    quint16 K1;
    quint8 K2;
    quint16 K3;
    quint16 K4;
    quint16 K5;
    quint8 K6;
    quint16 K7;
    quint8 K8;
    quint8 K9;
    quint8 K10;
};
#pragma pack(pop)
static_assert(sizeof(TShaftChannel) == 15);

// The header that rim and shaft lines share (tokens 3 to 8).
struct UDJDHeaderRecord {
    quint16 HeaderWord1 = 0;
    qint32 HeaderNumber = 0;
    quint16 HeaderWord2 = 0;
    quint8 HeaderByte1 = 0;
    quint8 HeaderByte2 = 0;
    QString HeaderText;
};

struct RimMessageRecord {
    UDJDHeaderRecord Header;
    quint8 T9 = 0;
    quint8 T10 = 0;
    quint8 T11 = 0;
    quint16 T12 = 0;
    quint16 T13 = 0;
    quint16 T14 = 0;
    quint8 LevelOffset = 0;
    quint8 Amplitude = 0;
    quint8 T17 = 0;
    quint8 T18 = 0;
    quint8 T19 = 0;
    quint8 T20 = 0;
    TCheckedArray<quint8, 0, RimBlockSize - 1> Block{};
};

struct ShaftMessageRecord {
    UDJDHeaderRecord Header;
    quint8 T9 = 0;
    quint8 T10 = 0;
    quint8 T11 = 0;
    quint8 T12 = 0;
    TCheckedArray<TShaftChannel, 0, ShaftChannelCount - 1> Channels{};
};

// Found by HeaderWord2, HeaderWord1 and HeaderNumber, one key space for rim and shaft messages.
class TCustomUDJDMessage : public TObject {
public:
    static constexpr int HeaderTextWidth = 10;

    quint8 HeaderByte2 = 0;
    quint8 HeaderByte1 = 0;
    qint32 HeaderNumber = 0;
    QString HeaderText;
    quint16 HeaderWord1 = 0;
    quint16 HeaderWord2 = 0;

    virtual QString FormatLine() const = 0;
    virtual bool CheckDefect();

    void SetHeaderByte2(quint8 value) { HeaderByte2 = value; }
    void SetHeaderByte1(quint8 value) { HeaderByte1 = value; }
    void SetHeaderNumber(qint32 value) { HeaderNumber = value; }
    void SetHeaderText(const QString &text) { HeaderText = text; }
    void SetHeaderWord1(quint16 value) { HeaderWord1 = value; }
    void SetHeaderWord2(quint16 value) { HeaderWord2 = value; }

protected:
    // Tokens 1 to 8 of the line.
    void WriteHeader(TJournalLineWriter &line, int kind) const;
};

// A wheel-rim message: defective when its amplitude exceeds the reference 80.
class TObodMessage : public TCustomUDJDMessage {
public:
    quint8 T11 = 0;
    quint8 Amplitude = 0;
    quint8 T18 = 0;
    quint8 T20 = 0;
    quint8 T10 = 0;
    quint8 T17 = 0;
    quint8 LevelOffset = 0;
    quint8 T19 = 0;
    quint8 T9 = 0;
    quint16 T13 = 0;
    quint16 T12 = 0;
    quint16 T14 = 0;
    double LevelDb = 0;
    TCheckedArray<quint8, 0, RimBlockSize - 1> Block{};

    // Raises a floating-point error for an amplitude of 0 (its level has no logarithm).
    explicit TObodMessage(const RimMessageRecord &record);
    QString FormatLine() const override;
    // The line of FormatLine as the journal's bytes, added to `out`.
    void WriteLine(QByteArray &out) const;
    bool CheckDefect() override;

    void SetT9(quint8 value) { T9 = value; }
    void SetT10(quint8 value) { T10 = value; }
    void SetT11(quint8 value) { T11 = value; }
    void SetT12(quint16 value) { T12 = value; }
    void SetT13(quint16 value) { T13 = value; }
    void SetT14(quint16 value) { T14 = value; }
    void SetLevelOffset(quint8 value) { LevelOffset = value; }
    void SetAmplitude(quint8 value) { Amplitude = value; }
    void SetT17(quint8 value) { T17 = value; }
    void SetT18(quint8 value) { T18 = value; }
    void SetT19(quint8 value) { T19 = value; }
    void SetT20(quint8 value) { T20 = value; }
    void SetLevelDb(double value) { LevelDb = value; }
};

// A shaft message: seven channel groups; DefectCode names the first defective channel.
class TShaftMessage : public TCustomUDJDMessage {
public:
    bool Flag = false;
    quint8 T12 = 0;
    quint8 T10 = 0;
    quint8 T11 = 0;
    qint32 DefectCode = 0;
    TCheckedArray<TShaftChannel, 0, ShaftChannelCount - 1> Channels{};

    explicit TShaftMessage(const ShaftMessageRecord &record);
    QString FormatLine() const override;
    // The line of FormatLine as the journal's bytes, added to `out`.
    void WriteLine(QByteArray &out) const;
    bool CheckDefect() override;

    void SetFlag(bool value) { Flag = value; }
    void SetT10(quint8 value) { T10 = value; }
    void SetT11(quint8 value) { T11 = value; }
    void SetT12(quint8 value) { T12 = value; }
    void SetDefectCode(qint32 value) { DefectCode = value; }
};
