#pragma once

#include <array>
#include <QChar>
#include <QtGlobal>

// Value of a hexadecimal digit byte (either case), or NotAHexDigit.
constexpr quint8 NotAHexDigit = 0x80;
inline constexpr std::array<quint8, 256> HexDigitValues = [] {
    std::array<quint8, 256> values{};
    values.fill(NotAHexDigit);
    for (int c = '0'; c <= '9'; ++c)
        values[c] = quint8(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) {
        values[c] = quint8(c - 'A' + 10);
        values[c + 'a' - 'A'] = quint8(c - 'A' + 10);
    }
    return values;
}();

inline quint8 HexDigitValue(char c) { return HexDigitValues[quint8(c)]; }
inline quint8 HexDigitValue(QChar c) { return c.unicode() < 256 ? HexDigitValues[c.unicode()] : NotAHexDigit; }

inline constexpr char UpperHexDigits[] = "0123456789ABCDEF";

// Two upper-case hexadecimal digits a byte, high digit first, from `out` on.
inline void WriteHexBytes(QChar *out, const quint8 *bytes, qsizetype count)
{
    for (qsizetype k = 0; k < count; ++k) {
        out[2 * k] = QLatin1Char(UpperHexDigits[bytes[k] >> 4]);
        out[2 * k + 1] = QLatin1Char(UpperHexDigits[bytes[k] & 15]);
    }
}
