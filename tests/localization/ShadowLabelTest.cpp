#include "forms/Form.h"
#include "mlLabel.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr TColor Caption = clBlue;
constexpr TColor Shadow = clRed;
constexpr TColor Highlight = clLime;

// A full block character drawn large, centred: each pass covers one solid square, so the colour of a pixel tells which
// pass came last there.
struct Fixture {
    TForm form{nullptr};
    TmlLabel *label = new TmlLabel(&form);

    Fixture()
    {
        label->SetParent(&form);
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 80, 90);
        label->SetAlignment(taCenter);
        label->SetColor(clWhite);
        label->Font()->SetName("DejaVu Sans");
        label->Font()->SetHeight(-30);
        label->Font()->SetColor(Caption);
        label->SetShadowColor(Shadow);
        label->SetThreeDColor(Highlight);
        // The empty first line keeps the square off the top edge.
        label->SetCaption(QStringLiteral("\n") + QChar(0x2588));
    }
    QRgb At(int x, int y) const { return label->Snapshot().pixel(x, y) & 0xFFFFFF; }
    // The square of the caption drawn alone.
    QRect Square()
    {
        const TTextStyle style = label->TextStyle();
        label->SetTextStyle(tsNone);
        const QImage image = label->Snapshot();
        label->SetTextStyle(style);
        QRect square;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == qRgb(0, 0, 255) - 0xFF000000u)
                    square |= QRect(x, y, 1, 1);
        return square;
    }
};

QRgb Rgb(TColor color) { return ColorToQColor(color).rgb() & 0xFFFFFF; }

// Glyph edges are smoothed, so a pixel is told by its strongest channel: 'R' shadow, 'G' highlight, 'B' caption,
// 'W' white, 'S' grey.
char Kind(QRgb rgb)
{
    const int r = qRed(rgb), g = qGreen(rgb), b = qBlue(rgb);
    if (std::max({r, g, b}) - std::min({r, g, b}) < 40)
        return r > 220 ? 'W' : 'S';
    return r >= g && r >= b ? 'R' : g >= b ? 'G' : 'B';
}
} // namespace

TEST(ShadowLabel, DefaultsDrawTheHighlightAtTwoTwoTheShadowAtOneMinusOneThenTheCaption)
{
    Fixture f;
    EXPECT_EQ(f.label->TextStyle(), tsRecessed);
    EXPECT_EQ(f.label->ShadowDepth(), 2);
    EXPECT_EQ(f.label->WidthDepth(), -1);
    const QRect s = f.Square();
    ASSERT_GT(s.width(), 4);
    ASSERT_GT(s.top(), 3);
    const int cx = s.center().x();
    EXPECT_EQ(f.At(cx, s.center().y()), Rgb(Caption));
    EXPECT_EQ(Kind(f.At(cx, s.bottom() + 2)), 'G'); // only the (2, 2) pass reaches below the caption
    EXPECT_EQ(Kind(f.At(cx, s.top() - 1)), 'R');    // only the (1, -1) pass reaches above it
    EXPECT_EQ(Kind(f.At(s.left() - 2, s.center().y())), 'W');
    // Raised swaps the two colours.
    f.label->SetTextStyle(tsRaised);
    EXPECT_EQ(Kind(f.At(cx, s.bottom() + 2)), 'R');
    EXPECT_EQ(Kind(f.At(cx, s.top() - 1)), 'G');
    f.label->SetTextStyle(tsNone);
    EXPECT_EQ(Kind(f.At(cx, s.bottom() + 2)), 'W');
    EXPECT_EQ(Kind(f.At(cx, s.top() - 1)), 'W');
}

TEST(ShadowLabel, DirectionsFollowShadowUpAndThreeDLeftWithTheShadowStyleTheOtherWayRound)
{
    Fixture f;
    const QRect s = f.Square();
    const int cx = s.center().x();
    const int cy = s.center().y();
    f.label->SetShadowUp(true);
    f.label->SetThreeDLeft(true);
    // Recessed: first pass at (2, -2), second at (-1, -1).
    EXPECT_EQ(Kind(f.At(cx, s.top() - 2)), 'G');
    EXPECT_EQ(Kind(f.At(s.left() - 1, cy)), 'R');
    EXPECT_EQ(Kind(f.At(cx, s.bottom() + 2)), 'W');
    // Shadow style: ShadowUp moves the one pass down to (2, 2).
    f.label->SetTextStyle(tsShadow);
    EXPECT_EQ(Kind(f.At(cx, s.bottom() + 2)), 'R');
    EXPECT_EQ(Kind(f.At(cx, s.top() - 2)), 'W');
    f.label->SetShadowUp(false);
    EXPECT_EQ(Kind(f.At(cx, s.top() - 2)), 'R');
    EXPECT_EQ(Kind(f.At(s.left() - 1, cy)), 'W');
}

TEST(ShadowLabel, SplashStyleDisabledLabelAndTransparency)
{
    Fixture f;
    const QRect s = f.Square();
    const int cx = s.center().x();
    // The splash labels: raised, depth 0, both passes in the highlight colour; on silver the pass above shows.
    f.label->SetColor(clSilver);
    f.label->SetTextStyle(tsRaised);
    f.label->SetShadowDepth(0);
    f.label->SetShadowColor(clBtnHighlight);
    f.label->SetThreeDColor(clBtnHighlight);
    EXPECT_EQ(Kind(f.At(cx, s.top() - 1)), 'W');
    EXPECT_EQ(f.At(cx, s.bottom() + 2), Rgb(clSilver));
    EXPECT_EQ(f.At(cx, s.center().y()), Rgb(Caption));

    f.label->SetEnabled(false);
    EXPECT_EQ(f.At(cx, s.center().y()), Rgb(clGrayText));

    // A transparent label leaves its background to what is below it.
    f.label->SetEnabled(true);
    f.form.SetColor(clYellow);
    f.label->SetTransparent(true);
    EXPECT_EQ(f.form.Snapshot().pixel(2, 2) & 0xFFFFFF, Rgb(clYellow));
    f.label->SetTransparent(false);
    EXPECT_EQ(f.form.Snapshot().pixel(2, 2) & 0xFFFFFF, Rgb(clSilver));
}
