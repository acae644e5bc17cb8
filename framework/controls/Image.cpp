#include "controls/Image.h"

#include "graphics/Bitmap.h"

#include <QPainter>

TImage::TImage(TComponent *owner) : TGraphicControl(owner), picture_(new TPicture)
{
    SetBounds(0, 0, 105, 105);
    picture_->OnChange = MakeEvent<&TImage::PictureChanged>(this);
}

TImage::~TImage() { picture_->OnChange = {}; }

TCanvas *TImage::Canvas()
{
    TBitmap *bitmap = picture_->Bitmap();
    if (bitmap->Empty())
        bitmap->SetSize(Width(), Height());
    return bitmap->Canvas();
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    PictureChanged(nullptr);
}

void TImage::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    Invalidate();
}

void TImage::PictureChanged(TObject *)
{
    const TBitmap *bitmap = picture_->Graphic();
    if (autoSize_ && bitmap && !bitmap->Empty())
        SetBounds(Left(), Top(), bitmap->Width(), bitmap->Height());
    Invalidate();
}

void TImage::Paint()
{
    const TBitmap *bitmap = picture_->Graphic();
    if (!bitmap || bitmap->Empty())
        return;
    QImage image = bitmap->Image();
    if (transparent_) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = image.pixel(0, image.height() - 1);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == key)
                    line[x] = qRgba(0, 0, 0, 0);
        }
    }
    TCanvas::TDrawScope painter(*TGraphicControl::Canvas());
    if (!painter)
        return;
    if (stretch_)
        painter->drawImage(QRect(0, 0, Width(), Height()), image);
    else
        painter->drawImage(0, 0, image);
}
