#include "AutomationDialogs.h"

#include "AutomationReport.h"

#include <QAction>
#include <QColorDialog>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace {
QString PdfFile(const QPrinter *printer)
{
    return printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : QString();
}

void PrintToPdf(QPrinter *printer, const QString &file)
{
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
}

// The preview's own print button, found by the text Qt gives it in the program's language.
QAction *PreviewPrintAction(QPrintPreviewDialog *preview)
{
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : preview->findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}
} // namespace

void ReportCommonDialog(QWidget *window)
{
    if (auto *dialog = qobject_cast<QPrintDialog *>(window)) {
        const QPrinter *printer = dialog->printer();
        Report(QStringLiteral("printdialog"), {{"title", dialog->windowTitle()},
                                               {"pdf", PdfFile(printer)},
                                               {"from", QString::number(printer->fromPage())},
                                               {"to", QString::number(printer->toPage())},
                                               {"copies", QString::number(printer->copyCount())}});
    } else if (auto *preview = qobject_cast<QPrintPreviewDialog *>(window)) {
        const auto *pages = preview->findChild<QPrintPreviewWidget *>();
        Report(QStringLiteral("preview"), {{"title", preview->windowTitle()},
                                           {"pages", QString::number(pages ? pages->pageCount() : 0)},
                                           {"pdf", PdfFile(preview->printer())}});
    } else if (auto *colors = qobject_cast<QColorDialog *>(window)) {
        Report(QStringLiteral("colordialog"),
               {{"title", colors->windowTitle()}, {"color", colors->currentColor().name()}});
    }
}

bool ActOnCommonDialog(QWidget *window, const QString &action, const QString &value)
{
    auto *preview = qobject_cast<QPrintPreviewDialog *>(window);
    if (action == QLatin1String("color")) {
        if (auto *colors = qobject_cast<QColorDialog *>(window))
            colors->setCurrentColor(QColor(value));
    } else if (action == QLatin1String("pdf")) {
        // Confirming the dialog sets its printer up from the dialog's own choices, so the file is set after that.
        if (auto *dialog = qobject_cast<QPrintDialog *>(window))
            QObject::connect(dialog, qOverload<QPrinter *>(&QPrintDialog::accepted), dialog,
                             [value](QPrinter *printer) { PrintToPdf(printer, value); });
        if (preview) {
            PrintToPdf(preview->printer(), value);
            if (auto *pages = preview->findChild<QPrintPreviewWidget *>())
                pages->print();
        }
    } else if (action == QLatin1String("print")) {
        if (QAction *print = preview ? PreviewPrintAction(preview) : nullptr)
            print->trigger();
    } else if (action == QLatin1String("page")) {
        if (auto *pages = preview ? preview->findChild<QPrintPreviewWidget *>() : nullptr)
            pages->setCurrentPage(value.toInt());
    } else {
        return false;
    }
    return true;
}
