// Printing one or all records of a table, a page each, as the table shows them.

#include "reports/DirectPrinting.h"

#include "mainwindow/LumbraTexts.h"
#include "mainwindow/LumbraWindow.h"
#include "reports/PartialPicture.h"
#include "reports/PrintFailure.h"
#include "tables/TableCells.h"

#include "LangEntry.h"
#include "Records.h"
#include "controls/StatusBar.h"
#include "forms/Cursors.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "menus/Menus.h"
#include "mlLngLnk.h"
#include "printing/PrintDialog.h"
#include "printing/Printer.h"
#include "rtl/SysUtils.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QScopeGuard>
#include <algorithm>
#include <optional>
#include <vector>

namespace {
QString ImageCaption(TmlCustomLang *lang) { return lang->LookupString(QStringLiteral("strImage")); }

// Puts the picture's top-left corner at (left, top) of the page. The record's drawing centres its picture in the
// canvas and adds the offsets to that, so the offsets given take the centring back out; an impact surface is
// drawn from the canvas's corner whatever the offsets, so it gets a bitmap of its own placed there.
void DrawPicture(const TCustomLumbraMessage *record, TCanvas *canvas, int left, int top)
{
    const auto *image = dynamic_cast<const TLumbraImageMessage *>(record);
    if (image && image->ImageType == 2) {
        // No larger than the page, which would cut it anyway.
        TBitmap surface;
        surface.SetSize(std::clamp(8 * (image->SizeX - 1), 1, PrintPageWidth),
                        std::clamp(8 * (image->SizeY - 1) + 1, 1, PrintPageHeight));
        DrawAsFarAsItGoes([&] { record->Draw(surface.Canvas(), 0, 0); });
        canvas->Draw(left, top, &surface);
        return;
    }
    const TRect clip = canvas->ClipRect();
    DrawAsFarAsItGoes([&] {
        record->Draw(canvas, left - ((clip.Right - clip.Left) - record->Width) / 2,
                     top - ((clip.Bottom - clip.Top) - record->Height) / 2);
    });
}

constexpr int PrintFontSize = 10;
// Text stays left of this column, as far from the page's right edge as it starts from the left.
constexpr int PrintTextRight = PrintPageWidth - PrintTextOrigin;
// A tab moves the text on to the next of these stops that leaves this gap after the text before it.
constexpr int PrintTabStep = 56;
constexpr int PrintTabGap = 12;

// Moves on from a column to the next tab stop that leaves the gap after it.
int NextTabStop(int left)
{
    return PrintTextOrigin + (left - PrintTextOrigin + PrintTabGap + PrintTabStep - 1) / PrintTabStep * PrintTabStep;
}

// A piece of a page's text and where its top-left corner stands on the page.
struct TPlacedText {
    TPoint At;
    QString Text;
};

// The page's text laid out, and where its picture goes: under the last line.
struct TPageText {
    QList<TPlacedText> Pieces;
    TPoint Picture;
};

// Lays the lines out with the canvas's font from the text origin down, a line every step, each column of a tab
// line from its tab stop. A column that does not fit the rest of its line goes on at the start of the next one; a
// text too long for a whole line breaks between words, and a word longer than that at the edge. The lines after a
// line that took more than one move down as far. Record texts stay as they are: an "&" in a comment is no
// accelerator.
TPageText LayOutText(TCanvas *canvas, const QStringList &lines)
{
    const int lineHeight = canvas->TextExtent(QStringLiteral("Ag")).cy;
    TPageText text;
    int top = PrintTextOrigin;
    for (const QString &line : lines) {
        int left = PrintTextOrigin;
        for (const QString &column : line.split(u'\t')) {
            if (left > PrintTextOrigin)
                left = NextTabStop(left);
            if (column.isEmpty())
                continue;
            const int width = canvas->TextWidth(column);
            if (left > PrintTextOrigin && left + width > PrintTextRight) {
                top += lineHeight;
                left = PrintTextOrigin;
            }
            if (left + width <= PrintTextRight) {
                text.Pieces << TPlacedText{{left, top}, column};
                left += width;
                continue;
            }
            const QStringList parts = TextLines(canvas, column, PrintTextRight - PrintTextOrigin,
                                                DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
            for (qsizetype i = 0; i < parts.size(); ++i)
                text.Pieces << TPlacedText{{PrintTextOrigin, top + int(i) * lineHeight}, parts[i]};
            top += int(parts.size() - 1) * lineHeight;
            // What follows a text of several lines starts a line of its own.
            left = PrintTextRight;
        }
        top += PrintLineStep;
    }
    text.Picture = {PrintTextOrigin, top};
    return text;
}

// The white page bitmap, its font the text's.
std::unique_ptr<TBitmap> BlankPage()
{
    auto page = std::make_unique<TBitmap>();
    page->SetSize(PrintPageWidth, PrintPageHeight);
    page->Canvas()->Font()->SetSize(PrintFontSize);
    page->Canvas()->Brush()->SetStyle(bsClear);
    return page;
}

// The page bitmap of the job that prints, white again after each page: a job of thousands of pages would
// otherwise spend much of its time making it anew.
TBitmap *JobPage = nullptr;

// What a record's drawing left on the white page bitmap: a frame around the page, in the colour it has, and the
// rectangle of the pixels the picture took. A tuning's or an ordinary image's drawing frames the canvas it is
// given first: what it draws later may cover that frame anywhere but along the top, which the text keeps clear
// of.
struct TInk {
    std::optional<QRgb> Frame;
    QRect Picture;
};

TInk FindInk(const QImage &page)
{
    const int width = page.width(), height = page.height();
    const auto row = [&page](int y) { return reinterpret_cast<const QRgb *>(page.constScanLine(y)); };
    const QRgb white = qRgb(255, 255, 255);
    TInk ink;
    if (row(0)[0] != white && std::all_of(row(0), row(0) + width, [&](QRgb pixel) { return pixel == row(0)[0]; }))
        ink.Frame = row(0)[0];
    // The page without the picture, a line at a time: white, inside the frame if it has one.
    std::vector<QRgb> blank(width, white), edge(width, ink.Frame.value_or(white));
    if (ink.Frame)
        blank.front() = blank.back() = *ink.Frame;
    for (int y = 0; y < height; ++y) {
        const QRgb *pixels = row(y);
        const QRgb *without = (y == 0 || y == height - 1 ? edge : blank).data();
        if (std::equal(pixels, pixels + width, without))
            continue;
        int left = 0;
        while (pixels[left] == without[left])
            ++left;
        int right = width - 1;
        while (pixels[right] == without[right])
            --right;
        ink.Picture |= QRect(QPoint(left, y), QPoint(right, y));
    }
    return ink;
}

QList<QRect> FrameSides(const QImage &page)
{
    const int width = page.width(), height = page.height();
    return {QRect(0, 0, width, 1), QRect(0, height - 1, width, 1), QRect(0, 0, 1, height), QRect(width - 1, 0, 1, height)};
}

// Draws the ink in page units: the frame as four thin rectangles, the picture as an image of its own pixels.
void DrawInk(QPainter &painter, const QImage &page, const TInk &ink)
{
    if (ink.Frame)
        for (const QRect &side : FrameSides(page))
            painter.fillRect(side, QColor(*ink.Frame));
    if (!ink.Picture.isEmpty())
        painter.drawImage(ink.Picture, page.copy(ink.Picture));
}

// Makes the page bitmap white again where the ink lies.
void Whiten(TBitmap *page, const TInk &ink)
{
    TCanvas *canvas = page->Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clWhite);
    if (ink.Frame)
        for (const QRect &side : FrameSides(page->Image()))
            canvas->FillRect(TRect::FromQRect(side));
    canvas->FillRect(TRect::FromQRect(ink.Picture));
    canvas->Brush()->SetStyle(bsClear);
}

// Which page of how many the job prints, in the status line, drawn at once: the job leaves the window no time
// to draw it otherwise. The first and the last page are shown, and at most some two hundred between them, so
// that a long job does not spend its time on the status line.
void ShowPrintProgress(TfrmLumbra *form, const QString &title, int page, int pages)
{
    if (page != 1 && page != pages && page % std::max(1, pages / 200) != 0)
        return;
    TStatusPanels *panels = form->StatusBar1->Panels();
    panels->Items(0)->SetText(PrintProgressText(form->mlLangLinked1, page, pages));
    panels->Items(1)->SetText(title);
    form->StatusBar1->Repaint();
}

// Prints the records of the rows that hold one, a page each, as one job under the title; rows without a record
// are skipped, and a job without a record is not started. A job that cannot be written is told to the user.
template <class Compose>
void PrintRows(TfrmLumbra *form, TStringGrid *grid, int firstRow, int lastRow, const QString &titleName,
               Compose compose)
{
    QList<int> rows;
    for (int row = firstRow; row <= lastRow; ++row)
        if (grid->Objects(0, row))
            rows << row;
    if (rows.isEmpty())
        return;
    TPrinter *printer = Printer();
    const std::unique_ptr<TBitmap> page = BlankPage();
    JobPage = page.get();
    const auto forgetPage = qScopeGuard([] { JobPage = nullptr; });
    const QString title = form->mlLangLinked1->LookupString(titleName);
    printer->SetTitle(title);
    try {
        const auto restoreStatus = qScopeGuard([form] { form->UpdateStatusBar(); });
        printer->BeginDoc();
        auto abort = qScopeGuard([printer] { printer->Abort(); });
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (i > 0)
                printer->NewPage();
            ShowPrintProgress(form, title, int(i + 1), int(rows.size()));
            compose(printer->Canvas(), rows[i]);
        }
        abort.dismiss();
        printer->EndDoc();
    } catch (const EPrintFailed &failure) {
        ShowPrintFailure(form->mlLangLinked1, failure);
    }
}
} // namespace

