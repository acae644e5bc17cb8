#include "ReportImpactImage.h"

namespace {
using F = TReportImpactImageForm;
constexpr double Value = 45;

const TReportLabelEntry<F> Labels[] = {
    {nullptr, "RepImageRecordPropertsLabel", rbDetail, 0, 0, 120,
     {"Impact image record properties:", "Свойства записи ударного изображения:"}, 12, true},
    {nullptr, "RepDevicetypeLabel", rbDetail, 0, 8, 40, {"Device type:", "Тип прибора:"}},
    {&F::RepLabelDevicetype, "RepLabelDevicetype", rbDetail, Value, 8, 50},
    {nullptr, "RepDeviceIDLabel", rbDetail, 0, 14, 40, {"Device ID:", "ID прибора:"}},
    {&F::RepLabelDeviceID, "RepLabelDeviceID", rbDetail, Value, 14, 50},
    {nullptr, "RepImageIDLabel", rbDetail, 0, 20, 40, {"Image ID:", "ID изображения:"}},
    {&F::RepLabelImageID, "RepLabelImageID", rbDetail, Value, 20, 50},
    {nullptr, "RepImagenameLabel", rbDetail, 0, 26, 40, {"Image name:", "Название изображения:"}},
    {&F::RepLabelImagename, "RepLabelImagename", rbDetail, Value, 26, 140},
    {nullptr, "RepStartedLabel", rbDetail, 0, 34, 60, {"Inspection started at:", "Начало контроля:"}, 10, true},
    {nullptr, "RepDateLabel", rbDetail, 5, 40, 35, {"Date:", "Дата:"}},
    {&F::RepLabelDate, "RepLabelDate", rbDetail, Value, 40, 50},
    {nullptr, "RepTimeLabel", rbDetail, 5, 46, 35, {"Time:", "Время:"}},
    {&F::RepLabelTime, "RepLabelTime", rbDetail, Value, 46, 50},
    {nullptr, "RepEndedLabel", rbDetail, 0, 54, 60, {"Inspection finished at:", "Окончание контроля:"}, 10, true},
    {nullptr, "RepDateLabel2", rbDetail, 5, 60, 35, {"Date:", "Дата:"}},
    {&F::RepLabelDate2, "RepLabelDate2", rbDetail, Value, 60, 50},
    {nullptr, "RepTimeLabel2", rbDetail, 5, 66, 35, {"Time:", "Время:"}},
    {&F::RepLabelTime2, "RepLabelTime2", rbDetail, Value, 66, 50},
    {nullptr, "RepImageWidthLabel", rbDetail, 0, 74, 40, {"Image width:", "Ширина:"}},
    {&F::RepLabelImageWidth, "RepLabelImageWidth", rbDetail, Value, 74, 50},
    {nullptr, "RepImageheightLabel", rbDetail, 0, 80, 40, {"Image height:", "Высота:"}},
    {&F::RepLabelImageheight, "RepLabelImageheight", rbDetail, Value, 80, 50},
    {nullptr, "RepScannedImageLabel", rbDetail, 0, 90, 60, {"Scanned image:", "Изображение:"}},
    {nullptr, "RepCommentsLabel", rbDetail, 0, 168, 40, {"Comments:", "Замечания:"}},
    {&F::RepLabelComments, "RepLabelComments", rbDetail, Value, 168, 145},
    {nullptr, "RepConclusionLabel", rbDetail, 0, 175, 40, {"Conclusion:", "Заключение:"}},
    {&F::RepLabelConclusion, "RepLabelConclusion", rbDetail, Value, 175, 145, {}, 10, false, 20},
    {nullptr, "RepControlMadeLabel", rbDetail, 0, 198, 40, {"Test is performed by:", "Контроль произвел:"}},
    {&F::RepLabelControlMade, "RepLabelControlMade", rbDetail, Value, 198, 60},
    {nullptr, "RepSignatureLabel", rbDetail, 110, 198, 30, {"Signature:", "Подпись:"}},
};
} // namespace

TReportImpactImageForm::TReportImpactImageForm(TmlLangDispatcher *dispatcher)
    : TReportForm(QStringLiteral("ReportImpactImageForm"))
{
    AddCaption(QStringLiteral("RepTitleLabel"), {"Impact Image", "Ударное изображение"});
    BuildLabels<F>(Labels);
    RepImage1 = NewImage(QStringLiteral("RepImage1"), 0, 97, 301 * 25.4 / 96);
    RepImage1->SetBounds(0, 97, 301 * 25.4 / 96, 237 * 25.4 / 96);
    FinishLoading(dispatcher);
}
