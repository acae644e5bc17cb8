#include "rtl/Codec1251.h"

#include <QList>
#include <QStringList>

#include <array>

namespace {
// Code points of the bytes 0x80..0xFF; the lower half is ASCII. 0x98 is unassigned in the code page and
// maps to the C1 control U+0098, so that every byte survives a decode and encode unchanged.
constexpr char16_t kUpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0: А..я run on to 0xFF
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// Byte of every character below U+2200 that the upper half holds (0 for none); the last assigned code is
// U+2122. Built once at compile time, so encoding is a lookup.
constexpr char16_t kReverseSize = 0x2200;
constexpr auto kReverse = [] {
    std::array<unsigned char, kReverseSize> reverse{};
    for (int i = 0; i < 128; ++i)
        reverse[kUpperHalf[i]] = static_cast<unsigned char>(0x80 + i);
    return reverse;
}();

unsigned char Encode(char16_t c)
{
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    const unsigned char byte = c < kReverseSize ? kReverse[c] : 0;
    return byte ? byte : '?';
}
} // namespace

QChar FromCp1251Char(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return QChar(byte < 0x80 ? char16_t(byte) : kUpperHalf[byte - 0x80]);
}

QString FromCp1251(const char *bytes, qsizetype length)
{
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < length; ++i)
        out[i] = FromCp1251Char(bytes[i]);
    return text;
}

QString FromCp1251(const QByteArray &bytes) { return FromCp1251(bytes.constData(), bytes.size()); }

QString ComposedText(const QString &text) { return text.normalized(QString::NormalizationForm_C); }

QString CharactersOutsideCp1251(QStringView text)
{
    QList<char32_t> seen;
    QStringList names;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c < kReverseSize && kReverse[c]))
            continue;
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[++i].unicode());
        if (seen.contains(code))
            continue;
        seen << code;
        const QString name = QStringLiteral("U+%1").arg(quint32(code), 4, 16, QLatin1Char('0')).toUpper();
        const bool printable = !QChar::isSurrogate(code) && QChar::isPrint(code) && !QChar::isMark(code);
        // A bare combining mark or an invisible character would show as nothing between the quotes.
        names << (printable ? QStringLiteral("\"%1\" (%2)").arg(QString::fromUcs4(&code, 1), name) : name);
    }
    return names.join(QStringLiteral(", "));
}

QByteArray ToCp1251(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    const QChar *in = text.constData();
    const QChar *const end = in + text.size();
    while (in != end) {
        const char16_t c = (in++)->unicode();
        // A character beyond the basic plane is one character: one '?', not one per surrogate half.
        if (QChar::isHighSurrogate(c) && in != end && in->isLowSurrogate())
            ++in;
        *out++ = static_cast<char>(Encode(c));
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}
