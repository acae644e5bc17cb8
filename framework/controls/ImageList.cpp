#include "controls/ImageList.h"

#include "graphics/Bitmap.h"
#include "rtl/Exceptions.h"

#include <QPainter>
#include <QPixmap>

TImageList::TImageList(TComponent *owner) : TComponent(owner) {}

void TImageList::SetWidth(int width)
{
    if (width == width_)
        return;
    width_ = width;
    images_.clear();
}

void TImageList::SetHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    images_.clear();
}

int TImageList::AddImage(const QImage &image, const QImage &mask)
{
    QImage entry(width_, height_, QImage::Format_ARGB32);
    entry.fill(Qt::transparent);
    {
        QPainter painter(&entry);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image.convertToFormat(QImage::Format_ARGB32), 0, 0, width_, height_);
    }
    if (!mask.isNull()) {
        const QImage bits = mask.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < height_ && y < bits.height(); ++y)
            for (int x = 0; x < width_ && x < bits.width(); ++x)
                if (bits.pixel(x, y) == qRgb(255, 255, 255))
                    entry.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    images_.append(entry);
    return int(images_.size() - 1);
}

QImage TImageList::Image(int index) const
{
    if (index < 0 || index >= images_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return images_[index];
}

int TImageList::Add(const TBitmap *image, const TBitmap *mask)
{
    return AddImage(image ? image->Image() : QImage(), mask && !mask->Empty() ? mask->Image() : QImage());
}

void TImageList::GetBitmap(int index, TBitmap *bitmap) const
{
    const QImage image = Image(index);
    QImage result = bitmap->Empty() ? QImage(width_, height_, QImage::Format_RGB32)
                                    : bitmap->Image().copy(0, 0, width_, height_);
    if (bitmap->Empty() || bkColor_ != clNone)
        result.fill(bkColor_ != clNone ? ColorToQColor(bkColor_) : QColor(Qt::white));
    {
        QPainter painter(&result);
        painter.drawImage(0, 0, image);
    }
    bitmap->SetImage(result);
}

void TImageList::ResourceLoad(const QString &name, TColor maskColor)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(name);
    const QImage image = WithTransparentColor(bitmap.Image(), ColorToQColor(maskColor).rgb());
    for (int left = 0; left + width_ <= image.width(); left += width_)
        AddImage(image.copy(left, 0, width_, height_), QImage());
}
