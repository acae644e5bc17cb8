// The viewer's image tools: the defect area of a marked zone and the impact surface's zoom and shifts.

#include "viewer/RecordViewer.h"

#include "RecordSamples.h"
#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "forms/ModalHook.h"
#include "graphics/Canvas.h"

#include <gtest/gtest.h>

namespace {
TfrmEditRecord *Viewer(const TModalRequest &request) { return dynamic_cast<TfrmEditRecord *>(request.Source); }

void Drag(TControl *overlay, int fromX, int fromY, int toX, int toY)
{
    MouseAt(overlay, QEvent::MouseButtonPress, fromX, fromY, Qt::LeftButton, Qt::LeftButton);
    MouseAt(overlay, QEvent::MouseMove, toX, toY, Qt::NoButton, Qt::LeftButton);
    MouseAt(overlay, QEvent::MouseButtonRelease, toX, toY, Qt::LeftButton, Qt::NoButton);
}

int Painted(TImage *image)
{
    const QImage &pixels = image->Picture()->Bitmap()->Image();
    int count = 0;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            count += (pixels.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return count;
}
} // namespace

// The picture holds 200 black pixels (columns 40..49, rows 10..29, drawn 20 pixels in) and 200 silver ones.
TEST(ImageTools, DefectAreaCountsTheBlackPixelsOfTheClampedZoneOnceTheFirstMovementArmed)
{
    JournalFixture fixture;
    auto image = SampleImage(5, 9, 7, 0);
    image->BitImage.SetLength(3600);
    for (int p = 0; p < 120 * 120; ++p) {
        const int row = p / 120, column = p % 120;
        if (row >= 10 && row < 30 && column >= 40 && column < 50)
            image->BitImage[p / 8] |= quint8(1u << (p % 8));
        if (row >= 50 && row < 60 && column < 20)
            image->BitImage[1800 + p / 8] |= quint8(1u << (p % 8));
    }
    const TViewerContext context = ContextOf(fixture.Manager.get(), image.get());

    QStringList areas;
    int insidePicture = 0;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        TImage *overlay = viewer->Image1;
        MouseAt(overlay, QEvent::MouseButtonPress, 20, 20, Qt::LeftButton, Qt::LeftButton);
        MouseAt(overlay, QEvent::MouseMove, 130, 130, Qt::NoButton, Qt::LeftButton);
        areas << viewer->Defectarea->Text();
        MouseAt(overlay, QEvent::MouseMove, 300, 300, Qt::NoButton, Qt::LeftButton);
        areas << viewer->Defectarea->Text();
        if (image->SizeX > 160) {
            // Sizes past the picture let the zone leave it: only the picture's own pixels count.
            const QImage &drawn = viewer->imgImage->Picture()->Bitmap()->Image();
            for (int x = 20; x < 160; ++x)
                for (int y = 20; y < 160; ++y)
                    insidePicture += (drawn.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF &&
                                     (drawn.pixel(x, y) & 0xFFFFFF) != 0xC0C0C0;
            return int(mrNone);
        }
        EXPECT_EQ(ViewerTools.ZoneEndX, 120);
        TCanvas *marks = overlay->Canvas();
        EXPECT_EQ(QList<TColor>({marks->Pixels(20, 20), marks->Pixels(119, 70), marks->Pixels(22, 22),
                                 marks->Pixels(23, 22), marks->Pixels(121, 70)}),
                  QList<TColor>({clBlack, clBlack, clBlack, clWhite, clWhite}));
        MouseAt(overlay, QEvent::MouseMove, 60, 60, Qt::NoButton, Qt::NoButton);
        areas << viewer->Defectarea->Text();
        Drag(overlay, 65, 40, 60, 30);
        areas << viewer->Defectarea->Text();
        Drag(overlay, 60, 30, 65, 40);
        areas << viewer->Defectarea->Text();
        Drag(overlay, 20, 20, 10, 10);
        areas << viewer->Defectarea->Text();
        // Presses outside the frame or with another button keep the last zone.
        Drag(overlay, 121, 50, 60, 60);
        MouseAt(overlay, QEvent::MouseButtonPress, 50, 50, Qt::RightButton, Qt::RightButton);
        areas << viewer->Defectarea->Text();
        return int(mrNone);
    });
    ViewImageRecord(context, image.get());
    EXPECT_EQ(areas, QStringList({"", "200", "200", "50", "50", "0", "0"}));

    image->SetSizeX(500);
    image->SetSizeY(500);
    areas.clear();
    ViewImageRecord(context, image.get());
    EXPECT_GT(insidePicture, 200);
    EXPECT_EQ(areas, QStringList({"", QString::number(insidePicture)}));
}

