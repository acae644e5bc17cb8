#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

#include "QtPrint.h"
#include "TempDir.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
// A white bitmap of the given size, its canvas ready to draw.
std::unique_ptr<TBitmap> WhiteBitmap(int width, int height)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    return bitmap;
}

// Pixels of the canvas inside the rectangle that are not white.
int Inked(const TCanvas &canvas, const TRect &r)
{
    int count = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            count += canvas.Pixels(x, y) != clWhite;
    return count;
}

// A widget that paints through a canvas, as controls hand their paint event's painter to their canvas.
class TCanvasWidget : public QWidget {
public:
    TCanvas Canvas;
    TRect SeenClipRect;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        Canvas.SetPainter(&painter);
        SeenClipRect = Canvas.ClipRect();
        Canvas.Brush()->SetColor(clYellow);
        Canvas.Rectangle(Canvas.ClipRect());
        Canvas.SetPainter(nullptr);
    }
};
} // namespace

TEST(Canvas, NewCanvasDrawsWithBlackPenAndWhiteSolidBrush)
{
    TCanvas canvas;
    EXPECT_EQ(canvas.Pen()->Color(), clBlack);
    EXPECT_EQ(canvas.Pen()->Width(), 1);
    EXPECT_EQ(canvas.Brush()->Color(), clWhite);
    EXPECT_EQ(canvas.Brush()->Style(), bsSolid);
    EXPECT_EQ(canvas.ClipRect(), TRect{});
    // Nothing to draw on: every operation is harmless.
    canvas.Rectangle(0, 0, 5, 5);
    canvas.TextOut(0, 0, "x");
    canvas.SetPixels(1, 1, clRed);
    EXPECT_EQ(canvas.Pixels(1, 1), CLR_INVALID);

    auto bitmap = WhiteBitmap(10, 10);
    TCanvas *c = bitmap->Canvas();
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 10, 10));
    c->Brush()->SetColor(clWhite);
    c->Rectangle(0, 0, 10, 10);
    EXPECT_EQ(c->Pixels(0, 0), clBlack);
    EXPECT_EQ(c->Pixels(5, 5), clWhite);
}

TEST(Canvas, RectangleCoversLeftTopButNotRightBottom)
{
    auto bitmap = WhiteBitmap(20, 20);
    TCanvas *c = bitmap->Canvas();
    c->Pen()->SetColor(clRed);
    c->Brush()->SetColor(clBlue);
    c->Rectangle(2, 3, 8, 9);
    EXPECT_EQ(c->Pixels(2, 3), clRed);
    EXPECT_EQ(c->Pixels(7, 3), clRed);
    EXPECT_EQ(c->Pixels(2, 8), clRed);
    EXPECT_EQ(c->Pixels(7, 8), clRed);
    EXPECT_EQ(c->Pixels(8, 8), clWhite);
    EXPECT_EQ(c->Pixels(7, 9), clWhite);
    EXPECT_EQ(c->Pixels(1, 3), clWhite);
    EXPECT_EQ(c->Pixels(2, 2), clWhite);
    EXPECT_EQ(c->Pixels(3, 4), clBlue);
    EXPECT_EQ(c->Pixels(6, 7), clBlue);
    EXPECT_EQ(Inked(*c, Rect(0, 0, 20, 20)), 6 * 6);

    // Corners given the other way round cover the same pixels; a clear brush leaves the inside.
    c->Pen()->SetColor(clGreen);
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(18, 18, 12, 12);
    EXPECT_EQ(c->Pixels(12, 12), clGreen);
    EXPECT_EQ(c->Pixels(17, 17), clGreen);
    EXPECT_EQ(c->Pixels(18, 18), clWhite);
    EXPECT_EQ(c->Pixels(14, 14), clWhite);

    // A frame one pixel outside a picture, as the record drawings make it.
    auto frame = WhiteBitmap(20, 20);
    frame->Canvas()->Rectangle(4, 4, 4 + 10 + 1, 4 + 10 + 1);
    EXPECT_EQ(Inked(*frame->Canvas(), Rect(0, 0, 20, 20)), 4 * 10);
}

