#include "reports/ReportForm.h"

#include "mlLangDispatcher.h"
#include "mlLngLnk.h"

namespace {
// The line that says who made the program, in every report's title band and after every banner.
const QString MakerLine = QStringLiteral("Ormel Software Environment");
// Between the title band's rows and the detail band.
constexpr double TitleGap = 5;
} // namespace

TReportForm::TReportForm(const QString &name) : TForm(nullptr)
{
    BeginLoading();
    SetName(name);
    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    mlLangLinked1->SetNumOfLanguages(2);

    ReportPage1 = new TReportPage(this);
    ReportPage1->SetName(QStringLiteral("ReportPage1"));
    TitleBand1 = new TReportBand(this);
    TitleBand1->SetName(QStringLiteral("TitleBand1"));
    TitleBand1->SetBandType(rbTitle);
    TitleBand1->SetPage(ReportPage1);
    DetailBand1 = new TReportBand(this);
    DetailBand1->SetName(QStringLiteral("DetailBand1"));
    DetailBand1->SetBandType(rbDetail);
    DetailBand1->SetPage(ReportPage1);

    RepTitleLabel = NewLabel(QStringLiteral("RepTitleLabel"), TitleBand1);
    RepPageNumberLabel = NewLabel(QStringLiteral("RepPageNumberLabel"), TitleBand1);
    ReportPage1->SetPageNumberLabel(RepPageNumberLabel);
    RepColontitulLabel = NewLabel(QStringLiteral("RepColontitulLabel"), TitleBand1);
    RepMakerLabel = NewLabel(QStringLiteral("RepMakerLabel"), TitleBand1);
    RepMakerLabel->SetCaption(MakerLine);
    title_.Add({rcLeft, rkTitle, RepTitleLabel});
    title_.Add({rcRight, rkText, RepPageNumberLabel});
    title_.Add({rcPage, rkBanner, RepColontitulLabel});
    title_.Add({rcPage, rkNote, RepMakerLabel});
}

TRepLabel *TReportForm::NewLabel(const QString &name, TReportBand *band)
{
    auto *label = new TRepLabel(this);
    label->SetName(name);
    label->SetBand(band);
    return label;
}

TRepImage *TReportForm::NewImage(const QString &name, double width, double height)
{
    auto *image = new TRepImage(this);
    image->SetName(name);
    image->SetBand(DetailBand1);
    image->SetBounds(0, 0, width, height);
    image->Frame().Visible = true;
    return image;
}

void TReportForm::AddCaption(const QString &name, const TLangPair &caption)
{
    const QString english = QString::fromUtf8(caption.English);
    static_cast<TRepLabel *>(FindComponent(name))->SetCaption(english);
    AddLangEntry(mlLangLinked1, mlLangLinked1->Captions(), name, english, QString::fromUtf8(caption.Russian));
}

void TReportForm::FinishLoading(TmlLangDispatcher *dispatcher)
{
    mlLangLinked1->SetLangDispatcher(dispatcher);
    EndLoading();
}

void TReportForm::SetBanner(const QString &deviceType, int language)
{
    if (language == 1)
        RepColontitulLabel->SetCaption(QStringLiteral("Ormel Software ") + deviceType +
                                       QStringLiteral("  Version 1.03, ") + MakerLine);
    else
        RepColontitulLabel->SetCaption(QString::fromUtf8("Программный комплекс Ормел ") + deviceType +
                                       QString::fromUtf8("  Версия 1.03, ") + MakerLine);
}

void TReportForm::Arrange()
{
    const double page = TReportPage::PaperHeight - 2 * ReportPage1->Margin();
    TitleBand1->SetHeight(title_.Arrange() + TitleGap);
    DetailBand1->SetHeight(page - TitleBand1->Height());
    const int pages = detail_.ArrangePages(DetailBand1->Height());
    // At the right end of the heading's first line, standing on it, as wide as the widest number it reads.
    RepPageNumberLabel->SetCaption(QStringLiteral("%1 / %1").arg(pages));
    const double width = RepPageNumberLabel->TextWidth();
    const double height = RepPageNumberLabel->TextHeight(width);
    RepPageNumberLabel->SetBounds(TReportLayout::PageWidth - width,
                                  RepTitleLabel->Top() + RepTitleLabel->LineBottoms(RepTitleLabel->Width()).value(0) -
                                      height,
                                  width, height);
}

void TReportForm::Preview()
{
    Arrange();
    ReportPage1->SetReportTitle(RepTitleLabel->Caption());
    ReportPage1->Preview();
}
