#include "Records.h"

#include "DeviceKinds.h"
#include "HexDigits.h"
#include "JournalLineWriter.h"
#include "JournalText.h"
#include "RimShaftMessages.h"
#include "ZeltMessage.h"
#include "classes/Strings.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"


namespace {
QString BadPairMessage(QChar high, QChar low)
{
    return QString("'$%1%2' is not a valid integer value").arg(high).arg(low);
}

[[noreturn]] void BadHexPair(QChar high, QChar low) { throw EConvertError(BadPairMessage(high, low)); }

// A pair of the journal's bytes, named as its code page reads them; a byte outside ASCII also by its value.
[[noreturn]] void BadHexPair(char high, char low)
{
    const auto value = [](char c) {
        return QStringLiteral("0x") + QString::number(quint8(c), 16).toUpper().rightJustified(2, u'0');
    };
    QString message = BadPairMessage(FromCp1251Char(high), FromCp1251Char(low));
    if (quint8(high) >= 0x80 || quint8(low) >= 0x80)
        message += QString(" (bytes %1 %2)").arg(value(high), value(low));
    throw EConvertError(message);
}

// Sets the length of BitImage to the number of pairs (keeping its leading bytes), then stores the pairs one by
// one and raises at the first fault; the bytes from a bad pair on keep what they held.
void HexPairsToBytes(const QChar *text, qsizetype length, TDynArray<quint8> &bytes)
{
    const qsizetype pairs = length / 2;
    bytes.SetLength(int(pairs));
    quint8 *out = bytes.Data();
    for (qsizetype k = 0; k < pairs; ++k) {
        const quint8 high = HexDigitValue(text[2 * k]);
        const quint8 low = HexDigitValue(text[2 * k + 1]);
        if ((high | low) & NotAHexDigit)
            BadHexPair(text[2 * k], text[2 * k + 1]);
        out[k] = quint8(high << 4 | low);
    }
    if (length % 2)
        throw ERangeError("Range check error");
}

void HexPairsToBytes(const char *text, qsizetype length, TDynArray<quint8> &bytes)
{
    const qsizetype pairs = length / 2;
    bytes.SetLength(int(pairs));
    const qsizetype read = DecodeHexPairs(text, pairs, bytes.Data());
    if (read < pairs)
        BadHexPair(text[2 * read], text[2 * read + 1]);
    if (length % 2)
        throw ERangeError("Range check error");
}

} // namespace

void TCustomLumbraMessage::Create()
{
    BitImage.Clear();
    DeviceType.clear();
    SetDeviceNumber(0);
    SetWidth(0);
    SetHeight(0);
    RecordName.clear();
    SetTuningID(0);
    Comments.clear();
}

QString TCustomLumbraMessage::BitImageToHex() const
{
    QString text(qsizetype(BitImage.Length()) * 2, Qt::Uninitialized);
    WriteHexBytes(text.data(), BitImage.Data(), BitImage.Length());
    return text;
}

void TCustomLumbraMessage::HexToBitImage(const QString &Text) { HexPairsToBytes(Text.constData(), Text.size(), BitImage); }

void TCustomLumbraMessage::HexToBitImage(QByteArrayView Text) { HexPairsToBytes(Text.data(), Text.size(), BitImage); }

void TCustomLumbraMessage::SetHeight(quint16 Value)
{
    if (Value == Height)
        return;
    Height = Value;
    ResizeBitImage();
}

void TCustomLumbraMessage::SetWidth(quint16 Value)
{
    if (Value == Width)
        return;
    Width = Value;
    ResizeBitImage();
}

void TCustomLumbraMessage::ResizeBitImage() { BitImage.SetLength(int(quint32(Width) * quint32(Height) / 8)); }

void TLumbraTuningMessage::Create()
{
    TCustomLumbraMessage::Create();
    Hour = Frequency = Period = Month = Day = Amplitude = Minute = Second = Attenuation = 0;
    TransducerID = StartPoint = EndPoint = Year = 0;
}

