#pragma once

#include "rtl/Exceptions.h"

#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;
class TCanvas;

class EPrinter : public Exception {
public:
    using Exception::Exception;
};

// Why a print job could not be written.
enum TPrintFault { pfNoFolder, pfNoPermission, pfNotWritten, pfPrinterFailed };

// A print job that could not be written: the file or the printer it was to go to (empty: the default printer),
// and why.
class EPrintFailed : public EPrinter {
public:
    EPrintFailed(const QString &target, TPrintFault fault);
    const QString &Target() const { return target_; }
    TPrintFault Fault() const { return fault_; }

private:
    QString target_;
    TPrintFault fault_;
};

// The environment variable that sends every print job to this PDF file instead of a printer, so that a machine
// without one still gets real pages (each job writes the file anew).
inline constexpr char PrintToPdfVariable[] = "ORMEL_PRINT_TO_PDF";

// The module's printer. A job runs from BeginDoc to EndDoc under the name in Title; between them Canvas draws on
// the current page in device pixels and NewPage starts the next one.
class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter &) = delete;
    TPrinter &operator=(const TPrinter &) = delete;

    // The Qt printer behind it, which the print dialog and the report pages set up.
    QPrinter *QtPrinter() const { return printer_.get(); }
    TCanvas *Canvas() const { return canvas_.get(); }

    const QString &Title() const { return title_; }
    void SetTitle(const QString &title) { title_ = title; }
    bool Printing() const { return painter_.isActive(); }
    int PageNumber() const { return pageNumber_; }

    // Raises EPrinter when a job runs already, EPrintFailed when the job cannot be written; pictures go to the
    // page with their exact pixels.
    void BeginDoc();
    void NewPage();
    // Raises EPrintFailed when the job could not be written after all.
    void EndDoc();
    // Cancels the job where the device can, and ends it in any case; nothing when no job runs.
    void Abort();

    // The drawable page in device pixels.
    int PageWidth() const;
    int PageHeight() const;

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<TCanvas> canvas_;
    QPainter painter_;
    QString title_;
    int pageNumber_ = 0;
};

// Points the printer's output at the PDF file the environment names, if it names one.
void ApplyPrintToPdf(QPrinter *printer);
// Why the printer's job could not be written, looked for once it failed.
EPrintFailed PrintFailure(const QPrinter &printer);

TPrinter *Printer();
