#pragma once

#include "classes/Types.h"

#include <QString>
#include <QStringList>

class TCanvas;

// Formatting options of DrawText.
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_EDITCONTROL = 0x2000;

// Writes the text into the rectangle with the canvas's font, from its top, one line under the other: a line
// ends at each line break and, with DT_WORDBREAK, before a word that would pass the right edge (a word wider
// than the rectangle keeps a line of its own, or with DT_EDITCONTROL is broken where it reaches the edge, as a
// multi-line edit breaks it). Lines are aligned left, centred or right. "&x" underlines x
// and "&&" writes "&" unless DT_NOPREFIX is given; with DT_EXPANDTABS a tab moves to the next multiple of
// eight average character widths. The text is clipped to the rectangle unless DT_NOCLIP is given and has the
// brush colour behind it unless the brush is clear. With DT_CALCRECT nothing is drawn: the rectangle's right
// and bottom are set to bound the text. Returns the height of the text (0 for an empty text).
int DrawText(TCanvas *canvas, const QString &text, TRect &rect, unsigned format);
// The lines DrawText writes the text in, in a rectangle of that width (DT_WORDBREAK, DT_EDITCONTROL,
// DT_EXPANDTABS and DT_NOPREFIX as it takes them), each as it shows: accelerator marks taken out, tabs kept.
QStringList TextLines(TCanvas *canvas, const QString &text, int width, unsigned format);
