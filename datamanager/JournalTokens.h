#pragma once

// The token readers of the journal. They work on the line's own single-byte text, without copying it: a
// TLineText is a piece of the line, and every reader takes the current rest of the line and leaves it as it
// is. Trimming removes every byte below 33 (blanks and control characters).

#include "HexDigits.h"

#include <QByteArrayView>
#include <QString>
#include <cstring>

struct TLineText {
    const char *Begin = nullptr;
    const char *End = nullptr;

    TLineText() = default;
    TLineText(const char *begin, const char *end) : Begin(begin), End(end) {}
    explicit TLineText(QByteArrayView bytes) : Begin(bytes.data()), End(bytes.data() + bytes.size()) {}

    qsizetype Size() const { return End - Begin; }
    bool IsEmpty() const { return Begin == End; }
    // The first n bytes (all of them when there are fewer), and what follows them.
    TLineText Left(qsizetype n) const { return {Begin, Begin + qMin(n, Size())}; }
    TLineText Mid(qsizetype n) const { return {Begin + qMin(n, Size()), End}; }
    QByteArrayView Bytes() const { return QByteArrayView(Begin, Size()); }
    // Windows-1251 text.
    QString Text() const;
};

// The readers below are called a few million times for a large journal: the smallest are inline.

inline TLineText Trim(TLineText s)
{
    while (s.Begin != s.End && quint8(*s.Begin) < 33)
        ++s.Begin;
    while (s.End != s.Begin && quint8(s.End[-1]) < 33)
        --s.End;
    return s;
}

// The first blank, or nil. Most tokens are a few digits long: those are looked at byte by byte, a longer one is
// handed to memchr.
inline const char *FindBlank(TLineText s)
{
    const char *p = s.Begin;
    for (const char *const stop = s.Begin + qMin<qsizetype>(s.Size(), 16); p != stop; ++p)
        if (*p == ' ')
            return p;
    return p == s.End ? nullptr : static_cast<const char *>(std::memchr(p, ' ', size_t(s.End - p)));
}

// Hexadecimal digits only, at most 32 bits of value.
inline bool ParseHexDigits(TLineText digits, quint32 &value)
{
    if (digits.IsEmpty())
        return false;
    quint64 v = 0;
    for (const char *p = digits.Begin; p != digits.End; ++p) {
        const quint8 digit = HexDigitValue(*p);
        if (digit == NotAHexDigit)
            return false;
        v = v << 4 | digit;
        if (v > 0xFFFFFFFFu)
            return false;
    }
    value = quint32(v);
    return true;
}

// Everything after the first token: empty when the trimmed text holds no blank, else the trimmed rest after
// its first blank.
TLineText DropFirstToken(TLineText s);
// The text up to its first blank, or all of it trimmed when it has none.
TLineText FirstToken(TLineText s);
// What follows the first blank, untrimmed; empty when there is none.
TLineText AfterFirstBlank(TLineText s);
// AfterFirstBlank(s) for the FirstToken(s) already found, without looking for the blank again (a picture
// token is thousands of bytes long).
TLineText AfterToken(TLineText s, TLineText firstToken);
// The first n bytes trimmed when the text is longer than n, otherwise the text unchanged.
TLineText TakeChars(TLineText s, qsizetype n);

// FirstToken and DropFirstToken of a text trimmed at both ends, found with one look for the blank.
struct TTokenSplit {
    TLineText Token;
    TLineText Rest;
};
inline TTokenSplit SplitFirstToken(TLineText trimmed)
{
    const char *blank = FindBlank(trimmed);
    if (!blank)
        return {trimmed, TLineText()};
    return {TLineText(trimmed.Begin, blank), Trim(TLineText(blank + 1, trimmed.End))};
}

// The first token as a 32-bit hexadecimal number (the highest bit set comes out negative); -1 when it is none.
qint32 HexToken(TLineText s);
// The first token as a decimal integer (or "$" and hexadecimal digits, with an optional sign); -1 when it is none.
qint32 DecToken(TLineText s);
// The first token as a floating-point number with "." as decimal separator; 0 when it is none.
double FloatToken(TLineText s);
// HexToken and DecToken of a token already split off: all of it is read.
inline qint32 HexValue(TLineText token)
{
    quint32 value = 0;
    return ParseHexDigits(token, value) ? qint32(value) : -1;
}
qint32 DecValue(TLineText token);
// The readers of a token already split off, for fields whose line must not be taken unless they hold a
// number: EConvertError when the token is none.
qint32 DecNumber(TLineText token);
double FloatNumber(TLineText token);

// One or two hexadecimal digits as a byte; raises EConvertError for anything else.
quint8 HexPair(TLineText pair);

// The first `width` bytes of a fixed-width text field. The byte after them must separate it from the next
// field: a text running into that place would lose its end or push the fields after it out of place at the
// next rewrite, so it raises ERangeError.
TLineText FixedField(TLineText s, qsizetype width);

// Range tests of the parsed values; ERangeError outside.
quint8 CheckedByte(qint32 value);
quint16 CheckedWord(qint32 value);
qint32 CheckedNonNegative(qint32 value);
