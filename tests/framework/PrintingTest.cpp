#include "forms/ModalHook.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "printing/PrintDialog.h"
#include "printing/Printer.h"
#include "printing/RepPrintable.h"
#include "printing/ReportPage.h"

#include "PdfPages.h"
#include "QtPrint.h"
#include "TempDir.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <gtest/gtest.h>

TEST(PrintingTest, JobWritesItsPagesUnderItsTitleToThePdfFile)
{
    TempDir dir;
    const QString pdf = dir.File("job.pdf");
    TPrintToPdfScope toPdf(pdf);
    TPrinter *printer = Printer();
    EXPECT_THROW(printer->NewPage(), EPrinter);
    EXPECT_THROW(printer->EndDoc(), EPrinter);

    printer->SetTitle("Weekly tunings");
    printer->BeginDoc();
    EXPECT_TRUE(printer->Printing());
    EXPECT_THROW(printer->BeginDoc(), EPrinter);
    EXPECT_GE(printer->QtPrinter()->logicalDpiX(), 300);
    // The canvas covers the page in device pixels, its text sized for the printer's resolution.
    TCanvas *canvas = printer->Canvas();
    EXPECT_EQ(canvas->ClipRect().Right, printer->PageWidth());
    EXPECT_EQ(canvas->ClipRect().Bottom, printer->PageHeight());
    canvas->Font()->SetSize(12);
    canvas->TextOut(printer->PageWidth() / 10, printer->PageHeight() / 10, "First page text");
    EXPECT_EQ(printer->PageNumber(), 1);
    printer->NewPage();
    EXPECT_EQ(printer->PageNumber(), 2);
    canvas->TextOut(printer->PageWidth() / 10, printer->PageHeight() / 2, "Second page text");
    printer->EndDoc();
    EXPECT_FALSE(printer->Printing());

    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_EQ(PdfInfo(pdf, "Title"), "Weekly tunings");
    EXPECT_TRUE(PdfPageText(pdf, 1).contains("First page text"));
    EXPECT_FALSE(PdfPageText(pdf, 1).contains("Second"));
    EXPECT_TRUE(PdfPageText(pdf, 2).contains("Second page text"));
}

