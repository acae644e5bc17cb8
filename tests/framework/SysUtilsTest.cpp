#include "rtl/SysUtils.h"

#include "QtPrint.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

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

TEST(SysUtils, AnsiCaseMapsCyrillicWhilePlainCaseMapsOnlyAsciiLetters)
{
    const QString mixed = QString::fromUtf8("Ёлка: abc-XYZ, щука ß");
    EXPECT_EQ(AnsiUpperCase(mixed), QString::fromUtf8("ЁЛКА: ABC-XYZ, ЩУКА ß"));
    EXPECT_EQ(AnsiLowerCase(mixed), QString::fromUtf8("ёлка: abc-xyz, щука ß"));
    EXPECT_EQ(UpperCase(mixed), QString::fromUtf8("Ёлка: ABC-XYZ, щука ß"));
    EXPECT_EQ(LowerCase(mixed), QString::fromUtf8("Ёлка: abc-xyz, щука ß"));
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