void TLumbraTuningMessage::CreateFromRecord(const TuningMessageRecord &Record)
{
    Create();
    DeviceType = Record.DeviceType;
    SetDeviceNumber(Record.DeviceNumber);
    SetWidth(TuningPictureSide);
    SetHeight(TuningPictureSide);
    RecordName = Record.RecordName;
    SetTuningID(Record.TuningID);
    SetTransducerID(Record.TransducerID);
    SetAttenuation(Record.Attenuation);
    SetStartPoint(Record.StartPoint);
    SetEndPoint(Record.EndPoint);
    SetDay(Record.Day);
    SetMonth(Record.Month);
    SetYear(Record.Year);
    SetHour(Record.Hour);
    SetMinute(Record.Minute);
    SetSecond(Record.Second);
    SetFrequency(Record.Frequency);
    SetAmplitude(Record.Amplitude);
    SetPeriod(Record.Period);
    HexToBitImage(Record.BitImageHex);
    Comments = Record.Comments.left(CommentsWidth);
}

QString TLumbraTuningMessage::FormatLine() const { return LineText(*this); }

void TLumbraTuningMessage::WriteLine(QByteArray &out) const
{
    TJournalLineWriter line(out);
    line.Hex(DeviceCodes[1], 2).Blank().Hex(MessageKinds[0], 2).Blank().Hex(DeviceNumber, 4).Blank();
    line.Hex(TuningID, 4).Blank().Field(GetRecordName(), RecordNameWidth).Blank();
    line.Hex(TransducerID, 4).Blank().Hex(Attenuation, 2).Blank().Hex(StartPoint, 4).Blank().Hex(EndPoint, 4).Blank();
    line.Hex(Day, 2).Blank().Hex(Month, 4).Blank().Hex(Year / 100, 2).Hex(Year % 100, 2).Blank();
    line.Hex(Hour, 2).Blank().Hex(Minute, 2).Blank().Hex(Second, 2).Blank();
    line.Hex(Frequency, 2).Blank().Hex(Amplitude, 2).Blank().Hex(Period, 2).Blank();
    line.HexBytes(BitImage.Data(), BitImage.Length()).Blank().Field(Comments, CommentsWidth);
}

qsizetype TLumbraImageMessage::PictureBytes() const
{
    switch (ImageType) {
    case 0:
        return ImagePictureSide * ImagePictureSide / 8;
    case 1:
        return ImagePictureSide * ImagePictureSide;
    case 2:
        return qsizetype(SizeX) * SizeY;
    default:
        return 0;
    }
}

void TLumbraImageMessage::Create()
{
    TCustomLumbraMessage::Create();
    EndMinute = BeginDay = BeginSecond = BeginMonth = EndHour = BeginMinute = BeginHour = EndSecond = 0;
    EndMonth = ImageType = EndDay = StepY = StepX = 0;
    BeginYear = ImageID = SizeY = SizeX = EndYear = 0;
}

void TLumbraImageMessage::CreateFromRecord(const ImageMessageRecord &Record)
{
    Create();
    DeviceType = Record.DeviceType;
    SetDeviceNumber(Record.DeviceNumber);
    SetImageID(Record.ImageID);
    SetTuningID(Record.TuningID);
    RecordName = Record.RecordName;
    SetBeginDay(Record.BeginDay);
    SetBeginMonth(Record.BeginMonth);
    SetBeginYear(Record.BeginYear);
    SetBeginHour(Record.BeginHour);
    SetBeginMinute(Record.BeginMinute);
    SetBeginSecond(Record.BeginSecond);
    SetEndDay(Record.EndDay);
    SetEndMonth(Record.EndMonth);
    SetEndYear(Record.EndYear);
    SetEndHour(Record.EndHour);
    SetEndMinute(Record.EndMinute);
    SetEndSecond(Record.EndSecond);
    SetSizeX(Record.SizeX);
    SetSizeY(Record.SizeY);
    StepX = Record.StepX;
    StepY = Record.StepY;
    SetImageType(Record.ImageType);
    SetWidth(ImagePictureSide);
    SetHeight(ImagePictureSide);
    HexToBitImage(Record.BitImageHex);
    Comments = Record.Comments.left(CommentsWidth);
    ControlMade = Record.ControlMade.left(ControlMadeWidth);
    Conclusion = Record.Conclusion;
}

