#include "reports/ReportAllImage.h"

#include "DeviceKinds.h"
#include "controls/Image.h"
#include "mainwindow/LumbraWindow.h"
#include "printing/RepPrintable.h"
#include "printing/ReportPage.h"

#include <algorithm>

namespace {
// The sheet is laid out in screen pixels, a 96th of an inch each.
constexpr double MmPerPixel = 25.4 / 96;
constexpr double PageMargin = 5;
constexpr double TitleHeight = 10;
constexpr double BannerHeight = 5;
constexpr double SheetHeight = (TCompositeSlots::Rows * TCompositeSlots::Spacing + 1) * MmPerPixel;
constexpr double InnerWidth = TReportPage::PaperWidth - 2 * PageMargin;

TReportBand *NewBand(TReportAllImageForm *owner, TReportPage *page, const QString &name, TReportBandType type,
                     double height)
{
    auto *band = new TReportBand(owner);
    band->SetName(name);
    band->SetBandType(type);
    band->SetHeight(height);
    band->SetPage(page);
    return band;
}

TRepLabel *NewLabel(TReportAllImageForm *owner, TReportBand *band, const QString &name, double top)
{
    auto *label = new TRepLabel(owner);
    label->SetName(name);
    label->Font()->SetName(QStringLiteral("Arial"));
    label->Font()->SetSize(8);
    label->SetBounds(0, top, InnerWidth, BannerHeight);
    label->SetBand(band);
    return label;
}

// One line of the label's text centred across the page.
void Centre(TRepLabel *label)
{
    const double width = std::min(InnerWidth, label->TextWidth());
    label->SetBounds((InnerWidth - width) / 2, label->Top(), width, label->Height());
}
} // namespace

TReportAllImageForm::TReportAllImageForm(TComponent *owner) : TComponent(owner)
{
    SetName(QStringLiteral("ReportAllImageForm"));
    ReportPage1 = new TReportPage(this);
    ReportPage1->SetName(QStringLiteral("ReportPage1"));
    ReportPage1->SetMargin(PageMargin);
    TitleBand1 = NewBand(this, ReportPage1, QStringLiteral("TitleBand1"), rbTitle, TitleHeight);
    QRLabel1 = NewLabel(this, TitleBand1, QStringLiteral("QRLabel1"), 0);
    QRLabel1->SetCaption(MakerLine);
    Centre(QRLabel1);
    DetailBand1 = NewBand(this, ReportPage1, QStringLiteral("DetailBand1"), rbDetail, SheetHeight + BannerHeight);
    RepColontitulLabel = NewLabel(this, DetailBand1, QStringLiteral("RepColontitulLabel"), SheetHeight);
}

void TReportAllImageForm::SetBanner(const QString &text)
{
    RepColontitulLabel->SetCaption(text);
    Centre(RepColontitulLabel);
}

void TReportAllImageForm::AddImage(const TImage *preview)
{
    auto *image = new TRepImage(this);
    image->SetPicture(preview->Picture());
    image->SetBounds(preview->Left() * MmPerPixel, preview->Top() * MmPerPixel, preview->Width() * MmPerPixel,
                     preview->Height() * MmPerPixel);
    image->SetBand(DetailBand1);
}
