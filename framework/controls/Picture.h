#pragma once

#include "classes/Events.h"
#include "classes/Persistent.h"
#include "graphics/Bitmap.h"

#include <memory>

// The picture of an image control: a bitmap, empty until something is loaded or drawn.
class TPicture : public TPersistent {
    Q_OBJECT
public:
    TPicture();
    ~TPicture() override;

    TBitmap *Bitmap() const { return bitmap_.get(); }
    void SetBitmap(const TBitmap *bitmap);
    int Width() const { return bitmap_->Width(); }
    int Height() const { return bitmap_->Height(); }
    // Copies the other picture's pixels.
    void Assign(const TPicture &other);
    void LoadFromFile(const QString &fileName);
    // Call after drawing on the bitmap, so that whoever shows the picture shows it again.
    void Changed() { OnChange(this); }

    TNotifyEvent OnChange;

private:
    std::unique_ptr<TBitmap> bitmap_;
};
