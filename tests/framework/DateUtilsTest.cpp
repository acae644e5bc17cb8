#include "rtl/DateUtils.h"
#include "rtl/FormatSettings.h"

#include "FormatSettingsGuard.h"
#include "QtPrint.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {
void UseEnglish()
{
    FormatSettings = TFormatSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    FormatSettings.DateSeparator = u'/';
    FormatSettings.ShortDateFormat = "M/d/yy";
    FormatSettings.LongDateFormat = "dddd, MMMM d, yyyy";
    FormatSettings.TimeSeparator = u':';
    FormatSettings.ShortTimeFormat = "h:mm AMPM";
    FormatSettings.LongTimeFormat = "h:mm:ss AMPM";
    FormatSettings.TimeAMString = "AM";
    FormatSettings.TimePMString = "PM";
    FormatSettings.DecimalSeparator = u'.';
}

void UseRussian()
{
    FormatSettings = TFormatSettings::FromLocale(QLocale(QLocale::Russian, QLocale::Russia));
    FormatSettings.DateSeparator = u'.';
    FormatSettings.ShortDateFormat = "dd.MM.yyyy";
    FormatSettings.TimeSeparator = u':';
    FormatSettings.LongTimeFormat = "hh:mm:ss";
    FormatSettings.DecimalSeparator = u',';
}

int ThisYear() { return QDate::currentDate().year(); }
} // namespace

TEST(DateUtils, DaysCountFromTheEndOf1899AndTheFractionIsTheTimeOfDay)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(EncodeTime(23, 59, 59, 999), 86399999.0 / 86400000);
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);

    const QString stamp = "yyyy-mm-dd hh:nn:ss.zzz";
    // Before the epoch the day counts back and the time still counts forward from midnight.
    EXPECT_EQ(FormatDateTime(stamp, -1.25), "1899-12-29 06:00:00.000");
    // A time that rounds up to midnight belongs to the next day.
    EXPECT_EQ(FormatDateTime(stamp, 2 - 1e-10), "1900-01-01 00:00:00.000");
    EXPECT_THROW(FormatDateTime(stamp, 1e300), EConvertError);
}

TEST(DateUtils, TextsFollowTheLocaleFormats)
{
    FormatSettingsGuard guard;
    UseEnglish();
    const TDateTime christmas = EncodeDate(2023, 12, 24);
    const TDateTime afternoon = EncodeTime(13, 5, 9, 0);
    EXPECT_EQ(DateToStr(christmas), "12/24/23");
    EXPECT_EQ(TimeToStr(afternoon), "1:05:09 PM");
    EXPECT_EQ(TimeToStr(EncodeTime(0, 30, 0, 0)), "12:30:00 AM");
    EXPECT_EQ(DateTimeToStr(christmas + afternoon), "12/24/23 1:05:09 PM");
    EXPECT_EQ(DateTimeToStr(christmas), "12/24/23");
    EXPECT_EQ(FormatDateTime("dddddd", christmas), "Sunday, December 24, 2023");
    EXPECT_EQ(FormatDateTime("ddd d mmm", christmas), "Sun 24 Dec");
    // "m" after an hour or before seconds is minutes; "n" always is.
    EXPECT_EQ(FormatDateTime("hh:m mm:ss n", afternoon), "13:5 05:09 5");
    EXPECT_EQ(FormatDateTime("mm' sec' yy", christmas), "12 sec 23");
    EXPECT_EQ(FormatDateTime("'at' h a/p \"m\" zzz", afternoon + EncodeTime(0, 0, 0, 7)), "at 1 p m 007");

    UseRussian();
    EXPECT_EQ(DateToStr(christmas), "24.12.2023");
    EXPECT_EQ(DateTimeToStr(christmas + afternoon), "24.12.2023 13:05:09");
    EXPECT_EQ(FormatDateTime("mmmm", christmas), QString::fromUtf8("декабрь"));
}

TEST(DateUtils, TextsReadBackInTheOrderOfTheShortDateFormat)
{
    FormatSettingsGuard guard;
    UseEnglish();
    const TDateTime christmas = EncodeDate(2023, 12, 24);
    const TDateTime afternoon = EncodeTime(13, 5, 9, 0);
    EXPECT_EQ(StrToDate("12/24/2023"), christmas);
    EXPECT_EQ(StrToDate(" 12 / 24 / 23 "), christmas);
    EXPECT_EQ(StrToDate("12/24"), EncodeDate(ThisYear(), 12, 24));
    // Two-digit years lie within 50 years of this year.
    EXPECT_EQ(StrToDate(QString("1/1/%1").arg((ThisYear() + 49) % 100, 2, 10, QChar(u'0'))),
              EncodeDate(ThisYear() + 49, 1, 1));
    EXPECT_EQ(StrToDate(QString("1/1/%1").arg((ThisYear() - 50) % 100, 2, 10, QChar(u'0'))),
              EncodeDate(ThisYear() - 50, 1, 1));
    EXPECT_EQ(StrToTime("1:05:09 PM"), afternoon);
    EXPECT_EQ(StrToTime("pm 1:05:09"), afternoon);
    EXPECT_EQ(StrToTime("13:05:09"), afternoon);
    EXPECT_EQ(StrToTime("12:00 AM"), 0);
    EXPECT_EQ(StrToTime("12 PM"), 0.5);
    EXPECT_EQ(StrToTime("0:00:01.5"), EncodeTime(0, 0, 1, 500));
    EXPECT_EQ(StrToDateTime("12/24/23 1:05:09 PM"), christmas + afternoon);
    EXPECT_EQ(StrToDateTime("12/24/23"), christmas);
    EXPECT_EQ(StrToDateTime("13:05:09"), afternoon);
    EXPECT_EQ(StrToDateTime("12/29/1899 6:00"), -1.25);
    EXPECT_EQ(StrToDateTime(DateTimeToStr(christmas + afternoon)), christmas + afternoon);

    UseRussian();
    EXPECT_EQ(StrToDate("24.12.2023"), christmas);
    EXPECT_EQ(StrToDateTime("24.12.2023 13:05:09"), christmas + afternoon);
    EXPECT_EQ(StrToTime("0:00:01,5"), EncodeTime(0, 0, 1, 500));
    // Four-digit years keep the century, before the epoch too.
    const TDateTime early = EncodeDate(1850, 7, 1) - EncodeTime(6, 30, 0, 0);
    EXPECT_EQ(DateTimeToStr(early), "01.07.1850 06:30:00");
    EXPECT_EQ(StrToDateTime(DateTimeToStr(early)), early);
}

TEST(DateUtils, TextsThatAreNoDateOrTimeRaiseConvertErrors)
{
    FormatSettingsGuard guard;
    UseEnglish();
    for (const char *bad : {"", "12", "2/30/2023", "12/24/23x", "12-24-2023", "a/b/c"})
        EXPECT_THROW(StrToDate(bad), EConvertError) << bad;
    for (const char *bad : {"", "13", "25:00", "13:00 PM", "12:60", "1:00:00.1234", "1:00 XM"})
        EXPECT_THROW(StrToTime(bad), EConvertError) << bad;
    EXPECT_THROW(StrToDateTime("12/24/23 noon"), EConvertError);
    try {
        StrToDate("12/32/23");
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), "'12/32/23' is not a valid date");
    }
}
