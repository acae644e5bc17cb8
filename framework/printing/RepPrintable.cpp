#include "printing/RepPrintable.h"

#include "graphics/Bitmap.h"
#include "printing/ReportPage.h"

#include <QPainter>
#include <QPaintDevice>
#include <QTextLayout>
#include <cmath>

namespace {
constexpr double MillimetresPerInch = 25.4;
// Frames are a quarter of a millimetre wide on every device.
constexpr double FrameWidth = 0.25;
// Label texts are broken into lines at this one resolution and drawn scaled to the device's, so a text takes
// the same lines on the page as when its place was measured, whatever the printer.
constexpr int LayoutDpi = 1200;

double ToMillimetres(double layoutPixels) { return layoutPixels * MillimetresPerInch / LayoutDpi; }
double ToLayoutPixels(double millimetres) { return millimetres * LayoutDpi / MillimetresPerInch; }

// The text in lines: at its line breaks and, given a width (layout pixels), between words or, for a word wider
// than the line, inside it.
class TTextLines {
public:
    TTextLines(const QString &text, const QFont &font, double width) : layout_(Paragraphs(text), font)
    {
        QTextOption option;
        option.setWrapMode(width > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        layout_.setTextOption(option);
        layout_.beginLayout();
        double top = 0;
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            if (width > 0)
                line.setLineWidth(width);
            line.setPosition({0, top});
            top += line.height();
        }
        layout_.endLayout();
    }

    double Height() const { return layout_.lineCount() ? layout_.lineAt(layout_.lineCount() - 1).rect().bottom() : 0; }
    // Rounded up, so that the text placed in this width keeps its lines on the way through millimetres.
    double Width() const { return std::ceil(layout_.maximumWidth()) + 1; }
    QList<double> Bottoms() const
    {
        QList<double> bottoms;
        for (int i = 0; i < layout_.lineCount(); ++i)
            bottoms << layout_.lineAt(i).rect().bottom();
        return bottoms;
    }

    // Draws the lines from the first one given on that fit the height, that one in any case, from the top. A
    // height measured for the lines holds them, though it went through millimetres on the way.
    void Draw(QPainter &painter, int first, double height) const
    {
        if (first >= layout_.lineCount())
            return;
        const double top = layout_.lineAt(first).y();
        for (int i = first; i < layout_.lineCount(); ++i) {
            const QTextLine line = layout_.lineAt(i);
            if (i > first && line.rect().bottom() - top > height + 1)
                break;
            line.draw(&painter, {0, -top});
        }
    }

private:
    static QString Paragraphs(QString text)
    {
        return text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator))
            .replace(u'\r', QChar::LineSeparator)
            .replace(u'\n', QChar::LineSeparator);
    }

    QTextLayout layout_;
};
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

double TRepLabel::TextHeight(double width) const
{
    return ToMillimetres(TTextLines(caption_, font_->ToQFont(LayoutDpi), ToLayoutPixels(width)).Height());
}

double TRepLabel::TextWidth() const
{
    return ToMillimetres(TTextLines(caption_, font_->ToQFont(LayoutDpi), 0).Width());
}

QList<double> TRepLabel::LineBottoms(double width) const
{
    QList<double> bottoms = TTextLines(caption_, font_->ToQFont(LayoutDpi), ToLayoutPixels(width)).Bottoms();
    for (double &bottom : bottoms)
        bottom = ToMillimetres(bottom);
    return bottoms;
}

void TRepLabel::RenderContent(QPainter &painter, const QRectF &place) const
{
    const QPaintDevice *device = painter.device();
    painter.translate(place.topLeft());
    painter.scale(double(device->logicalDpiX()) / LayoutDpi, double(device->logicalDpiY()) / LayoutDpi);
    painter.setPen(ColorToQColor(font_->Color()));
    const double width = ToLayoutPixels(Width());
    const TTextLines lines(caption_, font_->ToQFont(LayoutDpi), wordWrap_ ? width : 0);
    lines.Draw(painter, firstLine_, wordWrap_ ? ToLayoutPixels(Height()) : lines.Height());
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
