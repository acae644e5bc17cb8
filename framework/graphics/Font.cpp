#include "graphics/Font.h"

#include <QFontMetricsF>
#include <cstdlib>

namespace {
// a * b / c rounded half away from zero, as the platform's multiply-divide rounds.
int MulDivRounded(int a, int b, int c)
{
    const qint64 product = qint64(a) * b;
    const qint64 half = std::abs(qint64(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const qint64 magnitude = (std::abs(product) + half) / std::abs(qint64(c));
    return int(negative ? -magnitude : magnitude);
}
} // namespace

void TFont::SetCharset(int charset)
{
    charset &= 0xFF;
    if (charset == charset_)
        return;
    charset_ = charset;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    Changed();
}

void TFont::SetName(const QString &name)
{
    if (name.isEmpty() || name == name_)
        return;
    name_ = name;
    Changed();
}

int TFont::Size() const { return -MulDivRounded(height_, 72, PixelsPerInch); }

void TFont::SetSize(int size) { SetHeight(-MulDivRounded(size, PixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TFont::Assign(const TFont &other)
{
    if (&other == this)
        return;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    charset_ = other.charset_;
    style_ = other.style_;
    Changed();
}

void TFont::AssignQFont(const QFont &font)
{
    name_ = font.family();
    height_ = font.pixelSize() > 0 ? -font.pixelSize() : -qRound(font.pointSizeF() * PixelsPerInch / 72);
    style_ = (font.bold() ? fsBold : 0u) | (font.italic() ? fsItalic : 0u) | (font.underline() ? fsUnderline : 0u) |
             (font.strikeOut() ? fsStrikeOut : 0u);
    Changed();
}

QFont TFont::ToQFont(int dpi) const
{
    QFont font(name_);
    // Latin and Cyrillic need no shaping; without it "fi" stays two letters, so printed text reads and searches
    // as written instead of holding typographic ligatures.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setBold(style_ & fsBold);
    font.setItalic(style_ & fsItalic);
    font.setUnderline(style_ & fsUnderline);
    font.setStrikeOut(style_ & fsStrikeOut);
    double pixels = height_ == 0 ? 11 : std::abs(height_);
    if (height_ > 0) {
        // A cell height includes the leading above the characters: find the character height that fills it.
        QFont probe = font;
        probe.setPixelSize(100);
        const QFontMetricsF metrics(probe);
        if (metrics.height() > 0)
            pixels = pixels * 100 / metrics.height();
    }
    font.setPixelSize(qMax(1, qRound(pixels * dpi / PixelsPerInch)));
    return font;
}
