#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

// The locale items of the process, in the order the language components store them. Each module holds its
// own copy, initialised from the system locale when the module starts.
struct TFormatSettings {
    QString CurrencyString;
    QChar ThousandSeparator;
    QChar DecimalSeparator;
    QChar DateSeparator;
    QString ShortDateFormat;
    QString LongDateFormat;
    QChar TimeSeparator;
    QString TimeAMString;
    QString TimePMString;
    QString ShortTimeFormat;
    QString LongTimeFormat;
    QString ShortMonthNames[12];
    QString LongMonthNames[12];
    QString ShortDayNames[7];
    QString LongDayNames[7];

    static TFormatSettings FromSystemLocale();
    static TFormatSettings FromLocale(const QLocale &locale);
};

extern TFormatSettings FormatSettings;

// Sets the decimal separator for the lifetime of the object and restores the previous one afterwards
// (the journal reads and writes floating-point numbers with ".").
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(QChar separator);
    ~DecimalSeparatorScope();
    DecimalSeparatorScope(const DecimalSeparatorScope &) = delete;
    DecimalSeparatorScope &operator=(const DecimalSeparatorScope &) = delete;

private:
    QChar saved_;
};
