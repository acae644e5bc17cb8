#include "types_u.h"

// Painting of tunings and images; the renderers are filled in together with the graphics core.

const TPaletteEntry DefaultPalette[PaletteSize] = {
    {6, 0xFFFFFF},  {12, 0xFF00FF}, {18, 0xFF0000}, {24, 0xFFFF00},
    {30, 0x00FF00}, {36, 0x00FFFF}, {42, 0x0080FF}, {48, 0x0000FF},
};

void TCustomLumbraMessage::Draw(TCanvas *, qint32, qint32) const {}

void TLumbraImageMessage::Draw(TCanvas *, qint32, qint32) const {}

void DrawLevelImage(const TLumbraImageMessage *, TCanvas *, qint32, qint32, const TPaletteEntry *) {}

void DrawSurfaceCell(qint32, qint32, qint32, qint32, qint32, qint32, TCanvas *, const TLumbraImageMessage *) {}

TColor PaletteColor(qint32, const TPaletteEntry *) { return 0xFFFFFF; }
