#pragma once

#include "rtl/Exceptions.h"

#include <QString>

// A date and time as the original run-time library keeps it: whole days since 1899-12-30, the fraction is
// the time of day. Before that day the whole part is negative and the fraction still counts forward
// (-1.25 is 1899-12-29 06:00).
using TDateTime = double;

// Raise EConvertError "Invalid argument to date encode" / "... time encode" for a day or time that does
// not exist (years 1 to 9999; hours 0 to 23).
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);

// Format specifiers, letter case ignored: c, d, dd, ddd, dddd, ddddd, dddddd, m, mm, mmm, mmmm, yy, yyyy,
// h, hh, n, nn, s, ss, z, zzz, t, tt, am/pm, a/p, ampm, "/" (date separator), ":" (time separator), quoted
// text. An "m" right after an hour, or right before seconds, means minutes. Names and separators come from
// FormatSettings.
QString FormatDateTime(const QString &format, TDateTime value);

// ShortDateFormat; LongTimeFormat; both, the time left out at midnight.
QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value);
QString DateTimeToStr(TDateTime value);

// Numbers in the order of ShortDateFormat, separated by DateSeparator; a missing year is this year, a
// two-digit year lies within 50 years of this year. Times are hours, minutes, optional seconds and
// milliseconds (after DecimalSeparator) separated by TimeSeparator, with an optional AM/PM marker. Blanks
// around the parts are allowed. Raise EConvertError "'x' is not a valid date" / "time" / "date and time".
TDateTime StrToDate(const QString &s);
TDateTime StrToTime(const QString &s);
TDateTime StrToDateTime(const QString &s);
