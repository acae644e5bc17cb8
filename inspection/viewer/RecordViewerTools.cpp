#include "viewer/RecordViewer.h"

#include "Records.h"
#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "graphics/Canvas.h"
#include "rtl/SysUtils.h"

#include <algorithm>

// The two image tools of the viewer: measuring the defect area in a zone marked on an ordinary or level image,
// and moving and zooming the shaded surface of an impact image.

namespace {
constexpr int OverlaySide = 160;

TBitBtn *NewArrowButton(TfrmEditRecord *form, const QString &name, int left, int top, int dx, int dy)
{
    auto *button = new TBitBtn(form);
    button->SetName(name);
    button->SetParent(form->Panel2->Parent());
    button->SetBounds(left, top, 30, 26);
    DrawArrowGlyph(button->Glyph(), dx, dy);
    return button;
}

TBitBtn *NewZoomButton(TfrmEditRecord *form, const QString &name, int top, const QString &caption)
{
    auto *button = new TBitBtn(form);
    button->SetName(name);
    button->SetParent(form->Panel2->Parent());
    button->SetBounds(462, top, 110, 27);
    button->SetCaption(caption);
    return button;
}
} // namespace

void DrawArrowGlyph(TBitmap *glyph, int dx, int dy)
{
    glyph->SetSize(16, 16);
    TCanvas *canvas = glyph->Canvas();
    // Olive is the glyph's see-through colour: the bottom-left pixel keeps it.
    canvas->Brush()->SetColor(clOlive);
    canvas->FillRect(Rect(0, 0, 16, 16));
    const int across = std::abs(dy), along = std::abs(dx);
    for (int t = 0; t < 6; ++t)
        for (int s = t - 5; s <= 5 - t; ++s)
            canvas->SetPixels(8 + (t - 3) * dx + s * across, 8 + (t - 3) * dy + s * along, clBlack);
}

void TfrmEditRecord::BuildImpactButtons()
{
    BitBtn1 = NewArrowButton(this, QStringLiteral("BitBtn1"), 372, 252, 0, -1);
    BitBtn2 = NewArrowButton(this, QStringLiteral("BitBtn2"), 340, 280, -1, 0);
    BitBtn3 = NewArrowButton(this, QStringLiteral("BitBtn3"), 404, 280, 1, 0);
    BitBtn4 = NewArrowButton(this, QStringLiteral("BitBtn4"), 372, 308, 0, 1);
    BitBtn5 = NewZoomButton(this, QStringLiteral("BitBtn5"), 260, QStringLiteral("Zoom in"));
    BitBtn6 = NewZoomButton(this, QStringLiteral("BitBtn6"), 296, QStringLiteral("Zoom out"));
    BitBtn1->SetOnClick(MakeEvent<&TfrmEditRecord::BitBtn1Click>(this));
    BitBtn2->SetOnClick(MakeEvent<&TfrmEditRecord::BitBtn2Click>(this));
    BitBtn3->SetOnClick(MakeEvent<&TfrmEditRecord::BitBtn3Click>(this));
    BitBtn4->SetOnClick(MakeEvent<&TfrmEditRecord::BitBtn4Click>(this));
    BitBtn5->SetOnClick(MakeEvent<&TfrmEditRecord::BitBtn5Click>(this));
    BitBtn6->SetOnClick(MakeEvent<&TfrmEditRecord::BitBtn6Click>(this));
}

