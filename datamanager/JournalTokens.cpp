#include "JournalTokens.h"

#include "HexDigits.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

#include <charconv>
#include <cstring>

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ParseInteger(TLineText token, qint32 &value)
{
    const char *p = token.Begin;
    const bool negative = p != token.End && *p == '-';
    if (p != token.End && (*p == '-' || *p == '+'))
        ++p;
    if (p != token.End && *p == '$') {
        quint32 bits = 0;
        if (!ParseHexDigits(TLineText(p + 1, token.End), bits))
            return false;
        value = negative ? qint32(0u - bits) : qint32(bits);
        return true;
    }
    if (p == token.End)
        return false;
    qint64 v = 0;
    for (; p != token.End; ++p) {
        if (!IsDigit(*p))
            return false;
        v = v * 10 + (*p - '0');
        if (v > qint64(1) << 31)
            return false;
    }
    v = negative ? -v : v;
    if (v > 2147483647)
        return false;
    value = qint32(v);
    return true;
}

// [sign] digits [. digits] [(e|E) [sign] digits], at least one digit before the exponent.
bool ParseFloat(TLineText token, double &value)
{
    const char *p = token.Begin;
    const char *end = token.End;
    if (p != end && *p == '+')
        ++p;
    const char *number = p;
    if (p != end && *p == '-' && number == token.Begin)
        ++p;
    bool digits = false;
    for (; p != end && IsDigit(*p); ++p)
        digits = true;
    if (p != end && *p == '.')
        for (++p; p != end && IsDigit(*p); ++p)
            digits = true;
    if (!digits)
        return false;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != end && (*p == '+' || *p == '-'))
            ++p;
        if (p == end || !IsDigit(*p))
            return false;
        while (p != end && IsDigit(*p))
            ++p;
    }
    if (p != end)
        return false;
    const auto [last, error] = std::from_chars(number, end, value, std::chars_format::general);
    return error == std::errc() && last == end;
}

[[noreturn]] void RangeError() { throw ERangeError("Range check error"); }
} // namespace

QString TLineText::Text() const { return FromCp1251(Begin, Size()); }

TLineText DropFirstToken(TLineText s) { return SplitFirstToken(Trim(s)).Rest; }

TLineText FirstToken(TLineText s)
{
    const char *blank = FindBlank(s);
    return blank ? TLineText(s.Begin, blank) : Trim(s);
}

TLineText AfterFirstBlank(TLineText s)
{
    const char *blank = FindBlank(s);
    return blank ? TLineText(blank + 1, s.End) : TLineText();
}

TLineText AfterToken(TLineText s, TLineText firstToken)
{
    return firstToken.End < s.End && *firstToken.End == ' ' ? TLineText(firstToken.End + 1, s.End) : TLineText();
}

TLineText TakeChars(TLineText s, qsizetype n) { return s.Size() > n ? Trim(s.Left(n)) : s; }

qint32 DecValue(TLineText token)
{
    qint32 value = 0;
    return ParseInteger(token, value) ? value : -1;
}

qint32 HexToken(TLineText s) { return HexValue(FirstToken(s)); }

qint32 DecToken(TLineText s) { return DecValue(FirstToken(s)); }

double FloatToken(TLineText s)
{
    double value = 0;
    return ParseFloat(FirstToken(s), value) ? value : 0;
}

qint32 DecNumber(TLineText token)
{
    qint32 value = 0;
    if (!ParseInteger(token, value))
        throw EConvertError(QString("'%1' is not a valid integer value").arg(token.Text()));
    return value;
}

double FloatNumber(TLineText token)
{
    double value = 0;
    if (!ParseFloat(token, value))
        throw EConvertError(QString("'%1' is not a valid floating point value").arg(token.Text()));
    return value;
}

TLineText FixedField(TLineText s, qsizetype width)
{
    if (s.Size() > width && s.Begin[width] != ' ')
        RangeError();
    return s.Left(width);
}

quint8 HexPair(TLineText pair)
{
    quint32 value = 0;
    if (!ParseHexDigits(pair, value))
        throw EConvertError(QString("'$%1' is not a valid integer value").arg(pair.Text()));
    return quint8(value);
}

quint8 CheckedByte(qint32 value)
{
    if (value < 0 || value > 255)
        RangeError();
    return quint8(value);
}

quint16 CheckedWord(qint32 value)
{
    if (value < 0 || value > 65535)
        RangeError();
    return quint16(value);
}

qint32 CheckedNonNegative(qint32 value)
{
    if (value < 0)
        RangeError();
    return value;
}
