#pragma once

#include "classes/Component.h"
#include "printing/RepPrintable.h"

#include <QList>
#include <QPointer>
#include <QString>

class QPainter;

enum TReportBandType { rbTitle, rbDetail };

// A horizontal strip of a report page, Height millimetres high, holding report labels and images placed in
// millimetres from its top-left corner. Title bands come first on the page, then detail bands, each kind in the
// order the bands joined the page.
class TReportBand : public TComponent {
    Q_OBJECT
public:
    explicit TReportBand(TComponent *owner);
    ~TReportBand() override;

    class TReportPage *Page() const { return page_; }
    void SetPage(TReportPage *page);
    TReportBandType BandType() const { return bandType_; }
    void SetBandType(TReportBandType type) { bandType_ = type; }
    double Height() const { return height_; }
    void SetHeight(double millimetres) { height_ = millimetres; }

    void AddItem(TRepPrintable *item);
    void RemoveItem(TRepPrintable *item);
    const QList<QPointer<TRepPrintable>> &Items() const { return items_; }

private:
    QPointer<TReportPage> page_;
    TReportBandType bandType_ = rbDetail;
    double height_ = 20;
    QList<QPointer<TRepPrintable>> items_;
};

// A report on A4 portrait pages, laid out in millimetres inside its margins: its title bands head every page, the
// items of its detail bands print on the pages their PageIndex names, and it has as many pages as its last item
// needs. Its page number label, a label of a title band, reads "page / pages" on each page. Print sends it to the
// module's printer as a job named ReportTitle; Preview shows it in the print preview window titled ReportTitle
// (answered by the modal hook, kind mkForm, when one is set), from which the user may print it, and returns when
// that window closes. Both raise EPrintFailed for a job that could not be written; pictures keep their exact
// pixels.
class TReportPage : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString ReportTitle READ ReportTitle WRITE SetReportTitle)
public:
    static constexpr double PaperWidth = 210;
    static constexpr double PaperHeight = 297;

    explicit TReportPage(TComponent *owner);
    ~TReportPage() override;

    const QString &ReportTitle() const { return reportTitle_; }
    void SetReportTitle(const QString &title) { reportTitle_ = title; }
    double Margin() const { return margin_; }
    void SetMargin(double millimetres) { margin_ = millimetres; }
    void SetPageNumberLabel(TRepLabel *label) { pageNumberLabel_ = label; }

    void AddBand(TReportBand *band);
    void RemoveBand(TReportBand *band);
    // The bands in page order.
    QList<TReportBand *> Bands() const;
    int PageCount() const;

    void Print();
    void Preview();
    // Draws a page (from 0) on a device whose origin is the top-left corner inside the margins.
    void Render(QPainter &painter, int page = 0);

private:
    // Draws every page, starting each after the first with `newPage`.
    template <class NewPage>
    void RenderPages(QPainter &painter, NewPage newPage);

    QString reportTitle_;
    double margin_ = 10;
    QList<QPointer<TReportBand>> bands_;
    QPointer<TRepLabel> pageNumberLabel_;
};
