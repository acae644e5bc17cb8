#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawEdge.h"
#include "graphics/DrawText.h"

#include "PaletteGuard.h"
#include "QtPrint.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {
class DrawTextTest : public testing::Test {
protected:
    DrawTextTest()
    {
        bitmap.SetSize(300, 120);
        canvas = bitmap.Canvas();
        canvas->Font()->SetName("DejaVu Sans");
        canvas->Font()->SetSize(10);
        canvas->Font()->SetColor(clBlack);
        canvas->Brush()->SetStyle(bsClear);
        lineHeight = canvas->TextExtent("Ag").cy;
    }

    int Inked(const TRect &r) const
    {
        int count = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                count += canvas->Pixels(x, y) != clWhite;
        return count;
    }

    // Leftmost and rightmost inked column in the rectangle, or (-1, -1).
    std::pair<int, int> InkColumns(const TRect &r) const
    {
        int first = -1, last = -1;
        for (int x = r.Left; x < r.Right; ++x)
            if (Inked(Rect(x, r.Top, x + 1, r.Bottom)) > 0) {
                if (first < 0)
                    first = x;
                last = x;
            }
        return {first, last};
    }

    TBitmap bitmap;
    TCanvas *canvas = nullptr;
    int lineHeight = 0;
};
} // namespace

TEST_F(DrawTextTest, CalculatingBoundsDrawsNothingAndWrapsAtWords)
{
    TRect r = Rect(10, 20, 1000, 20);
    EXPECT_EQ(DrawText(canvas, "Hello", r, DT_CALCRECT), lineHeight);
    EXPECT_EQ(r, Rect(10, 20, 10 + canvas->TextWidth("Hello"), 20 + lineHeight));
    EXPECT_EQ(Inked(Rect(0, 0, 300, 120)), 0);

    // Word break narrows the rectangle to its widest line and grows it downwards.
    const int twoWords = canvas->TextWidth("aaa bbb");
    r = Rect(0, 0, twoWords + 2, 0);
    EXPECT_EQ(DrawText(canvas, "aaa bbb ccc", r, DT_CALCRECT | DT_WORDBREAK), 2 * lineHeight);
    EXPECT_EQ(r, Rect(0, 0, twoWords, 2 * lineHeight));

    // A word wider than the rectangle keeps a line of its own and widens it.
    r = Rect(0, 0, 20, 0);
    EXPECT_EQ(DrawText(canvas, "a wonderfully long word", r, DT_CALCRECT | DT_WORDBREAK), 4 * lineHeight);
    EXPECT_EQ(r.Right, canvas->TextWidth("wonderfully"));
    // As an edit control shows it, the word is broken where it reaches the edge instead.
    r = Rect(0, 0, canvas->TextWidth("WWWW"), 0);
    EXPECT_EQ(DrawText(canvas, "WWWWWWWWWW", r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL), 3 * lineHeight);
    EXPECT_EQ(r.Right, canvas->TextWidth("WWWW"));

    // Every kind of line break ends a line; without word break long lines stay whole.
    r = Rect(0, 0, 5, 0);
    EXPECT_EQ(DrawText(canvas, "a b\r\nc\nd\re", r, DT_CALCRECT), 4 * lineHeight);
    EXPECT_EQ(r.Right, canvas->TextWidth("a b"));

    r = Rect(3, 4, 100, 100);
    EXPECT_EQ(DrawText(canvas, "", r, DT_CALCRECT), 0);
    EXPECT_EQ(r, Rect(3, 4, 3, 4));
}

TEST_F(DrawTextTest, AcceleratorMarksAndTabsChangeWhatIsMeasured)
{
    TRect r = Rect(0, 0, 1000, 0);
    DrawText(canvas, "&File", r, DT_CALCRECT);
    EXPECT_EQ(r.Right, canvas->TextWidth("File"));
    r = Rect(0, 0, 1000, 0);
    DrawText(canvas, "&File", r, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(r.Right, canvas->TextWidth("&File"));
    r = Rect(0, 0, 1000, 0);
    DrawText(canvas, "Fish && Chips", r, DT_CALCRECT);
    EXPECT_EQ(r.Right, canvas->TextWidth("Fish & Chips"));

    const int tab = 8 * QFontMetrics(canvas->DeviceFont()).averageCharWidth();
    r = Rect(0, 0, 1000, 0);
    DrawText(canvas, "ab\tc", r, DT_CALCRECT | DT_EXPANDTABS);
    EXPECT_EQ(r.Right, tab + canvas->TextWidth("c"));
    r = Rect(0, 0, 1000, 0);
    DrawText(canvas, "ab\tc\td", r, DT_CALCRECT | DT_EXPANDTABS);
    EXPECT_EQ(r.Right, 2 * tab + canvas->TextWidth("d"));

    // The underline is a solid line under the first letter only.
    const QFontMetrics metrics(canvas->DeviceFont());
    const int underline = metrics.ascent() + metrics.underlinePos();
    const int letter = canvas->TextWidth("o");
    auto underlined = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            if (canvas->Pixels(x, underline) != clBlack)
                return false;
        return true;
    };
    TRect drawn = Rect(0, 0, 100, lineHeight);
    DrawText(canvas, "&oo", drawn, DT_LEFT);
    EXPECT_TRUE(underlined(1, letter - 1));
    EXPECT_FALSE(underlined(letter + 1, 2 * letter - 1));
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(Rect(0, 0, 300, 120));
    canvas->Brush()->SetStyle(bsClear);
    DrawText(canvas, "&oo", drawn, DT_NOPREFIX);
    EXPECT_FALSE(underlined(1, letter - 1));
}

