#include "printing/ReportPage.h"

#include "forms/Cursors.h"
#include "forms/Form.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"
#include "graphics/Canvas.h"
#include "printing/Printer.h"
#include "printing/RepPrintable.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QScopeGuard>
#include <algorithm>
#include <optional>

namespace {
constexpr double MillimetresPerInch = 25.4;

// Sets the printer to an A4 portrait page with the report's margins until the scope ends.
class TReportLayoutScope {
public:
    TReportLayoutScope(QPrinter *printer, double margin) : printer_(printer), saved_(printer->pageLayout())
    {
        printer->setFullPage(false);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
    }
    ~TReportLayoutScope() { printer_->setPageLayout(saved_); }
    TReportLayoutScope(const TReportLayoutScope &) = delete;
    TReportLayoutScope &operator=(const TReportLayoutScope &) = delete;

private:
    QPrinter *printer_;
    QPageLayout saved_;
};
} // namespace

TReportBand::TReportBand(TComponent *owner) : TComponent(owner) {}

TReportBand::~TReportBand() { SetPage(nullptr); }

void TReportBand::SetPage(TReportPage *page)
{
    if (page_ == page)
        return;
    if (page_)
        page_->RemoveBand(this);
    page_ = page;
    if (page)
        page->AddBand(this);
}

void TReportBand::AddItem(TRepPrintable *item)
{
    if (!items_.contains(item))
        items_.append(item);
}

void TReportBand::RemoveItem(TRepPrintable *item) { items_.removeAll(item); }

TReportPage::TReportPage(TComponent *owner) : TComponent(owner) {}

TReportPage::~TReportPage()
{
    for (const QPointer<TReportBand> &band : QList(bands_))
        if (band)
            band->SetPage(nullptr);
}

void TReportPage::AddBand(TReportBand *band)
{
    if (!bands_.contains(band))
        bands_.append(band);
}

void TReportPage::RemoveBand(TReportBand *band) { bands_.removeAll(band); }

QList<TReportBand *> TReportPage::Bands() const
{
    QList<TReportBand *> ordered;
    for (TReportBandType type : {rbTitle, rbDetail})
        for (const QPointer<TReportBand> &band : bands_)
            if (band && band->BandType() == type)
                ordered.append(band);
    return ordered;
}

int TReportPage::PageCount() const
{
    int pages = 1;
    for (const TReportBand *band : Bands())
        if (band->BandType() == rbDetail)
            for (const QPointer<TRepPrintable> &item : band->Items())
                if (item)
                    pages = std::max(pages, item->PageIndex() + 1);
    return pages;
}

void TReportPage::Render(QPainter &painter, int page)
{
    if (pageNumberLabel_)
        pageNumberLabel_->SetCaption(QStringLiteral("%1 / %2").arg(page + 1).arg(PageCount()));
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const double scale = painter.device()->logicalDpiX() / MillimetresPerInch;
    double bandTop = 0;
    for (const TReportBand *band : Bands()) {
        for (const QPointer<TRepPrintable> &item : band->Items())
            if (item && (band->BandType() == rbTitle || item->PageIndex() == page))
                item->Render(painter, QRectF(item->Left() * scale, (bandTop + item->Top()) * scale,
                                             item->Width() * scale, item->Height() * scale));
        bandTop += band->Height();
    }
}

template <class NewPage>
void TReportPage::RenderPages(QPainter &painter, NewPage newPage)
{
    const int pages = PageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            newPage();
        Render(painter, page);
    }
}

void TReportPage::Print()
{
    TPrinter *printer = Printer();
    const TReportLayoutScope layout(printer->QtPrinter(), margin_);
    printer->SetTitle(reportTitle_);
    printer->BeginDoc();
    auto abort = qScopeGuard([printer] { printer->Abort(); });
    {
        TCanvas::TDrawScope painter(*printer->Canvas());
        if (painter)
            RenderPages(*painter.Painter(), [printer] { printer->NewPage(); });
    }
    abort.dismiss();
    printer->EndDoc();
}

void TReportPage::Preview()
{
    QPrinter *printer = Printer()->QtPrinter();
    ApplyPrintToPdf(printer);
    printer->setDocName(reportTitle_);
    const TReportLayoutScope layout(printer, margin_);
    const TForm *active = Screen->ActiveForm();
    QPrintPreviewDialog dialog(printer, active ? active->Widget() : nullptr);
    if (!reportTitle_.isEmpty())
        dialog.setWindowTitle(reportTitle_);
    // Large enough to read the page: most of the screen's height, as wide as an upright page needs.
    if (const QScreen *screen = dialog.screen()) {
        const QRect area = screen->availableGeometry();
        dialog.resize(std::min(area.width(), area.height() * 4 / 5), area.height() * 9 / 10);
    }
    // Printing from the preview goes through here too; what fails is told once the preview is closed.
    std::optional<EPrintFailed> failure;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this, &failure](QPrinter *target) {
        QPainter painter;
        if (!painter.begin(target)) {
            failure = PrintFailure(*target);
            return;
        }
        RenderPages(painter, [target] { target->newPage(); });
        if (!painter.end() || target->printerState() == QPrinter::Error)
            failure = PrintFailure(*target);
    });
    int answer = 0;
    const TNormalCursor normal;
    if (!AnswerModal({mkForm, this, &dialog, dialog.windowTitle(), {}}, answer))
        dialog.exec();
    if (failure)
        throw *failure;
}
