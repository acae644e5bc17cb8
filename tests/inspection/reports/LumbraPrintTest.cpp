// Printing records from the inspection window: the pages read back from the PDF the printer writes, and the
// page bitmap a record is composed on.

#include "mainwindow/LumbraWindow.h"
#include "reports/DirectPrinting.h"

#include "FormatSettingsGuard.h"
#include "PdfPages.h"
#include "QtPrint.h"
#include "RecordSamples.h"
#include "TempDir.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/StatusBar.h"
#include "forms/ModalHook.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "menus/Menus.h"
#include "mlLangDispatcher.h"
#include "mlLngLnk.h"
#include "printing/PrintDialog.h"
#include "registry/Registry.h"
#include "reports/ReportImageTuning.h"
#include "reports/ReportImpactImage.h"
#include "reports/ReportTuning.h"
#include "viewer/RecordViewer.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
bool Bit(const TCustomLumbraMessage &record, int pixel)
{
    return (record.BitImage[pixel / 8] >> (pixel % 8)) & 1;
}

// Five tunings of device 5 (IDs 7, 30, 12, 60, 2) and three images (9 ordinary, of tuning 12; 10 level, of a
// tuning 99 that is missing; 11 impact), the plug-in
// registered and its window open; every print job goes to a PDF file of the test's own.
class LumbraPrint : public testing::Test {
protected:
    LumbraPrint() : ToPdf(Dir.File("print.pdf"))
    {
        TRegistry().DeleteKey("\\Software\\Kelmar\\OrmelSW\\LUMBRA");
        const int ids[] = {7, 30, 12, 60, 2};
        Manager.TuningMessages.SetLength(5);
        for (int i = 0; i < 5; ++i) {
            auto tuning = SampleTuning(5, ids[i]);
            for (int byte = 0; byte < tuning->BitImage.Length(); ++byte)
                tuning->BitImage[byte] = quint8(0x35 + byte * 7);
            Manager.TuningMessages[i] = tuning.release();
        }
        Manager.TuningCount = 5;
        Tuning(7)->SetFrequency(51);
        Tuning(7)->SetComments("   three blanks & more");
        Manager.ImageMessages.SetLength(3);
        auto image = SampleImage(5, 9, 12, 0);
        image->BitImage.SetLength(1800);
        for (int byte = 0; byte < 1800; ++byte)
            image->BitImage[byte] = quint8(0xA3 ^ byte);
        Manager.ImageMessages[0] = image.release();
        image = SampleImage(5, 10, 99, 1);
        image->BitImage.SetLength(120 * 120);
        Manager.ImageMessages[1] = image.release();
        image = SampleImage(5, 11, 7, 2);
        image->SetSizeX(4);
        image->SetSizeY(3);
        image->BitImage.SetLength(12);
        Manager.ImageMessages[2] = image.release();
        Manager.ImageCount = 3;
        TDataManager *cell = &Manager;
        std::uint8_t isDataManager = 1;
        RegisterLumbra(nullptr, &isDataManager, &cell, nullptr);
        Form = frmLumbra;
        TmpObj->DoConfigAction(nullptr);
    }
    ~LumbraPrint() override { UnregisterLumbra(); }

    TLumbraTuningMessage *Tuning(int id) const
    {
        for (int i = 0; i < Manager.TuningCount; ++i)
            if (Manager.TuningMessages[i]->TuningID == id)
                return Manager.TuningMessages[i];
        return nullptr;
    }
    // Clicks the menu item, the print dialog answered as the user would; answers whether the dialog showed.
    bool PrintFromMenu(TMenuItem *item, bool confirm)
    {
        bool asked = false;
        TModalHookScope hook([&](const TModalRequest &request) {
            asked = dynamic_cast<TPrintDialog *>(request.Source) == Form->PrintDialog1;
            return confirm ? 1 : 0;
        });
        item->Click();
        return asked;
    }
    void SelectRow(TStringGrid *grid, int row)
    {
        grid->SetRow(row);
        bool canSelect = true;
        Form->sgTuningsSelectCell(grid, 0, row, canSelect);
    }
    void ClickHeader(TStringGrid *grid, int col)
    {
        const TRect cell = grid->CellRect(col, 0);
        Form->sgTuningsMouseDown(grid, mbLeft, 0, cell.Left + 10, cell.Top + 5);
        Form->sgTuningsMouseUp(grid, mbLeft, 0, cell.Left + 10, cell.Top + 5);
    }
    // The page's lines as the PDF holds them, blank lines left out.
    QStringList PageLines(int page) const
    {
        QStringList lines = PdfPageText(Pdf(), page).split('\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
        for (QString &line : lines)
            line = line.trimmed();
        return lines;
    }
    QString Pdf() const { return Dir.File("print.pdf"); }

    FormatSettingsGuard Guard;
    TempDir Dir;
    TPrintToPdfScope ToPdf;
    TDataManager Manager;
    TfrmLumbra *Form = nullptr;
};

QRegularExpression Tabbed(const QString &pattern) { return QRegularExpression("^" + pattern + "$"); }
} // namespace

