#include "graphics/Canvas.h"

#include "graphics/Bitmap.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cstdlib>

namespace {
QRgb ToRgb(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromRgb(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

// The pixels of a one-pixel line from (x0, y0) towards (x1, y1), the end point left out.
QPolygon LinePixels(int x0, int y0, int x1, int y1)
{
    QPolygon points;
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        points << QPoint(x0, y0);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
    return points;
}
} // namespace

struct TCanvas::TTextCache {
    TTextCache(const TFont &font, int dpi, const QPaintDevice *device, int deviceDpi)
        : Name(font.Name()), Style(font.Style()), Height(font.Height()), Dpi(dpi), DeviceDpi(deviceDpi),
          Font(font.ToQFont(dpi)), Metrics(Font, device)
    {
    }
    bool Matches(const TFont &font, int dpi, int deviceDpi) const
    {
        return font.Height() == Height && font.Style() == Style && dpi == Dpi && deviceDpi == DeviceDpi &&
               font.Name() == Name;
    }
    int Width(const QString &text)
    {
        if (const auto found = Widths.constFind(text); found != Widths.constEnd())
            return *found;
        // A bound on the memory kept: the texts of a few screens of cells.
        if (Widths.size() >= 8192)
            Widths.clear();
        const int width = Metrics.horizontalAdvance(text);
        Widths.insert(text, width);
        return width;
    }

    QString Name;
    TFontStyles Style;
    int Height;
    int Dpi;
    int DeviceDpi;
    QFont Font;
    QFontMetrics Metrics;
    QHash<QString, int> Widths;
};

TCanvas::TCanvas() : pen_(new TPen), brush_(new TBrush), font_(new TFont) {}

TCanvas::~TCanvas() { Release(); }

void TCanvas::SetDevice(QPaintDevice *device)
{
    Release();
    device_ = device;
    image_ = device && device->devType() == QInternal::Image ? static_cast<QImage *>(device) : nullptr;
}

QPaintDevice *TCanvas::Device() const { return borrowedPainter_ ? borrowedPainter_->device() : device_; }

void TCanvas::SetPainter(QPainter *painter) { borrowedPainter_ = painter; }

void TCanvas::Release()
{
    if (ownPainter_ && ownPainter_->isActive())
        ownPainter_->end();
}

QPainter *TCanvas::ActivePainter()
{
    if (borrowedPainter_)
        return borrowedPainter_->isActive() ? borrowedPainter_ : nullptr;
    if (!device_ || (image_ && image_->isNull()))
        return nullptr;
    if (!ownPainter_)
        ownPainter_ = std::make_unique<QPainter>();
    if (!ownPainter_->isActive() && !ownPainter_->begin(device_))
        return nullptr;
    return ownPainter_.get();
}

int TCanvas::Dpi() const
{
    // Images are drawn at screen resolution whatever resolution their file recorded; so are recorded pictures,
    // which are laid out in image pixels and replayed scaled.
    const QPaintDevice *device = Device();
    const bool screenPixels =
        !device || device->devType() == QInternal::Image || device->devType() == QInternal::Picture;
    return screenPixels ? TFont::PixelsPerInch : device->logicalDpiY();
}

QFont TCanvas::DeviceFont() const { return TextCache().Font; }

TCanvas::TTextCache &TCanvas::TextCache() const
{
    const QPaintDevice *device = Device();
    const int dpi = Dpi();
    const int deviceDpi = device ? device->logicalDpiY() : 0;
    if (!textCache_ || !textCache_->Matches(*font_, dpi, deviceDpi))
        textCache_ = std::make_unique<TTextCache>(*font_, dpi, device, deviceDpi);
    return *textCache_;
}

TRect TCanvas::DeviceRect() const
{
    if (borrowedPainter_ && borrowedPainter_->hasClipping())
        return TRect::FromQRect(borrowedPainter_->clipBoundingRect().toAlignedRect());
    const QPaintDevice *device = Device();
    return device ? TRect{0, 0, device->width(), device->height()} : TRect{};
}

TRect TCanvas::ClipRect() const { return hasClip_ ? IntersectRect(clip_, DeviceRect()) : DeviceRect(); }

void TCanvas::SetClipRect(const TRect &rect)
{
    clip_ = rect;
    hasClip_ = true;
}

TCanvas::TDrawScope::TDrawScope(TCanvas &canvas) : canvas_(canvas), painter_(canvas.ActivePainter())
{
    if (!painter_)
        return;
    painter_->save();
    if (canvas.hasClip_)
        painter_->setClipRect(canvas.clip_.ToQRect(), Qt::IntersectClip);
}

TCanvas::TDrawScope::~TDrawScope()
{
    if (!painter_)
        return;
    painter_->restore();
    canvas_.Changed();
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = penPos_;
    penPos_ = {x, y};
    TDrawScope painter(*this);
    if (!painter)
        return;
    const QColor color = ColorToQColor(pen_->Color());
    if (pen_->Width() <= 1) {
        painter->setPen(QPen(color, 0));
        painter->drawPoints(LinePixels(from.X, from.Y, x, y));
    } else {
        QPen pen(color, pen_->Width());
        pen.setCapStyle(Qt::RoundCap);
        painter->setPen(pen);
        painter->drawLine(from.X, from.Y, x, y);
    }
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (x1 == x2 || y1 == y2)
        return;
    TDrawScope painter(*this);
    if (!painter)
        return;
    if (brush_->Style() == bsSolid)
        painter->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ColorToQColor(brush_->Color()));
    const QColor color = ColorToQColor(pen_->Color());
    if (pen_->Width() <= 1) {
        painter->fillRect(QRect(x1, y1, x2 - x1, 1), color);
        painter->fillRect(QRect(x1, y2 - 1, x2 - x1, 1), color);
        painter->fillRect(QRect(x1, y1, 1, y2 - y1), color);
        painter->fillRect(QRect(x2 - 1, y1, 1, y2 - y1), color);
    } else {
        QPen pen(color, pen_->Width());
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
}

void TCanvas::FillRect(const TRect &rect)
{
    if (brush_->Style() != bsSolid || rect.IsEmpty())
        return;
    TDrawScope painter(*this);
    if (painter)
        painter->fillRect(rect.ToQRect(), ColorToQColor(brush_->Color()));
}

TSize TCanvas::TextExtent(const QString &text) const
{
    TTextCache &cache = TextCache();
    return {cache.Width(text), cache.Metrics.height()};
}

void TCanvas::TextOut(int x, int y, const QString &text)
{
    TTextCache &cache = TextCache();
    const int width = cache.Width(text);
    penPos_ = {x + width, y};
    TDrawScope painter(*this);
    if (!painter)
        return;
    if (brush_->Style() == bsSolid)
        painter->fillRect(QRect(x, y, width, cache.Metrics.height()), ColorToQColor(brush_->Color()));
    painter->setFont(cache.Font);
    painter->setPen(ColorToQColor(font_->Color()));
    painter->drawText(x, y + cache.Metrics.ascent(), text);
}

TColor TCanvas::Pixels(int x, int y) const
{
    if (!image_ || borrowedPainter_ || !ClipRect().Contains(x, y))
        return CLR_INVALID;
    return FromRgb(image_->pixel(x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    if (image_ && !borrowedPainter_) {
        if (!ClipRect().Contains(x, y))
            return;
        const QImage::Format format = image_->format();
        if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32)
            image_->setPixel(x, y, ToRgb(color));
        else
            image_->setPixelColor(x, y, QColor(ToRgb(color)));
        Changed();
        return;
    }
    TDrawScope painter(*this);
    if (painter)
        painter->fillRect(QRect(x, y, 1, 1), ColorToQColor(color));
}

void TCanvas::Draw(int x, int y, TBitmap *bitmap)
{
    if (!bitmap || bitmap->Empty())
        return;
    const QImage image = bitmap->Image();
    TDrawScope painter(*this);
    if (painter)
        painter->drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const TRect &rect, TBitmap *bitmap)
{
    if (!bitmap || bitmap->Empty() || rect.IsEmpty())
        return;
    const QImage image = bitmap->Image();
    TDrawScope painter(*this);
    if (painter)
        painter->drawImage(rect.ToQRect(), image);
}

void TCanvas::CopyRect(const TRect &dest, TCanvas *source, const TRect &sourceRect)
{
    if (!source || !source->image_ || dest.IsEmpty() || sourceRect.IsEmpty())
        return;
    // A copy first: the source may be this very image.
    const QImage part = source->image_->copy(sourceRect.ToQRect());
    TDrawScope painter(*this);
    if (painter)
        painter->drawImage(dest.ToQRect(), part);
}