QStringList TuningPrintLines(const TLumbraTuningMessage *t, TmlCustomLang *lang)
{
    const auto text = [](TLumbraText name) { return LumbraText(name); };
    return {
        Format("%s: %s", {text(strSDEVICETYPE), t->GetDeviceType()}),
        Format("%s: %d", {text(strSDEVICENUMBER), int(t->DeviceNumber)}),
        Format("%s: %d", {text(strSTUNINGID), int(t->TuningID)}),
        Format("%s: %s",
               {text(strSDATE), DateTimeText(t->Day, t->Month, t->Year, t->Hour, t->Minute, t->Second, false)}),
        Format("%s: %s", {text(strSNAME), t->GetRecordName()}),
        Format("%s: %s\t%s: %d\t%s: %d",
               {text(strSFREQUENCY), FrequencyText(t->Frequency), text(strSAMPLITUDE), int(t->Amplitude),
                text(strSPERIOD), int(t->Period)}),
        Format("%s: %s", {text(strSCOMMENTS), t->GetComments()}),
        ImageCaption(lang),
    };
}

QStringList ImagePrintLines(const TLumbraImageMessage *i, TmlCustomLang *lang)
{
    const auto text = [](TLumbraText name) { return LumbraText(name); };
    return {
        Format("%s: %s", {text(strSDEVICETYPE), i->GetDeviceType()}),
        Format("%s: %d", {text(strSDEVICENUMBER), int(i->DeviceNumber)}),
        Format("%s: %d\t%s: %d", {text(strSIMAGEID), int(i->ImageID), text(strSTUNINGID), int(i->TuningID)}),
        Format("%s: %s", {text(strSBEGINDATE), DateTimeText(i->BeginDay, i->BeginMonth, i->BeginYear, i->BeginHour,
                                                            i->BeginMinute, i->BeginSecond, false)}),
        Format("%s: %s", {text(strSENDDATE), DateTimeText(i->EndDay, i->EndMonth, i->EndYear, i->EndHour, i->EndMinute,
                                                          i->EndSecond, false)}),
        Format("%s: %s", {text(strSNAME), i->GetRecordName()}),
        Format("%s: %d\t%s: %d", {text(strSSIZEX), int(i->SizeX), text(strSSIZEY), int(i->SizeY)}),
        Format("%s: %d\t%s: %d\t", {text(strSSTEPX), int(i->StepX), text(strSSTEPY), int(i->StepY)}),
        Format("%s: %s", {text(strSCOMMENTS), i->GetComments()}),
        ImageCaption(lang),
    };
}