TEST(Canvas, LineToLeavesTheEndPointUndrawnInEveryDirection)
{
    auto bitmap = WhiteBitmap(30, 30);
    TCanvas *c = bitmap->Canvas();
    c->MoveTo(2, 2);
    c->LineTo(10, 2);
    EXPECT_EQ(c->PenPos(), TPoint({10, 2}));
    EXPECT_EQ(Inked(*c, Rect(0, 0, 30, 5)), 8);
    EXPECT_EQ(c->Pixels(2, 2), clBlack);
    EXPECT_EQ(c->Pixels(9, 2), clBlack);
    EXPECT_EQ(c->Pixels(10, 2), clWhite);

    c->MoveTo(20, 10);
    c->LineTo(12, 10);
    EXPECT_EQ(c->Pixels(20, 10), clBlack);
    EXPECT_EQ(c->Pixels(13, 10), clBlack);
    EXPECT_EQ(c->Pixels(12, 10), clWhite);

    c->MoveTo(25, 25);
    c->LineTo(25, 15);
    EXPECT_EQ(c->Pixels(25, 25), clBlack);
    EXPECT_EQ(c->Pixels(25, 16), clBlack);
    EXPECT_EQ(c->Pixels(25, 15), clWhite);

    // An outline closed by lines: each side leaves its end to the next one, so the corners are drawn once.
    auto outline = WhiteBitmap(30, 30);
    TCanvas *o = outline->Canvas();
    o->Pen()->SetColor(clRed);
    o->MoveTo(5, 5);
    o->LineTo(15, 5);
    o->LineTo(15, 15);
    o->LineTo(5, 15);
    o->LineTo(5, 5);
    EXPECT_EQ(Inked(*o, Rect(0, 0, 30, 30)), 40);
    EXPECT_EQ(o->Pixels(15, 15), clRed);

    // A diagonal and a line of no length.
    auto diagonal = WhiteBitmap(10, 10);
    TCanvas *d = diagonal->Canvas();
    d->MoveTo(0, 0);
    d->LineTo(5, 5);
    d->LineTo(5, 5);
    EXPECT_EQ(Inked(*d, Rect(0, 0, 10, 10)), 5);
    EXPECT_EQ(d->Pixels(4, 4), clBlack);
    EXPECT_EQ(d->Pixels(5, 5), clWhite);
}

TEST(Canvas, PixelsReadBackExactlyWhatWasWrittenAndNothingOutside)
{
    auto bitmap = WhiteBitmap(16, 8);
    TCanvas *c = bitmap->Canvas();
    const TColor colours[] = {0x000000, 0xFFFFFF, 0xC0C0C0, 0x0080FF, 0x010203, 0xFEFDFC, 0x00FF00, 0x7F007F};
    int x = 0;
    for (TColor colour : colours)
        c->SetPixels(x++, 1, colour);
    x = 0;
    for (TColor colour : colours)
        EXPECT_EQ(c->Pixels(x++, 1), colour);

    // System colours are written as their current RGB value.
    c->SetPixels(0, 2, clWindowText);
    EXPECT_EQ(c->Pixels(0, 2), ColorToRGB(clWindowText));

    // Outside the picture a read gives a value no pixel has, and a write does nothing.
    EXPECT_EQ(c->Pixels(-1, 0), CLR_INVALID);
    EXPECT_EQ(c->Pixels(16, 0), CLR_INVALID);
    EXPECT_EQ(c->Pixels(0, 8), CLR_INVALID);
    c->SetPixels(16, 0, clBlack);
    c->SetPixels(-1, -1, clBlack);
    EXPECT_EQ(Inked(*c, Rect(0, 3, 16, 8)), 0);

    // Pixel writes and painted shapes land in order on the same picture.
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 4, 4, 8));
    c->SetPixels(1, 5, clBlue);
    c->Brush()->SetColor(clGreen);
    c->FillRect(Rect(0, 6, 4, 8));
    EXPECT_EQ(c->Pixels(1, 5), clBlue);
    EXPECT_EQ(c->Pixels(1, 4), clRed);
    EXPECT_EQ(c->Pixels(1, 6), clGreen);
    c->SetPixels(2, 7, clYellow);
    EXPECT_EQ(bitmap->Image().pixel(2, 7), qRgb(255, 255, 0));
}