// Print All after a filter and a sort prints exactly the shown records, a page each, in the table's order, as one
// job under the report title, a damaged picture as far as its data goes; Print prints the current row's record
// alone; Cancel prints nothing.
TEST_F(LumbraPrint, PrintAllPrintsTheShownTuningsInTheTablesOrder)
{
    Tuning(7)->BitImage.SetLength(10);
    EXPECT_TRUE(PrintFromMenu(Form->TunPrintAll1, false));
    EXPECT_FALSE(QFile::exists(Pdf()));

    TuningSettings[2].DataOperation = 1; // Tuning ID less than 20
    TuningSettings[2].DataValue = "20";
    Form->SaveAllFieldSettings();
    lumbra_u::OnDataUpdate();
    ClickHeader(Form->sgTunings, 2);
    ClickHeader(Form->sgTunings, 2);
    ASSERT_EQ(Form->sgTunings->RowCount(), 4);
    EXPECT_TRUE(PrintFromMenu(Form->TunPrintAll1, true));
    ASSERT_EQ(PdfPageCount(Pdf()), 3);
    EXPECT_EQ(PdfInfo(Pdf(), "Title"), "LUMBRA's tuning records report");
    QStringList order;
    for (int page = 1; page <= 3; ++page)
        order << PageLines(page).value(2);
    EXPECT_EQ(order, (QStringList{"Tuning ID: 12", "Tuning ID: 7", "Tuning ID: 2"}));

    SelectRow(Form->sgTunings, 2);
    EXPECT_TRUE(PrintFromMenu(Form->TunPrint1, true));
    EXPECT_EQ(PdfPageCount(Pdf()), 1);
    EXPECT_EQ(PdfInfo(Pdf(), "Title"), "LUMBRA's tuning record");
    const QStringList lines = PageLines(1);
    ASSERT_EQ(lines.size(), 8) << lines.join('|').toStdString();
    EXPECT_EQ(lines[0], "Device type: LUMBRA-C");
    EXPECT_EQ(lines[1], "Device number: 5");
    EXPECT_EQ(lines[2], "Tuning ID: 7");
    EXPECT_EQ(lines[3], "Date: 5/3/2004 9:7:3");
    EXPECT_EQ(lines[4], QString::fromUtf8("Name: Настройка 7"));
    // The tabs part the values; the comment keeps its leading blanks and its "&".
    EXPECT_TRUE(Tabbed("Frequency: 8 +Gain: 128 +Pulse: 3").match(lines[5]).hasMatch()) << lines[5].toStdString();
    EXPECT_TRUE(Tabbed("Comments: {4,}three blanks & more").match(lines[6]).hasMatch()) << lines[6].toStdString();
    EXPECT_EQ(lines[7], "Image:");
    EXPECT_EQ(TuningPrintLines(Tuning(7), Form->mlLangLinked1)[6], "Comments:    three blanks & more");
    EXPECT_EQ(TuningPrintLines(Tuning(7), Form->mlLangLinked1)[5], "Frequency: 8\tGain: 128\tPulse: 3");

    // Russian texts and separators; the whole job in that language. The pulse no longer fits the tab line and
    // goes on under it.
    Form->mlLangDispatcher1->SetActiveLanguage(2);
    EXPECT_TRUE(PrintFromMenu(Form->TunPrint1, true));
    EXPECT_EQ(PdfInfo(Pdf(), "Title"), QString::fromUtf8("Параметры настройки ЛУМБРА"));
    const QStringList russian = PageLines(1);
    ASSERT_EQ(russian.size(), 9);
    EXPECT_EQ(russian[0], QString::fromUtf8("Тип прибора: LUMBRA-C"));
    EXPECT_EQ(russian[3], QString::fromUtf8("Дата: 5.3.2004 9:7:3"));
    EXPECT_TRUE(Tabbed(QString::fromUtf8("Частота: [0-9.]+ +Коэф-т усиления: 128")).match(russian[5]).hasMatch())
        << russian[5].toStdString();
    EXPECT_EQ(russian[6], QString::fromUtf8("Импульсы: 3"));
    EXPECT_EQ(russian[8], QString::fromUtf8("Изображение:"));
}

