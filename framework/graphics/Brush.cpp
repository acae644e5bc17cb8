#include "graphics/Brush.h"

void TBrush::SetColor(TColor color)
{
    if (color == color_ && style_ == bsSolid)
        return;
    color_ = color;
    style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TBrush::Assign(const TBrush &other)
{
    if (other.color_ == color_ && other.style_ == style_)
        return;
    color_ = other.color_;
    style_ = other.style_;
    Changed();
}
