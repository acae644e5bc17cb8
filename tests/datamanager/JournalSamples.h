#pragma once

// Journal lines written out field by field, independently of the writers under test.

#include <QByteArray>
#include <QString>
#include <array>
#include <initializer_list>

QByteArray Hex(quint32 value, int digits);
QByteArray Dec2(int value);
QByteArray Fixed74(double value);
// Windows-1251 text padded with blanks to width (never cut), left- or right-aligned.
QByteArray LeftText(const QString &text, int width);
QByteArray RightText(const QString &text, int width);
// `bytes` picture bytes of a repeating pattern as upper-case hexadecimal digits.
QByteArray Picture(int bytes, int seed = 1);
// Lines, each followed by CR LF.
QByteArray CrLfLines(std::initializer_list<QByteArray> lines);

struct TuningLine {
    int Device = 5, Id = 7;
    QString Name = QString::fromUtf8("Настройка №1");
    int Transducer = 0x12, Attenuation = 0x1F, Start = 0x100, End = 0x200;
    int Day = 15, Month = 12, Century = 0x14, YearInCentury = 0x02;
    int Hour = 10, Minute = 30, Second = 45, Frequency = 64, Amplitude = 128, Period = 3;
    QByteArray PictureHex = Picture(1458);
    QString Comments = QString::fromUtf8("Проверка колёсной пары");
    QByteArray Line() const;
};

struct ImageLine {
    int Kind = 1;
    int Device = 5, Id = 9, Tuning = 7;
    QString Name = QString::fromUtf8("Изображение");
    int BeginDay = 1, BeginMonth = 2, BeginCentury = 0x14, BeginYear = 0x03, BeginHour = 4, BeginMinute = 5;
    int BeginSecond = 6, EndDay = 7, EndMonth = 8, EndCentury = 0x14, EndYear = 0x04, EndHour = 9, EndMinute = 10;
    int EndSecond = 11, SizeX = 100, SizeY = 80, StepX = 2, StepY = 3, ImageType = 0;
    QByteArray PictureHex = Picture(1800);
    QString Comments = QString::fromUtf8("Комментарий");
    QString ControlMade = QString::fromUtf8("Иванов");
    QString Conclusion = QString::fromUtf8("Годен к эксплуатации");
    QByteArray Line() const;
};

struct ZeltLine {
    std::array<int, 8> Ints = {11, 12, 13, 14, 15, 16, 17, 18};
    std::array<double, 33> Reals = DefaultReals();
    QString Text1 = "ZELT-T 0042", Text2 = QString::fromUtf8("Смена 2");
    static std::array<double, 33> DefaultReals();
    QByteArray Line() const;
};

struct RimLine {
    int Word1 = 0x1234, Number = 0x00ABCDEF, Word2 = 0x0042, Byte1 = 1, Byte2 = 2;
    QString Text = "WHEEL-7";
    int T9 = 1, T10 = 2, T11 = 3, T12 = 0x100, T13 = 0x200, T14 = 0x300, LevelOffset = 6, Amplitude = 80;
    int T17 = 17, T18 = 18, T19 = 19, T20 = 0x20;
    QByteArray Block = Picture(108, 7);
    QByteArray Line() const;
};

struct ShaftLine {
    int Word1 = 0x1234, Number = 0x00ABCDEF, Word2 = 0x0042, Byte1 = 1, Byte2 = 2;
    QString Text = "SHAFT-3";
    int Flag = 1, T10 = 10, T11 = 11, T12 = 12;
    // Channel groups of sound channels: channel 0 at or below its limit (K2 <= K6), the others at or above.
    std::array<std::array<int, 10>, 7> K = DefaultChannels();
    static std::array<std::array<int, 10>, 7> DefaultChannels();
    QByteArray Line() const;
};
