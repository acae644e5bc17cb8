#include "rtl/Codec1251.h"

#include "QtPrint.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {
// The C library's converter serves as an independent reference for the assigned codes.
char32_t ReferenceDecode(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-32LE", "CP1251");
    if (cd == iconv_t(-1))
        return U'\xFFFFFFFF';
    char in[1] = {static_cast<char>(byte)};
    char out[4] = {};
    char *inPtr = in;
    char *outPtr = out;
    size_t inLeft = 1;
    size_t outLeft = 4;
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == size_t(-1))
        return U'\xFFFFFFFF';
    return char32_t(static_cast<unsigned char>(out[0])) | char32_t(static_cast<unsigned char>(out[1])) << 8 |
           char32_t(static_cast<unsigned char>(out[2])) << 16 | char32_t(static_cast<unsigned char>(out[3])) << 24;
}

char Encoded(QChar c) { return ToCp1251(QString(c)).at(0); }

QByteArray AllBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}
} // namespace

TEST(Codec1251, EveryAssignedCodeDecodesLikeTheReference)
{
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98)
            continue;
        const char32_t expected = ReferenceDecode(static_cast<unsigned char>(b));
        ASSERT_NE(expected, U'\xFFFFFFFF') << "reference cannot decode " << b;
        EXPECT_EQ(FromCp1251Char(static_cast<char>(b)).unicode(), expected) << "byte " << b;
    }
    EXPECT_EQ(FromCp1251Char('\xFF'), QChar(0x044F)); // я, the marker character
    EXPECT_EQ(FromCp1251Char('\xC0'), QChar(0x0410));
    EXPECT_EQ(FromCp1251Char('\xA8'), QChar(0x0401));
    EXPECT_EQ(FromCp1251Char('\xB9'), QChar(0x2116));
    EXPECT_EQ(FromCp1251Char('\x88'), QChar(0x20AC));
}

TEST(Codec1251, UnassignedCode98RoundTripsAsItsControlCharacter)
{
    EXPECT_EQ(FromCp1251Char('\x98'), QChar(0x0098));
    EXPECT_EQ(Encoded(QChar(0x0098)), '\x98');
    EXPECT_EQ(ToCp1251(FromCp1251(QByteArray("a\x98z"))), QByteArray("a\x98z"));
}

TEST(Codec1251, AllBytesSurviveDecodingAndEncoding)
{
    const QByteArray bytes = AllBytes();
    const QString text = FromCp1251(bytes);
    ASSERT_EQ(text.size(), 256);
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(Encoded(text[b]), static_cast<char>(b)) << "byte " << b;
        EXPECT_EQ(text[b], FromCp1251Char(static_cast<char>(b))) << "byte " << b;
    }
    EXPECT_EQ(ToCp1251(text), bytes);
    EXPECT_EQ(FromCp1251(bytes.constData() + 0xC0, 3), QString::fromUtf8("АБВ"));
    EXPECT_EQ(FromCp1251(QByteArray()), QString());
}

TEST(Codec1251, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(ToCp1251(QString::fromUtf8("Привет, мир! №5 € «ё»")),
              QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0! \xB9" "5 \x88 \xAB\xB8\xBB"));
    EXPECT_EQ(ToCp1251(QString::fromUtf8("äß✓中")), QByteArray("????"));
    EXPECT_EQ(Encoded(QChar(0x0080)), '?');
    EXPECT_EQ(Encoded(QChar(0x00FF)), '?');
    EXPECT_EQ(Encoded(QChar(0x0450)), '?'); // just past the contiguous Cyrillic run
    EXPECT_EQ(Encoded(QChar(0x040F)), '\x8F');
    // Fixed-width fields count single-byte characters: a character beyond the basic plane is one byte.
    EXPECT_EQ(ToCp1251(QString::fromUtf8("a😀b")), QByteArray("a?b"));
    const QChar lone[] = {QChar(0xD800), QChar(u'x'), QChar(0xDC00)};
    EXPECT_EQ(ToCp1251(QString(lone, 3)), QByteArray("?x?"));
    EXPECT_EQ(ToCp1251(QString(QChar(0))), QByteArray(1, '\0'));
}

// Typed text is composed before it is judged: a letter and its combining mark that the code page holds as one
// character pass; what it lacks is named once per character, by the character and its code.
TEST(Codec1251, TypedTextIsComposedAndWhatTheCodePageLacksIsNamed)
{
    const QString decomposed = QString::fromUtf8("и\u0306 Е\u0308");
    EXPECT_EQ(ComposedText(decomposed), QString::fromUtf8("й Ё"));
    EXPECT_EQ(CharactersOutsideCp1251(ComposedText(decomposed)), QString());
    EXPECT_EQ(ToCp1251(ComposedText(decomposed)), QByteArray("\xE9 \xA8"));
    // Every character of the code page stays as it is, so a stored text never changes by being composed.
    const QString all = FromCp1251(AllBytes());
    EXPECT_EQ(ComposedText(all), all);
    EXPECT_EQ(CharactersOutsideCp1251(all), QString());

    EXPECT_EQ(CharactersOutsideCp1251(QString::fromUtf8("Иванов 中😀 é 中 x\u0301")),
              QString::fromUtf8("\"中\" (U+4E2D), \"😀\" (U+1F600), \"é\" (U+00E9), U+0301"));
    const QChar lone[] = {QChar(u'a'), QChar(0xD800)};
    EXPECT_EQ(CharactersOutsideCp1251(QStringView(lone, 2)), QStringLiteral("U+D800"));
}
