#include "printing/Printer.h"

#include "graphics/Canvas.h"

#include <QFileInfo>
#include <QPrinter>

namespace {
QString FaultText(TPrintFault fault)
{
    switch (fault) {
    case pfNoFolder:
        return QStringLiteral("the folder does not exist");
    case pfNoPermission:
        return QStringLiteral("writing there is not permitted");
    case pfNotWritten:
        return QStringLiteral("the file cannot be written");
    case pfPrinterFailed:
        break;
    }
    return QStringLiteral("the printer did not take the job");
}

TPrintFault FileFault(const QString &name)
{
    const QFileInfo file(name);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return pfNoFolder;
    if (file.exists() ? !file.isWritable() : !folder.isWritable())
        return pfNoPermission;
    return pfNotWritten;
}
} // namespace

EPrintFailed::EPrintFailed(const QString &target, TPrintFault fault)
    : EPrinter(QStringLiteral("Cannot print to \"%1\": %2").arg(target, FaultText(fault))), target_(target),
      fault_(fault)
{
}

EPrintFailed PrintFailure(const QPrinter &printer)
{
    const QString file = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty())
        return {file, FileFault(file)};
    return {printer.printerName(), pfPrinterFailed};
}

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
        throw PrintFailure(*printer_);
    painter_.setRenderHint(QPainter::LosslessImageRendering);
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
    const bool ended = painter_.end();
    pageNumber_ = 0;
    if (!ended || printer_->printerState() == QPrinter::Error)
        throw PrintFailure(*printer_);
}

void TPrinter::Abort()
{
    if (!Printing())
        return;
    canvas_->SetPainter(nullptr);
    printer_->abort();
    painter_.end();
    pageNumber_ = 0;
}

int TPrinter::PageWidth() const { return printer_->width(); }

int TPrinter::PageHeight() const { return printer_->height(); }

TPrinter *Printer()
{
    static TPrinter printer;
    return &printer;
}
