#pragma once

#include "classes/Events.h"
#include "classes/Persistent.h"
#include "rtl/Exceptions.h"

#include <QImage>
#include <QString>
#include <memory>

class TCanvas;
class TBitmap;

// The bitmap handle that crosses the plug-in contract is the bitmap object itself: whoever receives it takes
// over the object (TBitmap::SetHandle) and frees it.
using HBITMAP = TBitmap *;

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

// The picture with every pixel of its bottom-left colour made see-through, as transparent images and tool-button
// glyphs show it.
QImage WithTransparentKey(const QImage &image);
// The picture with every pixel of the given colour made see-through.
QImage WithTransparentColor(const QImage &image, QRgb key);

// A picture of Width x Height pixels with a canvas to draw on it. A new or enlarged area is white.
class TBitmap : public TPersistent {
    Q_OBJECT
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const { return width_; }
    void SetWidth(int width) { SetSize(width, Height()); }
    int Height() const { return height_; }
    void SetHeight(int height) { SetSize(Width(), height); }
    // Keeps the pixels that stay inside the new size. A bitmap with a side of 0 holds no picture.
    void SetSize(int width, int height);
    bool Empty() const { return image_.isNull(); }

    TCanvas *Canvas() const { return canvas_.get(); }

    // Turning a bitmap monochrome makes white pixels set (white) and every other pixel clear (black), the
    // form an image list takes a mask in: set mask pixels are transparent.
    bool Monochrome() const { return monochrome_; }
    void SetMonochrome(bool monochrome);

    void Assign(const TBitmap &other);
    // The pixels, with any drawing in progress finished.
    const QImage &Image() const;
    void SetImage(const QImage &image);

    // Raises EInvalidGraphic when the file cannot be read as an image.
    void LoadFromFile(const QString &fileName);
    // A bitmap built into the module: the Qt resource ":/bitmaps/<name>.bmp" (or ".png"). Raises
    // EResNotFound when the module has no such bitmap.
    void LoadFromResourceName(const QString &name);

    // Runs after every change of the picture: drawing on the canvas, resizing, assigning, loading.
    TNotifyEvent OnChange;

    HBITMAP Handle() { return this; }
    // Takes over the bitmap behind the handle: its picture becomes this bitmap's and the handed-over object
    // is freed. A null handle leaves an empty bitmap.
    void SetHandle(HBITMAP handle);

private:
    void Changed() { OnChange(this); }
    void CanvasChanged(TObject *) { Changed(); }

    QImage image_;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<TCanvas> canvas_;
    bool monochrome_ = false;
};
