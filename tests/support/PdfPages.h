#pragma once

#include "printing/Printer.h"

#include <QImage>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
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

// A page (1-based) as a viewer shows it at that resolution.
inline QImage PdfPageImage(const QString &pdf, int page, int dpi = 50)
{
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                               QString::number(page), QStringLiteral("-l"), QString::number(page),
                                               QStringLiteral("-singlefile"), pdf});
    process.waitForFinished(30000);
    return QImage::fromData(process.readAllStandardOutput(), "PPM");
}

// A word of a page and the box poppler gives it, in points from the page's top-left corner.
struct TPdfWord {
    QString Text;
    QRectF Box;
};

struct TPdfPage {
    QSizeF Size;
    QList<TPdfWord> Words;
};

// The words of every page, or of one page (1-based), in poppler's reading order.
inline QList<TPdfPage> PdfPagesWords(const QString &pdf, int page = 0)
{
    QStringList arguments{QStringLiteral("-bbox")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    const QString xhtml = RunPoppler(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
    QList<TPdfPage> pages;
    const QRegularExpression size(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"(-?[0-9.]+)\" yMin=\"(-?[0-9.]+)\" xMax=\"(-?[0-9.]+)\" yMax=\"(-?[0-9.]+)\">([^<]*)</word>"));
    for (const QString &part : xhtml.split(QStringLiteral("</page>"))) {
        const QRegularExpressionMatch pageSize = size.match(part);
        if (!pageSize.hasMatch())
            continue;
        TPdfPage &words = pages.emplace_back();
        words.Size = {pageSize.captured(1).toDouble(), pageSize.captured(2).toDouble()};
        for (const QRegularExpressionMatch &match : word.globalMatch(part)) {
            QString text = match.captured(5);
            text.replace(QLatin1String("&lt;"), QLatin1String("<"))
                .replace(QLatin1String("&gt;"), QLatin1String(">"))
                .replace(QLatin1String("&quot;"), QLatin1String("\""))
                .replace(QLatin1String("&apos;"), QLatin1String("'"))
                .replace(QLatin1String("&amp;"), QLatin1String("&"));
            words.Words.append({text, QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                             QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
        }
    }
    return pages;
}

inline TPdfPage PdfWords(const QString &pdf, int page) { return PdfPagesWords(pdf, page).value(0); }

// A picture the PDF holds: its size in pixels, how it is stored ("image" lossless, "jpeg", ...), and its
// resolution on the page across and down.
struct TPdfImage {
    int Width = 0, Height = 0;
    QString Encoding;
    int XPpi = 0, YPpi = 0;
};

inline QList<TPdfImage> PdfImages(const QString &pdf)
{
    QList<TPdfImage> images;
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    for (const QString &line : RunPoppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n')) {
        const QStringList fields = line.simplified().split(u' ');
        if (fields.size() < 14 || !fields[0].front().isDigit())
            continue;
        images.append({fields[3].toInt(), fields[4].toInt(), fields[8], fields[12].toInt(), fields[13].toInt()});
    }
    return images;
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
