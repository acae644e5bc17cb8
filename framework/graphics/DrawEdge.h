#pragma once

#include "classes/Types.h"

class TCanvas;

constexpr unsigned BDR_RAISEDOUTER = 0x0001;
constexpr unsigned BDR_SUNKENOUTER = 0x0002;
constexpr unsigned BDR_RAISEDINNER = 0x0004;
constexpr unsigned BDR_SUNKENINNER = 0x0008;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;

constexpr unsigned BF_LEFT = 0x0001;
constexpr unsigned BF_TOP = 0x0002;
constexpr unsigned BF_RIGHT = 0x0004;
constexpr unsigned BF_BOTTOM = 0x0008;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x0800;
constexpr unsigned BF_ADJUST = 0x2000;

// Draws a three-dimensional border inside the rectangle in the system's button colours: an outer and an
// inner line, each lit or shaded on its top-left and bottom-right sides. A sunken edge is dark at the top
// and left, light at the bottom and right. BF_MIDDLE fills the inside with the button face; BF_ADJUST
// shrinks the rectangle by the border drawn. The canvas's pen and brush are not used.
bool DrawEdge(TCanvas *canvas, TRect &rect, unsigned edge, unsigned flags);
