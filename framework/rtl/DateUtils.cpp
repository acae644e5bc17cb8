#include "rtl/DateUtils.h"

#include "rtl/FormatSettings.h"

#include <QDate>
#include <cmath>

namespace {
constexpr qint64 MSecsPerDay = 24 * 60 * 60 * 1000;
constexpr double FirstDay = -693593; // 0001-01-01
constexpr double LastDay = 2958465;  // 9999-12-31
const qint64 EpochJulianDay = QDate(1899, 12, 30).toJulianDay();

bool TryEncodeDate(int year, int month, int day, TDateTime &value)
{
    const QDate date(year, month, day);
    if (year < 1 || year > 9999 || !date.isValid())
        return false;
    value = double(date.toJulianDay() - EpochJulianDay);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime &value)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
        return false;
    value = double(((hour * 60 + minute) * 60 + second) * 1000 + msec) / MSecsPerDay;
    return true;
}

// The time of day is added to a date on or after the epoch and taken away from one before it, so that the
// fraction always counts forward from midnight.
TDateTime Compose(TDateTime date, TDateTime time) { return date >= 0 ? date + time : date - time; }

struct Split {
    qint64 Days;
    qint64 Msec;
};

// Whole milliseconds, rounded; a time that rounds up to midnight belongs to the next day.
Split SplitDateTime(TDateTime value)
{
    if (!(value >= FirstDay && value < LastDay + 1))
        throw EConvertError(QStringLiteral("Invalid argument to date decode"));
    const double days = std::trunc(value);
    Split split{qint64(days), std::llround(std::fabs(value - days) * MSecsPerDay)};
    if (split.Msec == MSecsPerDay) {
        split.Msec = 0;
        ++split.Days;
    }
    return split;
}

QString Padded(int value, int digits) { return QString::number(value).rightJustified(digits, u'0'); }

// Length of the run of `c` (letter case ignored) starting at i.
qsizetype RunLength(const QString &format, qsizetype i, QChar c)
{
    qsizetype end = i;
    while (end < format.size() && format[end].toLower() == c)
        ++end;
    return end - i;
}

bool StartsAt(const QString &format, qsizetype i, QLatin1StringView token)
{
    return QStringView(format).mid(i).startsWith(token, Qt::CaseInsensitive);
}

// An AM/PM specifier anywhere outside quoted text turns the hours to the 12-hour clock.
bool HasAmPm(const QString &format)
{
    QChar quote;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (StartsAt(format, i, QLatin1StringView("am/pm")) || StartsAt(format, i, QLatin1StringView("a/p")) ||
                   StartsAt(format, i, QLatin1StringView("ampm"))) {
            return true;
        }
    }
    return false;
}

// Whether the next specifier after position i (past separators, blanks and quoted text) is a seconds one.
bool SecondsFollow(const QString &format, qsizetype i)
{
    while (i < format.size() && !format[i].isLetter()) {
        if (format[i] == u'\'' || format[i] == u'"') {
            const qsizetype close = format.indexOf(format[i], i + 1);
            i = close < 0 ? format.size() : close;
        }
        ++i;
    }
    return i < format.size() && format[i].toLower() == u's';
}

class DateTimeWriter {
public:
    explicit DateTimeWriter(TDateTime value)
    {
        const Split split = SplitDateTime(value);
        date_ = QDate::fromJulianDay(EpochJulianDay + split.Days);
        hour_ = int(split.Msec / 3600000);
        minute_ = int(split.Msec / 60000 % 60);
        second_ = int(split.Msec / 1000 % 60);
        msec_ = int(split.Msec % 1000);
    }

    QString Result() const { return out_; }

