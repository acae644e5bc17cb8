#include "rtl/SysUtils.h"

#include "FormatSettingsGuard.h"
#include "QtPrint.h"

#include <gtest/gtest.h>
#include <limits>

TEST(Format, IntegerAndHexadecimalFieldsOfTheJournalLines)
{
    EXPECT_EQ(Format("0 1 %.4x %.8x %.2x %.2x", {0x1F, 0x7FFFFFFF, 255, 0}), "0 1 001F 7FFFFFFF FF 00");
    EXPECT_EQ(Format("%x|%x|%.2x|%.4x", {0, 0xabc, 0x1FF, 0x12345}), "0|ABC|1FF|12345");
    EXPECT_EQ(Format("%.8x %x", {-1, -2}), "FFFFFFFF FFFFFFFE");
    EXPECT_EQ(Format("%.2d %.2d %.2d %.3d", {5, 0, 123, -5}), "05 00 123 -005");
    EXPECT_EQ(Format("%.2x%.2x", {2002 / 100, 2002 % 100}), "1402");
    EXPECT_EQ(Format("%d %d", {std::numeric_limits<qint64>::min(), qint64(-2147483648LL)}),
              "-9223372036854775808 -2147483648");
    EXPECT_EQ(Format("%u %u", {-1, 7u}), "4294967295 7");
    EXPECT_EQ(Format("%d %d", {QString("abc").size(), quint8(200)}), "3 200");
    EXPECT_EQ(Format("%5d|%-5d|%5.3d|%1d", {42, 42, -5, 1234}), "   42|42   | -005|1234");
}

TEST(Format, TextFieldsArePaddedButNeverCut)
{
    EXPECT_EQ(Format("[%10s]", {"abc"}), "[       abc]");
    EXPECT_EQ(Format("[%-10s]", {"abc"}), "[abc       ]");
    EXPECT_EQ(Format("[%-4s][%4s]", {"abcdef", "abcdef"}), "[abcdef][abcdef]");
    EXPECT_EQ(Format("[%.3s]", {"abcdef"}), "[abc]");
    EXPECT_EQ(Format("%-40s|", {QString::fromUtf8("Настройка")}).size(), 41);
    EXPECT_EQ(Format("%20s", {""}), QString(20, u' '));
}

TEST(Format, LiteralsPercentSignsTabsAndArgumentIndexes)
{
    EXPECT_EQ(Format("%d %%", {45}), "45 %");
    EXPECT_EQ(Format("[%d].", {3}), "[3].");
    EXPECT_EQ(Format("%s: %d\t%s: %d\t", {"Step X", 2, "Step Y", 3}), "Step X: 2\tStep Y: 3\t");
    EXPECT_EQ(Format("%d - is not a valid property value!\rValue must be within [1..%d]!", {5, 2}),
              "5 - is not a valid property value!\rValue must be within [1..2]!");
    EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
    EXPECT_EQ(Format("no arguments", {}), "no arguments");
    EXPECT_EQ(Format("%D %X %S", {10, 10, "s"}), "10 A s");
    EXPECT_EQ(Format("%d", {1, "unused"}), "1");
}

TEST(Format, FixedPointUsesTheProcessDecimalSeparatorAndRoundsHalvesAway)
{
    FormatSettingsGuard guard;
    EXPECT_EQ(Format("%7.4f|%7.4f|%7.4f", {1.5, -123.45678, 0.0}), " 1.5000|-123.4568| 0.0000");
    EXPECT_EQ(Format("%f %.0f %.0f %.1f", {2.0, 2.5, -2.5, 0.05}), "2.00 3 -3 0.1");
    EXPECT_EQ(Format("%.2f %.2f %.2f", {0.125, 2.675, 1.005}), "0.13 2.68 1.01");
    EXPECT_EQ(Format("%.2f %.3f", {-0.001, 999.9996}), "0.00 1000.000");
    EXPECT_EQ(Format("%.1f", {1e20}), "100000000000000000000.0");
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(Format("%7.4f", {1.5}), " 1,5000");
    {
        DecimalSeparatorScope point(u'.');
        EXPECT_EQ(Format("%x 0 %d %7.4f %20s", {0, -1, 3.14159, "ZELT-T"}),
                  "0 0 -1  3.1416               ZELT-T");
    }
    EXPECT_EQ(Format("%.1f", {0.25}), "0,3");
}

TEST(Format, NumberScientificAndGeneralForms)
{
    FormatSettingsGuard guard;
    EXPECT_EQ(Format("%n|%.0n|%n", {1234567.891, 999.5, -1234.0}), "1,234,567.89|1,000|-1,234.00");
    EXPECT_EQ(Format("%e", {1.0}), "1.00000000000000E+000");
    EXPECT_EQ(Format("%.3e|%.2e|%.1e", {-12345.0, 0.000123, 0.0}), "-1.23E+004|1.2E-004|0E+000");
    EXPECT_EQ(Format("%g|%g|%.3g", {0.5, 1e20, 2.0 / 3}), "0.5|1E20|0.667");
}

TEST(Format, MismatchedOrMissingArgumentsAndBadDirectivesRaise)
{
    const auto message = [](const QString &format, std::initializer_list<TVarRec> args) {
        try {
            Format(format, args);
        } catch (const EConvertError &e) {
            return e.Message();
        }
        return QString("no exception");
    };
    EXPECT_EQ(message("%d", {"x"}), "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(message("a %s b", {5}), "Format 'a %s b' invalid or incompatible with argument");
    EXPECT_EQ(message("%f", {5}), "Format '%f' invalid or incompatible with argument");
    EXPECT_EQ(message("%x", {1.0}), "Format '%x' invalid or incompatible with argument");
    EXPECT_EQ(message("%d %d", {1}), "Format '%d %d' invalid or incompatible with argument");
    EXPECT_EQ(message("%5:d", {1}), "Format '%5:d' invalid or incompatible with argument");
    EXPECT_EQ(message("100%", {}), "Format '100%' invalid or incompatible with argument");
    EXPECT_EQ(message("%-5.", {1}), "Format '%-5.' invalid or incompatible with argument");
    EXPECT_EQ(message("%q", {1}), "Format '%q' invalid or incompatible with argument");
    EXPECT_EQ(message("%99999d", {1}), "Format '%99999d' invalid or incompatible with argument");
}