TEST(Canvas, FillRectUsesTheBrushAndStaysInsideTheClipRectangle)
{
    auto bitmap = WhiteBitmap(20, 10);
    TCanvas *c = bitmap->Canvas();
    EXPECT_EQ(c->ClipRect(), Rect(0, 0, 20, 10));
    c->Brush()->SetColor(clOlive);
    c->FillRect(Rect(1, 1, 4, 3));
    EXPECT_EQ(c->Pixels(1, 1), clOlive);
    EXPECT_EQ(c->Pixels(3, 2), clOlive);
    EXPECT_EQ(c->Pixels(4, 2), clWhite);
    EXPECT_EQ(c->Pixels(3, 3), clWhite);
    EXPECT_EQ(Inked(*c, Rect(0, 0, 20, 10)), 6);

    c->Brush()->SetStyle(bsClear);
    c->FillRect(Rect(0, 0, 20, 10));
    EXPECT_EQ(Inked(*c, Rect(0, 0, 20, 10)), 6);

    c->SetClipRect(Rect(10, 2, 15, 6));
    EXPECT_EQ(c->ClipRect(), Rect(10, 2, 15, 6));
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 20, 10));
    c->SetPixels(0, 0, clBlue);
    EXPECT_EQ(c->Pixels(0, 0), CLR_INVALID);
    EXPECT_EQ(c->Pixels(10, 2), clRed);
    EXPECT_EQ(c->Pixels(14, 5), clRed);
    c->ResetClipRect();
    EXPECT_EQ(c->Pixels(0, 0), clWhite);
    EXPECT_EQ(c->Pixels(15, 5), clWhite);
    EXPECT_EQ(c->Pixels(9, 5), clWhite);
    EXPECT_EQ(Inked(*c, Rect(0, 0, 20, 10)), 6 + 5 * 4);

    // A clip rectangle reaching past the picture is cut to it.
    c->SetClipRect(Rect(-5, -5, 100, 5));
    EXPECT_EQ(c->ClipRect(), Rect(0, 0, 20, 5));
}

TEST(Canvas, TextOutWritesFromItsTopLeftCornerAndMovesThePen)
{
    auto bitmap = WhiteBitmap(200, 60);
    TCanvas *c = bitmap->Canvas();
    c->Font()->SetName("DejaVu Sans");
    c->Font()->SetSize(12);
    c->Font()->SetColor(clBlack);
    const TSize extent = c->TextExtent("WMW");
    EXPECT_GT(extent.cx, 20);
    EXPECT_GT(extent.cy, 10);
    EXPECT_EQ(c->TextWidth("WMW"), extent.cx);
    EXPECT_EQ(c->TextWidth(""), 0);
    EXPECT_GT(c->TextWidth("WWWW"), c->TextWidth("WW"));

    c->Brush()->SetStyle(bsClear);
    c->TextOut(30, 20, "WMW");
    EXPECT_EQ(c->PenPos(), TPoint({30 + extent.cx, 20}));
    const TRect cell = Rect(30, 20, 30 + extent.cx, 20 + extent.cy);
    EXPECT_GT(Inked(*c, cell), 20);
    EXPECT_EQ(Inked(*c, Rect(0, 0, 200, 60)), Inked(*c, cell));
    // The ink starts near the corner: the text is not placed by its baseline.
    EXPECT_GT(Inked(*c, Rect(30, 20, 30 + extent.cx, 20 + extent.cy / 2)), 0);

    // A solid brush paints the text cell behind the letters.
    auto solid = WhiteBitmap(200, 60);
    TCanvas *s = solid->Canvas();
    s->Font()->Assign(*c->Font());
    s->Brush()->SetColor(clYellow);
    s->TextOut(10, 10, "WMW");
    EXPECT_EQ(s->Pixels(10, 10), clYellow);
    EXPECT_EQ(s->Pixels(10 + extent.cx - 1, 10 + extent.cy - 1), clYellow);
    EXPECT_EQ(s->Pixels(10 + extent.cx, 10), clWhite);
    EXPECT_EQ(s->Pixels(9, 10), clWhite);
}