// Zoom 2..100 and shifts within the surface; each view starts unshifted with the zoom the last one left.
TEST(ImageTools, ImpactZoomAndShiftsStayInTheirLimitsAndTheZoomCarriesOver)
{
    JournalFixture fixture;
    auto impact = SampleImage(5, 9, 7, 2);
    impact->SetSizeX(5);
    impact->SetSizeY(4);
    impact->BitImage.SetLength(20);
    for (int i = 0; i < 20; ++i)
        impact->BitImage[i] = quint8(i * 12);
    const TViewerContext context = ContextOf(fixture.Manager.get(), impact.get());

    ViewerTools.ImpactScale = 99;
    ViewerTools.ImpactOffsetX = 2;
    QList<int> steps;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        steps << ViewerTools.ImpactOffsetX << Painted(viewer->Image2);
        const auto click = [&](TBitBtn *button, int times, const int &value) {
            for (int i = 0; i < times; ++i)
                ClickWidget(button);
            steps << value;
        };
        click(viewer->BitBtn5, 2, ViewerTools.ImpactScale);
        ViewerTools.ImpactScale = 3;
        click(viewer->BitBtn6, 3, ViewerTools.ImpactScale);
        click(viewer->BitBtn3, 4, ViewerTools.ImpactOffsetX);
        click(viewer->BitBtn2, 4, ViewerTools.ImpactOffsetX);
        click(viewer->BitBtn4, 3, ViewerTools.ImpactOffsetY);
        click(viewer->BitBtn1, 3, ViewerTools.ImpactOffsetY);
        // At 20 pixels a cell the 4 x 3 cells cover 80 x 60 pixels; one shift right drops a column of cells.
        ViewerTools.ImpactScale = 19;
        ClickWidget(viewer->BitBtn5);
        TCanvas *canvas = viewer->Image2->Canvas();
        steps << (canvas->Pixels(10, 10) != clWhite) << (canvas->Pixels(100, 10) != clWhite)
              << (canvas->Pixels(10, 100) != clWhite);
        ClickWidget(viewer->BitBtn3);
        steps << (canvas->Pixels(70, 10) != clWhite) << (canvas->Pixels(50, 10) != clWhite);
        return int(mrNone);
    });
    ViewImpactImageRecord(context, impact.get());
    ASSERT_EQ(steps.size(), 13);
    EXPECT_EQ(steps[0], 0);
    EXPECT_GT(steps[1], 0);
    EXPECT_EQ(steps.mid(2), QList<int>({100, 2, 3, 0, -2, 0, 1, 0, 0, 0, 1}));

    // A surface of 2 x 2 grid values has no cell: nothing drawn, nothing to shift.
    impact->SetSizeX(2);
    impact->SetSizeY(2);
    TModalHookScope tiny([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        steps = {ViewerTools.ImpactScale, ViewerTools.ImpactOffsetX};
        ClickWidget(viewer->BitBtn3);
        ClickWidget(viewer->BitBtn4);
        steps << ViewerTools.ImpactOffsetX << ViewerTools.ImpactOffsetY << Painted(viewer->Image2);
        return int(mrNone);
    });
    ViewImpactImageRecord(context, impact.get());
    EXPECT_EQ(steps, QList<int>({20, 0, 0, 0, 0}));
}

// Only the cells that land on the surface are drawn, and the picture is the one that drawing every cell gave:
// all of them when the view opens, those whose corner lies on it after a zoom or a shift.
TEST(ImageTools, ImpactSurfaceLargerThanItsPictureDrawsExactlyWhatEveryCellWould)
{
    JournalFixture fixture;
    auto impact = SampleImage(5, 9, 7, 2);
    impact->SetSizeX(60);
    impact->SetSizeY(45);
    impact->BitImage.SetLength(60 * 45);
    for (int i = 0; i < 60 * 45; ++i)
        impact->BitImage[i] = quint8((i * 37 + i / 45 * 11) % 90);
    const TViewerContext context = ContextOf(fixture.Manager.get(), impact.get());

    // The picture as every cell drawn gave it, on a fresh surface of the viewer's size.
    const auto everyCell = [&](const TImage *surface, bool onlyCorners) {
        TImage reference(nullptr);
        reference.SetBounds(0, 0, surface->Width(), surface->Height());
        TCanvas *canvas = reference.Canvas();
        const TViewerToolState &view = ViewerTools;
        if (onlyCorners) {
            canvas->Pen()->SetColor(clWhite);
            canvas->Rectangle(0, 0, surface->Width(), surface->Height());
        }
        for (int i = 0; i <= impact->SizeX - 2; ++i)
            for (int j = 0; j <= impact->SizeY - 2; ++j) {
                const int px = (i - view.ImpactOffsetX) * view.ImpactScale;
                const int py = (impact->SizeY - 2 - j + view.ImpactOffsetY) * view.ImpactScale;
                if (!onlyCorners || (px >= 0 && px <= surface->Width() && py >= 0 && py <= surface->Height()))
                    DrawSurfaceCell(i, j, -view.ImpactOffsetX, -view.ImpactOffsetY, view.ImpactScale, ContourStep,
                                    canvas, impact.get());
            }
        return reference.Picture()->Bitmap()->Image();
    };
    int compared = 0;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        TImage *surface = viewer->Image2;
        EXPECT_GT(Painted(surface), 5000);
        EXPECT_EQ(surface->Picture()->Bitmap()->Image(), everyCell(surface, false));
        for (TBitBtn *button : {viewer->BitBtn3, viewer->BitBtn3, viewer->BitBtn4, viewer->BitBtn6, viewer->BitBtn1}) {
            ClickWidget(button);
            EXPECT_EQ(surface->Picture()->Bitmap()->Image(), everyCell(surface, true)) << compared;
            ++compared;
        }
        return int(mrNone);
    });
    for (const int scale : {30, 7, 2}) {
        ViewerTools.ImpactScale = scale;
        ViewImpactImageRecord(context, impact.get());
    }
    EXPECT_EQ(compared, 15);
}
