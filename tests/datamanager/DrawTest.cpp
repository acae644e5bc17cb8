#include "Records.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

#include "QtPrint.h"
#include "TempDir.h"

#include <QFileInfo>
#include <QPrinter>
#include <gtest/gtest.h>
#include <memory>

namespace {
template <class T>
std::unique_ptr<T> New()
{
    return std::unique_ptr<T>(NewObject<T>(&T::Create));
}

std::unique_ptr<TLumbraImageMessage> NewImage(quint8 type, int bytes)
{
    auto image = New<TLumbraImageMessage>();
    image->ImageType = type;
    image->SetWidth(120);
    image->SetHeight(120);
    image->BitImage.SetLength(bytes);
    return image;
}

// Bytes that make no two rows of a picture alike.
void Pattern(TDynArray<quint8> &bits, int from, int to, int factor)
{
    for (int k = from; k < to; ++k)
        bits[k] = quint8(k * factor + 11);
}

bool Bit(const TDynArray<quint8> &bits, int offset, int p) { return bits[offset + p / 8] >> (p % 8) & 1; }
TColor Mono(const TDynArray<quint8> &bits, int p) { return Bit(bits, 0, p) ? clBlack : clWhite; }

// A gray bitmap whose canvas draws with a red pen and a yellow brush, so that every colour tells its source.
std::unique_ptr<TBitmap> Sheet(int width, int height)
{
    auto sheet = std::make_unique<TBitmap>();
    sheet->SetSize(width, height);
    TCanvas *canvas = sheet->Canvas();
    canvas->Brush()->SetColor(clGray);
    canvas->FillRect(Rect(0, 0, width, height));
    canvas->Pen()->SetColor(clRed);
    canvas->Brush()->SetColor(clYellow);
    return sheet;
}

// Whether the canvas shows Text written at (x, y) after the clip rectangle was filled, over the rows above
// Bottom (below them the picture covers the text).
bool ShowsText(TCanvas *canvas, int x, int y, const QString &text, int bottom)
{
    const TRect clip = canvas->ClipRect();
    auto reference = Sheet(clip.Right, clip.Bottom);
    TCanvas *expected = reference->Canvas();
    expected->Rectangle(clip);
    expected->TextOut(x, y, text);
    const TSize size = expected->TextExtent(text);
    for (int j = y; j < std::min(y + size.cy, bottom); ++j)
        for (int i = x; i < x + size.cx; ++i)
            if (canvas->Pixels(i, j) != expected->Pixels(i, j))
                return false;
    return true;
}
} // namespace

