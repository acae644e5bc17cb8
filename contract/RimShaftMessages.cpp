#include "RimShaftMessages.h"

#include "JournalLineWriter.h"
#include "JournalText.h"
#include "rtl/Math.h"

namespace {
// Level of an amplitude against the reference 80, in decibels; an amplitude of 0 has none and raises.
double AmplitudeDb(quint8 amplitude) { return 20 * Log10(amplitude / 80.0); }

void SetHeader(TCustomUDJDMessage &message, const UDJDHeaderRecord &header, bool rimOrder)
{
    if (rimOrder) {
        message.SetHeaderWord1(header.HeaderWord1);
        message.SetHeaderNumber(header.HeaderNumber);
        message.SetHeaderWord2(header.HeaderWord2);
        message.SetHeaderByte1(header.HeaderByte1);
        message.SetHeaderByte2(header.HeaderByte2);
    } else {
        message.SetHeaderWord2(header.HeaderWord2);
        message.SetHeaderByte1(header.HeaderByte1);
        message.SetHeaderByte2(header.HeaderByte2);
        message.SetHeaderNumber(header.HeaderNumber);
        message.SetHeaderWord1(header.HeaderWord1);
    }
    message.SetHeaderText(header.HeaderText);
}
} // namespace

bool TCustomUDJDMessage::CheckDefect() { return false; }

void TCustomUDJDMessage::WriteHeader(TJournalLineWriter &line, int kind) const
{
    line.Dec(0).Blank().Dec(kind).Blank().Hex(HeaderWord1, 4).Blank().Hex(quint32(HeaderNumber), 8).Blank();
    line.Hex(HeaderWord2, 4).Blank().Hex(HeaderByte1, 2).Blank().Hex(HeaderByte2, 2).Blank();
    line.Text(OneLine(HeaderText.left(HeaderTextWidth)), HeaderTextWidth);
}

TObodMessage::TObodMessage(const RimMessageRecord &record)
{
    SetHeader(*this, record.Header, true);
    SetT9(record.T9);
    SetT10(record.T10);
    SetT11(record.T11);
    SetT12(record.T12);
    SetT13(record.T13);
    SetT14(record.T14);
    SetLevelOffset(record.LevelOffset);
    SetAmplitude(record.Amplitude);
    SetLevelDb(AmplitudeDb(Amplitude) + LevelOffset);
    SetT17(record.T17);
    SetT18(record.T18);
    SetT19(record.T19);
    SetT20(record.T20);
    Block = record.Block;
}

QString TObodMessage::FormatLine() const { return LineText(*this); }

void TObodMessage::WriteLine(QByteArray &out) const
{
    TJournalLineWriter line(out);
    WriteHeader(line, 1);
    line.Blank().Dec(T9, 2).Blank().Dec(T10, 2).Blank().Dec(T11, 2).Blank();
    line.Hex(T12, 4).Blank().Hex(T13, 4).Blank().Hex(T14, 4).Blank().Hex(LevelOffset, 2).Blank().Hex(Amplitude, 2);
    line.Blank().Dec(T17, 2).Blank().Dec(T18, 2).Blank().Dec(T19, 2).Blank().Hex(T20, 2).Blank();
    line.HexBytes(Block.Data, RimBlockSize);
}

bool TObodMessage::CheckDefect() { return LevelOffset < LevelDb; }

TShaftMessage::TShaftMessage(const ShaftMessageRecord &record)
{
    SetHeader(*this, record.Header, false);
    SetFlag(record.T9 != 0);
    SetT10(record.T10);
    SetT11(record.T11);
    SetT12(record.T12);
    Channels = record.Channels;
    SetDefectCode(0);
    CheckDefect();
}

QString TShaftMessage::FormatLine() const { return LineText(*this); }

void TShaftMessage::WriteLine(QByteArray &out) const
{
    TJournalLineWriter line(out);
    WriteHeader(line, 2);
    line.Blank().Hex(int(Flag), 2).Blank().Dec(T10, 2).Blank().Dec(T11, 2).Blank().Dec(T12, 2).Blank();
    for (const TShaftChannel &c : Channels.Data) {
        line.Hex(c.K1, 4).Blank().Hex(c.K2, 2).Blank().Hex(c.K3, 4).Blank().Hex(c.K4, 4).Blank().Hex(c.K5, 4).Blank();
        line.Hex(c.K6, 2).Blank().Hex(c.K7, 4).Blank().Dec(c.K8, 2).Blank().Dec(c.K9, 2).Blank().Dec(c.K10, 2).Blank();
    }
}

bool TShaftMessage::CheckDefect()
{
    // Channel 0 fails above its limit, the others below it; the codes are the instrument's.
    static constexpr qint32 codes[ShaftChannelCount] = {1, 2, 3, 5, 4, 7, 6};
    for (int i = 0; i < ShaftChannelCount; ++i) {
        const TShaftChannel &channel = Channels[i];
        if (i == 0 ? channel.K2 > channel.K6 : channel.K2 < channel.K6) {
            SetDefectCode(codes[i]);
            return true;
        }
    }
    return false;
}