TEST_F(DrawTextTest, LinesAreAlignedClippedAndBackedByTheBrush)
{
    const int width = canvas->TextWidth("X");
    TRect r = Rect(100, 0, 200, lineHeight);
    DrawText(canvas, "X", r, DT_LEFT);
    TRect c = Rect(100, lineHeight, 200, 2 * lineHeight);
    DrawText(canvas, "X", c, DT_CENTER);
    TRect g = Rect(100, 2 * lineHeight, 200, 3 * lineHeight);
    DrawText(canvas, "X", g, DT_RIGHT);

    const auto left = InkColumns(Rect(0, 0, 300, lineHeight));
    const auto centre = InkColumns(Rect(0, lineHeight, 300, 2 * lineHeight));
    const auto right = InkColumns(Rect(0, 2 * lineHeight, 300, 3 * lineHeight));
    EXPECT_GE(left.first, 100);
    EXPECT_LT(left.first, 100 + width / 2);
    EXPECT_NEAR(centre.first - 100, (100 - width) / 2 + (left.first - 100), 1);
    EXPECT_LT(right.second, 200);
    EXPECT_GE(right.second, 200 - width / 2 - 1);

    // Clipped to the rectangle unless told not to clip.
    TRect tight = Rect(10, 60, 14, 60 + lineHeight);
    DrawText(canvas, "WWWW", tight, DT_LEFT);
    EXPECT_GT(Inked(tight), 0);
    EXPECT_EQ(Inked(Rect(14, 60, 100, 60 + lineHeight)), 0);
    TRect loose = Rect(10, 90, 14, 90 + lineHeight);
    DrawText(canvas, "WWWW", loose, DT_NOCLIP);
    EXPECT_GT(Inked(Rect(14, 90, 100, 90 + lineHeight)), 0);

    // A solid brush paints the line's cell.
    canvas->Brush()->SetColor(clYellow);
    TRect opaque = Rect(250, 0, 300, lineHeight);
    DrawText(canvas, "i", opaque, DT_LEFT);
    EXPECT_EQ(canvas->Pixels(250, 0), clYellow);
    EXPECT_EQ(canvas->Pixels(250 + canvas->TextWidth("i"), 0), clWhite);
}

TEST(DrawEdge, SunkenEdgeIsShadedTopLeftAndLitBottomRight)
{
    PaletteGuard guard;
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0));
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Button, QColor(212, 208, 200));
    QGuiApplication::setPalette(palette);

    TBitmap bitmap;
    bitmap.SetSize(12, 12);
    TCanvas *c = bitmap.Canvas();
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 12, 12));
    TRect r = Rect(1, 1, 11, 11);
    EXPECT_TRUE(DrawEdge(c, r, EDGE_SUNKEN, BF_RECT));
    EXPECT_EQ(r, Rect(1, 1, 11, 11));
    EXPECT_EQ(c->Pixels(1, 1), RGB(128, 128, 128));
    EXPECT_EQ(c->Pixels(9, 1), RGB(128, 128, 128));
    EXPECT_EQ(c->Pixels(1, 9), RGB(128, 128, 128));
    EXPECT_EQ(c->Pixels(10, 1), RGB(255, 255, 255));
    EXPECT_EQ(c->Pixels(1, 10), RGB(255, 255, 255));
    EXPECT_EQ(c->Pixels(10, 10), RGB(255, 255, 255));
    EXPECT_EQ(c->Pixels(2, 2), RGB(0, 0, 0));
    EXPECT_EQ(c->Pixels(8, 2), RGB(0, 0, 0));
    EXPECT_EQ(c->Pixels(9, 2), RGB(223, 223, 223));
    EXPECT_EQ(c->Pixels(9, 9), RGB(223, 223, 223));
    EXPECT_EQ(c->Pixels(3, 3), clRed);
    EXPECT_EQ(c->Pixels(0, 0), clRed);
    EXPECT_EQ(c->Pixels(11, 11), clRed);
    EXPECT_EQ(c->Brush()->Color(), clRed);

    TRect adjusted = Rect(0, 0, 12, 12);
    DrawEdge(c, adjusted, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(adjusted, Rect(2, 2, 10, 10));
    EXPECT_EQ(c->Pixels(5, 5), RGB(212, 208, 200));
}
