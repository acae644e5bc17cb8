// Print All benchmark (run by hand): print_all_benchmark [--runs N] [images]
//
// Loads a sample journal of tunings and images (about 10,000 images unless given) into the data manager, opens the
// plug-in's real window in this process and prints every image with Print All into a PDF file, as the user does:
// from the menu entry's click, the print dialog confirmed, until the job is written and the window has repainted.
// Beside it, in turns within the same run, the same job in plain Qt: a QPrinter writing a PDF page a record, each
// with the same text lines and the record's picture, drawn with QPainter's default image handling. Prints the
// median of each and the median of the rounds' ratios.

#include "BenchSession.h"
#include "BenchTiming.h"
#include "forms/ModalHook.h"
#include "graphics/Bitmap.h"
#include "mainwindow/LumbraWindow.h"
#include "menus/Menus.h"
#include "mlLngLnk.h"
#include "printing/Printer.h"
#include "reports/DirectPrinting.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The record's own picture as the plain job draws it: the record drawn on an image of its size.
QImage RecordPicture(const TLumbraImageMessage *image)
{
    TBitmap bitmap;
    if (image->ImageType == 2)
        bitmap.SetSize(std::max(1, 8 * (image->SizeX - 1)), std::max(1, 8 * (image->SizeY - 1) + 1));
    else
        bitmap.SetSize(image->Width + 40, image->Height + 40);
    try {
        image->Draw(bitmap.Canvas(), 0, 0);
    } catch (const ERangeError &) {
    }
    bitmap.Canvas()->Release();
    return bitmap.Image();
}

// Every image of the table, a page each: the lines of the page as text, then the picture, as a plain Qt program
// prints them.
void PlainPrintAll(TfrmLumbra *form, const QString &pdf)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QPainter painter(&printer);
    const TRect target = PrintTargetRect(printer.width(), printer.height());
    painter.translate(target.Left, target.Top);
    painter.scale(double(target.Right - target.Left) / PrintPageWidth,
                  double(target.Bottom - target.Top) / PrintPageHeight);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    TStringGrid *grid = form->sgImages;
    for (int row = 1; row < grid->RowCount(); ++row) {
        const auto *image = static_cast<const TLumbraImageMessage *>(grid->Objects(0, row));
        if (row > 1)
            printer.newPage();
        int top = PrintTextOrigin;
        for (const QString &line : ImagePrintLines(image, form->mlLangLinked1)) {
            int left = PrintTextOrigin;
            for (const QString &column : line.split(u'\t')) {
                painter.drawText(left, top + 13, column);
                left += 160;
            }
            top += PrintLineStep;
        }
        painter.drawImage(QPoint(0, top), RecordPicture(image));
    }
}

bool Run(int images, int runs, const QString &folder)
{
    const QString path = QDir(folder).filePath("ormeldata.txt");
    if (!WriteSampleJournal(2 * images, path))
        return false;
    const TLumbraSession session(path);
    TfrmLumbra *form = frmLumbra;
    TmpObj->DoConfigAction(nullptr);
    QApplication::processEvents();
    const int pages = form->sgImages->RowCount() - 1;
    std::printf("Print All of %d images, %d runs\n", pages, runs);

    const QString programPdf = QDir(folder).filePath("program.pdf");
    const QString plainPdf = QDir(folder).filePath("plain.pdf");
    qputenv(PrintToPdfVariable, programPdf.toLocal8Bit());
    const TModalHookScope confirm([](const TModalRequest &) { return 1; });
    std::vector<double> program, plain, ratios;
    for (int run = 0; run < runs; ++run) {
        program.push_back(Milliseconds([form] {
            form->ImgPrintAll1->Click();
            QApplication::processEvents();
        }));
        plain.push_back(Milliseconds([form, &plainPdf] { PlainPrintAll(form, plainPdf); }));
        ratios.push_back(program.back() / plain.back());
        std::printf("  round %d: the program %8.0f ms, plain Qt %8.0f ms (x%.2f)\n", run + 1, program.back(),
                    plain.back(), ratios.back());
    }
    const double ratio = Median(ratios);
    std::printf("  median: the program %.0f ms, plain Qt %.0f ms; ratio x%.2f   goal x1.5: %s\n", Median(program),
                Median(plain), ratio, ratio <= 1.5 ? "met" : "MISSED");
    std::printf("  files: the program %lld kB, plain Qt %lld kB\n", QFileInfo(programPdf).size() / 1024,
                QFileInfo(plainPdf).size() / 1024);
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    return RunBenchmark(argc, argv, 3, 10000, "print_all_benchmark [--runs N] [images]", Run);
}
