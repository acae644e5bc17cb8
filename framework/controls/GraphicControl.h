#pragma once

#include "controls/Control.h"
#include "controls/WinControl.h"
#include "graphics/Canvas.h"

#include <memory>

class QPainter;

// A control that draws itself on its canvas in Paint (labels, images, bevels). The canvas draws on the control
// only while it paints; between paints it still measures text in the control's font.
class TGraphicControl : public TControl {
    Q_OBJECT
public:
    explicit TGraphicControl(TComponent *owner);
    ~TGraphicControl() override;
    TCanvas *Canvas() const { return canvas_.get(); }

protected:
    virtual void Paint() {}
    void FontChanged() override;
    void ColorChanged() override { Invalidate(); }

private:
    void PaintWith(QPainter &painter);
    std::unique_ptr<TCanvas> canvas_;
};

// A windowed control that draws itself (panels, status bars).
class TCustomControl : public TWinControl {
    Q_OBJECT
public:
    explicit TCustomControl(TComponent *owner);
    ~TCustomControl() override;
    TCanvas *Canvas() const { return canvas_.get(); }

protected:
    virtual void Paint() {}
    void FontChanged() override;
    void ColorChanged() override { Invalidate(); }

private:
    void PaintWith(QPainter &painter);
    std::unique_ptr<TCanvas> canvas_;
};

// Draws the rectangle's one-pixel frame: top and left in one colour, bottom and right in the other, then shrinks
// the rectangle by that pixel.
void Frame3D(TCanvas *canvas, TRect &rect, TColor topColor, TColor bottomColor, int width);
