#include "rtl/FloatDigits.h"

#include "rtl/FormatSettings.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

TFloatDigits TFloatDigits::Of(double value)
{
    TFloatDigits d;
    d.Negative = std::signbit(value);
    // Shortest round-trip scientific form: "d[.ddd]e±xx".
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific);
    const std::string_view form(text, result.ptr - text);
    const size_t e = form.find('e');
    for (char c : form.substr(0, e))
        if (c != '.')
            d.Digits += c;
    d.Exponent = std::atoi(std::string(form.substr(e + 1)).c_str()) + 1;
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
    if (d.Digits.empty())
        d.Exponent = 0;
    return d;
}

void TFloatDigits::RoundToDigits(int count)
{
    if (count >= static_cast<int>(Digits.size()))
        return;
    if (count < 0) {
        Digits.clear();
        Exponent = 0;
        return;
    }
    const bool up = Digits[count] >= '5';
    Digits.resize(count);
    if (up) {
        int i = count - 1;
        while (i >= 0 && Digits[i] == '9')
            Digits[i--] = '0';
        if (i >= 0) {
            ++Digits[i];
        } else {
            Digits.insert(Digits.begin(), '1');
            ++Exponent;
        }
    }
    while (!Digits.empty() && Digits.back() == '0')
        Digits.pop_back();
    if (Digits.empty())
        Exponent = 0;
}

QString TFloatDigits::IntegerDigits() const
{
    QString digits;
    for (int i = 0; i < Exponent; ++i)
        digits += i < static_cast<int>(Digits.size()) ? QChar(Digits[i]) : QChar(u'0');
    return digits;
}

QString TFloatDigits::FractionDigits(int count) const
{
    QString digits;
    for (int i = 0; i < count; ++i) {
        const int at = Exponent + i;
        digits += at >= 0 && at < static_cast<int>(Digits.size()) ? QChar(Digits[at]) : QChar(u'0');
    }
    return digits;
}

QString GroupThousands(const QString &digits, QChar separator)
{
    if (separator.isNull())
        return digits;
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

QString NonFiniteText(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

QString GeneralText(double value, int precision)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    TFloatDigits d = TFloatDigits::Of(value);
    d.RoundToDigits(precision);
    if (d.IsZero())
        return "0";
    const QChar point = FormatSettings.DecimalSeparator;
    QString text = d.Negative ? "-" : "";
    if (d.Exponent > precision || d.Exponent < -3) {
        text += QChar(d.Digits[0]);
        if (d.Digits.size() > 1)
            text += point + QString::fromStdString(d.Digits.substr(1));
        return text + "E" + QString::number(d.Exponent - 1);
    }
    const QString integer = d.IntegerDigits();
    const int decimals = static_cast<int>(d.Digits.size()) - d.Exponent;
    text += integer.isEmpty() ? "0" : integer;
    if (decimals > 0)
        text += point + d.FractionDigits(decimals);
    return text;
}
