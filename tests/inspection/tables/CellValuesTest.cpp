#include "tables/CellValues.h"

#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

#include "FormatSettingsGuard.h"

#include <gtest/gtest.h>
#include <bit>
#include <random>

namespace {

// Texts near every edge of the short path: signs, hexadecimal, blanks, leading zeros, the integer limits, digit
// counts either side of the short path's bounds, separators, exponents and non-ASCII characters.
const QStringList trickyTexts = {
    "", " ", "-", "+", "0", "-0", "+0", "00", "007", "-007", "1", "-1", "+1", "$", "$A", "-$ff", "$FFFFFFFF",
    "$100000000", "999999999", "-999999999", "1000000000", "2147483647", "2147483648", "-2147483648",
    "-2147483649", "0000000001", "00000000001", "12 ", " 12", "1 2", "--1", "-+1", "1-", "٣", "１",
    "1.5", "1,5", "-1.5", "-0.0", ".5", "-.5", "5.", "5,", ".", ",", "1.2.3", "1,2,3", "1.5e3", "1e", "1E+2",
    "-2.5E-3", "123456789012345", "1234567890123456", "12345678901234.5", "1234567890123.45",
    "0.000000000000001", "0.1", "0.2", "0.3", "9007199254740993", "1e400", "1e-400", "Ёж", "a", "1a", "12345",
};

testing::AssertionResult SameDouble(double a, double b)
{
    if (std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << a << " and " << b;
}

void ExpectSameAsGeneral(const QString &text)
{
    int fastInt = 11, slowInt = 11;
    EXPECT_EQ(CellToInt(text, fastInt), TryStrToInt(text, slowInt)) << text.toStdString();
    EXPECT_EQ(fastInt, slowInt) << text.toStdString();
    double fastFloat = 11, slowFloat = 11;
    EXPECT_EQ(CellToFloat(text, fastFloat), TryStrToFloat(text, slowFloat)) << text.toStdString();
    EXPECT_TRUE(SameDouble(fastFloat, slowFloat)) << text.toStdString();
}

} // namespace

TEST(CellValues, ConversionsGiveTheGeneralConversionsResults)
{
    FormatSettingsGuard guard;
    std::mt19937 random(1251);
    for (QChar separator : {u'.', u','}) {
        FormatSettings.DecimalSeparator = separator;
        for (const QString &text : trickyTexts)
            ExpectSameAsGeneral(text);
        // Numbers of up to seventeen digits with the separator anywhere: the short path must round as the
        // general conversion does.
        for (int trial = 0; trial < 3000; ++trial) {
            QString text = random() % 4 == 0 ? "-" : "";
            const int digits = 1 + int(random() % 17);
            const int point = int(random() % (digits + 2)) - 1;
            for (int d = 0; d < digits; ++d) {
                if (d == point)
                    text += separator;
                text += QChar(char16_t(u'0' + random() % 10));
            }
            ExpectSameAsGeneral(text);
        }
    }
}

TEST(CellValues, BytesAndTheirOrder)
{
    QByteArray bytes = "x";
    for (const QString &text : {QString("abc"), QString("Ёж"), QString(""), QString("a\U0001F600b"),
                                QString("€ \u0100")}) {
        bytes.truncate(1);
        AppendCp1251(text, bytes);
        EXPECT_EQ(bytes, "x" + ToCp1251(text)) << text.toStdString();
    }
    EXPECT_LT(CompareBytes("ab", "abc"), 0);
    EXPECT_GT(CompareBytes("b", "abc"), 0);
    EXPECT_EQ(CompareBytes("", ""), 0);
    EXPECT_GT(CompareBytes("\xC0", "z"), 0) << "bytes compare unsigned";
}
