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
    const QImage image = transparent_ ? WithTransparentKey(bitmap->Image()) : bitmap->Image();
    TCanvas::TDrawScope painter(*TGraphicControl::Canvas());
    if (!painter)
        return;
    if (stretch_)
        painter->drawImage(QRect(0, 0, Width(), Height()), image);
    else
        painter->drawImage(0, 0, image);
}