// Image pages: every line of the record, the job titles of both commands, and no job when no row holds a record.
TEST_F(LumbraPrint, ImagePagesHoldEveryLineAndEmptyTablesPrintNothing)
{
    SelectRow(Form->sgImages, 1);
    EXPECT_TRUE(PrintFromMenu(Form->ImgPrint1, true));
    EXPECT_EQ(PdfInfo(Pdf(), "Title"), "LUMBRA's C-image parameters");
    const QStringList lines = PageLines(1);
    ASSERT_GE(lines.size(), 10) << PdfPageText(Pdf(), 1).toStdString();
    EXPECT_EQ(lines[0], "Device type: LUMBRA-C");
    EXPECT_EQ(lines[1], "Device number: 5");
    EXPECT_TRUE(Tabbed("Image ID: 9 +Tuning ID: 12").match(lines[2]).hasMatch()) << lines[2].toStdString();
    EXPECT_EQ(lines[3], "Inspection started at: 1/2/2003 4:5:6");
    EXPECT_EQ(lines[4], "Inspection ended at: 7/8/2004 9:10:11");
    EXPECT_EQ(lines[5], QString::fromUtf8("Name: Изображение 9"));
    EXPECT_TRUE(Tabbed("Size_X: 100 +Size_Y: 100").match(lines[6]).hasMatch()) << lines[6].toStdString();
    EXPECT_TRUE(Tabbed("Step_X: 2 +Step_Y: 3").match(lines[7]).hasMatch()) << lines[7].toStdString();
    EXPECT_EQ(lines[8], QString::fromUtf8("Comments: Комментарий"));
    EXPECT_EQ(lines[9], "Image:");

    EXPECT_TRUE(PrintFromMenu(Form->ImgPrintAll1, true));
    EXPECT_EQ(PdfPageCount(Pdf()), 3);
    EXPECT_EQ(PdfInfo(Pdf(), "Title"), "LUMBRA's C-image records report");
    // Each page of the job is the page its record gets printed alone: nothing of the pages before it stays on it.
    QList<QImage> pages;
    for (int page = 1; page <= 3; ++page)
        pages << PdfPageImage(Pdf(), page);
    for (int row = 1; row <= 3; ++row) {
        SelectRow(Form->sgImages, row);
        EXPECT_TRUE(PrintFromMenu(Form->ImgPrint1, true));
        const QImage alone = PdfPageImage(Pdf(), 1);
        EXPECT_FALSE(alone.isNull());
        EXPECT_EQ(alone, pages[row - 1]) << row;
    }

    QFile::remove(Pdf());
    ImageSettings[2].DataOperation = 1; // Image ID less than 0: no row left
    ImageSettings[2].DataValue = "0";
    Form->SaveAllFieldSettings();
    lumbra_u::OnDataUpdate();
    EXPECT_TRUE(PrintFromMenu(Form->ImgPrintAll1, true));
    EXPECT_TRUE(PrintFromMenu(Form->ImgPrint1, true));
    EXPECT_FALSE(QFile::exists(Pdf()));
}

namespace {
// Calls back each time the control's window is painted.
class TPaintWatch : public QObject {
public:
    TPaintWatch(TControl *control, std::function<void()> painted) : painted_(std::move(painted))
    {
        control->Widget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted_();
        return false;
    }

private:
    std::function<void()> painted_;
};
} // namespace

// While a job prints, the status line shows which page of how many and the job's title, drawn page by page, in
// the window's language; afterwards it shows the tables' counts again.
TEST_F(LumbraPrint, TheStatusLineShowsWhichPageIsPrinting)
{
    Form->Show();
    QCoreApplication::processEvents();
    TStatusPanels *panels = Form->StatusBar1->Panels();
    QStringList shown;
    const TPaintWatch watch(Form->StatusBar1,
                            [&] { shown << panels->Items(0)->Text() + " | " + panels->Items(1)->Text(); });
    const QString before = panels->Items(0)->Text();
    EXPECT_TRUE(PrintFromMenu(Form->TunPrintAll1, true));
    QStringList pages;
    for (int page = 1; page <= 5; ++page)
        pages << QString("Printing page %1 of 5 | LUMBRA's tuning records report").arg(page);
    EXPECT_EQ(shown, pages);
    EXPECT_EQ(panels->Items(0)->Text(), before);

    shown.clear();
    Form->mlLangDispatcher1->SetActiveLanguage(2);
    EXPECT_TRUE(PrintFromMenu(Form->ImgPrint1, true));
    EXPECT_EQ(shown, QStringList{QString::fromUtf8("Печать: страница 1 из 1 | Параметры С-изображения ЛУМБРА")});
    EXPECT_EQ(PrintProgressText(Form->mlLangLinked1, 9999, 10000), QString::fromUtf8("Печать: страница 9999 из 10000"));
}

