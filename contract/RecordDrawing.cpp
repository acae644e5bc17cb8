#include "Records.h"

#include "graphics/Canvas.h"
#include "rtl/SysUtils.h"

#include <algorithm>

// Painting of tunings and images. Every pixel goes through the canvas, whatever the canvas draws on (an image,
// a report picture, a printer), and every byte of the picture is read with its index checked, so a short
// picture stops the drawing with ERangeError where its data ends.

const TPaletteEntry DefaultPalette[PaletteSize] = {
    {6, 0xFFFFFF},  {12, 0xFF00FF}, {18, 0xFF0000}, {24, 0xFFFF00},
    {30, 0x00FF00}, {36, 0x00FFFF}, {42, 0x0080FF}, {48, 0x0000FF},
};

namespace {
// Pictures from this byte on are a second bit plane, painted silver over the first.
constexpr int SecondPlaneOffset = 1800;
constexpr int LevelImageSide = ImagePictureSide;

// Integer division that truncates toward zero and raises instead of trapping on a zero divisor.
qint64 Div(qint64 dividend, qint64 divisor)
{
    if (divisor == 0)
        throw EDivByZero("Division by zero");
    return dividend / divisor;
}

// The top-left corner of a picture of Width x Height centred in the clip rectangle and shifted by (X, Y). The
// clip rectangle's own Left and Top are not added: every caller draws on a canvas whose clip starts at 0, 0.
TPoint CentredOrigin(const TCanvas *Canvas, int Width, int Height, qint32 X, qint32 Y)
{
    const TRect clip = Canvas->ClipRect();
    return {X + (clip.Width() - Width) / 2, Y + (clip.Height() - Height) / 2};
}

// "0" at both ends' start and the scan length (the larger size rounded up to tens, at least 120) at the ends of
// the top and left axes. The left axis stands at fixed canvas columns.
void DrawAxisLabels(TCanvas *Canvas, TPoint At, int Width, int Height, const TLumbraImageMessage *Image)
{
    int longest = std::max(Image->SizeX, Image->SizeY);
    if (longest % 10 != 0)
        longest = (longest / 10 + 1) * 10;
    const QString length = IntToStr(std::max(longest, 120));
    Canvas->TextOut(At.X - 6, At.Y - 14, "0");
    Canvas->TextOut(8, At.Y - 4, "0");
    Canvas->TextOut(At.X + Width - 6, At.Y - 14, length);
    Canvas->TextOut(0, At.Y + Height - 4, length);
}

// The right and bottom edges of the scanned area, in the current pen.
void DrawScanArea(TCanvas *Canvas, TPoint At, const TLumbraImageMessage *Image)
{
    Canvas->MoveTo(At.X, At.Y + Image->SizeY);
    Canvas->LineTo(At.X + Image->SizeX, At.Y + Image->SizeY);
    Canvas->MoveTo(At.X + Image->SizeX, At.Y);
    Canvas->LineTo(At.X + Image->SizeX, At.Y + Image->SizeY);
}

// Walks the Width x Height bits that start at byte Offset, row by row: a set bit paints Ink, a clear bit
// paints Paper unless Paper is CLR_INVALID (left as it is).
void DrawBitPlane(TCanvas *Canvas, const TDynArray<quint8> &Bits, int Offset, TPoint At, int Width, int Height,
                  TColor Ink, TColor Paper)
{
    for (int r = 0; r < Height; ++r)
        for (int c = 0; c < Width; ++c) {
            const qint64 p = qint64(r) * Width + c;
            const bool set = Bits[Offset + p / 8] >> (p % 8) & 1;
            if (set)
                Canvas->SetPixels(At.X + c, At.Y + r, Ink);
            else if (Paper != CLR_INVALID)
                Canvas->SetPixels(At.X + c, At.Y + r, Paper);
        }
}

// Black becomes white and every other colour black, so the line shows on any picture.
void InvertPixel(TCanvas *Canvas, int x, int y)
{
    Canvas->SetPixels(x, y, Canvas->Pixels(x, y) == clBlack ? clWhite : clBlack);
}

// Both halves of the crosshair run over Width pixels, the column too, and cross twice at the centre.
void DrawCrosshair(TCanvas *Canvas, TPoint At, int Width, int Height)
{
    for (int c = 0; c < Width; ++c) {
        InvertPixel(Canvas, At.X + c, At.Y + Height / 2);
        InvertPixel(Canvas, At.X + Width / 2, At.Y + c);
    }
}

// The whole impact grid as shaded cells of 8 pixels from the canvas origin, Y pointing up. Only the cells that
// reach into the clip rectangle are drawn: a large grid would otherwise spend seconds on pixels that never show.
void DrawImpactImage(TCanvas *Canvas, const TLumbraImageMessage *Image)
{
    if (Image->SizeX < 3 || Image->SizeY < 3)
        return;
    constexpr int N = 8;
    const TRect clip = Canvas->ClipRect();
    for (int a = 0; a <= Image->SizeX - 2; ++a) {
        // Cell a covers the N columns from N a on, cell b the N rows up to N (SizeY - 1 - b).
        if (qint64(N) * a + N - 1 < clip.Left || qint64(N) * a >= clip.Right)
            continue;
        for (int b = 0; b <= Image->SizeY - 2; ++b) {
            const qint64 bottom = qint64(N) * (Image->SizeY - 1 - b);
            if (bottom < clip.Top || bottom - (N - 1) >= clip.Bottom)
                continue;
            DrawSurfaceCell(a, b, 0, 0, N, 24, Canvas, Image);
        }
    }
}

// Green through yellow to red as the value rises.
TColor ImpactColor(qint64 v)
{
    qint64 k = std::min<qint64>(3 * v, 255);
    qint64 green = 255 - k;
    if (k > 80 && k < 170) {
        k += 80;
        green = k;
    }
    return RGB(int(k), int(green), 0);
}
} // namespace

