#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Plain geometry records. A rectangle's Right and Bottom are exclusive: the pixels it covers run from Left to
// Right - 1 and from Top to Bottom - 1, so Right - Left is its width.
struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint &, const TPoint &) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize &, const TSize &) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect &r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    friend bool operator==(const TRect &, const TRect &) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

// Moves the rectangle by (dx, dy).
inline void OffsetRect(TRect &r, int dx, int dy)
{
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}

// Grows the rectangle by dx on the left and right and by dy at top and bottom (negative values shrink it).
inline void InflateRect(TRect &r, int dx, int dy)
{
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}

// The common part of a and b; an empty rectangle (all zero) when they do not overlap.
inline TRect IntersectRect(const TRect &a, const TRect &b)
{
    const TRect r{qMax(a.Left, b.Left), qMax(a.Top, b.Top), qMin(a.Right, b.Right), qMin(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}
