#include "graphics/DrawEdge.h"

#include "graphics/Canvas.h"

#include <QPainter>

namespace {
// One line of the border: its top-left colour and its bottom-right colour.
struct TBorderLine {
    TColor TopLeft;
    TColor BottomRight;
};

void DrawBorderLine(QPainter *painter, const TRect &r, const TBorderLine &line, unsigned sides)
{
    const QColor light = ColorToQColor(line.TopLeft);
    const QColor dark = ColorToQColor(line.BottomRight);
    // The top-left sides stop short of the far corners, which belong to the bottom-right sides.
    if (sides & BF_TOP)
        painter->fillRect(r.Left, r.Top, r.Width() - 1, 1, light);
    if (sides & BF_LEFT)
        painter->fillRect(r.Left, r.Top, 1, r.Height() - 1, light);
    if (sides & BF_BOTTOM)
        painter->fillRect(r.Left, r.Bottom - 1, r.Width(), 1, dark);
    if (sides & BF_RIGHT)
        painter->fillRect(r.Right - 1, r.Top, 1, r.Height(), dark);
}

void Shrink(TRect &r, unsigned sides)
{
    r.Left += (sides & BF_LEFT) ? 1 : 0;
    r.Top += (sides & BF_TOP) ? 1 : 0;
    r.Right -= (sides & BF_RIGHT) ? 1 : 0;
    r.Bottom -= (sides & BF_BOTTOM) ? 1 : 0;
}
} // namespace

bool DrawEdge(TCanvas *canvas, TRect &rect, unsigned edge, unsigned flags)
{
    TBorderLine lines[2];
    int count = 0;
    if (edge & BDR_RAISEDOUTER)
        lines[count++] = {cl3DLight, cl3DDkShadow};
    else if (edge & BDR_SUNKENOUTER)
        lines[count++] = {clBtnShadow, clBtnHighlight};
    if (edge & BDR_RAISEDINNER)
        lines[count++] = {clBtnHighlight, clBtnShadow};
    else if (edge & BDR_SUNKENINNER)
        lines[count++] = {cl3DDkShadow, cl3DLight};

    const unsigned sides = flags & BF_RECT;
    TRect inside = rect;
    TCanvas::TDrawScope painter(*canvas);
    for (int i = 0; i < count && !inside.IsEmpty(); ++i) {
        if (painter)
            DrawBorderLine(painter.Painter(), inside, lines[i], sides);
        Shrink(inside, sides);
    }
    if ((flags & BF_MIDDLE) && painter && !inside.IsEmpty())
        painter->fillRect(inside.ToQRect(), ColorToQColor(clBtnFace));
    if (flags & BF_ADJUST)
        rect = inside;
    return true;
}