// The page bitmap: 40 pixels a line from (20, 20), the picture's top-left corner right under the last line, an
// impact surface there too rather than over the text; the target rectangle on the printer's page.
TEST_F(LumbraPrint, PicturesLandUnderTheLastLineOfThePageBitmap)
{
    const TLumbraTuningMessage *tuning = Tuning(30);
    const std::unique_ptr<TBitmap> page = ComposePrintPage(tuning, TuningPrintLines(tuning, Form->mlLangLinked1));
    ASSERT_EQ(page->Width(), 420);
    ASSERT_EQ(page->Height(), 594);
    const TCanvas *canvas = page->Canvas();
    const auto inked = [&](int top, int bottom, int left = 20, int right = 400) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                count += canvas->Pixels(x, y) != clWhite;
        return count;
    };
    for (int line = 0; line < 8; ++line) {
        EXPECT_GT(inked(20 + 40 * line, 40 + 40 * line), 0) << line;
        EXPECT_EQ(inked(40 + 40 * line, 60 + 40 * line), 0) << line; // the gap below each line
    }
    int wrong = 0;
    for (int r = 0; r < 108; ++r)
        for (int c = 0; c < 108; ++c) {
            bool black = Bit(*tuning, r * 108 + c);
            if ((r == 54) != (c == 54))
                black = !black; // the crosshair
            wrong += canvas->Pixels(20 + c, 340 + r) != (black ? clBlack : clWhite);
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(inked(448, 590, 1, 419), 0); // nothing below the picture but the page's outline

    const auto *image = Manager.ImageMessages[0];
    const std::unique_ptr<TBitmap> imagePage = ComposePrintPage(image, ImagePrintLines(image, Form->mlLangLinked1));
    wrong = 0;
    for (int r = 0; r < 120; ++r) {
        for (int c = 0; c < 120; ++c) {
            // The scan area's edges are drawn over the picture.
            const bool black = Bit(*image, r * 120 + c) || (r == 100 && c < 100) || (c == 100 && r < 100);
            wrong += imagePage->Canvas()->Pixels(20 + c, 420 + r) != (black ? clBlack : clWhite);
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(imagePage->Canvas()->Pixels(19, 480), clBlack); // the frame

    const auto *impact = Manager.ImageMessages[2];
    const std::unique_ptr<TBitmap> impactPage = ComposePrintPage(impact, ImagePrintLines(impact, Form->mlLangLinked1));
    EXPECT_EQ(impactPage->Canvas()->Pixels(1, 12), clWhite);
    EXPECT_EQ(impactPage->Canvas()->Pixels(20, 420), clBlack); // a grid line of the surface's first cell
    EXPECT_EQ(impactPage->Canvas()->Pixels(25, 425), RGB(0, 255, 0));

    // Printed on a canvas of the bitmap's own size, the text as text and the picture as the pixels it took (the
    // page's frame as rectangles) make the very same page, also where the picture runs off the page over the frame.
    const TLumbraImageMessage *level = Manager.ImageMessages[1];
    const std::pair<const TCustomLumbraMessage *, QStringList> pages[] = {
        {tuning, TuningPrintLines(tuning, Form->mlLangLinked1)},
        {image, ImagePrintLines(image, Form->mlLangLinked1)},
        {image, ImagePrintLines(image, Form->mlLangLinked1) + QStringList(4, "More")},
        {level, ImagePrintLines(level, Form->mlLangLinked1)},
        {impact, ImagePrintLines(impact, Form->mlLangLinked1)},
    };
    for (const auto &[record, lines] : pages) {
        TBitmap printed;
        printed.SetSize(420, 594);
        PrintRecordPage(printed.Canvas(), record, lines, {0, 0, 420, 594});
        EXPECT_EQ(printed.Image(), ComposePrintPage(record, lines)->Image()) << lines.size();
    }

    // The page keeps its proportions on paper: A4 fills the width, Letter the height, centred across.
    EXPECT_EQ(PrintTargetRect(4960, 7016), (TRect{0, 0, 4960, 7014}));
    EXPECT_EQ(PrintTargetRect(5100, 6600), (TRect{217, 0, 4883, 6600}));
}

namespace {
// What a report preview showed: how often it was asked for and its page, printed to the PDF file.
struct TShownReport {
    int Count = 0;
    // The lines of every page, and each page's text.
    QStringList Lines;
    QStringList Pages;
    // A line holds the text as a whole, alone or beside the text of another column.
    bool Has(const QString &text) const
    {
        const QRegularExpression alone("(^| )" + QRegularExpression::escape(text) + "( |$)");
        return std::any_of(Lines.begin(), Lines.end(),
                           [&](const QString &line) { return alone.match(line).hasMatch(); });
    }
    std::string Text() const { return Lines.join('\n').toStdString(); }
};

// Views the current row's record and, inside the viewer, runs the steps and then "Preview"; the preview window
// lets the test look at the report form and prints the report as its print button would. The viewer is cancelled.
template <class Steps, class Inspect>
TShownReport PreviewFromViewer(TMenuItem *view, const QString &pdf, Steps steps, Inspect inspect)
{
    TShownReport shown;
    TModalHookScope hook([&](const TModalRequest &request) {
        if (auto *viewer = dynamic_cast<TfrmEditRecord *>(request.Source)) {
            steps(viewer);
            viewer->ButPreview->Click();
            return int(mrCancel);
        }
        if (auto *page = dynamic_cast<TReportPage *>(request.Source)) {
            ++shown.Count;
            inspect(page->Owner());
            QFile::remove(pdf);
            page->Print();
            EXPECT_EQ(PdfPageCount(pdf), page->PageCount());
            for (int number = 1; number <= PdfPageCount(pdf); ++number) {
                shown.Pages << PdfPageText(pdf, number);
                for (const QString &line : shown.Pages.last().split('\n'))
                    if (!line.trimmed().isEmpty())
                        shown.Lines << line.simplified();
            }
        }
        return 0;
    });
    view->Click();
    return shown;
}

const auto NoSteps = [](TfrmEditRecord *) {};
const auto NoInspection = [](TComponent *) {};
} // namespace

// The tuning report shows the viewer's texts, the typed and unconfirmed comment included, the converted frequency
// and the banner in the active language; the viewer's Cancel still leaves the record as it was.
TEST_F(LumbraPrint, TuningReportShowsTheViewersTextsInTheActiveLanguage)
{
    SelectRow(Form->sgTunings, 1); // tuning 7
    bool tuningForm = false;
    TShownReport report = PreviewFromViewer(
        Form->TunView1, Pdf(), [](TfrmEditRecord *viewer) { viewer->edComments->SetText("Typed, not confirmed"); },
        [&](TComponent *form) { tuningForm = dynamic_cast<TReportTuningForm *>(form); });
    ASSERT_EQ(report.Count, 1);
    EXPECT_TRUE(tuningForm);
    for (const char *line : {"Tuning", "Ormel Software LUMBRA-C Version 1.03, Ormel Software Environment",
                             "Ormel Software Environment", "Tuning record properties:", "Device type: LUMBRA-C",
                             "Device ID: 5", "Tuning ID: 7", "Transducer ID: 18", "Tuning date-time:",
                             "Date: 5.3.2004", "Time: 9:7:3", "Frequency (kHz): 8", "Gain: 128", "Pulse: 3",
                             "Start-point: 256", "End-point: 512", "Attenuation: 31",
                             "Comments: Typed, not confirmed"})
        EXPECT_TRUE(report.Has(line)) << line << "\n" << report.Text();
    EXPECT_TRUE(report.Has(QString::fromUtf8("Tuning name: Настройка 7"))) << report.Text();
    EXPECT_EQ(Tuning(7)->GetComments(), "   three blanks & more");

    Form->mlLangDispatcher1->SetActiveLanguage(2);
    report = PreviewFromViewer(Form->TunView1, Pdf(), NoSteps, NoInspection);
    for (const char *line :
         {"Настройка", "Программный комплекс Ормел LUMBRA-C Версия 1.03, Ormel Software Environment",
          "Тип прибора: LUMBRA-C", "Частота (kГц): 8", "Коменитарий three blanks & more"})
        EXPECT_TRUE(report.Has(QString::fromUtf8(line))) << line << "\n" << report.Text();

    // Without a view operation having set the origin there is no report.
    report = PreviewFromViewer(Form->TunView1, Pdf(), [](TfrmEditRecord *) { ViewerOrigin = voNone; }, NoInspection);
    EXPECT_EQ(report.Count, 0);
}

// The image report: the stored texts, the measured area and the hatched zone, and the image's tuning with its
// frequency code, made the tunings table's current row; an image whose tuning is missing gets "Tuning not found"
// with empty values and invisible captions and frame; the language follows the plug-in's.
TEST_F(LumbraPrint, ImageReportShowsTheZoneAndTheTuningOrThatItIsMissing)
{
    SelectRow(Form->sgImages, 1); // image 9, of tuning 12
    SelectRow(Form->sgTunings, 1);
    QImage shown;
    QString area;
    const auto dragZone = [&](TfrmEditRecord *viewer) {
        viewer->edComments->SetText("Typed comment");
        viewer->Image1MouseMove(viewer->Image1, 0, 30, 30);
        viewer->Image1MouseDown(viewer->Image1, mbLeft, 0, 30, 40);
        viewer->Image1MouseMove(viewer->Image1, ssLeft, 61, 51);
        area = viewer->Defectarea->Text();
        shown = viewer->imgImage->Picture()->Bitmap()->Image();
    };
    QImage zone;
    TShownReport report = PreviewFromViewer(Form->ImgView1, Pdf(), dragZone, [&](TComponent *owner) {
        auto *form = dynamic_cast<TReportImageTuningForm *>(owner);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->RepDevicetypeLabel2->Font()->Color(), clBlack);
        EXPECT_EQ(form->RepImage2->Frame().Color, clBlack);
        EXPECT_NE(form->RepImage2->Picture()->Graphic(), nullptr);
        zone = form->RepImage1->Picture()->Bitmap()->Image();
    });
    ASSERT_EQ(report.Count, 1);
    for (const char *line :
         {"Image", "Ormel Software LUMBRA-C Version 1.03, Ormel Software Environment", "Image record properties:",
          "Device type: LUMBRA-C", "Device ID: 5", "Image ID: 9", "Tuning ID: 12", "Inspection started at:",
          "Date: 1.2.2003", "Time: 4:5:6", "Inspection ended at:", "Date: 7.8.2004", "Time: 9:10:11",
          "Image width (mm): 100", "Image height (mm): 100", "Step X (mm): 2", "Step Y (mm): 3", "Signature:",
          "Tuning record properts:", "Frequency (KHz): 64", "Gain: 128", "Pulse: 3", "Start-point: 256",
          "End-point: 512", "Attenuation: 31", "Date: 5.3.2004", "Time: 9:7:3", "Transducer ID: 18"})
        EXPECT_TRUE(report.Has(line)) << line << "\n" << report.Text();
    for (const char *line : {"Comments: Комментарий", "Conclusion: Годен", "Test is performed by: Иванов",
                             "Tuning name: Настройка 12", "Comments: Исходный комментарий"})
        EXPECT_TRUE(report.Has(QString::fromUtf8(line))) << line << "\n" << report.Text();
    EXPECT_TRUE(report.Text().find("Defect area in the marked zone (square mm):") != std::string::npos);
    EXPECT_GT(area.toInt(), 0);
    EXPECT_TRUE(report.Has(area)) << report.Text();
    EXPECT_EQ(Form->sgTunings->Cells(2, Form->sgTunings->Row()), "12");
    // The zone as on screen: outlined, every inner pixel of even coordinates black, the others as drawn.
    ASSERT_EQ(zone.size(), shown.size());
    int wrong = 0;
    for (int y = 30; y < 60; ++y)
        for (int x = 20; x < 70; ++x) {
            const bool outline =
                ((x == 30 || x == 61) && y >= 40 && y <= 51) || ((y == 40 || y == 51) && x >= 30 && x <= 61);
            const bool hatched = x > 30 && x < 61 && y > 40 && y < 51 && x % 2 == 0 && y % 2 == 0;
            const QRgb expected = outline || hatched ? qRgb(0, 0, 0) : shown.pixel(x, y);
            wrong += zone.pixel(x, y) != expected;
        }
    EXPECT_EQ(wrong, 0);

    // Image 10's tuning is missing; no zone was measured in its viewer. Russian texts.
    Form->mlLangDispatcher1->SetActiveLanguage(2);
    SelectRow(Form->sgImages, 2);
    report = PreviewFromViewer(
        Form->ImgView1, Pdf(), [&](TfrmEditRecord *viewer) { shown = viewer->imgImage->Picture()->Bitmap()->Image(); },
        [&](TComponent *owner) {
            auto *form = dynamic_cast<TReportImageTuningForm *>(owner);
            ASSERT_TRUE(form);
            // No zone of the earlier viewer on this picture.
            EXPECT_EQ(form->RepImage1->Picture()->Bitmap()->Image(), shown);
            for (TRepLabel *caption : {form->RepDevicetypeLabel2, form->RepFrequencyLabel, form->RepSurfaceImageLabel,
                                       form->RepCommentsLabel2, form->RepTimeLabel3})
                EXPECT_EQ(caption->Font()->Color(), clWhite) << caption->Name().toStdString();
            EXPECT_EQ(form->RepTuningRecordPropertsLabel->Font()->Color(), clBlack);
            EXPECT_EQ(form->RepImage2->Frame().Color, clWhite);
            for (TRepLabel *value : {form->RepLabelDevicetype2, form->RepLabelTuningID2, form->RepLabelFrequency,
                                     form->RepLabelComments2, form->RepLabelDate3, form->RepLabelAttenuation,
                                     form->RepAreatextLabel, form->RepareavalueLabel})
                EXPECT_EQ(value->Caption(), "") << value->Name().toStdString();
        });
    ASSERT_EQ(report.Count, 1);
    for (const char *line :
         {"Изображение", "Программный комплекс Ормел LUMBRA-C Версия 1.03, Ormel Software Environment",
          "Настройка отсутствует", "ID изображения: 10", "ID настройки: 99"})
        EXPECT_TRUE(report.Has(QString::fromUtf8(line))) << line << "\n" << report.Text();
}

namespace {
// Every item of the report has a place of its own on its page (190 x 277 millimetres inside the margins), the
// title band's on every page; every label holds its whole text there but the pieces of a text that goes on over
// pages, which share its caption. Answers the number of pages.
int ExpectPlacesApart(TComponent *owner)
{
    auto *form = dynamic_cast<TReportForm *>(owner);
    EXPECT_TRUE(form);
    if (!form)
        return 0;
    const QRectF page(0, 0, 190, 277);
    QMultiMap<int, std::pair<QString, QRectF>> places;
    QStringList captions;
    for (const TReportBand *band : form->ReportPage1->Bands())
        for (const QPointer<TRepPrintable> &item : band->Items())
            if (const auto *label = dynamic_cast<const TRepLabel *>(item.data()))
                captions << label->Caption();
    double top = 0;
    for (const TReportBand *band : form->ReportPage1->Bands()) {
        for (const QPointer<TRepPrintable> &item : band->Items()) {
            const auto *label = dynamic_cast<const TRepLabel *>(item.data());
            if (label && label->Caption().isEmpty())
                continue;
            const QRectF place(item->Left(), top + item->Top(), item->Width(), item->Height());
            const std::string name = item->Name().toStdString();
            EXPECT_TRUE(page.contains(place)) << name;
            if (label && captions.count(label->Caption()) == 1) {
                EXPECT_LE(label->TextHeight(label->Width()), label->Height() + 0.01) << name;
            }
            const QList<int> pages = band->BandType() == rbTitle ? QList<int>{-1} : QList<int>{item->PageIndex(), -1};
            for (const int shared : pages)
                for (const auto &[other, otherPlace] : places.values(shared))
                    EXPECT_FALSE(place.intersects(otherPlace)) << name << " over " << other.toStdString();
            places.insert(band->BandType() == rbTitle ? -1 : item->PageIndex(), {item->Name(), place});
        }
        top += band->Height();
    }
    EXPECT_GT(places.size(), 20);
    return form->ReportPage1->PageCount();
}

// The texts, each whole on a line of the report, in their order there.
void ExpectLinesInOrder(const TShownReport &report, const QStringList &texts)
{
    auto from = report.Lines.begin();
    for (const QString &text : texts) {
        const QRegularExpression alone("(^| )" + QRegularExpression::escape(text) + "( |$)");
        from = std::find_if(from, report.Lines.end(), [&](const QString &line) { return alone.match(line).hasMatch(); });
        ASSERT_NE(from, report.Lines.end()) << text.toStdString() << '\n' << report.Text();
    }
}
} // namespace

// Texts that fill their fields and a conclusion of several lines: every label and picture of the three reports
// has a place of its own on one page that holds its whole text. A conclusion longer than a page runs on over the
// pages after it, the image report's tuning part first moving to a page of its own, every page headed by the
// title and its number; one longer than the viewer edits is printed that far and says so.
TEST_F(LumbraPrint, ReportsGiveEveryTextAndPictureAPlaceOfItsOwnOnAsManyPagesAsTheyNeed)
{
    const QString name = QString::fromUtf8("Колёсная пара 2 — левое колесо, обод №17");
    const QString comment = QString::fromUtf8("Проверка после ремонта: трещина у ступицы не обнаружена, повторить "
                                              "контроль через 3 месяца, партия 5");
    QStringList conclusion;
    for (int line = 1; line <= 6; ++line)
        conclusion << QString::fromUtf8("Строка заключения %1").arg(line);
    for (TCustomLumbraMessage *record : {static_cast<TCustomLumbraMessage *>(Tuning(7)),
                                          static_cast<TCustomLumbraMessage *>(Tuning(12)),
                                          static_cast<TCustomLumbraMessage *>(Manager.ImageMessages[0]),
                                          static_cast<TCustomLumbraMessage *>(Manager.ImageMessages[2])}) {
        record->SetRecordName(name);
        record->SetComments(comment);
        record->SetControlMade(QString::fromUtf8("Иванов-Петровский Александр Константинович, дефектоскоп 6 р."));
        record->SetConclusion(conclusion.join("\r\n"));
    }
    lumbra_u::OnDataUpdate();
    int pages = 0;
    const auto places = [&pages](TComponent *form) { pages = ExpectPlacesApart(form); };
    SelectRow(Form->sgTunings, 1);
    TShownReport report = PreviewFromViewer(Form->TunView1, Pdf(), NoSteps, places);
    EXPECT_EQ(report.Count, 1);
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(report.Has("Tuning 1/1")) << report.Text();
    for (int row : {1, 3}) {
        SelectRow(Form->sgImages, row);
        report = PreviewFromViewer(Form->ImgView1, Pdf(), NoSteps, places);
        ASSERT_EQ(report.Count, 1);
        EXPECT_EQ(pages, 1);
        ExpectLinesInOrder(report, conclusion);
    }

    for (int line = 7; line <= 80; ++line)
        conclusion << QString::fromUtf8("Строка заключения %1").arg(line);
    Manager.ImageMessages[0]->SetConclusion(conclusion.join("\n"));
    Manager.ImageMessages[2]->SetConclusion(conclusion.join("\n"));
    SelectRow(Form->sgImages, 1);
    report = PreviewFromViewer(Form->ImgView1, Pdf(), NoSteps, [&](TComponent *owner) {
        places(owner);
        auto *form = dynamic_cast<TReportImageTuningForm *>(owner);
        ASSERT_TRUE(form);
        // The tuning part starts a page after the last of the conclusion.
        const auto *part = static_cast<const TRepPrintable *>(form->FindComponent("RepTuningLabel"));
        EXPECT_EQ(part->PageIndex(), pages - 1);
        EXPECT_EQ(part->Top(), 0);
    });
    EXPECT_EQ(pages, 3);
    ExpectLinesInOrder(report, QStringList{"Conclusion:"} + conclusion +
                                   QStringList{"Signature:", "Tuning", "Tuning record properts:", "Attenuation: 31"});
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(report.Pages[page - 1].simplified().startsWith(QString("Image %1/3").arg(page)))
            << report.Pages[page - 1].toStdString();
    EXPECT_EQ(report.Text().find("\u2026"), std::string::npos) << report.Text();
    SelectRow(Form->sgImages, 3);
    report = PreviewFromViewer(Form->ImgView1, Pdf(), NoSteps, places);
    EXPECT_EQ(pages, 2);
    ExpectLinesInOrder(report, QStringList{"Conclusion:"} + conclusion + QStringList{"Signature:"});

    // A damaged record's conclusion, longer than the viewer edits: printed that far, the rest told, in Russian.
    QString huge;
    for (int sentence = 1; huge.size() <= 40000; ++sentence)
        huge += QString::fromUtf8("Предложение %1 заключения. ").arg(sentence);
    Manager.ImageMessages[0]->SetConclusion(huge);
    Form->mlLangDispatcher1->SetActiveLanguage(2);
    SelectRow(Form->sgImages, 1);
    QString printed;
    report = PreviewFromViewer(Form->ImgView1, Pdf(), NoSteps, [&](TComponent *owner) {
        places(owner);
        printed = dynamic_cast<TReportImageTuningForm *>(owner)->RepLabelConclusion->Caption();
    });
    EXPECT_GT(pages, 5);
    EXPECT_TRUE(printed.startsWith(huge.left(32767))) << printed.left(100).toStdString();
    const QString told = QString::fromUtf8("Заключение содержит %1 символов, слишком много для печати: напечатаны "
                                           "первые 32767, а запись сохраняет его целиком.")
                             .arg(huge.trimmed().size());
    EXPECT_EQ(printed.mid(32767), QString::fromUtf8("…\n") + told);
    EXPECT_TRUE(report.Pages.join(' ').simplified().contains(told)) << report.Pages.last().toStdString();
}

// The impact-image report: the record's values, the surface as the viewer shows it, and no banner.
TEST_F(LumbraPrint, ImpactImageReportShowsTheSurfaceAsViewed)
{
    SelectRow(Form->sgImages, 3); // image 11
    QImage surface;
    TShownReport report = PreviewFromViewer(
        Form->ImgView1, Pdf(),
        [&](TfrmEditRecord *viewer) {
            viewer->BitBtn6Click(nullptr);
            surface = viewer->Image2->Picture()->Bitmap()->Image();
        },
        [&](TComponent *owner) {
            auto *form = dynamic_cast<TReportImpactImageForm *>(owner);
            ASSERT_TRUE(form);
            EXPECT_EQ(form->RepImage1->Picture()->Bitmap()->Image(), surface);
            EXPECT_EQ(form->RepColontitulLabel->Caption(), "");
        });
    ASSERT_EQ(report.Count, 1);
    for (const char *line : {"Impact Image", "Impact image record properties:", "Device type: LUMBRA-C",
                             "Device ID: 5", "Image ID: 11", "Inspection finished at:", "Date: 7.8.2004",
                             "Time: 9:10:11", "Image width: 4", "Image height: 3", "Ormel Software Environment"})
        EXPECT_TRUE(report.Has(line)) << line << "\n" << report.Text();
    for (const char *line : {"Image name: Изображение 11", "Conclusion: Годен", "Test is performed by: Иванов"})
        EXPECT_TRUE(report.Has(QString::fromUtf8(line))) << line << "\n" << report.Text();
    EXPECT_EQ(report.Text().find("Version"), std::string::npos);
}