TEST(PrintingTest, PrintDialogAnswersWhatTheUserChose)
{
    TPrintDialog dialog(nullptr);
    QPrintDialog *shown = nullptr;
    int answer = 1;
    TModalHookScope hook([&](const TModalRequest &request) {
        EXPECT_EQ(request.Kind, mkCommonDialog);
        EXPECT_EQ(request.Source, &dialog);
        shown = dialog.Dialog();
        EXPECT_EQ(request.Window, shown);
        EXPECT_EQ(shown->printer(), Printer()->QtPrinter());
        return answer;
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_NE(shown, nullptr);
    answer = 0;
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Dialog(), nullptr);
}

TEST(PrintingTest, ReportPagePrintsItsBandsOnA4PagesAndPreviewsThem)
{
    TempDir dir;
    const QString pdf = dir.File("report.pdf");
    TPrintToPdfScope toPdf(pdf);
    TComponent owner(nullptr);
    auto *page = new TReportPage(&owner);
    page->SetReportTitle("Inspection report");
    // Added detail first: title bands still print above it.
    auto *detail = new TReportBand(&owner);
    detail->SetBandType(rbDetail);
    detail->SetHeight(100);
    detail->SetPage(page);
    auto *title = new TReportBand(&owner);
    title->SetBandType(rbTitle);
    title->SetHeight(30);
    title->SetPage(page);
    ASSERT_EQ(page->Bands(), (QList<TReportBand *>{title, detail}));

    auto *heading = new TRepLabel(&owner);
    heading->SetBand(title);
    heading->SetBounds(10, 5, 100, 8);
    heading->SetCaption("Heading line");
    heading->Font()->SetSize(14);
    auto *value = new TRepLabel(&owner);
    value->SetBand(detail);
    value->SetBounds(10, 10, 40, 20);
    value->SetWordWrap(true);
    value->SetCaption("Value text that wraps");
    value->Frame().Visible = true;
    auto *hidden = new TRepLabel(&owner);
    hidden->SetBand(detail);
    hidden->SetCaption("Removed label");
    delete hidden;
    // An item of the second page, and the page number in the title band.
    auto *later = new TRepLabel(&owner);
    later->SetBand(detail);
    later->SetBounds(10, 10, 100, 8);
    later->SetCaption("Second page text");
    later->SetPageIndex(1);
    auto *number = new TRepLabel(&owner);
    number->SetBand(title);
    number->SetBounds(150, 5, 30, 8);
    page->SetPageNumberLabel(number);
    EXPECT_EQ(page->PageCount(), 2);
    auto *image = new TRepImage(&owner);
    image->SetBand(detail);
    image->SetBounds(60, 10, 40, 40);
    TCanvas *canvas = image->Canvas();
    EXPECT_EQ(image->Picture()->Width(), 151); // 40 mm at 96 pixels an inch
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect({0, 0, 50, 50});

    // Rendered on an image of 10 pixels a millimetre: the picture lands where its band and place put it.
    QImage sheet(2100, 2970, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    sheet.setDotsPerMeterX(10000);
    sheet.setDotsPerMeterY(10000);
    {
        QPainter painter(&sheet);
        page->Render(painter);
    }
    const double perPixel = 254.0 / 96; // sheet pixels a picture pixel
    EXPECT_EQ(sheet.pixel(610, 410), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(600 + int(52 * perPixel), 410), qRgb(255, 255, 255));
    EXPECT_EQ(sheet.pixel(590, 410), qRgb(255, 255, 255));
    EXPECT_EQ(sheet.pixel(250, 400), qRgb(0, 0, 0)); // the value's frame, on its top edge

    page->Print();
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_EQ(PdfInfo(pdf, "Title"), "Inspection report");
    EXPECT_TRUE(PdfInfo(pdf, "Page size").contains("A4"));
    const QString text = PdfPageText(pdf, 1).simplified();
    EXPECT_TRUE(text.contains("Heading line"));
    EXPECT_LT(text.indexOf("Heading line"), text.indexOf("Value text"));
    EXPECT_TRUE(text.contains("wraps"));
    EXPECT_TRUE(QString(text).remove(u' ').contains("1/2")) << qPrintable(text);
    EXPECT_FALSE(text.contains("Removed"));
    EXPECT_FALSE(text.contains("Second page"));
    // The title band heads the second page too.
    const QString second = PdfPageText(pdf, 2).remove(u' ').remove(u'\n');
    EXPECT_EQ(second, "Headingline2/2Secondpagetext\f");
    // The printer's own page set-up is back after the report.
    Printer()->QtPrinter()->setPageSize(QPageSize(QPageSize::Letter));
    page->Print();
    EXPECT_EQ(Printer()->QtPrinter()->pageLayout().pageSize().id(), QPageSize::Letter);

    QFile::remove(pdf);
    int previewPages = 0;
    TModalHookScope hook([&](const TModalRequest &request) {
        EXPECT_EQ(request.Kind, mkForm);
        EXPECT_EQ(request.Source, page);
        auto *preview = qobject_cast<QPrintPreviewDialog *>(request.Window);
        EXPECT_NE(preview, nullptr);
        if (auto *widget = preview ? preview->findChild<QPrintPreviewWidget *>() : nullptr) {
            widget->updatePreview();
            previewPages = widget->pageCount();
        }
        // The user prints from the preview.
        page->Print();
        return 0;
    });
    page->Preview();
    EXPECT_EQ(previewPages, 2);
    EXPECT_TRUE(PdfPageText(pdf, 2).contains("Second page text"));
}

// A wrapped label keeps its text inside its place: a height measured for a width holds every line, a lower place
// holds the whole lines it has room for and a label of the same text from the next line on shows the rest, line
// breaks start new lines and a word wider than the place breaks inside it.
TEST(PrintingTest, WrappedLabelsKeepTheirTextInsideTheirPlace)
{
    TempDir dir;
    const QString pdf = dir.File("labels.pdf");
    TPrintToPdfScope toPdf(pdf);
    TComponent owner(nullptr);
    auto *page = new TReportPage(&owner);
    auto *band = new TReportBand(&owner);
    band->SetHeight(200);
    band->SetPage(page);
    const auto label = [&](const QString &text, double left, double width) {
        auto *made = new TRepLabel(&owner);
        made->SetBand(band);
        made->SetWordWrap(true);
        made->SetCaption(text);
        made->SetBounds(left, 10, width, made->TextHeight(width));
        return made;
    };
    const QString words = "alpha bravo charlie delta echo foxtrot golf hotel india juliet kilo lima";
    TRepLabel *whole = label(words, 10, 30);
    TRepLabel *cut = label(words.toUpper(), 50, 30);
    TRepLabel *lines = label("first\r\nsecond\nthird", 90, 40);
    TRepLabel *word = label("Xx" + QString(60, u'W'), 140, 30);
    const QList<double> bottoms = whole->LineBottoms(30);
    const double line = bottoms[0];
    EXPECT_GT(whole->Height(), 3 * line);
    EXPECT_NEAR(whole->Height(), bottoms.last(), 1e-9);
    EXPECT_NEAR(lines->Height(), 3 * line, 0.05);
    EXPECT_NEAR(lines->TextWidth(), label("second", 0, 100)->TextWidth(), 0.01);
    EXPECT_GT(word->Height(), 2 * line);
    cut->SetBounds(cut->Left(), cut->Top(), cut->Width(), 2.5 * line);
    TRepLabel *rest = label(words.toUpper(), 50, 30);
    rest->SetFirstLine(2);
    rest->SetBounds(rest->Left(), 150, rest->Width(), rest->Height() - bottoms[1]);

    // Drawn on an image of 10 pixels a millimetre: no ink outside the places.
    QImage sheet(1900, 2000, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    sheet.setDotsPerMeterX(10000);
    sheet.setDotsPerMeterY(10000);
    {
        QPainter painter(&sheet);
        page->Render(painter);
    }
    int outside = 0, inside = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            if (sheet.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            const QPointF at((x + 0.5) / 10, (y + 0.5) / 10);
            const bool placed = std::any_of(band->Items().begin(), band->Items().end(), [&](const auto &item) {
                return QRectF(item->Left(), item->Top(), item->Width(), item->Height()).contains(at);
            });
            ++(placed ? inside : outside);
        }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);

    page->Print();
    const QString text = PdfPageText(pdf, 1).simplified();
    for (const QString &shown : words.split(u' ')) {
        EXPECT_EQ(text.count(shown), 1) << qPrintable(shown) << '\n' << qPrintable(text);
        EXPECT_EQ(text.count(shown.toUpper()), 1) << qPrintable(shown) << '\n' << qPrintable(text);
    }
    EXPECT_FALSE(text.contains(QChar(0x2026))) << qPrintable(text);
}
