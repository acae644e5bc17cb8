#include "rtl/SysUtils.h"

#include <limits>

namespace {
bool IsBlankOrControl(QChar c) { return c.unicode() < 33; }

int Sign(int value) { return (value > 0) - (value < 0); }

// Maps every character, pairs of surrogates as one, keeping the length (no "SS" for a sharp s).
template <typename Map>
QString MapCase(const QString &s, Map map)
{
    QString result = s;
    QChar *out = result.data();
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (out[i].isHighSurrogate() && i + 1 < result.size() && out[i + 1].isLowSurrogate()) {
            const char32_t mapped = map(QChar::surrogateToUcs4(out[i], out[i + 1]));
            out[i] = QChar(QChar::highSurrogate(mapped));
            out[i + 1] = QChar(QChar::lowSurrogate(mapped));
            ++i;
        } else {
            out[i] = QChar(char16_t(map(out[i].unicode())));
        }
    }
    return result;
}

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int digit = 99;
    if (u >= u'0' && u <= u'9')
        digit = u - u'0';
    else if (u >= u'A' && u <= u'F')
        digit = u - u'A' + 10;
    else if (u >= u'a' && u <= u'f')
        digit = u - u'a' + 10;
    return digit < base ? digit : -1;
}

// Negative numbers that fit 32 bits are shown as 32-bit two's complement ("FFFFFFFF" for -1), the way the
// integer routines of the original show them; wider ones as 64-bit.
quint64 AsUnsigned(qint64 value)
{
    if (value < 0 && value >= std::numeric_limits<qint32>::min())
        return static_cast<quint32>(static_cast<qint32>(value));
    return static_cast<quint64>(value);
}
} // namespace

QString Trim(const QString &s) { return TrimRight(TrimLeft(s)); }

QString TrimLeft(const QString &s)
{
    qsizetype first = 0;
    while (first < s.size() && IsBlankOrControl(s[first]))
        ++first;
    return s.mid(first);
}

QString TrimRight(const QString &s)
{
    qsizetype end = s.size();
    while (end > 0 && IsBlankOrControl(s[end - 1]))
        --end;
    return s.left(end);
}

QString AnsiUpperCase(const QString &s)
{
    return MapCase(s, [](char32_t c) { return QChar::toUpper(c); });
}

QString UpperCase(const QString &s)
{
    return MapCase(s, [](char32_t c) { return c >= U'a' && c <= U'z' ? c - (U'a' - U'A') : c; });
}

// The collation may call different texts equal (ignorable characters); those still get a fixed order, so
// that a sorted list is deterministic and only texts equal in every character compare as equal.
int AnsiCompareStr(const QString &a, const QString &b)
{
    const int order = a.localeAwareCompare(b);
    return Sign(order != 0 ? order : a.compare(b));
}

int AnsiCompareText(const QString &a, const QString &b) { return AnsiCompareStr(a.toCaseFolded(), b.toCaseFolded()); }

bool SameText(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString IntToStr(qint64 value) { return QString::number(value); }

QString IntToHex(qint64 value, int digits)
{
    return QString::number(AsUnsigned(value), 16).toUpper().rightJustified(digits, u'0');
}

bool TryStrToInt(const QString &s, int &value)
{
    qsizetype i = 0;
    const bool negative = i < s.size() && s[i] == u'-';
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        ++i;
    const bool hex = i < s.size() && s[i] == u'$';
    if (hex)
        ++i;
    if (i == s.size())
        return false;
    const int base = hex ? 16 : 10;
    // Hexadecimal takes all 32 bits (the top bit makes the value negative); decimal must fit the signed range.
    const quint64 limit = hex ? 0xFFFFFFFFull : negative ? 0x80000000ull : 0x7FFFFFFFull;
    quint64 magnitude = 0;
    for (; i < s.size(); ++i) {
        const int digit = DigitValue(s[i], base);
        if (digit < 0)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return false;
    }
    quint32 bits = static_cast<quint32>(magnitude);
    if (negative)
        bits = 0u - bits;
    value = static_cast<qint32>(bits);
    return true;
}

int StrToInt(const QString &s)
{
    int value = 0;
    if (!TryStrToInt(s, value))
        throw EConvertError(QString("'%1' is not a valid integer value").arg(s));
    return value;
}

int StrToIntDef(const QString &s, int defaultValue)
{
    int value = 0;
    return TryStrToInt(s, value) ? value : defaultValue;
}

void RangeCheck(qint64 index, qint64 low, qint64 high)
{
    if (index < low || index > high)
        throw ERangeError("Range check error");
}
