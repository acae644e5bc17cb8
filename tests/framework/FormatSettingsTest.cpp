#include "rtl/Exceptions.h"
#include "rtl/FormatSettings.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

namespace {
void ExpectAllItemsFilled(const TFormatSettings &s)
{
    EXPECT_FALSE(s.ThousandSeparator.isNull());
    EXPECT_FALSE(s.DecimalSeparator.isNull());
    EXPECT_NE(s.ThousandSeparator, s.DecimalSeparator);
    EXPECT_FALSE(s.DateSeparator.isNull());
    EXPECT_FALSE(s.ShortDateFormat.isEmpty());
    EXPECT_FALSE(s.LongDateFormat.isEmpty());
    EXPECT_FALSE(s.TimeSeparator.isNull());
    EXPECT_FALSE(s.ShortTimeFormat.isEmpty());
    EXPECT_FALSE(s.LongTimeFormat.isEmpty());
    for (int i = 0; i < 12; ++i) {
        EXPECT_FALSE(s.ShortMonthNames[i].isEmpty()) << i;
        EXPECT_FALSE(s.LongMonthNames[i].isEmpty()) << i;
    }
    for (int i = 0; i < 7; ++i) {
        EXPECT_FALSE(s.ShortDayNames[i].isEmpty()) << i;
        EXPECT_FALSE(s.LongDayNames[i].isEmpty()) << i;
    }
}
} // namespace

TEST(FormatSettings, ProcessSettingsComeFromTheSystemLocaleWithEveryItemFilled)
{
    ExpectAllItemsFilled(FormatSettings);
    const TFormatSettings fresh = TFormatSettings::FromSystemLocale();
    EXPECT_EQ(fresh.DecimalSeparator, FormatSettings.DecimalSeparator);
    EXPECT_EQ(fresh.LongMonthNames[0], FormatSettings.LongMonthNames[0]);
}

TEST(FormatSettings, EnglishLocale)
{
    const TFormatSettings s = TFormatSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    ExpectAllItemsFilled(s);
    EXPECT_EQ(s.CurrencyString, "$");
    EXPECT_EQ(s.ThousandSeparator, u',');
    EXPECT_EQ(s.DecimalSeparator, u'.');
    EXPECT_EQ(s.DateSeparator, u'/');
    EXPECT_EQ(s.ShortDateFormat, "M/d/yy");
    EXPECT_EQ(s.TimeSeparator, u':');
    EXPECT_EQ(s.TimeAMString, "AM");
    EXPECT_EQ(s.TimePMString, "PM");
    EXPECT_EQ(s.ShortTimeFormat, "h:mm AMPM");
    EXPECT_EQ(s.LongTimeFormat, "h:mm:ss AMPM");
    EXPECT_EQ(s.ShortMonthNames[0], "Jan");
    EXPECT_EQ(s.LongMonthNames[11], "December");
    EXPECT_EQ(s.ShortDayNames[0], "Sun");
    EXPECT_EQ(s.LongDayNames[0], "Sunday");
    EXPECT_EQ(s.LongDayNames[6], "Saturday");
}

TEST(FormatSettings, RussianLocale)
{
    const TFormatSettings s = TFormatSettings::FromLocale(QLocale(QLocale::Russian, QLocale::Russia));
    ExpectAllItemsFilled(s);
    EXPECT_FALSE(s.CurrencyString.isEmpty());
    EXPECT_EQ(s.ThousandSeparator, QChar(0x00A0));
    EXPECT_EQ(s.DecimalSeparator, u',');
    EXPECT_EQ(s.DateSeparator, u'.');
    EXPECT_EQ(s.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(s.TimeSeparator, u':');
    EXPECT_EQ(s.ShortTimeFormat, "hh:mm");
    EXPECT_EQ(s.LongTimeFormat, "hh:mm:ss");
    EXPECT_EQ(s.LongMonthNames[0], QString::fromUtf8("январь"));
    EXPECT_EQ(s.LongDayNames[0], QString::fromUtf8("воскресенье"));
    EXPECT_EQ(s.LongDayNames[1], QString::fromUtf8("понедельник"));
}

TEST(FormatSettings, NarrowSpaceSeparatorBecomesANoBreakSpace)
{
    // French groups digits with a narrow no-break space, which the single-byte code page lacks.
    EXPECT_EQ(TFormatSettings::FromLocale(QLocale(QLocale::French, QLocale::France)).ThousandSeparator, QChar(0x00A0));
}

TEST(FormatSettings, DecimalSeparatorScopeRestoresTheSeparatorOnEveryExit)
{
    const QChar original = FormatSettings.DecimalSeparator;
    {
        DecimalSeparatorScope comma(u',');
        EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
        {
            DecimalSeparatorScope point(u'.');
            EXPECT_EQ(FormatSettings.DecimalSeparator, u'.');
        }
        EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
    }
    EXPECT_EQ(FormatSettings.DecimalSeparator, original);
    try {
        DecimalSeparatorScope comma(u',');
        throw Exception("interrupted");
    } catch (const std::exception &) {
    }
    EXPECT_EQ(FormatSettings.DecimalSeparator, original);
}
