#pragma once

#include <array>
#include <bit>
#include <cstring>
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

// The two upper-case digits of every byte value, high digit first, as they lie in memory.
inline constexpr std::array<quint16, 256> UpperHexPairs = [] {
    std::array<quint16, 256> pairs{};
    for (int b = 0; b < 256; ++b) {
        const unsigned char digits[2] = {quint8(UpperHexDigits[b >> 4]), quint8(UpperHexDigits[b & 15])};
        pairs[b] = std::bit_cast<quint16>(digits);
    }
    return pairs;
}();

inline void WriteHexBytes(char *out, const quint8 *bytes, qsizetype count)
{
    qsizetype k = 0;
    // Four bytes give eight digits, stored at once.
    for (; k + 4 <= count; k += 4) {
        const quint16 digits[4] = {UpperHexPairs[bytes[k]], UpperHexPairs[bytes[k + 1]], UpperHexPairs[bytes[k + 2]],
                                   UpperHexPairs[bytes[k + 3]]};
        std::memcpy(out + 2 * k, digits, sizeof digits);
    }
    for (; k < count; ++k)
        std::memcpy(out + 2 * k, &UpperHexPairs[bytes[k]], 2);
}

// Two upper-case hexadecimal digits a byte, high digit first, from `out` on.
inline void WriteHexBytes(QChar *out, const quint8 *bytes, qsizetype count)
{
    for (qsizetype k = 0; k < count; ++k) {
        out[2 * k] = QLatin1Char(UpperHexDigits[bytes[k] >> 4]);
        out[2 * k + 1] = QLatin1Char(UpperHexDigits[bytes[k] & 15]);
    }
}
