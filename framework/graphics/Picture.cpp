#include "graphics/Picture.h"

#include "graphics/Bitmap.h"

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

TBitmap *TPicture::Bitmap()
{
    if (!bitmap_) {
        MakeBitmap();
        Changed();
    }
    return bitmap_.get();
}

int TPicture::Width() const { return bitmap_ ? bitmap_->Width() : 0; }

int TPicture::Height() const { return bitmap_ ? bitmap_->Height() : 0; }

void TPicture::Assign(const TPicture *source)
{
    if (source == this)
        return;
    Assign(source ? source->Graphic() : nullptr);
}

void TPicture::Assign(const TBitmap *source)
{
    if (source && source == bitmap_.get())
        return;
    if (!source) {
        bitmap_.reset();
        Changed();
        return;
    }
    // The new bitmap reports the copy itself.
    (bitmap_ ? bitmap_.get() : MakeBitmap())->Assign(*source);
}

void TPicture::LoadFromFile(const QString &fileName)
{
    TBitmap loaded;
    loaded.LoadFromFile(fileName);
    Assign(&loaded);
}

TBitmap *TPicture::MakeBitmap()
{
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->OnChange = MakeEvent<&TPicture::BitmapChanged>(this);
    return bitmap_.get();
}
