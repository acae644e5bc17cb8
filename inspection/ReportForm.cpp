#include "ReportForm.h"

#include "mlLangDispatcher.h"
#include "mlLngLnk.h"

namespace {
// The line that says who made the program, in every report's title band and after every banner.
const QString MakerLine = QStringLiteral("Ormel Software Environment");
constexpr double LabelHeight = 5;
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
    TitleBand1->SetHeight(32);
    TitleBand1->SetPage(ReportPage1);
    DetailBand1 = new TReportBand(this);
    DetailBand1->SetName(QStringLiteral("DetailBand1"));
    DetailBand1->SetBandType(rbDetail);
    DetailBand1->SetHeight(240);
    DetailBand1->SetPage(ReportPage1);

    RepTitleLabel = NewLabel(QStringLiteral("RepTitleLabel"), rbTitle, 0, 2, 190);
    RepTitleLabel->Font()->SetSize(18);
    RepTitleLabel->Font()->SetStyle(fsBold);
    RepColontitulLabel = NewLabel(QStringLiteral("RepColontitulLabel"), rbTitle, 0, 14, 190);
    RepColontitulLabel->Font()->SetSize(9);
    RepMakerLabel = NewLabel(QStringLiteral("RepMakerLabel"), rbTitle, 0, 22, 190);
    RepMakerLabel->Font()->SetSize(8);
    RepMakerLabel->SetCaption(MakerLine);
}

TRepLabel *TReportForm::NewLabel(const QString &name, TReportBandType band, double left, double top, double width)
{
    auto *label = new TRepLabel(this);
    label->SetName(name);
    label->SetBand(band == rbTitle ? TitleBand1 : DetailBand1);
    label->SetBounds(left, top, width, LabelHeight);
    return label;
}

TRepImage *TReportForm::NewImage(const QString &name, double left, double top, double size)
{
    auto *image = new TRepImage(this);
    image->SetName(name);
    image->SetBand(DetailBand1);
    image->SetBounds(left, top, size, size);
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

void TReportForm::Preview()
{
    ReportPage1->SetReportTitle(RepTitleLabel->Caption());
    ReportPage1->Preview();
}
