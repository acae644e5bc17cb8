#include "reports/ReportTuning.h"

namespace {
using F = TReportTuningForm;

const TReportRowEntry<F> Rows[] = {
    {rcLeft, rkHeading, "RepTuningRecordPropertsLabel", {"Tuning record properties:", "Свойства записи настройки:"}},
    {rcLeft, rkField, "RepDevicetypeLabel", {"Device type:", "Тип прибора:"}, nullptr, "RepLabelDeviceType",
     &F::RepLabelDeviceType},
    {rcLeft, rkField, "RepDeviceIDLabel", {"Device ID:", "ID прибора:"}, nullptr, "RepLabelDeviceID",
     &F::RepLabelDeviceID},
    {rcLeft, rkField, "RepTuningIDLabel", {"Tuning ID:", "ID настройки:"}, nullptr, "RepLabelTuningID",
     &F::RepLabelTuningID},
    {rcLeft, rkField, "RepTuningnameLabel", {"Tuning name:", "Название настройки:"}, nullptr, "RepLabelTuningName",
     &F::RepLabelTuningName},
    {rcLeft, rkField, "RepTransducerIDLabel", {"Transducer ID:", "ID преобразователя:"}, nullptr,
     "RepLabelTransducerID", &F::RepLabelTransducerID},
    {rcLeft, rkSection, "RepTuningDateTimeLabel", {"Tuning date-time:", "Дата и время настройки:"}},
    {rcLeft, rkSubfield, "RepDateLabel", {"Date:", "Дата:"}, nullptr, "RepLabelDate", &F::RepLabelDate},
    {rcLeft, rkSubfield, "RepTimeLabel", {"Time:", "Время:"}, nullptr, "RepLabelTime", &F::RepLabelTime},
    {rcLeft, rkField, "RepFrequencyLabel", {"Frequency (kHz):", "Частота (kГц):"}, nullptr, "RepLabelFrequency",
     &F::RepLabelFrequency},
    {rcLeft, rkField, "RepGainLabel", {"Gain:", "Коэф-т усиления:"}, nullptr, "RepLabelGain", &F::RepLabelGain},
    {rcLeft, rkField, "RepPulseLabel", {"Pulse:", "Импульсы:"}, nullptr, "RepLabelPulse", &F::RepLabelPulse},
    {rcLeft, rkField, "RepStartPointLabel", {"Start-point:", "Интервал от:"}, nullptr, "RepLabelStartPoint",
     &F::RepLabelStartPoint},
    {rcLeft, rkField, "RepEndPointLabel", {"End-point:", "до:"}, nullptr, "RepLabelEndPoint", &F::RepLabelEndPoint},
    {rcLeft, rkField, "RepAttenuationLabel", {"Attenuation:", "Ослабление:"}, nullptr, "RepLabelAttenuation",
     &F::RepLabelAttenuation},
    {rcRight, rkText, "RepSurfaceImageLabel", {"ASD zone:", "Зона АСД:"}},
    {rcRight, rkPicture, "RepImage1"},
    {rcPage, rkField, "RepCommentsLabel", {"Comments:", "Коменитарий"}, nullptr, "RepLabelComments",
     &F::RepLabelComments},
};
} // namespace

TReportTuningForm::TReportTuningForm(TmlLangDispatcher *dispatcher) : TReportForm(QStringLiteral("ReportTuningForm"))
{
    AddCaption(QStringLiteral("RepTitleLabel"), {"Tuning", "Настройка"});
    RepImage1 = NewImage(QStringLiteral("RepImage1"), ScreenMillimetres(128), ScreenMillimetres(128));
    BuildRows<F>(Rows);
    FinishLoading(dispatcher);
}
