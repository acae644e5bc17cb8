#pragma once

#include <QtGlobal>
#include <Qt>

// Cursor numbers of the original framework; negative numbers are the built-in shapes.
using TCursor = qint16;

enum : TCursor {
    crDefault = 0,
    crNone = -1,
    crHourGlass = -11,
    crDrag = -12,
    crHandPoint = -21,
    crSizeAll = -22,
};

// The Qt shape of a cursor number; other numbers show the arrow.
Qt::CursorShape CursorShapeOf(TCursor cursor);
