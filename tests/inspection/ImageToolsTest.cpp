#include "_edrecd.h"

#include "RecordSamples.h"
#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "forms/ModalHook.h"
#include "graphics/Canvas.h"

#include <gtest/gtest.h>

namespace {
TfrmEditRecord *Viewer(const TModalRequest &request) { return dynamic_cast<TfrmEditRecord *>(request.Source); }

// Sets picture pixel (column, row) of the first (black) or second (silver) bit plane.
void SetBit(TLumbraImageMessage &image, int plane, int column, int row)
{
    const int p = row * 120 + column;
    image.BitImage[plane * 1800 + p / 8] |= quint8(1u << (p % 8));
}

void Drag(TfrmEditRecord *viewer, int fromX, int fromY, int toX, int toY)
{
    MouseAt(viewer->Image1, QEvent::MouseButtonPress, fromX, fromY, Qt::LeftButton, Qt::LeftButton);
    MouseAt(viewer->Image1, QEvent::MouseMove, toX, toY, Qt::NoButton, Qt::LeftButton);
    MouseAt(viewer->Image1, QEvent::MouseButtonRelease, toX, toY, Qt::LeftButton, Qt::NoButton);
}

// Pixels of the picture that differ from white.
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

TEST(ImageTools, DefectAreaCountsBlackPixelsOfTheClampedZoneAfterTheFirstMovementArms)
{
    JournalFixture fixture;
    auto image = SampleImage(5, 9, 7, 0);
    image->BitImage.SetLength(3600);
    // 200 black pixels (columns 40..49, rows 10..29) and 200 silver ones (columns 0..19, rows 50..59).
    for (int row = 10; row < 30; ++row)
        for (int column = 40; column < 50; ++column)
            SetBit(*image, 0, column, row);
    for (int row = 50; row < 60; ++row)
        for (int column = 0; column < 20; ++column)
            SetBit(*image, 1, column, row);
    TViewerContext context;
    context.Manager = fixture.Manager.get();
    context.CurrentImage = image.get();

    QStringList areas;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        EXPECT_EQ(viewer->Image1->Left(), viewer->imgImage->Left());
        EXPECT_EQ(viewer->Image1->Width(), 160);
        // The very first movement only arms the tool, even with the button held.
        MouseAt(viewer->Image1, QEvent::MouseButtonPress, 20, 20, Qt::LeftButton, Qt::LeftButton);
        MouseAt(viewer->Image1, QEvent::MouseMove, 130, 130, Qt::NoButton, Qt::LeftButton);
        areas << viewer->Defectarea->Text();
        // The whole frame, beyond which the pointer is held back; silver and white do not count.
        MouseAt(viewer->Image1, QEvent::MouseMove, 300, 300, Qt::NoButton, Qt::LeftButton);
        areas << viewer->Defectarea->Text();
        EXPECT_EQ(ViewerTools.ZoneEndX, 120);
        EXPECT_EQ(ViewerTools.ZoneEndY, 120);
        // The outline and the hatching on the overlay; the picture below stays as drawn.
        TCanvas *overlay = viewer->Image1->Canvas();
        EXPECT_EQ(overlay->Pixels(20, 20), clBlack);
        EXPECT_EQ(overlay->Pixels(119, 70), clBlack);
        EXPECT_EQ(overlay->Pixels(22, 22), clBlack);
        EXPECT_NE(overlay->Pixels(23, 22), clBlack);
        EXPECT_NE(overlay->Pixels(22, 23), clBlack);
        EXPECT_NE(overlay->Pixels(121, 70), clBlack);
        EXPECT_EQ(viewer->imgImage->Canvas()->Pixels(22, 22), clWhite);
        // Movements without the button change nothing.
        MouseAt(viewer->Image1, QEvent::MouseMove, 60, 60, Qt::NoButton, Qt::NoButton);
        areas << viewer->Defectarea->Text();
        // Any direction measures the same half-open zone.
        Drag(viewer, 65, 40, 60, 30);
        areas << viewer->Defectarea->Text();
        Drag(viewer, 60, 30, 65, 40);
        areas << viewer->Defectarea->Text();
        // A zone pulled back over its own corner is one point.
        Drag(viewer, 20, 20, 10, 10);
        areas << viewer->Defectarea->Text();
        // Presses outside the frame or with another button keep the last result.
        Drag(viewer, 121, 50, 60, 60);
        MouseAt(viewer->Image1, QEvent::MouseButtonPress, 50, 50, Qt::RightButton, Qt::RightButton);
        areas << viewer->Defectarea->Text();
        return int(mrNone);
    });
    ViewImageRecord(context, image.get());
    EXPECT_EQ(areas, QStringList({"", "200", "200", "50", "50", "0", "0"}));

    // The frame is the record's own size, taken as the viewer opens.
    image->SetSizeX(50);
    image->SetSizeY(50);
    int insidePicture = 0;
    TModalHookScope small([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        MouseAt(viewer->Image1, QEvent::MouseMove, 0, 0, Qt::NoButton, Qt::NoButton);
        Drag(viewer, 55, 15, 60, 30);
        areas << viewer->Defectarea->Text();
        Drag(viewer, image->SizeX > 160 ? 20 : 65, 20, 300, 300);
        areas << viewer->Defectarea->Text();
        const QImage &drawn = viewer->imgImage->Picture()->Bitmap()->Image();
        for (int x = 20; x < 160; ++x)
            for (int y = 20; y < 160; ++y) {
                const QRgb rgb = drawn.pixel(x, y) & 0xFFFFFF;
                insidePicture += rgb != 0xFFFFFF && rgb != 0xC0C0C0;
            }
        return int(mrNone);
    });
    areas.clear();
    ViewImageRecord(context, image.get());
    EXPECT_EQ(areas, QStringList({"", "100"}));

    // Sizes larger than the picture let the zone run past it: only the picture's own pixels count.
    image->SetSizeX(500);
    image->SetSizeY(500);
    areas.clear();
    insidePicture = 0;
    ViewImageRecord(context, image.get());
    EXPECT_EQ(areas, QStringList({"", QString::number(insidePicture)}));
    EXPECT_GT(insidePicture, 200);
}

