#include "controls/Picture.h"

TPicture::TPicture() : bitmap_(new TBitmap) {}

TPicture::~TPicture() = default;

void TPicture::SetBitmap(const TBitmap *bitmap)
{
    if (bitmap)
        bitmap_->Assign(*bitmap);
    else
        bitmap_->SetSize(0, 0);
    Changed();
}

void TPicture::Assign(const TPicture &other) { SetBitmap(other.Bitmap()); }

void TPicture::LoadFromFile(const QString &fileName)
{
    bitmap_->LoadFromFile(fileName);
    Changed();
}
