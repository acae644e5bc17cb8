#include "controls/Bevel.h"

#include <QPainter>

TBevel::TBevel(TComponent *owner) : TGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape shape)
{
    shape_ = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style)
{
    style_ = style;
    Invalidate();
}

void TBevel::Paint()
{
    const TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    TRect rect = ClientRect();
    TCanvas::TDrawScope painter(*Canvas());
    if (!painter || shape_ == bsSpacer)
        return;
    const int w = rect.Width();
    const int h = rect.Height();
    const auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
        painter->setPen(ColorToQColor(color));
        painter->drawLine(x1, y1, x2, y2);
    };
    switch (shape_) {
    case bsBox:
        Frame3D(Canvas(), rect, first, second, 1);
        break;
    case bsFrame:
        rect.Right -= 1;
        rect.Bottom -= 1;
        Frame3D(Canvas(), rect, first, first, 1);
        rect = Rect(1, 1, w, h);
        Frame3D(Canvas(), rect, second, second, 1);
        break;
    case bsTopLine:
        line(first, 0, 0, w - 1, 0);
        line(second, 0, 1, w - 1, 1);
        break;
    case bsBottomLine:
        line(first, 0, h - 2, w - 1, h - 2);
        line(second, 0, h - 1, w - 1, h - 1);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, h - 1);
        line(second, 1, 0, 1, h - 1);
        break;
    case bsRightLine:
        line(first, w - 2, 0, w - 2, h - 1);
        line(second, w - 1, 0, w - 1, h - 1);
        break;
    default:
        break;
    }
}
