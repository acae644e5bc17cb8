#include "rtl/FloatDigits.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include <charconv>
#include <cmath>

namespace {
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Accepts [sign] digits [separator digits] [E [sign] digits] with at least one mantissa digit, and returns
// it in the form the standard parser reads ("." as the point, no leading "+"), or an empty text.
std::string Normalised(const QString &s, QChar separator)
{
    std::string ascii;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ascii += s[i++] == u'-' ? "-" : "";
    int mantissaDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++mantissaDigits)
        ascii += char(s[i].unicode());
    if (i < s.size() && s[i] == separator) {
        ascii += '.';
        for (++i; i < s.size() && IsDigit(s[i]); ++i, ++mantissaDigits)
            ascii += char(s[i].unicode());
    }
    if (mantissaDigits == 0)
        return {};
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e')) {
        ascii += 'e';
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            ascii += char(s[i++].unicode());
        int exponentDigits = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i, ++exponentDigits)
            ascii += char(s[i].unicode());
        if (exponentDigits == 0)
            return {};
    }
    return i == s.size() ? ascii : std::string();
}
} // namespace

bool TryStrToFloat(const QString &s, double &value)
{
    const std::string text = Normalised(s, FormatSettings.DecimalSeparator);
    if (text.empty())
        return false;
    const char *end = text.data() + text.size();
    double parsed = 0;
    const auto result = std::from_chars(text.data(), end, parsed);
    if (result.ec == std::errc()) {
        value = parsed;
        return true;
    }
    // Out of range: a number too small for a double reads as zero (or the nearest subnormal), one too large
    // is refused.
    long double wide = 0;
    if (std::from_chars(text.data(), end, wide).ec != std::errc() || std::fabs(wide) >= 1)
        return false;
    value = static_cast<double>(wide);
    return true;
}

double StrToFloat(const QString &s)
{
    double value = 0;
    if (!TryStrToFloat(s, value))
        throw EConvertError(QString("'%1' is not a valid floating point value").arg(s));
    return value;
}

QString FloatToStr(double value) { return GeneralText(value, 15); }
