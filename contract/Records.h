#pragma once

// The records of the LUMBRA-C instrument and the abstract data manager. korvath creates and frees these
// objects, lumbra reads and edits them, and both compile this one declaration: field order and widths and the
// order of the virtual operations are shared by the two modules.

#include "DynArray.h"
#include "classes/Object.h"
#include "graphics/Color.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <concepts>
#include <utility>

class TCanvas;
class TStringList;
class TZeltMessage;
class TCustomUDJDMessage;

// Virtual constructors: allocate an object of class T, then run one of its initialisers (of T or of a base)
// through its virtual slot. A failing initialiser destroys the half-built object and passes the error on.
template <class T, class Base, class... Params, class... Args>
    requires std::derived_from<T, Base>
T *NewObject(void (Base::*initialiser)(Params...), Args &&...args)
{
    T *object = new T;
    try {
        (object->*initialiser)(std::forward<Args>(args)...);
    } catch (...) {
        delete object;
        throw;
    }
    return object;
}

// Tunings are 108 x 108 pixels, images 120 x 120; a tuning's picture holds a bit for each pixel.
constexpr int TuningPictureSide = 108;
constexpr int ImagePictureSide = 120;
constexpr qsizetype TuningPictureBytes = TuningPictureSide * TuningPictureSide / 8;

// A tuning as the journal reader parsed it. BitImageHex points into the journal line it was read from.
struct TuningMessageRecord {
    QString DeviceType;
    quint16 DeviceNumber = 0;
    quint16 TuningID = 0;
    QString RecordName;
    quint16 TransducerID = 0;
    quint8 Attenuation = 0;
    quint16 StartPoint = 0;
    quint16 EndPoint = 0;
    quint8 Day = 0;
    quint8 Month = 0;
    quint16 Year = 0;
    quint8 Hour = 0;
    quint8 Minute = 0;
    quint8 Second = 0;
    quint8 Frequency = 0;
    quint8 Amplitude = 0;
    quint8 Period = 0;
    QByteArrayView BitImageHex;
    QString Comments;
};

// An image as the journal reader parsed it (TuningID 0 for a line without one).
struct ImageMessageRecord {
    QString DeviceType;
    quint16 DeviceNumber = 0;
    quint16 ImageID = 0;
    quint16 TuningID = 0;
    QString RecordName;
    quint8 BeginDay = 0;
    quint8 BeginMonth = 0;
    quint16 BeginYear = 0;
    quint8 BeginHour = 0;
    quint8 BeginMinute = 0;
    quint8 BeginSecond = 0;
    quint8 EndDay = 0;
    quint8 EndMonth = 0;
    quint16 EndYear = 0;
    quint8 EndHour = 0;
    quint8 EndMinute = 0;
    quint8 EndSecond = 0;
    quint16 SizeX = 0;
    quint16 SizeY = 0;
    quint8 StepX = 0;
    quint8 StepY = 0;
    quint8 ImageType = 0;
    QByteArrayView BitImageHex;
    QString Comments;
    QString ControlMade;
    QString Conclusion;
};

// Tunings and images: a header, three texts lumbra edits, and the picture. A monochrome picture holds
// Width x Height bits, row by row, least significant bit first.
class TCustomLumbraMessage : public TObject {
public:
    QString DeviceType;
    QString RecordName;
    quint16 Height = 0;
    quint16 Width = 0;
    quint16 TuningID = 0;
    quint16 DeviceNumber = 0;
    QString Comments;
    QString Conclusion;
    QString ControlMade;
    TDynArray<quint8> BitImage;

    virtual void Create();
    virtual void Draw(TCanvas *Canvas, qint32 X, qint32 Y) const;
    // The record as one journal line, without line end.
    virtual QString FormatLine() const = 0;
    // Two upper-case hexadecimal digits a byte, high digit first.
    virtual QString BitImageToHex() const;

    // Two digits a byte (either case). An odd length stores the whole pairs and then raises ERangeError; a pair
    // that is no hexadecimal number raises EConvertError. Bytes stored before a failure stay.
    void HexToBitImage(const QString &Text);
    void HexToBitImage(QByteArrayView Text);

    // A new value resizes BitImage to Width x Height / 8 bytes, keeping the leading ones; an equal value
    // changes nothing.
    void SetHeight(quint16 Value);
    void SetWidth(quint16 Value);
    void SetDeviceNumber(quint16 Value) { DeviceNumber = Value; }
    void SetTuningID(quint16 Value) { TuningID = Value; }