    // The locale's own formats may name each other; two levels are enough and stop a format naming itself.
    void Append(const QString &format, int depth = 0)
    {
        if (depth > 2)
            return;
        const bool twelveHour = HasAmPm(format);
        bool afterHour = false;
        qsizetype i = 0;
        while (i < format.size()) {
            const QChar c = format[i];
            const QChar lower = c.toLower();
            qsizetype run = 1;
            bool hourToken = false;
            if (c == u'\'' || c == u'"') {
                const qsizetype close = format.indexOf(c, i + 1);
                const qsizetype end = close < 0 ? format.size() : close;
                out_ += format.mid(i + 1, end - i - 1);
                run = end - i + 1;
            } else if (lower == u'c') {
                Append(FormatSettings.ShortDateFormat, depth + 1);
                if (hour_ || minute_ || second_ || msec_) {
                    out_ += u' ';
                    Append(FormatSettings.LongTimeFormat, depth + 1);
                }
            } else if (lower == u'd') {
                run = RunLength(format, i, u'd');
                AppendDay(run, depth);
            } else if (lower == u'm') {
                run = RunLength(format, i, u'm');
                if (run <= 2 && (afterHour || SecondsFollow(format, i + run)))
                    out_ += Padded(minute_, int(run));
                else
                    AppendMonth(run);
            } else if (lower == u'y') {
                run = RunLength(format, i, u'y');
                out_ += run <= 2 ? Padded(date_.year() % 100, 2) : Padded(date_.year(), 4);
            } else if (lower == u'h') {
                run = RunLength(format, i, u'h');
                const int hour = twelveHour ? (hour_ % 12 == 0 ? 12 : hour_ % 12) : hour_;
                out_ += Padded(hour, run >= 2 ? 2 : 1);
                hourToken = true;
            } else if (lower == u'n') {
                run = RunLength(format, i, u'n');
                out_ += Padded(minute_, run >= 2 ? 2 : 1);
            } else if (lower == u's') {
                run = RunLength(format, i, u's');
                out_ += Padded(second_, run >= 2 ? 2 : 1);
            } else if (lower == u'z') {
                run = RunLength(format, i, u'z');
                out_ += Padded(msec_, run >= 3 ? 3 : 1);
            } else if (lower == u't') {
                run = RunLength(format, i, u't');
                Append(run == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat, depth + 1);
            } else if (StartsAt(format, i, QLatin1StringView("ampm"))) {
                out_ += hour_ < 12 ? FormatSettings.TimeAMString : FormatSettings.TimePMString;
                run = 4;
            } else if (StartsAt(format, i, QLatin1StringView("am/pm"))) {
                out_ += hour_ < 12 ? format.mid(i, 2) : format.mid(i + 3, 2);
                run = 5;
            } else if (StartsAt(format, i, QLatin1StringView("a/p"))) {
                out_ += hour_ < 12 ? format.mid(i, 1) : format.mid(i + 2, 1);
                run = 3;
            } else if (c == u'/') {
                out_ += FormatSettings.DateSeparator;
            } else if (c == u':') {
                out_ += FormatSettings.TimeSeparator;
            } else {
                out_ += c;
            }
            if (hourToken)
                afterHour = true;
            else if (c.isLetter())
                afterHour = false;
            i += run;
        }
    }

private:
    void AppendDay(qsizetype run, int depth)
    {
        const int weekDay = date_.dayOfWeek() % 7; // Sunday first
        switch (run) {
        case 1:
        case 2:
            out_ += Padded(date_.day(), int(run));
            break;
        case 3:
            out_ += FormatSettings.ShortDayNames[weekDay];
            break;
        case 4:
            out_ += FormatSettings.LongDayNames[weekDay];
            break;
        case 5:
            Append(FormatSettings.ShortDateFormat, depth + 1);
            break;
        default:
            Append(FormatSettings.LongDateFormat, depth + 1);
        }
    }

    void AppendMonth(qsizetype run)
    {
        if (run <= 2)
            out_ += Padded(date_.month(), int(run));
        else if (run == 3)
            out_ += FormatSettings.ShortMonthNames[date_.month() - 1];
        else
            out_ += FormatSettings.LongMonthNames[date_.month() - 1];
    }

    QDate date_;
    int hour_, minute_, second_, msec_;
    QString out_;
};

enum class DateOrder { MDY, DMY, YMD };

DateOrder OrderOf(const QString &format)
{
    for (const QChar c : format) {
        const QChar lower = c.toLower();
        if (lower == u'd')
            return DateOrder::DMY;
        if (lower == u'y')
            return DateOrder::YMD;
        if (lower == u'm')
            return DateOrder::MDY;
    }
    return DateOrder::MDY;
}

// A two-digit year lies within 50 years of this year.
int ExpandYear(int year)
{
    const int earliest = QDate::currentDate().year() - 50;
    year += earliest / 100 * 100;
    return year < earliest ? year + 100 : year;
}

class DateTimeScanner {
public:
    explicit DateTimeScanner(const QString &text) : s_(text) {}

    bool AtEnd()
    {
        SkipBlanks();
        return pos_ == s_.size();
    }

    void Restart() { pos_ = 0; }

    bool ScanDate(TDateTime &value)
    {
        int n1 = 0, n2 = 0, n3 = 0, digits1 = 0, digits2 = 0, digits3 = 0;
        const QChar separator = FormatSettings.DateSeparator;
        if (!ScanNumber(n1, digits1) || !ScanChar(separator) || !ScanNumber(n2, digits2))
            return false;
        const bool withYear = ScanChar(separator);
        if (withYear && !ScanNumber(n3, digits3))
            return false;
        int year = QDate::currentDate().year(), month = 0, day = 0, yearDigits = 4;
        const DateOrder order = OrderOf(FormatSettings.ShortDateFormat);
        if (!withYear) {
            month = order == DateOrder::DMY ? n2 : n1;
            day = order == DateOrder::DMY ? n1 : n2;
        } else if (order == DateOrder::MDY) {
            month = n1, day = n2, year = n3, yearDigits = digits3;
        } else if (order == DateOrder::DMY) {
            day = n1, month = n2, year = n3, yearDigits = digits3;
        } else {
            year = n1, month = n2, day = n3, yearDigits = digits1;
        }
        if (yearDigits <= 2)
            year = ExpandYear(year);
        return TryEncodeDate(year, month, day, value);
    }