QString TLumbraImageMessage::FormatLine() const { return LineText(*this); }

void TLumbraImageMessage::WriteLine(QByteArray &out) const
{
    TJournalLineWriter line(out);
    line.Hex(DeviceCodes[1], 2).Blank().Hex(MessageKinds[1], 2).Blank().Hex(DeviceNumber, 4).Blank();
    line.Hex(ImageID, 4).Blank().Hex(TuningID, 4).Blank().Field(GetRecordName(), RecordNameWidth).Blank();
    line.Hex(BeginDay, 2).Blank().Hex(BeginMonth, 2).Blank().Hex(BeginYear / 100, 2).Hex(BeginYear % 100, 2).Blank();
    line.Hex(BeginHour, 2).Blank().Hex(BeginMinute, 2).Blank().Hex(BeginSecond, 2).Blank();
    line.Hex(EndDay, 2).Blank().Hex(EndMonth, 2).Blank().Hex(EndYear / 100, 2).Hex(EndYear % 100, 2).Blank();
    line.Hex(EndHour, 2).Blank().Hex(EndMinute, 2).Blank().Hex(EndSecond, 2).Blank();
    line.Hex(SizeX, 4).Blank().Hex(SizeY, 4).Blank().Hex(StepX, 2).Blank().Hex(StepY, 2).Blank().Hex(ImageType, 2);
    line.Blank().HexBytes(BitImage.Data(), BitImage.Length()).Blank().Field(Comments, CommentsWidth).Blank();
    line.Field(ControlMade, ControlMadeWidth).Blank().Text(OneLine(Conclusion));
}

namespace {
[[noreturn]] void AbstractCall() { throw EAbstractError("Abstract Error"); }
} // namespace

TDataManager::~TDataManager()
{
    FreeAll(TuningMessages, TuningCount);
    FreeAll(ImageMessages, ImageCount);
    FreeAll(ZeltMessages, ZeltCount);
    FreeAll(JDMessages, JDCount);
    delete Strings;
}

void TDataManager::Create()
{
    Strings = new TStringList;
    ErrorCount = 0;
    Modified = false;
}

void TDataManager::SaveDataFile() { Modified = false; }

void TDataManager::AddDataLine(const char *, qint32) { AbstractCall(); }
bool TDataManager::ParseDataLine(const char *, qint32) { AbstractCall(); }
void TDataManager::LoadDataFile(const QString &) { AbstractCall(); }
bool TDataManager::DeleteTuning(TLumbraTuningMessage *) { AbstractCall(); }
bool TDataManager::DeleteImage(TLumbraImageMessage *) { AbstractCall(); }
TLumbraTuningMessage *TDataManager::FindTuning(qint32, qint32) { AbstractCall(); }
TLumbraImageMessage *TDataManager::FindImage(qint32, qint32) { AbstractCall(); }
TZeltMessage *TDataManager::FindZeltMessage(qint32, qint32, qint32, qint32, qint32) { AbstractCall(); }
bool TDataManager::DeleteZeltMessage(TZeltMessage *) { AbstractCall(); }
void TDataManager::RenameMessage(TCustomLumbraMessage *, const QString &) { AbstractCall(); }
void TDataManager::SetMessageDeviceType(TCustomLumbraMessage *, const QString &) { AbstractCall(); }
void TDataManager::ClearTunings() { AbstractCall(); }
void TDataManager::ClearImages() { AbstractCall(); }
void TDataManager::ClearAll() { AbstractCall(); }
TCustomUDJDMessage *TDataManager::FindJDMessage(qint32, qint32, qint32) { AbstractCall(); }
bool TDataManager::DeleteJDMessage(TCustomUDJDMessage *) { AbstractCall(); }
