#pragma once

#include "graphics/Color.h"
#include "graphics/GraphicsObject.h"

class TPen : public TGraphicsObject {
    Q_OBJECT
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Lines are Width pixels wide; 0 draws as 1.
    int Width() const { return width_; }
    void SetWidth(int width);
    void Assign(const TPen &other);

private:
    TColor color_ = clBlack;
    int width_ = 1;
};
