#include "JournalSamples.h"

#include "rtl/Codec1251.h"

QByteArray Hex(quint32 value, int digits) { return QByteArray::number(value, 16).toUpper().rightJustified(digits, '0'); }

QByteArray Dec2(int value) { return QByteArray::number(value).rightJustified(2, '0'); }

QByteArray Fixed74(double value) { return QByteArray::number(value, 'f', 4).rightJustified(7, ' '); }

QByteArray LeftText(const QString &text, int width) { return ToCp1251(text).leftJustified(width, ' '); }

QByteArray RightText(const QString &text, int width) { return ToCp1251(text).rightJustified(width, ' '); }

QByteArray Picture(int bytes, int seed)
{
    QByteArray hex;
    for (int i = 0; i < bytes; ++i)
        hex += Hex(quint8(i * 37 + seed * 11), 2);
    return hex;
}

QByteArray TuningLine::Line() const
{
    return "01 00 " + Hex(Device, 4) + " " + Hex(Id, 4) + " " + LeftText(Name, 40) + " " + Hex(Transducer, 4) + " "
           + Hex(Attenuation, 2) + " " + Hex(Start, 4) + " " + Hex(End, 4) + " " + Hex(Day, 2) + " " + Hex(Month, 4)
           + " " + Hex(Century, 2) + Hex(YearInCentury, 2) + " " + Hex(Hour, 2) + " " + Hex(Minute, 2) + " "
           + Hex(Second, 2) + " " + Hex(Frequency, 2) + " " + Hex(Amplitude, 2) + " " + Hex(Period, 2) + " "
           + PictureHex + " " + LeftText(Comments, 100);
}

QByteArray ImageLine::Line() const
{
    QByteArray line = "01 " + Hex(Kind, 2) + " " + Hex(Device, 4) + " " + Hex(Id, 4) + " ";
    if (Kind == 1)
        line += Hex(Tuning, 4) + " ";
    return line + LeftText(Name, 40) + " " + Hex(BeginDay, 2) + " " + Hex(BeginMonth, 2) + " "
           + Hex(BeginCentury, 2) + Hex(BeginYear, 2) + " " + Hex(BeginHour, 2) + " " + Hex(BeginMinute, 2) + " "
           + Hex(BeginSecond, 2) + " " + Hex(EndDay, 2) + " " + Hex(EndMonth, 2) + " " + Hex(EndCentury, 2)
           + Hex(EndYear, 2) + " " + Hex(EndHour, 2) + " " + Hex(EndMinute, 2) + " " + Hex(EndSecond, 2) + " "
           + Hex(SizeX, 4) + " " + Hex(SizeY, 4) + " " + Hex(StepX, 2) + " " + Hex(StepY, 2) + " "
           + Hex(ImageType, 2) + " " + PictureHex + " " + LeftText(Comments, 100) + " " + LeftText(ControlMade, 60)
           + " " + ToCp1251(Conclusion);
}

QByteArray CrLfLines(std::initializer_list<QByteArray> lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    return text;
}

std::array<double, 33> ZeltLine::DefaultReals()
{
    std::array<double, 33> reals;
    for (int i = 0; i < 33; ++i)
        reals[i] = i * 1.25 + 0.5;
    reals[3] = 0.5;
    reals[4] = 10;
    reals[29] = 25;
    return reals;
}

QByteArray ZeltLine::Line() const
{
    static const int ints1[] = {0, 5, 4, 1, 3, 7, 6};
    static const int reals1[] = {3, 2, 5, 20, 22, 27, 11, 16, 17};
    static const int reals2[] = {4, 31, 32, 0, 19, 30, 12, 28, 29, 1, 21, 25, 7, 14, 10, 18, 15, 8, 24, 26, 13, 9, 6, 23};
    QByteArray line = "0 0";
    for (int i : ints1)
        line += " " + QByteArray::number(Ints[i]);
    for (int i : reals1)
        line += " " + Fixed74(Reals[i]);
    line += " " + QByteArray::number(Ints[2]);
    for (int i : reals2)
        line += " " + Fixed74(Reals[i]);
    return line + " " + RightText(Text1, 20) + " " + RightText(Text2, 20);
}

QByteArray RimLine::Line() const
{
    return "0 1 " + Hex(Word1, 4) + " " + Hex(Number, 8) + " " + Hex(Word2, 4) + " " + Hex(Byte1, 2) + " "
           + Hex(Byte2, 2) + " " + RightText(Text, 10) + " " + Dec2(T9) + " " + Dec2(T10) + " " + Dec2(T11) + " "
           + Hex(T12, 4) + " " + Hex(T13, 4) + " " + Hex(T14, 4) + " " + Hex(LevelOffset, 2) + " "
           + Hex(Amplitude, 2) + " " + Dec2(T17) + " " + Dec2(T18) + " " + Dec2(T19) + " " + Hex(T20, 2) + " " + Block;
}

std::array<std::array<int, 10>, 7> ShaftLine::DefaultChannels()
{
    std::array<std::array<int, 10>, 7> k;
    for (int c = 0; c < 7; ++c)
        for (int i = 0; i < 10; ++i)
            k[c][i] = c * 10 + i;
    k[0][1] = 10;
    k[0][5] = 20;
    for (int c = 1; c < 7; ++c) {
        k[c][1] = 50;
        k[c][5] = 40;
    }
    return k;
}

QByteArray ShaftLine::Line() const
{
    QByteArray line = "0 2 " + Hex(Word1, 4) + " " + Hex(Number, 8) + " " + Hex(Word2, 4) + " " + Hex(Byte1, 2)
                      + " " + Hex(Byte2, 2) + " " + RightText(Text, 10) + " " + Hex(Flag, 2) + " " + Dec2(T10) + " "
                      + Dec2(T11) + " " + Dec2(T12) + " ";
    static const int widths[10] = {4, 2, 4, 4, 4, 2, 4, 0, 0, 0};
    for (const auto &channel : K)
        for (int k = 0; k < 10; ++k)
            line += (widths[k] ? Hex(channel[k], widths[k]) : Dec2(channel[k])) + " ";
    return line;
}
