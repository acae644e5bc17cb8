#include "_jdtypes.h"

#include "HexDigits.h"
#include "JournalText.h"
#include "rtl/Math.h"
#include "rtl/SysUtils.h"

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

QString TCustomUDJDMessage::FormatHeader(int kind) const
{
    return Format("0 %d %.4x %.8x %.4x %.2x %.2x %10s",
                  {kind, HeaderWord1, quint32(HeaderNumber), HeaderWord2, HeaderByte1, HeaderByte2,
                   OneLine(HeaderText.left(HeaderTextWidth))});
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

QString TObodMessage::FormatLine() const
{
    QString line = FormatHeader(1)
                   + Format(" %.2d %.2d %.2d %.4x %.4x %.4x %.2x %.2x %.2d %.2d %.2d %.2x ",
                            {T9, T10, T11, T12, T13, T14, LevelOffset, Amplitude, T17, T18, T19, T20});
    const qsizetype blockAt = line.size();
    line.resize(blockAt + 2 * RimBlockSize);
    WriteHexBytes(line.data() + blockAt, Block.Data, RimBlockSize);
    return line;
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

QString TShaftMessage::FormatLine() const
{
    QString line = FormatHeader(2) + Format(" %.2x %.2d %.2d %.2d ", {int(Flag), T10, T11, T12});
    for (const TShaftChannel &c : Channels.Data)
        line += Format("%.4x %.2x %.4x %.4x %.4x %.2x %.4x %.2d %.2d %.2d ",
                       {c.K1, c.K2, c.K3, c.K4, c.K5, c.K6, c.K7, c.K8, c.K9, c.K10});
    return line;
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
