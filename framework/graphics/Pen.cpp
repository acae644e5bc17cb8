#include "graphics/Pen.h"

void TPen::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width)
{
    if (width == width_)
        return;
    width_ = width;
    Changed();
}

void TPen::Assign(const TPen &other)
{
    if (other.color_ == color_ && other.width_ == width_)
        return;
    color_ = other.color_;
    width_ = other.width_;
    Changed();
}
