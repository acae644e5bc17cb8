#include "reports/ReportImpactImage.h"

namespace {
using F = TReportImpactImageForm;

const TReportRowEntry<F> Rows[] = {
    {rcPage, rkHeading, "RepImageRecordPropertsLabel",
     {"Impact image record properties:", "Свойства записи ударного изображения:"}},
    {rcPage, rkField, "RepDevicetypeLabel", {"Device type:", "Тип прибора:"}, nullptr, "RepLabelDevicetype",
     &F::RepLabelDevicetype},
    {rcPage, rkField, "RepDeviceIDLabel", {"Device ID:", "ID прибора:"}, nullptr, "RepLabelDeviceID",
     &F::RepLabelDeviceID},
    {rcPage, rkField, "RepImageIDLabel", {"Image ID:", "ID изображения:"}, nullptr, "RepLabelImageID",
     &F::RepLabelImageID},
    {rcPage, rkField, "RepImagenameLabel", {"Image name:", "Название изображения:"}, nullptr, "RepLabelImagename",
     &F::RepLabelImagename},
    {rcPage, rkSection, "RepStartedLabel", {"Inspection started at:", "Начало контроля:"}},
    {rcPage, rkSubfield, "RepDateLabel", {"Date:", "Дата:"}, nullptr, "RepLabelDate", &F::RepLabelDate},
    {rcPage, rkSubfield, "RepTimeLabel", {"Time:", "Время:"}, nullptr, "RepLabelTime", &F::RepLabelTime},
    {rcPage, rkSection, "RepEndedLabel", {"Inspection finished at:", "Окончание контроля:"}},
    {rcPage, rkSubfield, "RepDateLabel2", {"Date:", "Дата:"}, nullptr, "RepLabelDate2", &F::RepLabelDate2},
    {rcPage, rkSubfield, "RepTimeLabel2", {"Time:", "Время:"}, nullptr, "RepLabelTime2", &F::RepLabelTime2},
    {rcPage, rkField, "RepImageWidthLabel", {"Image width:", "Ширина:"}, nullptr, "RepLabelImageWidth",
     &F::RepLabelImageWidth},
    {rcPage, rkField, "RepImageheightLabel", {"Image height:", "Высота:"}, nullptr, "RepLabelImageheight",
     &F::RepLabelImageheight},
    {rcPage, rkSection, "RepScannedImageLabel", {"Scanned image:", "Изображение:"}},
    {rcPage, rkPicture, "RepImage1"},
    {rcPage, rkField, "RepCommentsLabel", {"Comments:", "Замечания:"}, nullptr, "RepLabelComments",
     &F::RepLabelComments},
    {rcPage, rkField, "RepConclusionLabel", {"Conclusion:", "Заключение:"}, nullptr, "RepLabelConclusion",
     &F::RepLabelConclusion},
    {rcLeft, rkField, "RepControlMadeLabel", {"Test is performed by:", "Контроль произвел:"}, nullptr,
     "RepLabelControlMade", &F::RepLabelControlMade},
    {rcRight, rkText, "RepSignatureLabel", {"Signature:", "Подпись:"}},
};
} // namespace

TReportImpactImageForm::TReportImpactImageForm(TmlLangDispatcher *dispatcher)
    : TReportForm(QStringLiteral("ReportImpactImageForm"))
{
    AddCaption(QStringLiteral("RepTitleLabel"), {"Impact Image", "Ударное изображение"});
    RepImage1 = NewImage(QStringLiteral("RepImage1"), ScreenMillimetres(301), ScreenMillimetres(237));
    BuildRows<F>(Rows);
    FinishLoading(dispatcher);
}
