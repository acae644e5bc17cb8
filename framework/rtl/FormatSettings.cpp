#include "rtl/FormatSettings.h"

TFormatSettings FormatSettings = TFormatSettings::FromSystemLocale();

namespace {
// Qt writes date and time patterns almost as the language components store them; only the AM/PM marker
// ("AP" -> "AMPM") and the 24-hour "H" differ, and the time-zone name "t" has no counterpart and is dropped.
QString ToStoredPattern(const QString &pattern)
{
    QString stored;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            const qsizetype close = pattern.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close + 1;
            stored += pattern.mid(i, end - i);
            i = end - 1;
        } else if (c == u'A' || c == u'a') {
            const bool lower = c == u'a';
            if (i + 1 < pattern.size() && pattern[i + 1].toLower() == u'p')
                ++i;
            stored += lower ? "ampm" : "AMPM";
        } else if (c == u't') {
            while (i + 1 < pattern.size() && pattern[i + 1] == u't')
                ++i;
        } else if (c == u'H') {
            stored += u'h';
        } else {
            stored += c;
        }
    }
    return stored.trimmed();
}

// The first character of a pattern that is neither a letter, a blank nor quoted text.
QChar SeparatorOf(const QString &pattern, QChar fallback)
{
    bool quoted = false;
    for (QChar c : pattern) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && !c.isLetter() && !c.isSpace())
            return c;
    }
    return fallback;
}

// Index 0 is Sunday in the stored day lists, Monday is day 1 for Qt.
int QtDay(int storedIndex) { return storedIndex == 0 ? 7 : storedIndex; }
} // namespace

TFormatSettings TFormatSettings::FromSystemLocale()
{
    const QLocale system = QLocale::system();
    // The bare C locale has no date layout a user would read ("d MMM yyyy"): take the English defaults.
    return FromLocale(system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system);
}

TFormatSettings TFormatSettings::FromLocale(const QLocale &locale)
{
    TFormatSettings s;
    s.CurrencyString = locale.currencySymbol(QLocale::CurrencySymbol);
    const QString group = locale.groupSeparator();
    // Thin and narrow spaces are not in the single-byte code page; the no-break space is, and reads the same.
    s.ThousandSeparator = group.isEmpty() ? QChar(u',') : group[0].isSpace() ? QChar(0x00A0) : group[0];
    const QString point = locale.decimalPoint();
    s.DecimalSeparator = point.isEmpty() ? QChar(u'.') : point[0];
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    s.DateSeparator = SeparatorOf(shortDate, u'/');
    s.ShortDateFormat = ToStoredPattern(shortDate);
    s.LongDateFormat = ToStoredPattern(locale.dateFormat(QLocale::LongFormat));
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    s.TimeSeparator = SeparatorOf(shortTime, u':');
    s.TimeAMString = locale.amText();
    s.TimePMString = locale.pmText();
    s.ShortTimeFormat = ToStoredPattern(shortTime);
    s.LongTimeFormat = ToStoredPattern(locale.timeFormat(QLocale::LongFormat));
    for (int month = 1; month <= 12; ++month) {
        s.ShortMonthNames[month - 1] = locale.standaloneMonthName(month, QLocale::ShortFormat);
        s.LongMonthNames[month - 1] = locale.standaloneMonthName(month, QLocale::LongFormat);
    }
    for (int day = 0; day < 7; ++day) {
        s.ShortDayNames[day] = locale.standaloneDayName(QtDay(day), QLocale::ShortFormat);
        s.LongDayNames[day] = locale.standaloneDayName(QtDay(day), QLocale::LongFormat);
    }
    return s;
}

DecimalSeparatorScope::DecimalSeparatorScope(QChar separator) : saved_(FormatSettings.DecimalSeparator)
{
    FormatSettings.DecimalSeparator = separator;
}

DecimalSeparatorScope::~DecimalSeparatorScope() { FormatSettings.DecimalSeparator = saved_; }