void TCustomLumbraMessage::Draw(TCanvas *Canvas, qint32 X, qint32 Y) const
{
    Canvas->Rectangle(Canvas->ClipRect());
    const TPoint at = CentredOrigin(Canvas, Width, Height, X, Y);
    const auto *image = dynamic_cast<const TLumbraImageMessage *>(this);
    if (image && image->ImageType == 2) {
        DrawImpactImage(Canvas, image);
        return;
    }
    if (image) {
        Canvas->Rectangle(at.X - 1, at.Y - 1, at.X + Width + 1, at.Y + Height + 1);
        DrawAxisLabels(Canvas, at, Width, Height, image);
    }
    DrawBitPlane(Canvas, BitImage, 0, at, Width, Height, clBlack, clWhite);
    if (BitImage.Length() > SecondPlaneOffset)
        DrawBitPlane(Canvas, BitImage, SecondPlaneOffset, at, Width, Height, clSilver, CLR_INVALID);
    if (dynamic_cast<const TLumbraTuningMessage *>(this))
        DrawCrosshair(Canvas, at, Width, Height);
    else if (image)
        DrawScanArea(Canvas, at, image);
}

void TLumbraImageMessage::Draw(TCanvas *Canvas, qint32 X, qint32 Y) const
{
    if (ImageType == 0 || ImageType == 2)
        TCustomLumbraMessage::Draw(Canvas, X, Y);
    else
        DrawLevelImage(this, Canvas, X, Y, nullptr);
}

void DrawLevelImage(const TLumbraImageMessage *Message, TCanvas *Canvas, qint32 X, qint32 Y,
                    const TPaletteEntry *Palette)
{
    // lumbra hands over the record of the selected row, which may be none.
    if (!Message || Message->ImageType != 1)
        return;
    const int width = Message->Width;
    const TPoint at = CentredOrigin(Canvas, width, Message->Height, X, Y);
    // The picture is square: Width gives both sides of the outline.
    Canvas->MoveTo(at.X - 1, at.Y - 1);
    Canvas->LineTo(at.X + width, at.Y - 1);
    Canvas->LineTo(at.X + width, at.Y + width);
    Canvas->LineTo(at.X - 1, at.Y + width);
    Canvas->LineTo(at.X - 1, at.Y - 1);
    DrawAxisLabels(Canvas, at, width, Message->Height, Message);
    for (int j = 0; j < LevelImageSide; ++j)
        for (int i = 0; i < LevelImageSide; ++i)
            Canvas->SetPixels(at.X + i, at.Y + j,
                              PaletteColor(Message->BitImage[j * LevelImageSide + i], Palette));
    DrawScanArea(Canvas, at, Message);
}

void DrawSurfaceCell(qint32 A, qint32 B, qint32 OffX, qint32 OffY, qint32 N, qint32 S, TCanvas *Canvas,
                     const TLumbraImageMessage *Message)
{
    if (!Message)
        return;
    const auto value = [Message](qint64 a, qint64 b) -> qint64 {
        return Message->BitImage[a * Message->SizeY + b];
    };
    // Every corner is read before the first pixel, as the first pixel already needs all four.
    const qint64 v00 = value(A, B);
    const qint64 v01 = value(A, qint64(B) + 1);
    const qint64 v10 = value(qint64(A) + 1, B);
    const qint64 v11 = value(qint64(A) + 1, qint64(B) + 1);
    const qint64 d = qint64(N) - 1;
    const qint64 left = (qint64(A) + OffX) * N;
    const qint64 bottom = (qint64(Message->SizeY) - 1) * N;
    const qint64 top = (qint64(B) + OffY) * N;
    const auto lerp = [d](qint64 from, qint64 to, qint64 step) { return from + Div((to - from) * step, d); };

    qint64 band = 0;
    // Colour pass, with a grid line on the cell's first row and column and a contour line wherever the
    // interpolated value crosses into another band of S along the rows.
    for (qint64 t = 0; t < N; ++t)
        for (qint64 u = 0; u < N; ++u) {
            const qint64 v = std::min<qint64>(lerp(lerp(v00, v01, t), lerp(v10, v11, t), u), 255);
            const qint64 vBand = Div(v, S);
            const bool line = t == 0 || u == 0 || vBand != band;
            Canvas->SetPixels(int(left + u), int(bottom - (top + t)), line ? clBlack : ImpactColor(v));
            band = vBand;
        }
    // Contour pass across the other direction; the band memory runs on from the colour pass.
    for (qint64 t = 0; t < N; ++t)
        for (qint64 u = 0; u < N; ++u) {
            const qint64 v = std::min<qint64>(lerp(lerp(v00, v10, t), lerp(v01, v11, t), u), 255);
            const qint64 vBand = Div(v, S);
            if (t != 0 && u != 0 && vBand != band)
                Canvas->SetPixels(int(left + t), int(bottom - (top + u)), clBlack);
            band = vBand;
        }
}

TColor PaletteColor(qint32 Value, const TPaletteEntry *Palette)
{
    const TPaletteEntry *entries = Palette ? Palette : DefaultPalette;
    for (int i = 0; i < PaletteSize; ++i)
        if (Value <= entries[i].Level)
            return entries[i].Color;
    return clWhite;
}
