#include "tables/CellValues.h"

#include "rtl/Codec1251.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include <algorithm>
#include <cstring>

namespace {
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Nine digits always fit an int; fifteen always fit a double's mantissa exactly.
constexpr int IntDigits = 9;
constexpr int FloatDigits = 15;
constexpr double PowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
} // namespace

bool CellToInt(QStringView text, int &value)
{
    const qsizetype start = !text.isEmpty() && text[0] == u'-' ? 1 : 0;
    const qsizetype digits = text.size() - start;
    if (digits > 0 && digits <= IntDigits) {
        int magnitude = 0;
        qsizetype i = start;
        for (; i < text.size() && IsDigit(text[i].unicode()); ++i)
            magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (i == text.size()) {
            value = start ? -magnitude : magnitude;
            return true;
        }
    }
    return TryStrToInt(text.toString(), value);
}

bool CellToFloat(QStringView text, double &value)
{
    // [-]digits[separator digits]: the digits as one exact integer, divided once by an exact power of ten, which
    // rounds as the general conversion does.
    const QChar separator = FormatSettings.DecimalSeparator;
    const qsizetype start = !text.isEmpty() && text[0] == u'-' ? 1 : 0;
    qint64 mantissa = 0;
    int digits = 0;
    int fraction = -1;
    qsizetype i = start;
    for (; i < text.size() && digits <= FloatDigits; ++i) {
        const QChar c = text[i];
        if (IsDigit(c.unicode())) {
            mantissa = mantissa * 10 + (c.unicode() - u'0');
            ++digits;
            if (fraction >= 0)
                ++fraction;
        } else if (c == separator && fraction < 0) {
            fraction = 0;
        } else {
            break;
        }
    }
    if (i == text.size() && digits > 0 && digits <= FloatDigits) {
        const double magnitude = double(mantissa) / PowersOfTen[std::max(fraction, 0)];
        value = start ? -magnitude : magnitude;
        return true;
    }
    return TryStrToFloat(text.toString(), value);
}

void AppendCp1251(QStringView text, QByteArray &bytes)
{
    const qsizetype at = bytes.size();
    bytes.resize(at + text.size());
    char *out = bytes.data() + at;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            bytes.truncate(at);
            bytes += ToCp1251(text.toString());
            return;
        }
        *out++ = char(c.unicode());
    }
}

int CompareBytes(QByteArrayView a, QByteArrayView b)
{
    const int order = std::memcmp(a.data(), b.data(), size_t(std::min(a.size(), b.size())));
    if (order != 0)
        return order;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}