void TfrmEditRecord::ClearOverlay()
{
    TCanvas *canvas = Image1->Canvas();
    canvas->Pen()->SetColor(canvas->Brush()->Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Rectangle(0, 0, OverlaySide, OverlaySide);
}

void TfrmEditRecord::Image1MouseDown(TObject *, TMouseButton button, TShiftState, int x, int y)
{
    TViewerToolState &zone = ViewerTools;
    if (button != mbLeft || !image_ || image_->ImageType == 2)
        return;
    if (x < MeasureFrameOrigin || x > zone.MeasureWidth + MeasureFrameOrigin || y < MeasureFrameOrigin ||
        y > zone.MeasureHeight + MeasureFrameOrigin)
        return;
    ClearOverlay();
    Defectarea->SetText(QString());
    Image1->Canvas()->Pen()->SetWidth(1);
    Image1->Canvas()->Pen()->SetColor(clBlack);
    zone.ZoneStartX = zone.ZoneEndX = x;
    zone.ZoneStartY = zone.ZoneEndY = y;
}

void TfrmEditRecord::Image1MouseMove(TObject *, TShiftState shift, int x, int y)
{
    TViewerToolState &zone = ViewerTools;
    // The viewer may open under the pointer: the first movement only arms the tool.
    if (!zone.MoveArmed) {
        zone.MoveArmed = true;
        return;
    }
    if (!(shift & ssLeft) || !image_ || image_->ImageType == 2)
        return;
    ClearOverlay();
    x = std::clamp(x, MeasureFrameOrigin, zone.MeasureWidth + MeasureFrameOrigin);
    y = std::clamp(y, MeasureFrameOrigin, zone.MeasureHeight + MeasureFrameOrigin);
    TCanvas *overlay = Image1->Canvas();
    overlay->Pen()->SetColor(clBlack);
    overlay->Rectangle(zone.ZoneStartX, zone.ZoneStartY, x, y);
    const int x0 = std::min(zone.ZoneStartX, x), x1 = std::max(zone.ZoneStartX, x);
    const int y0 = std::min(zone.ZoneStartY, y), y1 = std::max(zone.ZoneStartY, y);
    for (int i = x0 + 1; i < x1; ++i)
        for (int j = y0 + 1; j < y1; ++j)
            if (i % 2 == 0 && j % 2 == 0)
                overlay->SetPixels(i, j, clBlack);
    Defectarea->SetText(IntToStr(CountMarkedPixels(x0, y0, x1, y1)));
    zone.ZoneEndX = x;
    zone.ZoneEndY = y;
}

// Pixels of the drawn image in the half-open zone that are neither white nor silver. A record whose sizes reach
// past the picture would let the zone go beyond it: only the picture's own pixels count.
int TfrmEditRecord::CountMarkedPixels(int x0, int y0, int x1, int y1)
{
    TCanvas *canvas = imgImage->Canvas();
    x1 = std::min(x1, imgImage->Picture()->Bitmap()->Width());
    y1 = std::min(y1, imgImage->Picture()->Bitmap()->Height());
    int count = 0;
    for (int i = x0; i < x1; ++i)
        for (int j = y0; j < y1; ++j) {
            const TColor color = canvas->Pixels(i, j);
            if (color != clWhite && color != clSilver)
                ++count;
        }
    return count;
}

void TfrmEditRecord::FirstImpactDrawing()
{
    ViewerTools.ImpactOffsetX = 0;
    ViewerTools.ImpactOffsetY = 0;
    DrawImpactCells();
}

void TfrmEditRecord::drawimpactimg()
{
    TCanvas *canvas = Image2->Canvas();
    canvas->Pen()->SetColor(clWhite);
    canvas->Rectangle(0, 0, Image2->Width(), Image2->Height());
    DrawImpactCells();
}

// The cells whose corner lands on the picture: column i at (i - ImpactOffsetX) x ImpactScale, row j at
// (SizeY - 2 - j + ImpactOffsetY) x ImpactScale, both from 0 to the picture's size. The others would fall off it,
// and a large grid would take minutes; so only these are walked.
void TfrmEditRecord::DrawImpactCells()
{
    if (!image_ || image_->SizeX <= 2 || image_->SizeY <= 2)
        return;
    const TViewerToolState &view = ViewerTools;
    const qint64 columns = Image2->Width() / view.ImpactScale, rows = Image2->Height() / view.ImpactScale;
    const qint64 lastRow = image_->SizeY - 2 + qint64(view.ImpactOffsetY);
    const qint64 iFrom = std::max<qint64>(0, view.ImpactOffsetX);
    const qint64 iTo = std::min<qint64>(image_->SizeX - 2, view.ImpactOffsetX + columns);
    const qint64 jFrom = std::max<qint64>(0, lastRow - rows);
    const qint64 jTo = std::min<qint64>(image_->SizeY - 2, lastRow);
    for (qint64 i = iFrom; i <= iTo; ++i)
        for (qint64 j = jFrom; j <= jTo; ++j)
            DrawSurfaceCell(qint32(i), qint32(j), -view.ImpactOffsetX, -view.ImpactOffsetY, view.ImpactScale,
                            ContourStep, Image2->Canvas(), image_);
}

void TfrmEditRecord::BitBtn1Click(TObject *)
{
    if (ViewerTools.ImpactOffsetY < 0) {
        ++ViewerTools.ImpactOffsetY;
        drawimpactimg();
    }
}

void TfrmEditRecord::BitBtn2Click(TObject *)
{
    if (ViewerTools.ImpactOffsetX > 0) {
        --ViewerTools.ImpactOffsetX;
        drawimpactimg();
    }
}

void TfrmEditRecord::BitBtn3Click(TObject *)
{
    if (image_ && ViewerTools.ImpactOffsetX < image_->SizeX - 2) {
        ++ViewerTools.ImpactOffsetX;
        drawimpactimg();
    }
}

void TfrmEditRecord::BitBtn4Click(TObject *)
{
    if (image_ && -ViewerTools.ImpactOffsetY < image_->SizeY - 2) {
        --ViewerTools.ImpactOffsetY;
        drawimpactimg();
    }
}

void TfrmEditRecord::BitBtn5Click(TObject *)
{
    if (ViewerTools.ImpactScale < MaxImpactScale) {
        ++ViewerTools.ImpactScale;
        drawimpactimg();
    }
}

void TfrmEditRecord::BitBtn6Click(TObject *)
{
    if (ViewerTools.ImpactScale > MinImpactScale) {
        --ViewerTools.ImpactScale;
        drawimpactimg();
    }
}
