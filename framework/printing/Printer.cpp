#include "printing/Printer.h"

#include "graphics/Canvas.h"

#include <QPrinter>

void ApplyPrintToPdf(QPrinter *printer)
{
    const QString file = qEnvironmentVariable(PrintToPdfVariable);
    if (file.isEmpty())
        return;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
}

TPrinter::TPrinter() : printer_(new QPrinter(QPrinter::HighResolution)), canvas_(new TCanvas) {}

TPrinter::~TPrinter()
{
    canvas_->SetPainter(nullptr);
    if (painter_.isActive())
        painter_.end();
}

void TPrinter::BeginDoc()
{
    if (Printing())
        throw EPrinter(QStringLiteral("Printing in progress"));
    ApplyPrintToPdf(printer_.get());
    printer_->setDocName(title_);
    if (!painter_.begin(printer_.get()))
        throw EPrinter(QStringLiteral("Printer selected is not valid"));
    canvas_->SetPainter(&painter_);
    pageNumber_ = 1;
}

void TPrinter::NewPage()
{
    if (!Printing())
        throw EPrinter(QStringLiteral("Printer is not currently printing"));
    printer_->newPage();
    ++pageNumber_;
}

void TPrinter::EndDoc()
{
    if (!Printing())
        throw EPrinter(QStringLiteral("Printer is not currently printing"));
    canvas_->SetPainter(nullptr);
    painter_.end();
    pageNumber_ = 0;
}

int TPrinter::PageWidth() const { return printer_->width(); }

int TPrinter::PageHeight() const { return printer_->height(); }

int TPrinter::PixelsPerInchX() const { return printer_->logicalDpiX(); }

TPrinter *Printer()
{
    static TPrinter printer;
    return &printer;
}
