#pragma once

#include "classes/Events.h"
#include "classes/Persistent.h"

#include <QString>
#include <memory>

class TBitmap;

// What an image shows: no picture, or a bitmap. Asking for the bitmap makes an empty one when there is none.
// OnChange runs after every change, drawing on the bitmap's canvas included.
class TPicture : public TPersistent {
    Q_OBJECT
public:
    TPicture();
    ~TPicture() override;

    // The picture's bitmap, or null when it holds none.
    TBitmap *Graphic() const { return bitmap_.get(); }
    TBitmap *Bitmap();
    int Width() const;
    int Height() const;

    // Copies of the source's picture; a null source leaves no picture.
    void Assign(const TPicture *source);
    void Assign(const TBitmap *source);
    void LoadFromFile(const QString &fileName);

    TNotifyEvent OnChange;

private:
    void Changed() { OnChange(this); }
    void BitmapChanged(TObject *) { Changed(); }
    TBitmap *MakeBitmap();

    std::unique_ptr<TBitmap> bitmap_;
};