TEST(ImpactView, ZoomAndShiftsStayInTheirLimitsAndTheZoomCarriesOverToTheNextView)
{
    JournalFixture fixture;
    auto impact = SampleImage(5, 9, 7, 2);
    impact->SetSizeX(5);
    impact->SetSizeY(4);
    impact->BitImage.SetLength(20);
    for (int i = 0; i < 20; ++i)
        impact->BitImage[i] = quint8(i * 12);
    TViewerContext context;
    context.Manager = fixture.Manager.get();
    context.CurrentImage = impact.get();

    ViewerTools.ImpactScale = 99;
    ViewerTools.ImpactOffsetX = 2;
    TModalHookScope scope([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        EXPECT_EQ(ViewerTools.ImpactOffsetX, 0);
        EXPECT_GT(Painted(viewer->Image2), 0);
        const auto click = [](TBitBtn *button, int times) {
            for (int i = 0; i < times; ++i)
                ClickWidget(button);
        };
        click(viewer->BitBtn5, 2);
        EXPECT_EQ(ViewerTools.ImpactScale, 100);
        ViewerTools.ImpactScale = 3;
        click(viewer->BitBtn6, 3);
        EXPECT_EQ(ViewerTools.ImpactScale, 2);
        click(viewer->BitBtn3, 4);
        EXPECT_EQ(ViewerTools.ImpactOffsetX, 3);
        click(viewer->BitBtn2, 4);
        EXPECT_EQ(ViewerTools.ImpactOffsetX, 0);
        click(viewer->BitBtn4, 3);
        EXPECT_EQ(ViewerTools.ImpactOffsetY, -2);
        click(viewer->BitBtn1, 3);
        EXPECT_EQ(ViewerTools.ImpactOffsetY, 0);
        // A redraw at scale 20 shows the 4 x 3 cells from the corner: 80 x 60 pixels, nothing right of them.
        ViewerTools.ImpactScale = 19;
        click(viewer->BitBtn5, 1);
        TCanvas *canvas = viewer->Image2->Canvas();
        EXPECT_NE(canvas->Pixels(10, 10), clWhite);
        EXPECT_EQ(canvas->Pixels(100, 10), clWhite);
        EXPECT_EQ(canvas->Pixels(10, 100), clWhite);
        // Shifted one cell right, the picture loses its first column of cells.
        click(viewer->BitBtn3, 1);
        EXPECT_EQ(canvas->Pixels(70, 10), clWhite);
        EXPECT_NE(canvas->Pixels(50, 10), clWhite);
        return int(mrNone);
    });
    ViewImpactImageRecord(context, impact.get());
    EXPECT_EQ(ViewerTools.ImpactScale, 20);

    // The next view starts from the same zoom with its shifts undone; a surface of 2 x 2 draws nothing and
    // does not move.
    impact->SetSizeX(2);
    impact->SetSizeY(2);
    TModalHookScope tiny([&](const TModalRequest &request) {
        TfrmEditRecord *viewer = Viewer(request);
        EXPECT_EQ(ViewerTools.ImpactScale, 20);
        EXPECT_EQ(ViewerTools.ImpactOffsetX, 0);
        EXPECT_EQ(Painted(viewer->Image2), 0);
        ClickWidget(viewer->BitBtn3);
        ClickWidget(viewer->BitBtn4);
        EXPECT_EQ(ViewerTools.ImpactOffsetX, 0);
        EXPECT_EQ(ViewerTools.ImpactOffsetY, 0);
        EXPECT_EQ(Painted(viewer->Image2), 0);
        return int(mrNone);
    });
    ViewImpactImageRecord(context, impact.get());
}
