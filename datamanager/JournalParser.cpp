#include "JournalParser.h"

#include "DeviceKinds.h"
#include "HexDigits.h"
#include "JournalText.h"
#include "JournalTokens.h"
#include "rtl/Exceptions.h"

namespace {
// The rest of a line as the reader walks through it, token by token.
class TLineCursor {
public:
    explicit TLineCursor(TLineText rest) : Rest(rest) {}

    TLineText Rest;

    // The first token, and Rest what follows it. Rest is always trimmed at both ends when a token is taken.
    TLineText Take()
    {
        const TTokenSplit split = SplitFirstToken(Rest);
        Rest = split.Rest;
        return split.Token;
    }
    qint32 Hex() { return HexValue(Take()); }
    qint32 Dec() { return DecValue(Take()); }
    quint8 HexByte() { return CheckedByte(Hex()); }
    quint16 HexWord() { return CheckedWord(Hex()); }
    quint8 DecByte() { return CheckedByte(Dec()); }
    // Century and year within it, each two hexadecimal digits of one token: "1402" is 2002.
    quint16 Year()
    {
        const qint32 digits = Hex();
        return CheckedWord(digits / 256 * 100 + digits % 256);
    }
    // A name field: what follows the blank after the current token, 40 bytes wide.
    QString Name()
    {
        const TLineText field = AfterFirstBlank(Rest);
        const TLineText name = FixedField(field, RecordNameWidth);
        Rest = Trim(field.Mid(RecordNameWidth));
        return Trim(name).Text();
    }

};

[[noreturn]] void RangeError() { throw ERangeError("Range check error"); }

// Whatever follows the last field would be lost at the next rewrite.
void RequireEnd(TLineText rest)
{
    if (!Trim(rest).IsEmpty())
        RangeError();
}

// The device code and the numbers of the header that rim and shaft lines share; the cursor stands after the
// record kind.
UDJDHeaderRecord ReadUDJDHeader(TLineCursor &line)
{
    UDJDHeaderRecord header;
    header.HeaderWord1 = line.HexWord();
    header.HeaderNumber = CheckedNonNegative(line.Hex());
    header.HeaderWord2 = line.HexWord();
    header.HeaderByte1 = line.HexByte();
    header.HeaderByte2 = CheckedByte(HexToken(line.Rest));
    // Ten bytes at a fixed place, their blanks included: the writer aligns the text to the right.
    const TLineText text = AfterFirstBlank(line.Rest);
    header.HeaderText = FixedField(text, TCustomUDJDMessage::HeaderTextWidth).Text();
    line.Rest = Trim(text.Mid(TCustomUDJDMessage::HeaderTextWidth));
    return header;
}

ZeltMessageRecord ReadZelt(TLineCursor &line)
{
    ZeltMessageRecord record;
    record.DeviceCode = 0;
    record.DeviceKindText = DeviceKindNames[0];
    const int last = int(std::size(ZeltLineFields)) - 1;
    for (int i = 0; i <= last; ++i) {
        const ZeltLineField &field = ZeltLineFields[i];
        // The texts are found after the last number, so its token stays in Rest.
        const TLineText token = i < last ? line.Take() : FirstToken(line.Rest);
        // A value made up for a token that is no number would be written back in its place.
        if (field.IsInt)
            record.Ints[field.Index] = DecNumber(token);
        else
            record.Reals[field.Index] = FloatNumber(token);
    }
    // Two right-aligned texts of 20 bytes at fixed places after the last number.
    const TLineText texts = AfterFirstBlank(line.Rest);
    const TLineText text2 = texts.Mid(TCustomZeltMessage::TextWidth + 1);
    FixedField(texts, TCustomZeltMessage::TextWidth);
    FixedField(text2, TCustomZeltMessage::TextWidth);
    record.Text1 = TakeChars(texts, TCustomZeltMessage::TextWidth).Text();
    record.Text2 = TakeChars(text2, TCustomZeltMessage::TextWidth).Text();
    return record;
}

RimMessageRecord ReadRim(TLineCursor &line)
{
    RimMessageRecord record;
    record.Header = ReadUDJDHeader(line);
    record.T9 = line.DecByte();
    record.T10 = line.DecByte();
    record.T11 = line.DecByte();
    record.T12 = line.HexWord();
    record.T13 = line.HexWord();
    record.T14 = line.HexWord();
    record.LevelOffset = line.HexByte();
    record.Amplitude = line.HexByte();
    record.T17 = line.DecByte();
    record.T18 = line.DecByte();
    record.T19 = line.DecByte();
    record.T20 = line.HexByte();
    // The whole pairs at once; from a pair that is none (or a last single digit) on, one at a time.
    TLineText block = line.Rest;
    const qsizetype pairs = qMin<qsizetype>(RimBlockSize, block.Size() / 2);
    const qsizetype whole = DecodeHexPairs(block.Begin, pairs, record.Block.Data);
    block = block.Mid(2 * whole);
    for (qsizetype k = whole; k < RimBlockSize; ++k) {
        record.Block.Data[k] = HexPair(block.Left(2));
        block = block.Mid(2);
    }
    RequireEnd(block);
    return record;
}

ShaftMessageRecord ReadShaft(TLineCursor &line)
{
    ShaftMessageRecord record;
    record.Header = ReadUDJDHeader(line);
    record.T9 = line.HexByte();
    record.T10 = line.DecByte();
    record.T11 = line.DecByte();
    record.T12 = line.DecByte();
    for (TShaftChannel &channel : record.Channels.Data) {
        channel.K1 = line.HexWord();
        channel.K2 = line.HexByte();
        channel.K3 = line.HexWord();
        channel.K4 = line.HexWord();
        channel.K5 = line.HexWord();
        channel.K6 = line.HexByte();
        channel.K7 = line.HexWord();
        channel.K8 = line.DecByte();
        channel.K9 = line.DecByte();
        channel.K10 = line.DecByte();
    }
    RequireEnd(line.Rest);
    return record;
}

// False for a tuning numbered 0, which the reader ignores.
bool ReadTuning(TLineCursor &line, TuningMessageRecord &record)
{
    record.DeviceType = DeviceKindNames[1];
    record.DeviceNumber = line.HexWord();
    record.TuningID = CheckedWord(HexToken(line.Rest));
    if (record.TuningID == 0)
        return false;
    record.RecordName = line.Name();
    record.TransducerID = line.HexWord();
    record.Attenuation = line.HexByte();
    record.StartPoint = line.HexWord();
    record.EndPoint = line.HexWord();
    record.Day = line.HexByte();
    record.Month = line.HexByte();
    record.Year = line.Year();
    record.Hour = line.HexByte();
    record.Minute = line.HexByte();
    record.Second = line.HexByte();
    record.Frequency = line.HexByte();
    record.Amplitude = line.HexByte();
    record.Period = line.HexByte();
    const TLineText picture = FirstToken(line.Rest);
    record.BitImageHex = picture.Bytes();
    // The comment runs to the line end.
    const TLineText comments = Trim(AfterToken(line.Rest, picture));
    if (comments.Size() > CommentsWidth)
        RangeError();
    record.Comments = comments.Text();
    return true;
}

// False for an image numbered 0. A kind 2 line carries no tuning number.
bool ReadImage(TLineCursor &line, int kind, ImageMessageRecord &record)
{
    record.DeviceType = DeviceKindNames[1];
    record.DeviceNumber = line.HexWord();
    record.ImageID = CheckedWord(HexToken(line.Rest));
    if (record.ImageID == 0)
        return false;
    if (kind == MessageKinds[1]) {
        line.Rest = AfterFirstBlank(line.Rest);
        record.TuningID = CheckedWord(HexToken(line.Rest));
    }
    record.RecordName = line.Name();
    record.BeginDay = line.HexByte();
    record.BeginMonth = line.HexByte();
    record.BeginYear = line.Year();
    record.BeginHour = line.HexByte();
    record.BeginMinute = line.HexByte();
    record.BeginSecond = line.HexByte();
    record.EndDay = line.HexByte();
    record.EndMonth = line.HexByte();
    record.EndYear = line.Year();
    record.EndHour = line.HexByte();
    record.EndMinute = line.HexByte();
    record.EndSecond = line.HexByte();
    record.SizeX = line.HexWord();
    record.SizeY = line.HexWord();
    record.StepX = line.HexByte();
    record.StepY = line.HexByte();
    record.ImageType = line.HexByte();
    const TLineText picture = FirstToken(line.Rest);
    record.BitImageHex = picture.Bytes();
    // Texts at the fixed places the writer puts them, one blank apart; the conclusion runs to the line end.
    const TLineText comments = AfterToken(line.Rest, picture);
    record.Comments = Trim(FixedField(comments, CommentsWidth)).Text();
    const TLineText controlMade = comments.Mid(CommentsWidth + 1);
    record.ControlMade = Trim(FixedField(controlMade, ControlMadeWidth)).Text();
    record.Conclusion = Trim(controlMade.Mid(ControlMadeWidth + 1)).Text();
    return true;
}

TParsedLine RecordLine(TJournalRecord &&record) { return {TLineVerdict::Record, std::move(record)}; }
TParsedLine Verdict(TLineVerdict verdict) { return {verdict, {}}; }

TParsedLine ParseZeltDevice(TLineCursor &line)
{
    const qint32 kind = line.Hex();
    if (kind != MessageKinds[0] && kind != MessageKinds[1] && kind != MessageKinds[2])
        return Verdict(TLineVerdict::Unknown);
    if (kind == MessageKinds[0])
        return RecordLine(ReadZelt(line));
    if (kind == MessageKinds[1])
        return RecordLine(ReadRim(line));
    return RecordLine(ReadShaft(line));
}

TParsedLine ParseLumbraDevice(TLineCursor &line)
{
    const qint32 kind = line.Hex();
    if (kind == MessageKinds[0]) {
        TuningMessageRecord record;
        return ReadTuning(line, record) ? RecordLine(std::move(record)) : Verdict(TLineVerdict::Ignored);
    }
    if (kind == MessageKinds[1] || kind == MessageKinds[2]) {
        ImageMessageRecord record;
        return ReadImage(line, kind, record) ? RecordLine(std::move(record)) : Verdict(TLineVerdict::Ignored);
    }
    return Verdict(TLineVerdict::Unknown);
}
} // namespace

TParsedLine ParseJournalLine(QByteArrayView bytes)
{
    TLineCursor line(Trim(TLineText(bytes)));
    if (line.Rest.IsEmpty())
        return Verdict(TLineVerdict::Empty);
    const qint32 code = line.Hex();
    if (code == DeviceCodes[1])
        return ParseLumbraDevice(line);
    if (code == DeviceCodes[0])
        return ParseZeltDevice(line);
    return Verdict(TLineVerdict::Unknown);
}
