#include "graphics/Bitmap.h"

#include "graphics/Canvas.h"

#include <QFile>
#include <QPainter>

namespace {
// Bitmaps keep opaque 32-bit pixels; a picture with transparency is laid on white.
QImage Opaque(const QImage &image)
{
    if (image.isNull() || image.format() == QImage::Format_RGB32)
        return image;
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

// Makes every pixel of the key colour see-through, in place.
void ClearKeyColor(QImage &argb, QRgb key)
{
    for (int y = 0; y < argb.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
}
} // namespace

// Both convert once and key the converted copy itself: images painted with a key are keyed on every paint.
QImage WithTransparentKey(const QImage &image)
{
    if (image.isNull())
        return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    ClearKeyColor(keyed, keyed.pixel(0, keyed.height() - 1));
    return keyed;
}

QImage WithTransparentColor(const QImage &image, QRgb key)
{
    if (image.isNull())
        return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    ClearKeyColor(keyed, key);
    return keyed;
}

TBitmap::TBitmap() : canvas_(new TCanvas)
{
    canvas_->SetDevice(&image_);
    canvas_->OnChange = MakeEvent<&TBitmap::CanvasChanged>(this);
}

TBitmap::~TBitmap() { canvas_->Release(); }

void TBitmap::SetSize(int width, int height)
{
    width = qMax(0, width);
    height = qMax(0, height);
    if (width == width_ && height == height_)
        return;
    canvas_->Release();
    width_ = width;
    height_ = height;
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(width, height, QImage::Format_RGB32);
        resized.fill(Qt::white);
        if (!image_.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(0, 0, image_);
        }
    }
    image_ = resized;
    Changed();
}

void TBitmap::SetMonochrome(bool monochrome)
{
    if (monochrome == monochrome_)
        return;
    monochrome_ = monochrome;
    if (!monochrome || image_.isNull())
        return;
    canvas_->Release();
    for (int y = 0; y < image_.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image_.scanLine(y));
        for (int x = 0; x < image_.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    Changed();
}

void TBitmap::Assign(const TBitmap &other)
{
    if (&other == this)
        return;
    canvas_->Release();
    image_ = other.Image();
    width_ = other.width_;
    height_ = other.height_;
    monochrome_ = other.monochrome_;
    Changed();
}

const QImage &TBitmap::Image() const
{
    canvas_->Release();
    return image_;
}

void TBitmap::SetImage(const QImage &image)
{
    canvas_->Release();
    image_ = Opaque(image);
    width_ = image_.width();
    height_ = image_.height();
    monochrome_ = false;
    Changed();
}

void TBitmap::LoadFromFile(const QString &fileName)
{
    QImage image;
    if (!image.load(fileName))
        throw EInvalidGraphic(QStringLiteral("Cannot load the picture \"%1\"").arg(fileName));
    SetImage(image);
}

void TBitmap::LoadFromResourceName(const QString &name)
{
    for (const char *suffix : {".bmp", ".png"}) {
        const QString path = QStringLiteral(":/bitmaps/") + name + QLatin1String(suffix);
        if (QFile::exists(path)) {
            LoadFromFile(path);
            return;
        }
    }
    throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
}

void TBitmap::SetHandle(HBITMAP handle)
{
    if (handle == this)
        return;
    if (!handle) {
        SetImage(QImage());
        return;
    }
    Assign(*handle);
    delete handle;
}