    bool ScanTime(TDateTime &value)
    {
        int marker = ScanAmPm();
        int hour = 0, minute = 0, second = 0, msec = 0, digits = 0;
        if (!ScanNumber(hour, digits))
            return false;
        const QChar separator = FormatSettings.TimeSeparator;
        const bool withMinutes = ScanChar(separator);
        if (withMinutes) {
            if (!ScanNumber(minute, digits))
                return false;
            if (ScanChar(separator)) {
                if (!ScanNumber(second, digits))
                    return false;
                if (ScanChar(FormatSettings.DecimalSeparator)) {
                    if (!ScanNumber(msec, digits) || digits > 3)
                        return false;
                    msec *= digits == 1 ? 100 : digits == 2 ? 10 : 1;
                }
            }
        }
        if (marker < 0)
            marker = ScanAmPm();
        if (marker < 0 && !withMinutes)
            return false;
        if (marker >= 0) {
            if (hour > 12)
                return false;
            hour = hour % 12 + (marker == 1 ? 12 : 0);
        }
        return TryEncodeTime(hour, minute, second, msec, value);
    }

private:
    void SkipBlanks()
    {
        while (pos_ < s_.size() && s_[pos_] == u' ')
            ++pos_;
    }

    bool ScanChar(QChar c)
    {
        SkipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool ScanNumber(int &value, int &digits)
    {
        SkipBlanks();
        const qsizetype start = pos_;
        value = 0;
        while (pos_ < s_.size() && s_[pos_] >= u'0' && s_[pos_] <= u'9' && pos_ - start < 9)
            value = value * 10 + (s_[pos_++].unicode() - u'0');
        digits = int(pos_ - start);
        return digits > 0;
    }

    // -1 none, 0 AM, 1 PM; the locale's markers and the English ones, letter case ignored.
    int ScanAmPm()
    {
        SkipBlanks();
        const QStringView rest = QStringView(s_).mid(pos_);
        const QString markers[] = {FormatSettings.TimeAMString, FormatSettings.TimePMString, QStringLiteral("AM"),
                                   QStringLiteral("PM")};
        for (int i = 0; i < 4; ++i) {
            if (!markers[i].isEmpty() && rest.startsWith(markers[i], Qt::CaseInsensitive)) {
                pos_ += markers[i].size();
                return i % 2;
            }
        }
        return -1;
    }

    const QString &s_;
    qsizetype pos_ = 0;
};

[[noreturn]] void ConvertError(const QString &s, const char *what)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid %2").arg(s, QLatin1StringView(what)));
}
} // namespace

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime value = 0;
    if (!TryEncodeDate(year, month, day, value))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return value;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    TDateTime value = 0;
    if (!TryEncodeTime(hour, minute, second, msec, value))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return value;
}

QString FormatDateTime(const QString &format, TDateTime value)
{
    DateTimeWriter writer(value);
    writer.Append(format);
    return writer.Result();
}

QString DateToStr(TDateTime value) { return FormatDateTime(FormatSettings.ShortDateFormat, value); }

QString TimeToStr(TDateTime value) { return FormatDateTime(FormatSettings.LongTimeFormat, value); }

QString DateTimeToStr(TDateTime value) { return FormatDateTime(QStringLiteral("c"), value); }

TDateTime StrToDate(const QString &s)
{
    DateTimeScanner scanner(s);
    TDateTime date = 0;
    if (!scanner.ScanDate(date) || !scanner.AtEnd())
        ConvertError(s, "date");
    return date;
}

TDateTime StrToTime(const QString &s)
{
    DateTimeScanner scanner(s);
    TDateTime time = 0;
    if (!scanner.ScanTime(time) || !scanner.AtEnd())
        ConvertError(s, "time");
    return time;
}

TDateTime StrToDateTime(const QString &s)
{
    DateTimeScanner scanner(s);
    TDateTime date = 0, time = 0;
    if (scanner.ScanDate(date)) {
        if (scanner.AtEnd())
            return date;
        if (scanner.ScanTime(time) && scanner.AtEnd())
            return Compose(date, time);
    }
    scanner.Restart();
    if (scanner.ScanTime(time) && scanner.AtEnd())
        return time;
    ConvertError(s, "date and time");
}
