#pragma once

#include "graphics/Color.h"
#include "graphics/GraphicsObject.h"

// A clear brush fills nothing: rectangles keep their inside and text is written without background.
enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
    Q_OBJECT
public:
    TColor Color() const { return color_; }
    // Choosing a colour makes a clear brush solid again.
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    void Assign(const TBrush &other);

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};
