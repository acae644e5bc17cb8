#pragma once

#include <array>
#include <bit>
#include <cstring>
#include <QChar>
#include <QtGlobal>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

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

// Reads `pairs` pairs of hexadecimal digits (either case) from `text` into `out`, a byte a pair, high digit
// first, and stops before the first pair that is not two such digits. Returns the number of pairs read.
inline qsizetype DecodeHexPairs(const char *text, qsizetype pairs, quint8 *out)
{
    qsizetype k = 0;
#if defined(__SSE2__) || defined(_M_X64)
    // Pictures are thousands of digits long: sixteen digits at a time, as far as all of them are digits.
    const __m128i belowZero = _mm_set1_epi8('0' - 1);
    const __m128i aboveNine = _mm_set1_epi8('9' + 1);
    const __m128i belowA = _mm_set1_epi8('a' - 1);
    const __m128i aboveF = _mm_set1_epi8('f' + 1);
    const __m128i lowerCase = _mm_set1_epi8(0x20);
    const __m128i lowNibble = _mm_set1_epi8(0x0F);
    const __m128i nine = _mm_set1_epi8(9);
    const __m128i lowByte = _mm_set1_epi16(0x00FF);
    for (; k + 8 <= pairs; k += 8) {
        const __m128i digits = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + 2 * k));
        const __m128i lower = _mm_or_si128(digits, lowerCase);
        const __m128i decimal = _mm_and_si128(_mm_cmpgt_epi8(digits, belowZero), _mm_cmplt_epi8(digits, aboveNine));
        const __m128i letter = _mm_and_si128(_mm_cmpgt_epi8(lower, belowA), _mm_cmplt_epi8(lower, aboveF));
        if (_mm_movemask_epi8(_mm_or_si128(decimal, letter)) != 0xFFFF)
            break;
        const __m128i values = _mm_add_epi8(_mm_and_si128(digits, lowNibble), _mm_and_si128(letter, nine));
        // Each 16-bit lane holds the high digit in its low byte: high << 4 | low, packed to a byte.
        const __m128i bytes =
            _mm_or_si128(_mm_slli_epi16(_mm_and_si128(values, lowByte), 4), _mm_srli_epi16(values, 8));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out + k), _mm_packus_epi16(bytes, bytes));
    }
#endif
    for (; k < pairs; ++k) {
        const quint8 high = HexDigitValue(text[2 * k]);
        const quint8 low = HexDigitValue(text[2 * k + 1]);
        if ((high | low) & NotAHexDigit)
            break;
        out[k] = quint8(high << 4 | low);
    }
    return k;
}

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
