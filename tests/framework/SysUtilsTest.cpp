#include "rtl/SysUtils.h"

#include "FormatSettingsGuard.h"
#include "QtPrint.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

TEST(SysUtils, TrimRemovesEveryCodeBelow33AtTheEndsOnly)
{
    const QString padded = QString("\t\r\n \x01 a b ") + QChar(0x1F) + QChar(0x20);
    EXPECT_EQ(Trim(padded), "a b");
    EXPECT_EQ(TrimLeft(padded), QString("a b ") + QChar(0x1F) + QChar(0x20));
    EXPECT_EQ(TrimRight(" \x02x"), " \x02x");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim(""), "");
    // A no-break space (code 160) is text, not padding.
    EXPECT_EQ(Trim(QString(QChar(0xA0)) + "x "), QString(QChar(0xA0)) + "x");
}

TEST(SysUtils, AnsiUpperCaseMapsCyrillicWhilePlainUpperCaseMapsOnlyAsciiLetters)
{
    const QString mixed = QString::fromUtf8("Ёлка: abc-XYZ, щука ß");
    EXPECT_EQ(AnsiUpperCase(mixed), QString::fromUtf8("ЁЛКА: ABC-XYZ, ЩУКА ß"));
    EXPECT_EQ(UpperCase(mixed), QString::fromUtf8("Ёлка: ABC-XYZ, щука ß"));
    // Letters beyond the basic plane map as one character.
    const QString deseret = QString::fromUcs4(U"\U00010428");
    EXPECT_EQ(AnsiUpperCase(deseret), QString::fromUcs4(U"\U00010400"));
}

TEST(SysUtils, TextComparisonIgnoresCaseAndSortsKeysAsTheListExpects)
{
    EXPECT_EQ(AnsiCompareText("abc", "ABC"), 0);
    EXPECT_EQ(AnsiCompareText(QString::fromUtf8("ёж"), QString::fromUtf8("ЁЖ")), 0);
    EXPECT_TRUE(SameText(QString::fromUtf8("Щука"), QString::fromUtf8("щУКА")));
    EXPECT_FALSE(SameText("abc", "abd"));
    EXPECT_LT(AnsiCompareText("a", "B"), 0);
    EXPECT_GT(AnsiCompareText("b", "A"), 0);
    EXPECT_LT(AnsiCompareText(" ", "0"), 0);
    EXPECT_LT(AnsiCompareText("10", "2"), 0);
    EXPECT_LT(AnsiCompareText("", "a"), 0);

    QStringList keys{"2", "10", " ", "1", "b", "A"};
    std::sort(keys.begin(), keys.end(), [](const QString &x, const QString &y) { return AnsiCompareText(x, y) < 0; });
    EXPECT_EQ(keys, QStringList({" ", "1", "10", "2", "A", "b"}));

    // Case-sensitive form: equal only for identical texts, and antisymmetric.
    EXPECT_NE(AnsiCompareStr("abc", "ABC"), 0);
    EXPECT_EQ(AnsiCompareStr("abc", "ABC"), -AnsiCompareStr("ABC", "abc"));
    EXPECT_EQ(AnsiCompareStr("x", "x"), 0);
    EXPECT_LT(AnsiCompareStr("a", "b"), 0);
}

TEST(SysUtils, IntegerTextsInDecimalAndHexadecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
    EXPECT_EQ(IntToStr(536870912LL * 8), "4294967296");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0x12345, 2), "12345");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(-4294967296LL, 1), "FFFFFFFF00000000");

    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("+17"), 17);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483648LL);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("$ff"), 255);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(StrToInt("$80000000"), -2147483648LL);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("$000000001"), 1);
}

TEST(SysUtils, MalformedIntegerTextsAreRefused)
{
    for (const char *bad : {"", "-", "+", "$", "-$", " 1", "1 ", "1.0", "12a", "0x1F", "$1G", "2147483648",
                            "-2147483649", "$100000000", "99999999999999999999", "--1", "$-1"}) {
        int value = 42;
        EXPECT_FALSE(TryStrToInt(bad, value)) << bad;
        EXPECT_EQ(value, 42) << bad;
        EXPECT_EQ(StrToIntDef(bad, -7), -7) << bad;
    }
    try {
        StrToInt("n/a");
        FAIL() << "no exception";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), "'n/a' is not a valid integer value");
    }
    int value = 0;
    EXPECT_TRUE(TryStrToInt("-$FF", value));
    EXPECT_EQ(value, -255);
    EXPECT_EQ(StrToIntDef("12", -7), 12);
}