    QString GetDeviceType() const { return DeviceType; }
    QString GetRecordName() const { return RecordName; }
    QString GetComments() const { return Comments; }
    QString GetConclusion() const { return Conclusion; }
    QString GetControlMade() const { return ControlMade; }
    void SetDeviceType(const QString &Text) { DeviceType = Text; }
    void SetRecordName(const QString &Text) { RecordName = Text; }
    void SetComments(const QString &Text) { Comments = Text; }
    void SetConclusion(const QString &Text) { Conclusion = Text; }
    void SetControlMade(const QString &Text) { ControlMade = Text; }

private:
    void ResizeBitImage();
};

class TLumbraTuningMessage : public TCustomLumbraMessage {
public:
    quint8 Hour = 0;
    quint8 Frequency = 0;
    quint8 Period = 0;
    quint8 Month = 0;
    quint8 Day = 0;
    quint8 Amplitude = 0;
    quint8 Minute = 0;
    quint8 Second = 0;
    quint16 TransducerID = 0;
    quint8 Attenuation = 0;
    quint16 StartPoint = 0;
    quint16 EndPoint = 0;
    quint16 Year = 0;

    void Create() override;
    QString FormatLine() const override;
    // The line of FormatLine as the journal's bytes, added to `out`.
    void WriteLine(QByteArray &out) const;
    // The picture bytes a tuning is drawn from: a bit for each pixel.
    static constexpr qsizetype PictureBytes() { return TuningPictureBytes; }
    // A 108 x 108 tuning from a parsed journal line.
    virtual void CreateFromRecord(const TuningMessageRecord &Record);

    void SetHour(quint8 Value) { Hour = Value; }
    void SetFrequency(quint8 Value) { Frequency = Value; }
    void SetPeriod(quint8 Value) { Period = Value; }
    void SetMonth(quint8 Value) { Month = Value; }
    void SetDay(quint8 Value) { Day = Value; }
    void SetAmplitude(quint8 Value) { Amplitude = Value; }
    void SetMinute(quint8 Value) { Minute = Value; }
    void SetSecond(quint8 Value) { Second = Value; }
    void SetTransducerID(quint16 Value) { TransducerID = Value; }
    void SetAttenuation(quint8 Value) { Attenuation = Value; }
    void SetStartPoint(quint16 Value) { StartPoint = Value; }
    void SetEndPoint(quint16 Value) { EndPoint = Value; }
    void SetYear(quint16 Value) { Year = Value; }
};

// ImageType 0 is an ordinary (monochrome) image, 1 a level image (one byte a pixel), 2 an impact image
// (SizeX x SizeY grid values).
class TLumbraImageMessage : public TCustomLumbraMessage {
public:
    quint8 EndMinute = 0;
    quint8 BeginDay = 0;
    quint8 BeginSecond = 0;
    quint8 BeginMonth = 0;
    quint8 EndHour = 0;
    quint8 BeginMinute = 0;
    quint8 BeginHour = 0;
    quint8 EndSecond = 0;
    quint8 EndMonth = 0;
    quint8 ImageType = 0;
    quint8 EndDay = 0;
    quint16 BeginYear = 0;
    quint16 ImageID = 0;
    quint16 SizeY = 0;
    quint16 SizeX = 0;
    quint16 EndYear = 0;
    quint8 StepY = 0;
    quint8 StepX = 0;

    void Create() override;
    void Draw(TCanvas *Canvas, qint32 X, qint32 Y) const override;
    QString FormatLine() const override;
    // The line of FormatLine as the journal's bytes, added to `out`.
    void WriteLine(QByteArray &out) const;
    // The picture bytes an image is drawn from: a bit for each pixel of an ordinary image, a byte for each pixel
    // of a level image, a byte for each grid value of an impact image; nothing is known of other kinds.
    qsizetype PictureBytes() const;
    // A 120 x 120 image from a parsed journal line.
    virtual void CreateFromRecord(const ImageMessageRecord &Record);

