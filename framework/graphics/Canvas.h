#pragma once

#include "classes/Events.h"
#include "classes/Persistent.h"
#include "classes/Types.h"
#include "graphics/Brush.h"
#include "graphics/Color.h"
#include "graphics/Font.h"
#include "graphics/Pen.h"

#include <QFont>
#include <QString>
#include <memory>

class QImage;
class QPaintDevice;
class QPainter;
class TBitmap;

// Draws with a pen, a brush and a font on whatever it is given: a device it paints on by itself (an image,
// whose pixels it can then also read and write, a recorded picture, or a printer), or a painter that the
// caller holds open for the time of a paint event or a print job. A new canvas has a black pen one pixel
// wide, a white solid brush and the default font. Coordinates are device pixels; rectangles exclude their
// right and bottom.
class TCanvas : public TPersistent {
    Q_OBJECT
public:
    TCanvas();
    ~TCanvas() override;

    // Paints on the device with a painter of its own, opened on the first drawing.
    void SetDevice(QPaintDevice *device);
    QPaintDevice *Device() const;
    // Draws through the caller's painter until it is taken back with SetPainter(nullptr). The painter's
    // state is left as it was after every drawing.
    void SetPainter(QPainter *painter);
    // Ends the canvas's own painter, so that the device can be resized, copied or handed on; the next
    // drawing opens a new one.
    void Release();
    // The image whose pixels this canvas reads and writes, or null for other devices.
    QImage *Image() const { return image_; }

    TPen *Pen() const { return pen_.get(); }
    TBrush *Brush() const { return brush_.get(); }
    TFont *Font() const { return font_.get(); }
    void SetFont(const TFont *font) { font_->Assign(*font); }
    // The font as drawn on this canvas's device.
    QFont DeviceFont() const;

    // The area drawing reaches: the whole device, narrowed by SetClipRect.
    TRect ClipRect() const;
    void SetClipRect(const TRect &rect);
    void ResetClipRect() { hasClip_ = false; }

    TPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    // A line from the pen position to (x, y) with the pen; (x, y) itself is not drawn and becomes the pen
    // position.
    void LineTo(int x, int y);
    // Inside filled with the brush, outline in the pen, covering Left..Right-1 and Top..Bottom-1.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect &rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // Fills with the brush, no outline; a clear brush fills nothing.
    void FillRect(const TRect &rect);
    // Text in the font colour with its top-left corner at (x, y), on the brush colour unless the brush is
    // clear. The pen position moves to the end of the text.
    void TextOut(int x, int y, const QString &text);
    TSize TextExtent(const QString &text) const;
    int TextWidth(const QString &text) const { return TextExtent(text).cx; }

    // The colour of a pixel of an image canvas, exactly as written; CLR_INVALID outside the clip
    // rectangle or on a canvas without pixels. Writes outside the clip rectangle are dropped.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    // The bitmap's pixels at (x, y), or scaled into the rectangle (nearest pixel, no smoothing).
    void Draw(int x, int y, TBitmap *bitmap);
    void StretchDraw(const TRect &rect, TBitmap *bitmap);
    // Copies the source rectangle of an image canvas into the destination rectangle, scaled to fit.
    void CopyRect(const TRect &dest, TCanvas *source, const TRect &sourceRect);

    // Runs after every drawing, so that whatever shows the canvas's picture can show it anew.
    TNotifyEvent OnChange;
    void Changed() { OnChange(this); }

    // The painter drawing goes through with the clip rectangle applied; when it ends it restores the painter
    // and reports the change. Drawing helpers outside the canvas use it; it is empty (false) when the canvas
    // has nothing to draw on.
    class TDrawScope {
    public:
        explicit TDrawScope(TCanvas &canvas);
        ~TDrawScope();
        TDrawScope(const TDrawScope &) = delete;
        TDrawScope &operator=(const TDrawScope &) = delete;
        explicit operator bool() const { return painter_ != nullptr; }
        QPainter *operator->() const { return painter_; }
        QPainter *Painter() const { return painter_; }

    private:
        TCanvas &canvas_;
        QPainter *painter_;
    };

private:
    // The device font, its metrics and the widths of texts measured in it, kept while the font and the device's
    // resolution stay: grids draw the same texts in one font over and over.
    struct TTextCache;
    TTextCache &TextCache() const;
    QPainter *ActivePainter();
    int Dpi() const;
    TRect DeviceRect() const;

    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    std::unique_ptr<TFont> font_;
    QPaintDevice *device_ = nullptr;
    QImage *image_ = nullptr;
    std::unique_ptr<QPainter> ownPainter_;
    QPainter *borrowedPainter_ = nullptr;
    TRect clip_;
    bool hasClip_ = false;
    TPoint penPos_;
    mutable std::unique_ptr<TTextCache> textCache_;
};
