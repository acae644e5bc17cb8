#include "JournalTokens.h"
#include "rtl/Exceptions.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

namespace {
TLineText Text(const char *s) { return TLineText(QByteArrayView(s)); }
QByteArray Bytes(TLineText t) { return t.Bytes().toByteArray(); }
} // namespace

TEST(JournalTokens, SplittingTheRestOfALine)
{
    EXPECT_EQ(Bytes(Trim(Text("\t\x01 ab c\r\n "))), "ab c");
    EXPECT_EQ(Bytes(Trim(Text("\xe0\xff"))), "\xe0\xff"); // Cyrillic bytes are no control characters
    EXPECT_EQ(Bytes(DropFirstToken(Text("  AB  CD EF  "))), "CD EF");
    EXPECT_EQ(Bytes(DropFirstToken(Text(" AB\t"))), "");
    EXPECT_EQ(Bytes(FirstToken(Text("AB\tCD EF"))), "AB\tCD");
    EXPECT_EQ(Bytes(FirstToken(Text("\tAB\t"))), "AB");
    EXPECT_EQ(Bytes(AfterFirstBlank(Text("AB  CD "))), " CD ");
    EXPECT_EQ(Bytes(AfterFirstBlank(Text("AB"))), "");
    EXPECT_EQ(Bytes(TakeChars(Text("  abc  "), 3)), "a");
    EXPECT_EQ(Bytes(TakeChars(Text(" ab "), 4)), " ab ");
    EXPECT_EQ(Bytes(TakeChars(Text(" ab "), 5)), " ab ");
}

TEST(JournalTokens, NumbersAndTheirFailureValues)
{
    EXPECT_EQ(HexToken(Text("1F rest")), 31);
    EXPECT_EQ(HexToken(Text("ff")), 255);
    EXPECT_EQ(HexToken(Text("0000000A")), 10);
    EXPECT_EQ(HexToken(Text("80000000")), qint32(0x80000000u));
    EXPECT_EQ(HexToken(Text("7FFFFFFF")), 0x7FFFFFFF);
    for (const char *bad : {"", "G1", "123456789", "-1", "$10", "1\t2", " 12"})
        EXPECT_EQ(HexToken(Text(bad)), -1) << bad;

    EXPECT_EQ(DecToken(Text("-5 x")), -5);
    EXPECT_EQ(DecToken(Text("+7")), 7);
    EXPECT_EQ(DecToken(Text("$1F")), 31);
    EXPECT_EQ(DecToken(Text("-2147483648")), qint32(-2147483647 - 1));
    for (const char *bad : {"", "12a", "2147483648", "1.0", "--1", "$", "0x10"})
        EXPECT_EQ(DecToken(Text(bad)), -1) << bad;

    EXPECT_EQ(FloatToken(Text("1.5 2")), 1.5);
    EXPECT_EQ(FloatToken(Text("-0.25e2")), -25);
    EXPECT_EQ(FloatToken(Text(".5")), 0.5);
    EXPECT_EQ(FloatToken(Text("+3.")), 3);
    for (const char *bad : {"", "1,5", "abc", "nan", "inf", "1e", "+-1", "1e999", "."})
        EXPECT_EQ(FloatToken(Text(bad)), 0) << bad;

    EXPECT_EQ(HexPair(Text("a")), 10);
    EXPECT_EQ(HexPair(Text("Fe")), 254);
    EXPECT_THROW(HexPair(Text("")), EConvertError);
    EXPECT_THROW(HexPair(Text(" 1")), EConvertError);

    EXPECT_EQ(CheckedByte(255), 255);
    EXPECT_THROW(CheckedByte(256), ERangeError);
    EXPECT_THROW(CheckedByte(-1), ERangeError);
    EXPECT_THROW(CheckedWord(65536), ERangeError);
    EXPECT_THROW(CheckedNonNegative(-1), ERangeError);
}

TEST(JournalTokens, ReadersAgreeWithTheRunTimeLibrary)
{
    // The journal reads numbers on its raw bytes; they must mean what StrToInt and StrToFloat make of them.
    for (const char *token : {"0", "17", "-17", "+17", "$1f", "-$10", "2147483647", "-2147483648", "2147483648",
                              "$FFFFFFFF", "$100000000", "", "12a", "$", "007"}) {
        int expected = 0;
        EXPECT_EQ(DecToken(Text(token)), TryStrToInt(QString(token), expected) ? expected : -1) << token;
    }
    for (const char *token : {"0", "1F", "ff", "000000001", "FFFFFFFF", "80000000", "100000000", "", "-1", "+1",
                              "G", "$1"}) {
        int expected = 0;
        EXPECT_EQ(HexToken(Text(token)), TryStrToInt("$" + QString(token), expected) ? expected : -1) << token;
    }
    const DecimalSeparatorScope point(u'.');
    for (const char *token : {"0", "1.5", "-0.25", "1e3", "1.5E-2", "1E+05", ".5", "-.5", "5.", "1,5", "abc", "",
                              "1e", "-", "+-1", "nan", "inf", "0x10", "1e999", "1.2.3"}) {
        double expected = 0;
        EXPECT_EQ(FloatToken(Text(token)), TryStrToFloat(QString(token), expected) ? expected : 0) << token;
    }
}