TEST(MessageDrawing, TuningIsCentredWithAnInvertedCrosshairAndLeavesTheToolsAsTheyWere)
{
    auto tuning = New<TLumbraTuningMessage>();
    tuning->SetWidth(108);
    tuning->SetHeight(108);
    tuning->BitImage.SetLength(1458);
    Pattern(tuning->BitImage, 0, 1458, 37);
    auto sheet = Sheet(160, 160);
    TCanvas *canvas = sheet->Canvas();
    tuning->Draw(canvas, 0, 0);

    // The clip rectangle is filled in pen and brush; a tuning has no frame of its own.
    EXPECT_EQ(canvas->Pixels(0, 0), clRed);
    EXPECT_EQ(canvas->Pixels(159, 159), clRed);
    EXPECT_EQ(canvas->Pixels(25, 25), clYellow);
    EXPECT_EQ(canvas->Pixels(134, 80), clYellow);
    int wrong = 0;
    for (int r = 0; r < 108; ++r)
        for (int c = 0; c < 108; ++c) {
            TColor expected = Mono(tuning->BitImage, r * 108 + c);
            if ((r == 54) != (c == 54)) // the crossing is inverted twice
                expected = expected == clBlack ? clWhite : clBlack;
            wrong += canvas->Pixels(26 + c, 26 + r) != expected;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(canvas->Pen()->Color(), clRed);
    EXPECT_EQ(canvas->Brush()->Color(), clYellow);
    EXPECT_EQ(canvas->Brush()->Style(), bsSolid);

    // X and Y shift the picture from the centre.
    auto shifted = Sheet(160, 160);
    tuning->Draw(shifted->Canvas(), 7, -3);
    EXPECT_EQ(shifted->Image().copy(33, 23, 108, 108), sheet->Image().copy(26, 26, 108, 108));
}

TEST(MessageDrawing, OrdinaryImageHasFrameLabelsAndScanArea)
{
    auto image = NewImage(0, 1800);
    Pattern(image->BitImage, 0, 1800, 53);
    image->SizeX = 100;
    image->SizeY = 50;
    auto sheet = Sheet(200, 200);
    TCanvas *canvas = sheet->Canvas();
    image->Draw(canvas, 0, 0);

    // The frame lies one pixel outside the picture at (40, 40).
    for (const auto &[x, y] : {std::pair{39, 39}, {160, 160}, {39, 100}, {160, 100}, {100, 160}})
        EXPECT_EQ(canvas->Pixels(x, y), clRed) << x << "," << y;
    EXPECT_EQ(canvas->Pixels(38, 100), clYellow);
    int wrong = 0;
    for (int r = 0; r < 120; ++r)
        for (int c = 0; c < 120; ++c) {
            const bool scanLine = (r == 50 && c < 100) || (c == 100 && r < 50);
            wrong += canvas->Pixels(40 + c, 40 + r) != (scanLine ? clRed : Mono(image->BitImage, r * 120 + c));
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(canvas->Pixels(40 + 100, 40 + 50), Mono(image->BitImage, 50 * 120 + 100)); // end points not drawn
    EXPECT_TRUE(ShowsText(canvas, 34, 26, "0", 39));
    EXPECT_TRUE(ShowsText(canvas, 8, 36, "0", 200));
    EXPECT_TRUE(ShowsText(canvas, 154, 26, "120", 39));
    EXPECT_TRUE(ShowsText(canvas, 0, 156, "120", 200));
}

TEST(MessageDrawing, AxisLabelIsTheLongerSideInTensAndAtLeast120)
{
    const struct {
        quint16 sizeX, sizeY;
        const char *label;
    } cases[] = {{125, 40, "130"}, {100, 0, "120"}, {121, 0, "130"}, {0, 120, "120"}, {40, 300, "300"}};
    for (const auto &c : cases) {
        auto image = NewImage(0, 1800);
        image->SizeX = c.sizeX;
        image->SizeY = c.sizeY;
        auto sheet = Sheet(200, 200);
        image->Draw(sheet->Canvas(), 0, 0);
        EXPECT_TRUE(ShowsText(sheet->Canvas(), 154, 26, c.label, 39)) << c.label;
        EXPECT_TRUE(ShowsText(sheet->Canvas(), 0, 156, c.label, 200)) << c.label;
    }
    auto image = NewImage(0, 1800);
    image->SizeX = 125;
    auto sheet = Sheet(200, 200);
    image->Draw(sheet->Canvas(), 0, 0);
    EXPECT_FALSE(ShowsText(sheet->Canvas(), 154, 26, "120", 39));
}

TEST(MessageDrawing, SecondBitPlaneIsSilverAndAShortOneStopsWithARangeError)
{
    auto image = NewImage(0, 3600);
    Pattern(image->BitImage, 0, 3600, 29);
    auto sheet = Sheet(160, 160);
    TCanvas *canvas = sheet->Canvas();
    image->Draw(canvas, 0, 0);
    int wrong = 0;
    for (int p = 0; p < 120 * 120; ++p) {
        const TColor expected = Bit(image->BitImage, 1800, p) ? clSilver : Mono(image->BitImage, p);
        wrong += canvas->Pixels(20 + p % 120, 20 + p / 120) != expected;
    }
    EXPECT_EQ(wrong, 0);

    image->BitImage.SetLength(1800);
    auto plain = Sheet(160, 160);
    image->Draw(plain->Canvas(), 0, 0);
    EXPECT_EQ(plain->Image().copy(20, 20, 120, 120), [&] {
        QImage mono(120, 120, QImage::Format_RGB32);
        for (int p = 0; p < 120 * 120; ++p)
            mono.setPixel(p % 120, p / 120, Mono(image->BitImage, p) == clBlack ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        return mono;
    }());

    // One byte of the second plane: its eight pixels are silver, then the ninth fails; the scan area is not drawn.
    image->BitImage.SetLength(1801);
    image->BitImage[1800] = 0xFF;
    image->SizeX = 60;
    auto cut = Sheet(160, 160);
    EXPECT_THROW(image->Draw(cut->Canvas(), 0, 0), ERangeError);
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(cut->Canvas()->Pixels(20 + c, 20), clSilver);
    EXPECT_EQ(cut->Canvas()->Pixels(28, 20), Mono(image->BitImage, 8));
    EXPECT_EQ(cut->Canvas()->Pixels(80, 30), Mono(image->BitImage, 10 * 120 + 60));
}

TEST(MessageDrawing, ShortPictureStopsAtItsFirstMissingByte)
{
    auto tuning = New<TLumbraTuningMessage>();
    tuning->SetWidth(108);
    tuning->SetHeight(108);
    tuning->BitImage.SetLength(100);
    Pattern(tuning->BitImage, 0, 100, 37);
    auto sheet = Sheet(160, 160);
    TCanvas *canvas = sheet->Canvas();
    EXPECT_THROW(tuning->Draw(canvas, 0, 0), ERangeError);
    // Pixel 799 (row 7, column 43) is the last one the data holds.
    EXPECT_EQ(canvas->Pixels(26 + 43, 26 + 7), Mono(tuning->BitImage, 799));
    EXPECT_EQ(canvas->Pixels(26 + 44, 26 + 7), clYellow);
    EXPECT_EQ(canvas->Pixels(26 + 54, 26 + 54), clYellow); // no crosshair
    EXPECT_EQ(tuning->BitImage.Length(), 100);
}

TEST(MessageDrawing, ClipRectangleCentresWithoutItsCornerAndKeepsDrawingInside)
{
    auto tuning = New<TLumbraTuningMessage>();
    tuning->SetWidth(108);
    tuning->SetHeight(108);
    tuning->BitImage.SetLength(1458);
    Pattern(tuning->BitImage, 0, 1458, 37);
    auto sheet = Sheet(200, 200);
    TCanvas *canvas = sheet->Canvas();
    canvas->SetClipRect(Rect(50, 60, 149, 139));
    tuning->Draw(canvas, 0, 0);

    // 99 - 108 and 79 - 108 halve toward zero: the picture starts at (-4, -14), not at the clip's corner.
    EXPECT_EQ(canvas->Pixels(60, 70), Mono(tuning->BitImage, 84 * 108 + 64));
    EXPECT_EQ(canvas->Pixels(103, 93), Mono(tuning->BitImage, 107 * 108 + 107));
    EXPECT_EQ(canvas->Pixels(104, 93), clYellow);
    EXPECT_EQ(canvas->Pixels(148, 138), clRed);
    // The crosshair's column (x = 50) lies inside the clip, its row (y = 40) outside.
    EXPECT_NE(canvas->Pixels(50, 70), Mono(tuning->BitImage, 84 * 108 + 54));
    canvas->ResetClipRect();
    EXPECT_EQ(canvas->Pixels(49, 70), clGray);
    EXPECT_EQ(canvas->Pixels(60, 59), clGray);
    EXPECT_EQ(canvas->Pixels(60, 40), clGray);
    EXPECT_EQ(canvas->Pixels(149, 139), clGray);
}

TEST(MessageDrawing, LevelImageTakesItsColoursFromThePalette)
{
    auto image = NewImage(1, 14400);
    for (int k = 0; k < 14400; ++k)
        image->BitImage[k] = quint8(k % 61);
    const quint8 boundaries[] = {6, 7, 12, 13, 48, 49, 0, 255};
    for (int i = 0; i < 8; ++i)
        image->BitImage[i] = boundaries[i];
    image->SizeX = 60;
    image->SizeY = 30;
    auto sheet = Sheet(160, 160);
    TCanvas *canvas = sheet->Canvas();
    image->Draw(canvas, 0, 0);

    EXPECT_EQ(canvas->Pixels(60, 5), clGray); // no fill
    for (const auto &[x, y] : {std::pair{19, 19}, {140, 19}, {140, 140}, {60, 140}, {80, 19}, {19, 80}})
        EXPECT_EQ(canvas->Pixels(x, y), clRed) << x << "," << y;
    const TColor rowZero[] = {clWhite, 0xFF00FF, 0xFF00FF, 0xFF0000, 0x0000FF, clWhite, clWhite, clWhite};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(canvas->Pixels(20 + i, 20), rowZero[i]) << i;
    int wrong = 0;
    for (int j = 0; j < 120; ++j)
        for (int i = 0; i < 120; ++i) {
            const bool scanLine = (j == 30 && i < 60) || (i == 60 && j < 30);
            const TColor expected = scanLine ? clRed : PaletteColor(image->BitImage[j * 120 + i], nullptr);
            wrong += canvas->Pixels(20 + i, 20 + j) != expected;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(ShowsText(canvas, 134, 6, "120", 19));

    // The caller's palette replaces the default one.
    TPaletteEntry palette[PaletteSize];
    for (int e = 0; e < PaletteSize; ++e)
        palette[e] = {quint8(10 * e), TColor(0x010101 * (e + 1))};
    auto own = Sheet(160, 160);
    DrawLevelImage(image.get(), own->Canvas(), 0, 0, palette);
    EXPECT_EQ(own->Canvas()->Pixels(20 + 1, 20), 0x020202); // 7
    EXPECT_EQ(own->Canvas()->Pixels(20 + 5, 20), 0x060606); // 49
    EXPECT_EQ(own->Canvas()->Pixels(20 + 7, 20), clWhite);  // 255

    // The last pixel is missing: everything before it is drawn, the scan area is not.
    image->BitImage.SetLength(14399);
    auto cut = Sheet(160, 160);
    EXPECT_THROW(image->Draw(cut->Canvas(), 0, 0), ERangeError);
    EXPECT_EQ(cut->Canvas()->Pixels(138, 139), PaletteColor(image->BitImage[14398], nullptr));
    EXPECT_EQ(cut->Canvas()->Pixels(139, 139), clGray);
    EXPECT_NE(cut->Canvas()->Pixels(40, 50), clRed);
}

TEST(MessageDrawing, OtherImageKindsDrawNothingAsLevelImages)
{
    auto sheet = Sheet(160, 160);
    const QImage blank = sheet->Image().copy();
    auto unknown = NewImage(3, 14400);
    unknown->Draw(sheet->Canvas(), 0, 0);
    EXPECT_EQ(sheet->Image(), blank);
    auto ordinary = NewImage(0, 14400);
    DrawLevelImage(ordinary.get(), sheet->Canvas(), 0, 0, nullptr);
    DrawLevelImage(nullptr, sheet->Canvas(), 0, 0, nullptr);
    DrawSurfaceCell(0, 0, 0, 0, 8, 24, sheet->Canvas(), nullptr);
    EXPECT_EQ(sheet->Image(), blank);
}

TEST(MessageDrawing, PaletteLookupTakesTheFirstLevelNotBelowTheValue)
{
    const struct {
        qint32 value;
        TColor colour;
    } defaults[] = {{-5, clWhite}, {0, clWhite},    {6, clWhite},     {7, 0xFF00FF},  {12, 0xFF00FF},
                    {13, 0xFF0000}, {42, 0x0080FF}, {43, 0x0000FF},  {48, 0x0000FF}, {49, clWhite},
                    {255, clWhite}};
    for (const auto &d : defaults)
        EXPECT_EQ(PaletteColor(d.value, nullptr), d.colour) << d.value;

    // Five bytes an entry, level first, colour low byte first; levels need not rise.
    QByteArray packed;
    const quint8 levels[PaletteSize] = {20, 10, 30, 40, 50, 60, 70, 80};
    for (int e = 0; e < PaletteSize; ++e) {
        packed.append(char(levels[e]));
        packed.append(QByteArray("\x01\x02\x03\x00", 4));
        packed[packed.size() - 4] = char(e + 1);
    }
    const auto *palette = reinterpret_cast<const TPaletteEntry *>(packed.constData());
    EXPECT_EQ(PaletteColor(5, palette), 0x030201);
    EXPECT_EQ(PaletteColor(25, palette), 0x030203);
    EXPECT_EQ(PaletteColor(80, palette), 0x030208);
    EXPECT_EQ(PaletteColor(81, palette), clWhite);
}

TEST(MessageDrawing, ImpactImageIsShadedFromTheCanvasOrigin)
{
    auto image = NewImage(2, 12);
    image->SizeX = 4;
    image->SizeY = 3;
    for (int k = 0; k < 12; ++k)
        image->BitImage[k] = 10;
    auto sheet = Sheet(100, 100);
    TCanvas *canvas = sheet->Canvas();
    image->Draw(canvas, 30, 30);

    // Three cells across and two up, from x = 0 and y = 1 to 16, black grid lines at each cell's first row
    // and column, the rest green (value 10).
    for (int y = 1; y <= 16; ++y)
        for (int x = 0; x < 24; ++x) {
            const bool grid = x % 8 == 0 || y == 16 || y == 8;
            EXPECT_EQ(canvas->Pixels(x, y), grid ? clBlack : RGB(30, 225, 0)) << x << "," << y;
        }
    EXPECT_EQ(canvas->Pixels(24, 8), clYellow);
    EXPECT_EQ(canvas->Pixels(5, 17), clYellow);
    EXPECT_EQ(canvas->Pixels(0, 0), clRed);
    EXPECT_EQ(canvas->Pixels(5, 0), clRed);

    // A level of 40 is yellow, of 100 red.
    for (const auto &[level, colour] : {std::pair{40, RGB(200, 200, 0)}, {100, RGB(255, 0, 0)}}) {
        for (int k = 0; k < 12; ++k)
            image->BitImage[k] = quint8(level);
        image->Draw(canvas, 0, 0);
        EXPECT_EQ(canvas->Pixels(1, 15), colour) << level;
    }

    // A grid of 3 x 3 values lacks its last one: the fourth cell is not drawn.
    image->SizeX = 3;
    image->BitImage.SetLength(8);
    auto cut = Sheet(100, 100);
    EXPECT_THROW(image->Draw(cut->Canvas(), 0, 0), ERangeError);
    EXPECT_EQ(cut->Canvas()->Pixels(9, 15), RGB(255, 0, 0));
    EXPECT_EQ(cut->Canvas()->Pixels(9, 7), clYellow);

    // Fewer than three values on a side: only the fill.
    image->SizeX = 2;
    image->SizeY = 5;
    auto small = Sheet(50, 50);
    image->Draw(small->Canvas(), 0, 0);
    auto fill = Sheet(50, 50);
    fill->Canvas()->Rectangle(Rect(0, 0, 50, 50));
    EXPECT_EQ(small->Image(), fill->Image());
}

// A grid larger than its canvas draws only the cells that reach into the clip rectangle, and the picture is the
// one that every cell drawn gives.
TEST(MessageDrawing, ImpactImageLargerThanItsCanvasDrawsWhatEveryCellWould)
{
    auto image = NewImage(2, 70 * 50);
    image->SizeX = 70;
    image->SizeY = 50;
    Pattern(image->BitImage, 0, 70 * 50, 29);
    for (const TRect clip : {Rect(0, 0, 160, 160), Rect(13, 21, 97, 150)}) {
        auto drawn = Sheet(160, 160);
        drawn->Canvas()->SetClipRect(clip);
        image->Draw(drawn->Canvas(), 0, 0);
        auto every = Sheet(160, 160);
        TCanvas *canvas = every->Canvas();
        canvas->SetClipRect(clip);
        canvas->Rectangle(canvas->ClipRect());
        for (int a = 0; a <= 68; ++a)
            for (int b = 0; b <= 48; ++b)
                DrawSurfaceCell(a, b, 0, 0, 8, 24, canvas, image.get());
        EXPECT_EQ(drawn->Image(), every->Image());
    }
    // Missing values of cells off the canvas are never read.
    image->BitImage.SetLength(69 * 50);
    auto cut = Sheet(160, 160);
    EXPECT_NO_THROW(image->Draw(cut->Canvas(), 0, 0));
}

TEST(MessageDrawing, SurfaceCellDrawsContourLinesInBothDirections)
{
    auto image = NewImage(2, 4);
    image->SizeX = 2;
    image->SizeY = 2;
    // Values 0 .. 70 along one side of the cell: bands of 24 change between 20 and 30 and between 40 and 50.
    for (const bool alongX : {true, false}) {
        const quint8 values[] = {0, quint8(alongX ? 0 : 70), quint8(alongX ? 70 : 0), 70};
        for (int k = 0; k < 4; ++k)
            image->BitImage[k] = values[k];
        auto sheet = Sheet(20, 20);
        TCanvas *canvas = sheet->Canvas();
        DrawSurfaceCell(0, 0, 0, 0, 8, 24, canvas, image.get());
        const TColor shades[] = {0, RGB(30, 225, 0), RGB(60, 195, 0), 0, RGB(200, 200, 0), 0, RGB(180, 75, 0),
                                 RGB(210, 45, 0)};
        for (int across = 1; across < 8; ++across)
            for (int step = 1; step < 8; ++step) {
                // The cell's y runs up from 8; along X the value follows x, along Y it follows the height.
                const int x = alongX ? step : across;
                const int y = 8 - (alongX ? across : step);
                const TColor expected = step == 3 || step == 5 ? clBlack : shades[step];
                EXPECT_EQ(canvas->Pixels(x, y), expected) << alongX << " " << x << "," << y;
            }
    }

    // Offsets move the cell by whole cells, the scale sets its size.
    auto sheet = Sheet(40, 40);
    DrawSurfaceCell(0, 0, 2, -1, 4, 24, sheet->Canvas(), image.get());
    EXPECT_EQ(sheet->Canvas()->Pixels(8, 8), clBlack);
    EXPECT_EQ(sheet->Canvas()->Pixels(9, 7), RGB(69, 186, 0)); // 70 / 3 = 23
    EXPECT_EQ(sheet->Canvas()->Pixels(10, 6), clBlack);         // 46 after 23: a contour
    EXPECT_EQ(sheet->Canvas()->Pixels(7, 8), clGray);
    EXPECT_EQ(sheet->Canvas()->Pixels(12, 8), clGray);
    EXPECT_EQ(sheet->Canvas()->Pixels(8, 4), clGray);
    EXPECT_THROW(DrawSurfaceCell(0, 0, 0, 0, 1, 24, sheet->Canvas(), image.get()), EDivByZero);
    EXPECT_THROW(DrawSurfaceCell(1, 0, 0, 0, 8, 24, sheet->Canvas(), image.get()), ERangeError);
}

TEST(MessageDrawing, EveryKindDrawsOnAPrinter)
{
    TempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.File("records.pdf"));
    TCanvas canvas;
    canvas.SetDevice(&printer);

    auto tuning = New<TLumbraTuningMessage>();
    tuning->SetWidth(108);
    tuning->SetHeight(108);
    Pattern(tuning->BitImage, 0, 1458, 37);
    tuning->Draw(&canvas, 20, 340);
    auto ordinary = NewImage(0, 3600);
    Pattern(ordinary->BitImage, 0, 3600, 53);
    ordinary->Draw(&canvas, 0, 0);
    auto level = NewImage(1, 14400);
    level->Draw(&canvas, 0, 0);
    auto impact = NewImage(2, 100);
    impact->SizeX = impact->SizeY = 10;
    impact->Draw(&canvas, 0, 0);
    canvas.Release();
    EXPECT_GT(QFileInfo(dir.File("records.pdf")).size(), 500);
}
