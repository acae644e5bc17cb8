#include "ReportImageTuning.h"

namespace {
using F = TReportImageTuningForm;
constexpr double Value = 45;
// The tuning part starts this far down the detail band, its values this far right.
constexpr double T = 132;
constexpr double TValue = 45;

const TReportLabelEntry<F> Labels[] = {
    {nullptr, "RepImageRecordPropertsLabel", rbDetail, 0, 0, 100,
     {"Image record properties:", "Свойства записи изображения:"}, 12, true},
    {nullptr, "RepDevicetypeLabel", rbDetail, 0, 8, 40, {"Device type:", "Тип прибора:"}},
    {&F::RepLabelDevicetype, "RepLabelDevicetype", rbDetail, Value, 8, 50},
    {nullptr, "RepDeviceIDLabel", rbDetail, 0, 14, 40, {"Device ID:", "ID прибора:"}},
    {&F::RepLabelDeviceID, "RepLabelDeviceID", rbDetail, Value, 14, 50},
    {nullptr, "RepImageIDLabel", rbDetail, 0, 20, 40, {"Image ID:", "ID изображения:"}},
    {&F::RepLabelImageID, "RepLabelImageID", rbDetail, Value, 20, 50},
    {nullptr, "RepTuningIDLabel", rbDetail, 0, 26, 40, {"Tuning ID:", "ID настройки:"}},
    {&F::RepLabelTuningID, "RepLabelTuningID", rbDetail, Value, 26, 50},
    {nullptr, "RepImagenameLabel", rbDetail, 0, 32, 40, {"Image name:", "Название изображения:"}},
    {&F::RepLabelImagename, "RepLabelImagename", rbDetail, Value, 32, 60},
    {nullptr, "RepStartedLabel", rbDetail, 0, 40, 60, {"Inspection started at:", "Начало контроля:"}, 10, true},
    {nullptr, "RepDateLabel", rbDetail, 5, 46, 35, {"Date:", "Дата:"}},
    {&F::RepLabelDate, "RepLabelDate", rbDetail, Value, 46, 50},
    {nullptr, "RepTimeLabel", rbDetail, 5, 52, 35, {"Time:", "Время:"}},
    {&F::RepLabelTime, "RepLabelTime", rbDetail, Value, 52, 50},
    {nullptr, "RepEndedLabel", rbDetail, 0, 60, 60, {"Inspection ended at:", "Окончание контроля:"}, 10, true},
    {nullptr, "RepDateLabel2", rbDetail, 5, 66, 35, {"Date:", "Дата:"}},
    {&F::RepLabelDate2, "RepLabelDate2", rbDetail, Value, 66, 50},
    {nullptr, "RepTimeLabel2", rbDetail, 5, 72, 35, {"Time:", "Время:"}},
    {&F::RepLabelTime2, "RepLabelTime2", rbDetail, Value, 72, 50},
    {nullptr, "RepImageWidthLabel", rbDetail, 0, 80, 40, {"Image width (mm):", "Ширина (мм):"}},
    {&F::RepLabelImageWidth, "RepLabelImageWidth", rbDetail, Value, 80, 50},
    {nullptr, "RepImageheightLabel", rbDetail, 0, 86, 40, {"Image height (mm):", "Высота (мм):"}},
    {&F::RepLabelImageheight, "RepLabelImageheight", rbDetail, Value, 86, 50},
    {nullptr, "RepStepXLabel", rbDetail, 0, 92, 40, {"Step X (mm):", "Шаг X (мм):"}},
    {&F::RepLabelStepX, "RepLabelStepX", rbDetail, Value, 92, 50},
    {nullptr, "RepStepYLabel", rbDetail, 0, 98, 40, {"Step Y (mm):", "Шаг Y (мм):"}},
    {&F::RepLabelStepY, "RepLabelStepY", rbDetail, Value, 98, 50},
    {nullptr, "RepScannedImageLabel", rbDetail, 110, 0, 60, {"Scanned image:", "Изображение:"}},
    {&F::RepAreatextLabel, "RepAreatextLabel", rbDetail, 110, 51, 80, {}, 8},
    {&F::RepareavalueLabel, "RepareavalueLabel", rbDetail, 110, 56, 40},
    {nullptr, "RepCommentsLabel", rbDetail, 0, 106, 40, {"Comments:", "Замечания:"}},
    {&F::RepLabelComments, "RepLabelComments", rbDetail, Value, 106, 145},
    {nullptr, "RepConclusionLabel", rbDetail, 0, 112, 40, {"Conclusion:", "Заключение:"}},
    {&F::RepLabelConclusion, "RepLabelConclusion", rbDetail, Value, 112, 145, {}, 10, false, 10},
    {nullptr, "RepControlMadeLabel", rbDetail, 0, 122, 40, {"Test is performed by:", "Контроль произвел:"}},
    {&F::RepLabelControlMade, "RepLabelControlMade", rbDetail, Value, 122, 60},
    {nullptr, "RepSignatureLabel", rbDetail, 110, 122, 30, {"Signature:", "Подпись:"}},

    {nullptr, "RepTuningLabel", rbDetail, 0, T, 60, {"Tuning", "Настройка"}, 14, true},
    {&F::RepTuningRecordPropertsLabel, "RepTuningRecordPropertsLabel", rbDetail, 0, T + 8, 100,
     {"Tuning record properties:", "Свойства записи настройки:"}, 12, true},
    {&F::RepDevicetypeLabel2, "RepDevicetypeLabel2", rbDetail, 0, T + 16, 40, {"Device type:", "Тип прибора:"}},
    {&F::RepLabelDevicetype2, "RepLabelDevicetype2", rbDetail, TValue, T + 16, 50},
    {&F::RepDeviceIDLabel2, "RepDeviceIDLabel2", rbDetail, 0, T + 22, 40, {"Device ID:", "ID прибора:"}},
    {&F::RepLabelDeviceID2, "RepLabelDeviceID2", rbDetail, TValue, T + 22, 50},
    {&F::RepTuningIDLabel2, "RepTuningIDLabel2", rbDetail, 0, T + 28, 40, {"Tuning ID:", "ID настройки:"}},
    {&F::RepLabelTuningID2, "RepLabelTuningID2", rbDetail, TValue, T + 28, 50},
    {&F::RepTuningnameLabel, "RepTuningnameLabel", rbDetail, 0, T + 34, 40, {"Tuning name:", "Название настройки:"}},
    {&F::RepLabelTuningname, "RepLabelTuningname", rbDetail, TValue, T + 34, 60},
    {&F::RepTransducerIDLabel, "RepTransducerIDLabel", rbDetail, 0, T + 40, 40,
     {"Transducer ID:", "ID преобразователя:"}},
    {&F::RepLabelTransducerID, "RepLabelTransducerID", rbDetail, TValue, T + 40, 50},
    {&F::RepTuningDateTimeLabel, "RepTuningDateTimeLabel", rbDetail, 0, T + 48, 60,
     {"Tuning date-time:", "Дата и время настройки:"}, 10, true},
    {&F::RepDateLabel3, "RepDateLabel3", rbDetail, 5, T + 54, 35, {"Date:", "Дата:"}},
    {&F::RepLabelDate3, "RepLabelDate3", rbDetail, TValue, T + 54, 50},
    {&F::RepTimeLabel3, "RepTimeLabel3", rbDetail, 5, T + 60, 35, {"Time:", "Время:"}},
    {&F::RepLabelTime3, "RepLabelTime3", rbDetail, TValue, T + 60, 50},
    {&F::RepFrequencyLabel, "RepFrequencyLabel", rbDetail, 0, T + 68, 40, {"Frequency (KHz):", "Частота (kГц):"}},
    {&F::RepLabelFrequency, "RepLabelFrequency", rbDetail, TValue, T + 68, 50},
    {&F::RepGainLabel, "RepGainLabel", rbDetail, 0, T + 74, 40, {"Gain:", "Коэф-т усиления:"}},
    {&F::RepLabelGain, "RepLabelGain", rbDetail, TValue, T + 74, 50},
    {&F::RepPulseLabel, "RepPulseLabel", rbDetail, 0, T + 80, 40, {"Pulse:", "Импульсы:"}},
    {&F::RepLabelPulse, "RepLabelPulse", rbDetail, TValue, T + 80, 50},
    {&F::RepStartPointLabel, "RepStartPointLabel", rbDetail, 0, T + 86, 40, {"Start-point:", "Интервал от:"}},
    {&F::RepLabelStartpoint, "RepLabelStartpoint", rbDetail, TValue, T + 86, 50},
    {&F::RepEndPointLabel, "RepEndPointLabel", rbDetail, 0, T + 92, 40, {"End-point:", "до:"}},
    {&F::RepLabelEndpoint, "RepLabelEndpoint", rbDetail, TValue, T + 92, 50},
    {&F::RepAttenuationLabel, "RepAttenuationLabel", rbDetail, 0, T + 98, 40, {"Attenuation:", "Ослабление:"}},
    {&F::RepLabelAttenuation, "RepLabelAttenuation", rbDetail, TValue, T + 98, 50},
    {&F::RepSurfaceImageLabel, "RepSurfaceImageLabel", rbDetail, 110, T + 8, 60, {"Alarm zone:", "Зона АСД:"}},
    {&F::RepCommentsLabel2, "RepCommentsLabel2", rbDetail, 0, T + 104, 40, {"Comments:", "Коменитарий"}},
    {&F::RepLabelComments2, "RepLabelComments2", rbDetail, TValue, T + 104, 145},
};
} // namespace

TReportImageTuningForm::TReportImageTuningForm(TmlLangDispatcher *dispatcher)
    : TReportForm(QStringLiteral("ReportImageTuningForm"))
{
    AddCaption(QStringLiteral("RepTitleLabel"), {"Image", "Изображение"});
    BuildLabels<F>(Labels);
    RepImage1 = NewImage(QStringLiteral("RepImage1"), 110, 6, 160 * 25.4 / 96);
    RepImage2 = NewImage(QStringLiteral("RepImage2"), 110, T + 14, 128 * 25.4 / 96);
    FinishLoading(dispatcher);
}
