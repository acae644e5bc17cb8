#include "ReportTuning.h"

namespace {
using F = TReportTuningForm;
constexpr double Value = 55;

const TReportLabelEntry<F> Labels[] = {
    {nullptr, "RepTuningRecordPropertsLabel", rbDetail, 0, 0, 100,
     {"Tuning record properties:", "Свойства записи настройки:"}, 12, true},
    {nullptr, "RepDevicetypeLabel", rbDetail, 0, 10, 50, {"Device type:", "Тип прибора:"}},
    {&F::RepLabelDeviceType, "RepLabelDeviceType", rbDetail, Value, 10, 50},
    {nullptr, "RepDeviceIDLabel", rbDetail, 0, 17, 50, {"Device ID:", "ID прибора:"}},
    {&F::RepLabelDeviceID, "RepLabelDeviceID", rbDetail, Value, 17, 50},
    {nullptr, "RepTuningIDLabel", rbDetail, 0, 24, 50, {"Tuning ID:", "ID настройки:"}},
    {&F::RepLabelTuningID, "RepLabelTuningID", rbDetail, Value, 24, 50},
    {nullptr, "RepTuningnameLabel", rbDetail, 0, 31, 50, {"Tuning name:", "Название настройки:"}},
    {&F::RepLabelTuningName, "RepLabelTuningName", rbDetail, Value, 31, 135},
    {nullptr, "RepTransducerIDLabel", rbDetail, 0, 38, 50, {"Transducer ID:", "ID преобразователя:"}},
    {&F::RepLabelTransducerID, "RepLabelTransducerID", rbDetail, Value, 38, 50},
    {nullptr, "RepTuningDateTimeLabel", rbDetail, 0, 48, 100, {"Tuning date-time:", "Дата и время настройки:"}, 10,
     true},
    {nullptr, "RepDateLabel", rbDetail, 5, 55, 45, {"Date:", "Дата:"}},
    {&F::RepLabelDate, "RepLabelDate", rbDetail, Value, 55, 50},
    {nullptr, "RepTimeLabel", rbDetail, 5, 62, 45, {"Time:", "Время:"}},
    {&F::RepLabelTime, "RepLabelTime", rbDetail, Value, 62, 50},
    {nullptr, "RepFrequencyLabel", rbDetail, 0, 72, 50, {"Frequency (kHz):", "Частота (kГц):"}},
    {&F::RepLabelFrequency, "RepLabelFrequency", rbDetail, Value, 72, 50},
    {nullptr, "RepGainLabel", rbDetail, 0, 79, 50, {"Gain:", "Коэф-т усиления:"}},
    {&F::RepLabelGain, "RepLabelGain", rbDetail, Value, 79, 50},
    {nullptr, "RepPulseLabel", rbDetail, 0, 86, 50, {"Pulse:", "Импульсы:"}},
    {&F::RepLabelPulse, "RepLabelPulse", rbDetail, Value, 86, 50},
    {nullptr, "RepStartPointLabel", rbDetail, 0, 93, 50, {"Start-point:", "Интервал от:"}},
    {&F::RepLabelStartPoint, "RepLabelStartPoint", rbDetail, Value, 93, 50},
    {nullptr, "RepEndPointLabel", rbDetail, 0, 100, 50, {"End-point:", "до:"}},
    {&F::RepLabelEndPoint, "RepLabelEndPoint", rbDetail, Value, 100, 50},
    {nullptr, "RepAttenuationLabel", rbDetail, 0, 107, 50, {"Attenuation:", "Ослабление:"}},
    {&F::RepLabelAttenuation, "RepLabelAttenuation", rbDetail, Value, 107, 50},
    {nullptr, "RepSurfaceImageLabel", rbDetail, 120, 10, 60, {"ASD zone:", "Зона АСД:"}},
    {nullptr, "RepCommentsLabel", rbDetail, 0, 120, 50, {"Comments:", "Коменитарий"}},
    {&F::RepLabelComments, "RepLabelComments", rbDetail, Value, 120, 135, {}, 10, false, 30},
};
} // namespace

TReportTuningForm::TReportTuningForm(TmlLangDispatcher *dispatcher) : TReportForm(QStringLiteral("ReportTuningForm"))
{
    AddCaption(QStringLiteral("RepTitleLabel"), {"Tuning", "Настройка"});
    BuildLabels<F>(Labels);
    RepImage1 = NewImage(QStringLiteral("RepImage1"), 120, 17, 34);
    FinishLoading(dispatcher);
}
