#pragma once

#include <QtGlobal>
#include <Qt>

// Cursor numbers of the original framework; negative numbers are the built-in shapes.
using TCursor = qint16;

enum : TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};

// The Qt shape of a cursor number; unknown numbers show the arrow.
Qt::CursorShape CursorShapeOf(TCursor cursor);
