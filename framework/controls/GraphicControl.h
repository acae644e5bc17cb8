#pragma once

#include "controls/Control.h"
#include "controls/WinControl.h"
#include "graphics/Canvas.h"

#include <memory>

// What a control that draws itself has: Paint, which does the drawing, and the canvas it draws on. The canvas
// draws on the control only while it paints; between paints it still measures text in the control's font.
class TSelfPainting {
public:
    TCanvas *Canvas() const { return canvas_.get(); }

protected:
    // The control's widget must be a paint widget.
    explicit TSelfPainting(TControl *control);
    virtual ~TSelfPainting();
    virtual void Paint() {}

private:
    TControl *control_;
    std::unique_ptr<TCanvas> canvas_;
};

// A control drawn on its parent (labels, images, bevels). While disabled the mouse reaches the parent through it.
class TGraphicControl : public TControl, public TSelfPainting {
    Q_OBJECT
public:
    explicit TGraphicControl(TComponent *owner);
    void SetEnabled(bool enabled) override;

protected:
    void FontChanged() override;
    void ColorChanged() override { Invalidate(); }
};

// A windowed control that draws itself (panels, status bars).
class TCustomControl : public TWinControl, public TSelfPainting {
    Q_OBJECT
public:
    explicit TCustomControl(TComponent *owner);

protected:
    void FontChanged() override;
    void ColorChanged() override { Invalidate(); }
};

// Draws the rectangle's one-pixel frame: top and left in one colour, bottom and right in the other, then shrinks
// the rectangle by that pixel.
void Frame3D(TCanvas *canvas, TRect &rect, TColor topColor, TColor bottomColor, int width);
