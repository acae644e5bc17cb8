#include "rtl/SysUtils.h"

#include "FormatSettingsGuard.h"
#include "QtPrint.h"

#include <gtest/gtest.h>

TEST(FormatFloat, OptionalDigitsShowOnlyWhatTheValueNeeds)
{
    FormatSettingsGuard guard;
    EXPECT_EQ(FormatFloat("###.###", 51 * 8 / 51.0), "8");
    EXPECT_EQ(FormatFloat("###.###", 64 * 8 / 51.0), "10.039");
    EXPECT_EQ(FormatFloat("###.###", 255 * 8 / 51.0), "40");
    EXPECT_EQ(FormatFloat("###.###", 10.0390625), "10.039");
    EXPECT_EQ(FormatFloat("###.###", 1234.5678), "1234.568");
    EXPECT_EQ(FormatFloat("###.###", 2.0005), "2.001");
    EXPECT_EQ(FormatFloat("###.###", 2.1), "2.1");
    EXPECT_EQ(FormatFloat("###.###", -3.25), "-3.25");
    EXPECT_EQ(FormatFloat("#.###", 1 * 8 / 51.0), ".157");
    EXPECT_EQ(FormatFloat("#.###", 0.157), ".157");
    EXPECT_EQ(FormatFloat("#.###", 0.9996), "1");
    // Zero, and values that round to zero, still show a digit and no sign.
    EXPECT_EQ(FormatFloat("###.###", 0.0), "0");
    EXPECT_EQ(FormatFloat("#.###", -0.0004), "0");
}

TEST(FormatFloat, ThousandsGroupingWithTheProcessSeparator)
{
    FormatSettingsGuard guard;
    EXPECT_EQ(FormatFloat("#,###", 536870912 / 1024.0), "524,288");
    EXPECT_EQ(FormatFloat("#,###", 1234567.0), "1,234,567");
    EXPECT_EQ(FormatFloat("#,###", 999.5), "1,000");
    EXPECT_EQ(FormatFloat("#,###", 12.0), "12");
    EXPECT_EQ(FormatFloat("#,###", 8589934592.0 / 1024), "8,388,608");
    EXPECT_EQ(FormatFloat("#,##0.00", -1234.5), "-1,234.50");
    FormatSettings.ThousandSeparator = QChar(0xA0);
    FormatSettings.DecimalSeparator = u',';
    EXPECT_EQ(FormatFloat("#,###", 524288.0), QString("524") + QChar(0xA0) + "288");
    EXPECT_EQ(FormatFloat("###.###", 64 * 8 / 51.0), "10,039");
}

TEST(FormatFloat, RequiredDigitsAndLiteralText)
{
    FormatSettingsGuard guard;
    EXPECT_EQ(FormatFloat("000.00", 1.5), "001.50");
    EXPECT_EQ(FormatFloat("0.0#", 3.0), "3.0");
    EXPECT_EQ(FormatFloat("0.0#", 3.14159), "3.14");
    EXPECT_EQ(FormatFloat("0", 2.5), "3");
    EXPECT_EQ(FormatFloat("0", -2.5), "-3");
    EXPECT_EQ(FormatFloat("0.0 KB", 12.34), "12.3 KB");
    EXPECT_EQ(FormatFloat("\"#\"0 'pcs'", 5.0), "#5 pcs");
    EXPECT_EQ(FormatFloat(".##", 12.5), "12.5");
    EXPECT_EQ(FormatFloat("", 1.5), "1.5");
}
