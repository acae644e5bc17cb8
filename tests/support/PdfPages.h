#pragma once

#include "printing/Printer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Reads a printed PDF back with poppler's tools: its pages, its title and the text of each page.
inline QString RunPoppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfInfo(const QString &pdf, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field), QRegularExpression::MultilineOption);
    return line.match(RunPoppler(QStringLiteral("pdfinfo"), {pdf})).captured(1).trimmed();
}

inline int PdfPageCount(const QString &pdf) { return PdfInfo(pdf, QStringLiteral("Pages")).toInt(); }

// The text of one page (1-based) as laid out on it, tabs and runs of blanks kept as poppler places them.
inline QString PdfPageText(const QString &pdf, int page)
{
    return RunPoppler(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                       QString::number(page), pdf, QStringLiteral("-")});
}

// Every print job of its lifetime goes to this PDF file.
class TPrintToPdfScope {
public:
    explicit TPrintToPdfScope(const QString &pdf) : saved_(qgetenv(PrintToPdfVariable))
    {
        qputenv(PrintToPdfVariable, pdf.toLocal8Bit());
    }
    ~TPrintToPdfScope()
    {
        if (saved_.isEmpty())
            qunsetenv(PrintToPdfVariable);
        else
            qputenv(PrintToPdfVariable, saved_);
    }
    TPrintToPdfScope(const TPrintToPdfScope &) = delete;
    TPrintToPdfScope &operator=(const TPrintToPdfScope &) = delete;

private:
    QByteArray saved_;
};
