#include "graphics/Font.h"

#include "QtPrint.h"

#include <QMetaProperty>
#include <QStringList>
#include <gtest/gtest.h>

namespace {
struct TChangeCounter {
    int Count = 0;
    TObject *Sender = nullptr;
    void Changed(TObject *sender)
    {
        ++Count;
        Sender = sender;
    }
};
} // namespace

TEST(Font, NewFontHasTheFormDefaultsAndSizeFollowsHeight)
{
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(font.Style(), 0u);

    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    EXPECT_EQ(font.Size(), 10);
    font.SetHeight(-35);
    EXPECT_EQ(font.Size(), 26);
    // A positive height is a cell height: the size comes out negative, as it always has.
    font.SetHeight(35);
    EXPECT_EQ(font.Size(), -26);
    font.SetName("");
    EXPECT_EQ(font.Name(), "MS Sans Serif");
}

TEST(Font, EveryWindowsCharsetCodeRoundTripsDirectlyAndThroughItsProperty)
{
    const int codes[] = {ANSI_CHARSET,       DEFAULT_CHARSET,  SYMBOL_CHARSET,     MAC_CHARSET,
                         SHIFTJIS_CHARSET,   HANGEUL_CHARSET,  JOHAB_CHARSET,      GB2312_CHARSET,
                         CHINESEBIG5_CHARSET, GREEK_CHARSET,   TURKISH_CHARSET,    VIETNAMESE_CHARSET,
                         HEBREW_CHARSET,     ARABIC_CHARSET,   BALTIC_CHARSET,     RUSSIAN_CHARSET,
                         THAI_CHARSET,       EASTEUROPE_CHARSET, OEM_CHARSET};
    ASSERT_EQ(std::size(codes), 19u);
    TFont font;
    for (int code : codes) {
        font.SetCharset(code);
        EXPECT_EQ(font.Charset(), code);
        font.SetCharset(DEFAULT_CHARSET);
        ASSERT_TRUE(font.setProperty("Charset", code));
        EXPECT_EQ(font.property("Charset").toInt(), code);
    }
    EXPECT_EQ(RUSSIAN_CHARSET, 204);
    // The charset survives a trip through Qt's font, which has no notion of it.
    font.SetCharset(RUSSIAN_CHARSET);
    TFont other;
    other.AssignQFont(font.ToQFont());
    other.SetCharset(font.Charset());
    EXPECT_EQ(other.Charset(), RUSSIAN_CHARSET);
}

TEST(Font, PublishedPropertiesAreTheFontsOwnAndWritableByName)
{
    TFont font;
    QStringList names;
    const QMetaObject *meta = font.metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        names << meta->property(i).name();
    EXPECT_EQ(names, QStringList({"Charset", "Color", "Height", "Name", "Size", "Style"}));
    EXPECT_EQ(meta->property(meta->indexOfProperty("Name")).metaType(), QMetaType::fromType<QString>());

    ASSERT_TRUE(font.setProperty("Name", QStringLiteral("Tahoma")));
    EXPECT_EQ(font.Name(), "Tahoma");
    ASSERT_TRUE(font.setProperty("Style", uint(fsBold | fsUnderline)));
    EXPECT_EQ(font.Style(), fsBold | fsUnderline);
}

TEST(Font, OnChangeRunsOncePerRealChange)
{
    TFont font;
    TChangeCounter counter;
    font.OnChange = MakeEvent<&TChangeCounter::Changed>(&counter);

    font.SetName("Times New Roman");
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(counter.Sender, &font);
    font.SetName("Times New Roman");
    font.SetName("");
    font.SetSize(8);
    font.SetCharset(DEFAULT_CHARSET);
    EXPECT_EQ(counter.Count, 1);
    font.SetSize(12);
    font.SetColor(clBlue);
    font.SetStyle(fsBold);
    font.SetCharset(RUSSIAN_CHARSET);
    EXPECT_EQ(counter.Count, 5);

    TFont source;
    source.SetName("Tahoma");
    font.Assign(source);
    EXPECT_EQ(counter.Count, 6);
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Style(), 0u);
}

TEST(Font, QtFontCarriesFamilyStyleAndPixelSizeScaledToTheDevice)
{
    TFont font;
    font.SetName("DejaVu Sans");
    font.SetStyle(fsBold | fsItalic | fsUnderline | fsStrikeOut);
    font.SetHeight(-20);
    QFont q = font.ToQFont();
    EXPECT_EQ(q.family(), "DejaVu Sans");
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.italic());
    EXPECT_TRUE(q.underline());
    EXPECT_TRUE(q.strikeOut());
    EXPECT_EQ(q.pixelSize(), 20);
    EXPECT_EQ(font.ToQFont(600).pixelSize(), 125);

    // A cell height includes the leading, so the character height is smaller.
    font.SetHeight(20);
    EXPECT_LT(font.ToQFont().pixelSize(), 20);
    EXPECT_GT(font.ToQFont().pixelSize(), 12);

    TFont back;
    back.SetColor(clRed);
    back.SetCharset(RUSSIAN_CHARSET);
    back.AssignQFont(q);
    EXPECT_EQ(back.Name(), "DejaVu Sans");
    EXPECT_EQ(back.Height(), -20);
    EXPECT_EQ(back.Style(), fsBold | fsItalic | fsUnderline | fsStrikeOut);
    EXPECT_EQ(back.Color(), clRed);
    EXPECT_EQ(back.Charset(), RUSSIAN_CHARSET);
}
