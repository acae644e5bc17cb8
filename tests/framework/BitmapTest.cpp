#include "controls/Image.h"
#include "forms/Form.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Picture.h"

#include "QtPrint.h"
#include "TempDir.h"

#include <QImage>
#include <QPointer>
#include <gtest/gtest.h>

namespace {
struct TPictureChanges {
    int Count = 0;
    void Changed(TObject *) { ++Count; }
};
} // namespace

TEST(Bitmap, SizeChangesKeepThePictureAndAddWhite)
{
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Canvas()->ClipRect(), TRect{});

    bitmap.SetWidth(4);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetHeight(3);
    EXPECT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.Canvas()->ClipRect(), Rect(0, 0, 4, 3));
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 2), clWhite);

    bitmap.Canvas()->Brush()->SetColor(clNavy);
    bitmap.Canvas()->FillRect(Rect(0, 0, 4, 3));
    bitmap.SetSize(6, 5);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 2), clNavy);
    EXPECT_EQ(bitmap.Canvas()->Pixels(4, 2), clWhite);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 3), clWhite);
    bitmap.SetSize(2, 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clNavy);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), CLR_INVALID);

    // Drawing goes on after a resize.
    bitmap.Canvas()->SetPixels(0, 0, clRed);
    bitmap.Canvas()->Rectangle(0, 1, 2, 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clBlack);
}

TEST(Bitmap, CopiesAreIndependentOfLaterDrawing)
{
    TBitmap original;
    original.SetSize(3, 3);
    original.Canvas()->Brush()->SetColor(clRed);
    original.Canvas()->FillRect(Rect(0, 0, 3, 3));
    const QImage snapshot = original.Image();

    TBitmap copy;
    copy.Assign(original);
    original.Canvas()->Brush()->SetColor(clBlue);
    original.Canvas()->FillRect(Rect(0, 0, 3, 3));
    original.Canvas()->SetPixels(1, 1, clGreen);
    copy.Canvas()->SetPixels(0, 0, clYellow);

    EXPECT_EQ(snapshot.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(snapshot.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clYellow);
    EXPECT_EQ(original.Canvas()->Pixels(0, 0), clBlue);
    EXPECT_EQ(original.Canvas()->Pixels(1, 1), clGreen);
}

TEST(Bitmap, MonochromeKeepsOnlyWhiteAsSetPixels)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 1);
    bitmap.Canvas()->SetPixels(0, 0, clWhite);
    bitmap.Canvas()->SetPixels(1, 0, 0xFEFFFF);
    bitmap.Canvas()->SetPixels(2, 0, clSilver);
    bitmap.Canvas()->SetPixels(3, 0, clOlive);
    bitmap.SetMonochrome(true);
    EXPECT_TRUE(bitmap.Monochrome());
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clBlack);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 0), clBlack);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 0), clBlack);
    bitmap.SetMonochrome(false);
    EXPECT_FALSE(bitmap.Monochrome());
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clWhite);
}