std::unique_ptr<TBitmap> ComposePrintPage(const TCustomLumbraMessage *record, const QStringList &lines)
{
    std::unique_ptr<TBitmap> page = BlankPage();
    const TPageText text = LayOutText(page->Canvas(), lines);
    for (const TPlacedText &piece : text.Pieces)
        page->Canvas()->TextOut(piece.At.X, piece.At.Y, piece.Text);
    DrawPicture(record, page->Canvas(), text.Picture.X, text.Picture.Y);
    return page;
}

void PrintRecordPage(TCanvas *canvas, const TCustomLumbraMessage *record, const QStringList &lines,
                     const TRect &target)
{
    std::unique_ptr<TBitmap> ownPage;
    TBitmap *page = JobPage;
    if (!page) {
        ownPage = BlankPage();
        page = ownPage.get();
    }
    TCanvas *pageCanvas = page->Canvas();
    const TPageText text = LayOutText(pageCanvas, lines);
    DrawPicture(record, pageCanvas, text.Picture.X, text.Picture.Y);
    pageCanvas->Release();
    const TInk ink = FindInk(page->Image());
    const auto whiten = qScopeGuard([page, &ink] { Whiten(page, ink); });
    // The text goes as text in the font it was laid out in, the picture as its own pixels, both stretched alike,
    // so that the printed text stays sharp and can be searched and the job holds no page of white pixels.
    TCanvas::TDrawScope painter(*canvas);
    if (!painter)
        return;
    painter->translate(target.Left, target.Top);
    painter->scale(double(target.Right - target.Left) / PrintPageWidth,
                   double(target.Bottom - target.Top) / PrintPageHeight);
    DrawInk(*painter.Painter(), page->Image(), ink);
    const QFont font = pageCanvas->DeviceFont();
    const int ascent = QFontMetrics(font, pageCanvas->Device()).ascent();
    painter->setFont(font);
    painter->setPen(ColorToQColor(pageCanvas->Font()->Color()));
    for (const TPlacedText &piece : text.Pieces)
        painter->drawText(piece.At.X, piece.At.Y + ascent, piece.Text);
}