TEST(SysUtils, RangeCheckAcceptsTheBoundsAndRaisesBeyondThem)
{
    EXPECT_NO_THROW(RangeCheck(0, 0, 0));
    EXPECT_NO_THROW(RangeCheck(-3, -3, 5));
    EXPECT_NO_THROW(RangeCheck(5, -3, 5));
    EXPECT_THROW(RangeCheck(6, -3, 5), ERangeError);
    EXPECT_THROW(RangeCheck(-4, -3, 5), ERangeError);
    EXPECT_THROW(RangeCheck(0, 0, -1), ERangeError);
    try {
        RangeCheck(10, 0, 9);
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), "Range check error");
        EXPECT_STREQ(e.what(), "Range check error");
    }
}

TEST(SysUtils, FloatTextsReadWithTheProcessDecimalSeparator)
{
    FormatSettingsGuard guard;
    EXPECT_EQ(StrToFloat("1.5"), 1.5);
    EXPECT_EQ(StrToFloat("-2.5E3"), -2500.0);
    EXPECT_EQ(StrToFloat("1e-3"), 0.001);
    EXPECT_EQ(StrToFloat("+7"), 7.0);
    EXPECT_EQ(StrToFloat(".5"), 0.5);
    EXPECT_EQ(StrToFloat("5."), 5.0);
    EXPECT_EQ(StrToFloat("0.1"), 0.1);
    EXPECT_EQ(StrToFloat("1e-400"), 0.0);
    for (const char *bad : {"", ".", "-", "e5", "1e", "1e+", " 1", "1 ", "1,5", "1.2.3", "inf", "nan", "0x10",
                            "1e400", "--1", "1..2"}) {
        double value = 42;
        EXPECT_FALSE(TryStrToFloat(bad, value)) << bad;
        EXPECT_EQ(value, 42) << bad;
    }
    try {
        StrToFloat("abc");
        FAIL() << "no exception";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
    }
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(StrToFloat("1,5"), 1.5);
    EXPECT_THROW(StrToFloat("1.5"), EConvertError);
}

TEST(SysUtils, FloatToStrGivesAtMostFifteenSignificantDigits)
{
    FormatSettingsGuard guard;
    EXPECT_EQ(FloatToStr(0.0), "0");
    EXPECT_EQ(FloatToStr(-0.0), "0");
    EXPECT_EQ(FloatToStr(1.5), "1.5");
    EXPECT_EQ(FloatToStr(-42.0), "-42");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FloatToStr(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(FloatToStr(1e14), "100000000000000");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(123456789012345678.0), "1.23456789012346E17");
    EXPECT_EQ(FloatToStr(999999999999999.9), "1E15");
    EXPECT_EQ(FloatToStr(0.0001), "0.0001");
    EXPECT_EQ(FloatToStr(0.00001), "1E-5");
    EXPECT_EQ(FloatToStr(-1.5e-7), "-1.5E-7");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");
    for (double v : {3.25, -1e-9, 12345.678, 7e22})
        EXPECT_EQ(StrToFloat(FloatToStr(v)), v) << v;
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(FloatToStr(1.5), "1,5");
    EXPECT_EQ(FloatToStr(2.5e-9), "2,5E-9");
}

TEST(SysUtils, RoundSendsHalvesToTheEvenNeighbourAndRaisesBeyondInt32)
{
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-3.5), -4);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(2.4999999), 2);
    EXPECT_EQ(Round(2.5000001), 3);
    EXPECT_EQ(Round(25 / 10.0), 2);
    EXPECT_EQ(Round(35 / 10.0), 4);
    EXPECT_EQ(Round(2147483647.4), 2147483647);
    EXPECT_EQ(Round(-2147483648.5), -2147483648LL);
    EXPECT_THROW(Round(2147483647.5), ERangeError);
    EXPECT_THROW(Round(-2147483649.0), ERangeError);
    EXPECT_EQ(Round64(5e15 + 0.5), 5000000000000000LL);
    EXPECT_EQ(Round64(-1e18), -1000000000000000000LL);
    EXPECT_THROW(Round64(1e19), EInvalidOp);
    EXPECT_THROW(Round(std::numeric_limits<double>::quiet_NaN()), EInvalidOp);
    EXPECT_THROW(Round(std::numeric_limits<double>::infinity()), EInvalidOp);
}

TEST(SysUtils, TruncCutsTowardZeroAndRaisesBeyondInt32)
{
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(2147483647.9), 2147483647);
    EXPECT_EQ(Trunc(-2147483648.9), -2147483648LL);
    EXPECT_THROW(Trunc(2147483648.0), ERangeError);
    EXPECT_EQ(Trunc64(-1e10 - 0.5), -10000000000LL);
    EXPECT_THROW(Trunc64(-1e19), EInvalidOp);
}