TEST(Canvas, BitmapsAreDrawnStretchedAndCopiedPixelForPixel)
{
    TBitmap glyph;
    glyph.SetSize(2, 2);
    glyph.Canvas()->SetPixels(0, 0, clRed);
    glyph.Canvas()->SetPixels(1, 1, clBlue);

    auto bitmap = WhiteBitmap(20, 20);
    TCanvas *c = bitmap->Canvas();
    c->Draw(5, 5, &glyph);
    EXPECT_EQ(c->Pixels(5, 5), clRed);
    EXPECT_EQ(c->Pixels(6, 6), clBlue);
    EXPECT_EQ(c->Pixels(6, 5), clWhite);
    EXPECT_EQ(Inked(*c, Rect(0, 0, 20, 20)), 2);

    c->StretchDraw(Rect(10, 10, 14, 14), &glyph);
    EXPECT_EQ(c->Pixels(10, 10), clRed);
    EXPECT_EQ(c->Pixels(11, 11), clRed);
    EXPECT_EQ(c->Pixels(12, 12), clBlue);
    EXPECT_EQ(c->Pixels(13, 13), clBlue);
    EXPECT_EQ(c->Pixels(13, 10), clWhite);
    EXPECT_EQ(c->Pixels(14, 14), clWhite);

    // Copy within one canvas, from the glyph area to a free corner.
    c->CopyRect(Rect(0, 0, 2, 2), c, Rect(5, 5, 7, 7));
    EXPECT_EQ(c->Pixels(0, 0), clRed);
    EXPECT_EQ(c->Pixels(1, 1), clBlue);
    EXPECT_EQ(c->Pixels(5, 5), clRed);
}

TEST(Canvas, DrawsThroughABorrowedPainterAndLeavesItsStateAlone)
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::green, 3));
    TCanvas canvas;
    canvas.SetPainter(&painter);
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 20, 20));
    canvas.Brush()->SetColor(clRed);
    canvas.Rectangle(2, 2, 6, 6);
    canvas.MoveTo(10, 10);
    canvas.LineTo(15, 10);
    canvas.SetPixels(18, 18, clBlue);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
    EXPECT_EQ(painter.pen().width(), 3);
    canvas.SetPainter(nullptr);
    painter.end();
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(14, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(15, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(18, 18), qRgb(0, 0, 255));
}

TEST(Canvas, PaintsOnAPrinterWithItsOwnPainter)
{
    TempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.File("page.pdf"));
    TCanvas canvas;
    canvas.SetDevice(&printer);
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, printer.width(), printer.height()));
    // The font keeps its size in points on a device of higher resolution.
    EXPECT_GT(canvas.DeviceFont().pixelSize(), 11 * 4);
    auto page = WhiteBitmap(42, 59);
    page->Canvas()->Rectangle(0, 0, 42, 59);
    canvas.StretchDraw(Rect(0, 0, 420, 590), page.get());
    canvas.TextOut(100, 100, "Page");
    EXPECT_EQ(canvas.Pixels(0, 0), CLR_INVALID);
    canvas.Release();
    EXPECT_GT(QFileInfo(dir.File("page.pdf")).size(), 500);
}

TEST(Canvas, PaintsOnAWidgetThroughThePaintEventsPainter)
{
    TCanvasWidget widget;
    widget.resize(30, 20);
    const QImage shot = widget.grab().toImage();
    EXPECT_EQ(widget.SeenClipRect, Rect(0, 0, 30, 20));
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(29, 19), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(15, 10), qRgb(255, 255, 0));
    // Outside the paint event the canvas has nothing to draw on.
    widget.Canvas.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(widget.Canvas.ClipRect(), TRect{});
}