TRect PrintTargetRect(int pageWidth, int pageHeight)
{
    // As wide as the page, unless that makes it higher than the page.
    qint64 width = pageWidth;
    qint64 height = width * PrintPageHeight / PrintPageWidth;
    if (height > pageHeight) {
        height = pageHeight;
        width = height * PrintPageWidth / PrintPageHeight;
    }
    const int left = int((pageWidth - width) / 2);
    return {left, 0, left + int(width), int(height)};
}

QString PrintProgressText(TmlCustomLang *lang, int page, int pages)
{
    return Format(lang->LookupString(QStringLiteral("strPrintProgress")), {page, pages});
}

void AddPrintStrings(TmlCustomLang *lang)
{
    const char *const entries[][3] = {
        {"strPrinterTitleForTuning", "LUMBRA's tuning record", "Параметры настройки ЛУМБРА"},
        {"strPrinterTitleForTunings", "LUMBRA's tuning records report", "Отчет по параметрам настроек ЛУМБРА"},
        {"strPrinterTitleForImage", "LUMBRA's C-image parameters", "Параметры С-изображения ЛУМБРА"},
        {"strPrinterTitleForImages", "LUMBRA's C-image records report", "Отчет по параметрам С-изображений ЛУМБРА"},
        {"strImage", "Image:", "Изображение:"},
        {"strPrintProgress", "Printing page %d of %d", "Печать: страница %d из %d"},
    };
    for (const auto &[name, english, russian] : entries)
        AddLangEntry(lang, lang->Strings(), QString::fromUtf8(name), QString::fromUtf8(english),
                     QString::fromUtf8(russian));
}

void TfrmLumbra::BuildPrinting()
{
    PrintDialog1 = new TPrintDialog(this);
    PrintDialog1->SetName(QStringLiteral("PrintDialog1"));
    TunPrint1->SetOnClick(MakeEvent<&TfrmLumbra::Print1Click>(this));
    TunPrintAll1->SetOnClick(MakeEvent<&TfrmLumbra::PrintAll1Click>(this));
    ImgPrint1->SetOnClick(MakeEvent<&TfrmLumbra::Print2Click>(this));
    ImgPrintAll1->SetOnClick(MakeEvent<&TfrmLumbra::PrintAll2Click>(this));
    AddPrintStrings(mlLangLinked1);
}

namespace {
TRect PrinterTarget()
{
    const TPrinter *printer = Printer();
    return PrintTargetRect(printer->PageWidth(), printer->PageHeight());
}
} // namespace

void TfrmLumbra::PrintTunings(TCanvas *canvas, int row)
{
    const auto *tuning = dynamic_cast<const TLumbraTuningMessage *>(sgTunings->Objects(0, row));
    if (!tuning)
        return;
    PrintRecordPage(canvas, tuning, TuningPrintLines(tuning, mlLangLinked1), PrinterTarget());
}

void TfrmLumbra::PrintImages(TCanvas *canvas, int row)
{
    const auto *image = dynamic_cast<const TLumbraImageMessage *>(sgImages->Objects(0, row));
    if (!image)
        return;
    PrintRecordPage(canvas, image, ImagePrintLines(image, mlLangLinked1), PrinterTarget());
}

void TfrmLumbra::Print1Click(TObject *)
{
    const TBusyCursor busy;
    if (PrintDialog1->Execute())
        PrintRows(this, sgTunings, sgTunings->Row(), sgTunings->Row(), QStringLiteral("strPrinterTitleForTuning"),
                  [this](TCanvas *canvas, int row) { PrintTunings(canvas, row); });
}

void TfrmLumbra::PrintAll1Click(TObject *)
{
    const TBusyCursor busy;
    if (PrintDialog1->Execute())
        PrintRows(this, sgTunings, 1, sgTunings->RowCount() - 1, QStringLiteral("strPrinterTitleForTunings"),
                  [this](TCanvas *canvas, int row) { PrintTunings(canvas, row); });
}

void TfrmLumbra::Print2Click(TObject *)
{
    const TBusyCursor busy;
    if (PrintDialog1->Execute())
        PrintRows(this, sgImages, sgImages->Row(), sgImages->Row(), QStringLiteral("strPrinterTitleForImage"),
                  [this](TCanvas *canvas, int row) { PrintImages(canvas, row); });
}

void TfrmLumbra::PrintAll2Click(TObject *)
{
    const TBusyCursor busy;
    if (PrintDialog1->Execute())
        PrintRows(this, sgImages, 1, sgImages->RowCount() - 1, QStringLiteral("strPrinterTitleForImages"),
                  [this](TCanvas *canvas, int row) { PrintImages(canvas, row); });
}