    void SetEndMinute(quint8 Value) { EndMinute = Value; }
    void SetBeginDay(quint8 Value) { BeginDay = Value; }
    void SetBeginSecond(quint8 Value) { BeginSecond = Value; }
    void SetBeginMonth(quint8 Value) { BeginMonth = Value; }
    void SetEndHour(quint8 Value) { EndHour = Value; }
    void SetBeginMinute(quint8 Value) { BeginMinute = Value; }
    void SetBeginHour(quint8 Value) { BeginHour = Value; }
    void SetEndSecond(quint8 Value) { EndSecond = Value; }
    void SetEndMonth(quint8 Value) { EndMonth = Value; }
    void SetImageType(quint8 Value) { ImageType = Value; }
    void SetEndDay(quint8 Value) { EndDay = Value; }
    void SetBeginYear(quint16 Value) { BeginYear = Value; }
    void SetImageID(quint16 Value) { ImageID = Value; }
    void SetSizeY(quint16 Value) { SizeY = Value; }
    void SetSizeX(quint16 Value) { SizeX = Value; }
    void SetEndYear(quint16 Value) { EndYear = Value; }
};

// One entry of a level-image palette: a pixel whose value is at most Level gets Color.
#pragma pack(push, 1)
struct TPaletteEntry {
    quint8 Level;
    TColor Color;
};
#pragma pack(pop)
static_assert(sizeof(TPaletteEntry) == 5);

constexpr int PaletteSize = 8;
extern const TPaletteEntry DefaultPalette[PaletteSize];

// Renderers shared with lumbra, which calls them with its own palette, scale and offsets. A null palette
// means DefaultPalette; a null message draws nothing.
void DrawLevelImage(const TLumbraImageMessage *Message, TCanvas *Canvas, qint32 X, qint32 Y,
                    const TPaletteEntry *Palette);
void DrawSurfaceCell(qint32 A, qint32 B, qint32 OffX, qint32 OffY, qint32 N, qint32 S, TCanvas *Canvas,
                     const TLumbraImageMessage *Message);
TColor PaletteColor(qint32 Value, const TPaletteEntry *Palette);

// The one owner of every record. Lists grow by one entry per record added and shrink by one per record
// deleted, keeping the order of the others; each list's length equals its count.
class TDataManager : public TObject {
public:
    bool Modified = false;
    TDynArray<TLumbraTuningMessage *> TuningMessages;
    TDynArray<TLumbraImageMessage *> ImageMessages;
    qint32 TuningCount = 0;
    qint32 ImageCount = 0;
    TStringList *Strings = nullptr;
    qint32 ErrorCount = 0;
    TDynArray<TZeltMessage *> ZeltMessages;
    qint32 ZeltCount = 0;
    TDynArray<TCustomUDJDMessage *> JDMessages;
    qint32 JDCount = 0;

    // Frees every record. A manager that must save first does so in its own destructor, while it is
    // still whole.
    ~TDataManager() override;

    virtual void Create();
    virtual void AddDataLine(const char *Line, qint32 Len);
    virtual bool ParseDataLine(const char *Line, qint32 Len);
    virtual void LoadDataFile(const QString &FileName);
    virtual bool DeleteTuning(TLumbraTuningMessage *Message);
    virtual bool DeleteImage(TLumbraImageMessage *Message);
    virtual TLumbraTuningMessage *FindTuning(qint32 DeviceNumber, qint32 TuningID);
    virtual TLumbraImageMessage *FindImage(qint32 DeviceNumber, qint32 ImageID);
    virtual TZeltMessage *FindZeltMessage(qint32 K1, qint32 K2, qint32 K3, qint32 K4, qint32 K5);
    virtual bool DeleteZeltMessage(TZeltMessage *Message);
    virtual void SaveDataFile();
    virtual void RenameMessage(TCustomLumbraMessage *Message, const QString &NewName);
    virtual void SetMessageDeviceType(TCustomLumbraMessage *Message, const QString &Text);
    virtual void ClearTunings();
    virtual void ClearImages();
    virtual void ClearAll();
    virtual TCustomUDJDMessage *FindJDMessage(qint32 K1, qint32 K2, qint32 K3);
    virtual bool DeleteJDMessage(TCustomUDJDMessage *Message);

    void SetModified(bool Value) { Modified = Value; }
    TDynArray<TLumbraTuningMessage *> *GetTuningList() { return &TuningMessages; }
    qint32 GetTuningCount() const { return TuningCount; }
    TDynArray<TLumbraImageMessage *> *GetImageList() { return &ImageMessages; }
    qint32 GetImageCount() const { return ImageCount; }
};
