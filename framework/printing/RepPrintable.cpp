#include "printing/RepPrintable.h"

#include "graphics/Bitmap.h"
#include "printing/ReportPage.h"

#include <QPainter>
#include <QPaintDevice>

namespace {
constexpr double MillimetresPerInch = 25.4;
// Frames are a quarter of a millimetre wide on every device.
constexpr double FrameWidth = 0.25;
} // namespace

TRepPrintable::TRepPrintable(TComponent *owner) : TComponent(owner) {}

TRepPrintable::~TRepPrintable() { SetBand(nullptr); }

void TRepPrintable::SetBand(TReportBand *band)
{
    if (band_ == band)
        return;
    if (band_)
        band_->RemoveItem(this);
    band_ = band;
    if (band)
        band->AddItem(this);
}

void TRepPrintable::SetBounds(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TRepPrintable::Render(QPainter &painter, const QRectF &place) const
{
    painter.save();
    RenderContent(painter, place);
    painter.restore();
    if (!frame_.Visible)
        return;
    painter.save();
    const double width = FrameWidth * painter.device()->logicalDpiX() / MillimetresPerInch;
    painter.setPen(QPen(ColorToQColor(frame_.Color), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(place);
    painter.restore();
}

TRepLabel::TRepLabel(TComponent *owner) : TRepPrintable(owner), font_(new TFont)
{
    font_->SetName(QStringLiteral("Arial"));
    font_->SetSize(10);
    font_->SetColor(clBlack);
}

TRepLabel::~TRepLabel() = default;

void TRepLabel::RenderContent(QPainter &painter, const QRectF &place) const
{
    painter.setFont(font_->ToQFont(painter.device()->logicalDpiY()));
    painter.setPen(ColorToQColor(font_->Color()));
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wordWrap_ ? int(Qt::TextWordWrap) : int(Qt::TextDontClip));
    painter.drawText(place, flags, caption_);
}

TRepImage::TRepImage(TComponent *owner) : TRepPrintable(owner), picture_(new TPicture) {}

TRepImage::~TRepImage() = default;

TCanvas *TRepImage::Canvas()
{
    TBitmap *bitmap = picture_->Bitmap();
    if (bitmap->Empty())
        bitmap->SetSize(qRound(Width() * TFont::PixelsPerInch / MillimetresPerInch),
                        qRound(Height() * TFont::PixelsPerInch / MillimetresPerInch));
    return bitmap->Canvas();
}

void TRepImage::RenderContent(QPainter &painter, const QRectF &place) const
{
    const TBitmap *bitmap = picture_->Graphic();
    if (!bitmap || bitmap->Empty())
        return;
    const QImage &image = bitmap->Image();
    if (stretch_) {
        painter.drawImage(place, image);
        return;
    }
    const double scale = double(painter.device()->logicalDpiX()) / TFont::PixelsPerInch;
    painter.setClipRect(place);
    painter.drawImage(QRectF(place.topLeft(), QSizeF(image.width() * scale, image.height() * scale)), image);
}