TEST(Bitmap, TransparentImagesLetThePixelsOfTheirBottomLeftColourThrough)
{
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.Canvas()->SetPixels(1, 0, clBlack);
    bitmap.Canvas()->SetPixels(2, 0, clOlive);
    bitmap.Canvas()->SetPixels(0, 1, clOlive);
    const QImage keyed = WithTransparentKey(bitmap.Image());
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 255);
    EXPECT_EQ(keyed.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(qAlpha(keyed.pixel(2, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 1)), 0);
    EXPECT_TRUE(WithTransparentKey(QImage()).isNull());

    // A transparent image on a form shows the form where its picture has the key colour.
    TForm form(nullptr);
    form.SetColor(clRed);
    form.SetBounds(0, 0, 40, 30);
    auto *image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 3, 2);
    image->Picture()->Assign(&bitmap);
    image->SetTransparent(true);
    const QImage shown = form.Snapshot();
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown.pixel(1, 0) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(shown.pixel(2, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(shown.pixel(0, 1) & 0xFFFFFF, 0xFF0000u);
}

TEST(Bitmap, HandleHandsTheBitmapObjectOverToItsNewOwner)
{
    auto *made = new TBitmap;
    made->SetSize(16, 16);
    made->Canvas()->SetPixels(3, 4, clMaroon);
    QPointer<TBitmap> watch(made);
    HBITMAP handle = made->Handle();

    TBitmap glyph;
    glyph.SetHandle(handle);
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(glyph.Width(), 16);
    EXPECT_EQ(glyph.Canvas()->Pixels(3, 4), clMaroon);

    glyph.SetHandle(glyph.Handle());
    EXPECT_EQ(glyph.Width(), 16);
    glyph.SetHandle(nullptr);
    EXPECT_TRUE(glyph.Empty());
}

TEST(Bitmap, LoadsPicturesFromFilesAndFailsClearly)
{
    TempDir dir;
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(QColor(0, 128, 255));
    image.setPixelColor(2, 1, QColor(0, 0, 0, 0));
    ASSERT_TRUE(image.save(dir.File("glyph.png")));

    TBitmap bitmap;
    bitmap.LoadFromFile(dir.File("glyph.png"));
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), RGB(0, 128, 255));
    // A transparent pixel comes out white: bitmaps have no transparency of their own.
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), clWhite);

    dir.Write("broken.bmp", "not a picture");
    EXPECT_THROW(bitmap.LoadFromFile(dir.File("broken.bmp")), EInvalidGraphic);
    EXPECT_THROW(bitmap.LoadFromFile(dir.File("missing.bmp")), EInvalidGraphic);
    EXPECT_THROW(bitmap.LoadFromResourceName("NO_SUCH_BITMAP"), EResNotFound);
    EXPECT_EQ(bitmap.Width(), 3);
}

TEST(Bitmap, EveryDrawingAndEveryNewPictureIsReported)
{
    TBitmap bitmap;
    TPictureChanges counter;
    bitmap.OnChange = MakeEvent<&TPictureChanges::Changed>(&counter);
    bitmap.SetSize(40, 20);
    EXPECT_EQ(counter.Count, 1);
    TCanvas *c = bitmap.Canvas();
    c->FillRect(Rect(0, 0, 5, 5));
    c->SetPixels(1, 1, clRed);
    c->MoveTo(0, 0);
    c->LineTo(5, 5);
    TRect r = Rect(0, 0, 40, 20);
    DrawText(c, "x", r, DT_LEFT);
    EXPECT_EQ(counter.Count, 5);
    // Nothing drawn, nothing reported.
    c->SetPixels(100, 1, clRed);
    c->MoveTo(3, 3);
    DrawText(c, "x", r, DT_CALCRECT);
    EXPECT_EQ(counter.Count, 5);
    bitmap.SetMonochrome(true);
    TBitmap other;
    other.SetSize(2, 2);
    bitmap.Assign(other);
    EXPECT_EQ(counter.Count, 7);
}

TEST(Picture, HoldsACopyOfItsBitmapAndReportsDrawingOnIt)
{
    TPicture picture;
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 0);
    TPictureChanges counter;
    picture.OnChange = MakeEvent<&TPictureChanges::Changed>(&counter);

    TBitmap source;
    source.SetSize(5, 4);
    source.Canvas()->SetPixels(2, 2, clTeal);
    picture.Assign(&source);
    EXPECT_EQ(counter.Count, 1);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Height(), 4);
    source.Canvas()->SetPixels(2, 2, clRed);
    EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(2, 2), clTeal);

    picture.Bitmap()->Canvas()->SetPixels(0, 0, clBlack);
    EXPECT_EQ(counter.Count, 2);

    TPicture copy;
    copy.Assign(&picture);
    picture.Bitmap()->Canvas()->SetPixels(1, 1, clBlack);
    EXPECT_EQ(copy.Bitmap()->Canvas()->Pixels(1, 1), clWhite);
    EXPECT_EQ(copy.Bitmap()->Canvas()->Pixels(2, 2), clTeal);

    picture.Assign(static_cast<const TPicture *>(nullptr));
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(counter.Count, 4);
    // Asking for the bitmap of an empty picture makes one to draw on.
    EXPECT_TRUE(picture.Bitmap()->Empty());
    EXPECT_EQ(counter.Count, 5);
}
