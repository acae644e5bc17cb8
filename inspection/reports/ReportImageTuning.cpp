#include "reports/ReportImageTuning.h"

namespace {
using F = TReportImageTuningForm;

const TReportRowEntry<F> Rows[] = {
    {rcLeft, rkHeading, "RepImageRecordPropertsLabel", {"Image record properties:", "Свойства записи изображения:"}},
    {rcLeft, rkField, "RepDevicetypeLabel", {"Device type:", "Тип прибора:"}, nullptr, "RepLabelDevicetype",
     &F::RepLabelDevicetype},
    {rcLeft, rkField, "RepDeviceIDLabel", {"Device ID:", "ID прибора:"}, nullptr, "RepLabelDeviceID",
     &F::RepLabelDeviceID},
    {rcLeft, rkField, "RepImageIDLabel", {"Image ID:", "ID изображения:"}, nullptr, "RepLabelImageID",
     &F::RepLabelImageID},
    {rcLeft, rkField, "RepTuningIDLabel", {"Tuning ID:", "ID настройки:"}, nullptr, "RepLabelTuningID",
     &F::RepLabelTuningID},
    {rcLeft, rkField, "RepImagenameLabel", {"Image name:", "Название изображения:"}, nullptr, "RepLabelImagename",
     &F::RepLabelImagename},
    {rcLeft, rkSection, "RepStartedLabel", {"Inspection started at:", "Начало контроля:"}},
    {rcLeft, rkSubfield, "RepDateLabel", {"Date:", "Дата:"}, nullptr, "RepLabelDate", &F::RepLabelDate},
    {rcLeft, rkSubfield, "RepTimeLabel", {"Time:", "Время:"}, nullptr, "RepLabelTime", &F::RepLabelTime},
    {rcLeft, rkSection, "RepEndedLabel", {"Inspection ended at:", "Окончание контроля:"}},
    {rcLeft, rkSubfield, "RepDateLabel2", {"Date:", "Дата:"}, nullptr, "RepLabelDate2", &F::RepLabelDate2},
    {rcLeft, rkSubfield, "RepTimeLabel2", {"Time:", "Время:"}, nullptr, "RepLabelTime2", &F::RepLabelTime2},
    {rcLeft, rkField, "RepImageWidthLabel", {"Image width (mm):", "Ширина (мм):"}, nullptr, "RepLabelImageWidth",
     &F::RepLabelImageWidth},
    {rcLeft, rkField, "RepImageheightLabel", {"Image height (mm):", "Высота (мм):"}, nullptr, "RepLabelImageheight",
     &F::RepLabelImageheight},
    {rcLeft, rkField, "RepStepXLabel", {"Step X (mm):", "Шаг X (мм):"}, nullptr, "RepLabelStepX", &F::RepLabelStepX},
    {rcLeft, rkField, "RepStepYLabel", {"Step Y (mm):", "Шаг Y (мм):"}, nullptr, "RepLabelStepY", &F::RepLabelStepY},
    {rcRight, rkText, "RepScannedImageLabel", {"Scanned image:", "Изображение:"}},
    {rcRight, rkPicture, "RepImage1"},
    {rcRight, rkNote, "RepAreatextLabel", {}, &F::RepAreatextLabel},
    {rcRight, rkText, "RepareavalueLabel", {}, &F::RepareavalueLabel},
    {rcPage, rkField, "RepCommentsLabel", {"Comments:", "Замечания:"}, nullptr, "RepLabelComments",
     &F::RepLabelComments},
    {rcPage, rkField, "RepConclusionLabel", {"Conclusion:", "Заключение:"}, nullptr, "RepLabelConclusion",
     &F::RepLabelConclusion},
    {rcLeft, rkField, "RepControlMadeLabel", {"Test is performed by:", "Контроль произвел:"}, nullptr,
     "RepLabelControlMade", &F::RepLabelControlMade},
    {rcRight, rkText, "RepSignatureLabel", {"Signature:", "Подпись:"}},

    {rcPage, rkPart, "RepTuningLabel", {"Tuning", "Настройка"}},
    {rcLeft, rkHeading, "RepTuningRecordPropertsLabel", {"Tuning record properties:", "Свойства записи настройки:"},
     &F::RepTuningRecordPropertsLabel},
    {rcLeft, rkField, "RepDevicetypeLabel2", {"Device type:", "Тип прибора:"}, &F::RepDevicetypeLabel2,
     "RepLabelDevicetype2", &F::RepLabelDevicetype2},
    {rcLeft, rkField, "RepDeviceIDLabel2", {"Device ID:", "ID прибора:"}, &F::RepDeviceIDLabel2, "RepLabelDeviceID2",
     &F::RepLabelDeviceID2},
    {rcLeft, rkField, "RepTuningIDLabel2", {"Tuning ID:", "ID настройки:"}, &F::RepTuningIDLabel2,
     "RepLabelTuningID2", &F::RepLabelTuningID2},
    {rcLeft, rkField, "RepTuningnameLabel", {"Tuning name:", "Название настройки:"}, &F::RepTuningnameLabel,
     "RepLabelTuningname", &F::RepLabelTuningname},
    {rcLeft, rkField, "RepTransducerIDLabel", {"Transducer ID:", "ID преобразователя:"}, &F::RepTransducerIDLabel,
     "RepLabelTransducerID", &F::RepLabelTransducerID},
    {rcLeft, rkSection, "RepTuningDateTimeLabel", {"Tuning date-time:", "Дата и время настройки:"},
     &F::RepTuningDateTimeLabel},
    {rcLeft, rkSubfield, "RepDateLabel3", {"Date:", "Дата:"}, &F::RepDateLabel3, "RepLabelDate3", &F::RepLabelDate3},
    {rcLeft, rkSubfield, "RepTimeLabel3", {"Time:", "Время:"}, &F::RepTimeLabel3, "RepLabelTime3", &F::RepLabelTime3},
    {rcLeft, rkField, "RepFrequencyLabel", {"Frequency (KHz):", "Частота (kГц):"}, &F::RepFrequencyLabel,
     "RepLabelFrequency", &F::RepLabelFrequency},
    {rcLeft, rkField, "RepGainLabel", {"Gain:", "Коэф-т усиления:"}, &F::RepGainLabel, "RepLabelGain",
     &F::RepLabelGain},
    {rcLeft, rkField, "RepPulseLabel", {"Pulse:", "Импульсы:"}, &F::RepPulseLabel, "RepLabelPulse",
     &F::RepLabelPulse},
    {rcLeft, rkField, "RepStartPointLabel", {"Start-point:", "Интервал от:"}, &F::RepStartPointLabel,
     "RepLabelStartpoint", &F::RepLabelStartpoint},
    {rcLeft, rkField, "RepEndPointLabel", {"End-point:", "до:"}, &F::RepEndPointLabel, "RepLabelEndpoint",
     &F::RepLabelEndpoint},
    {rcLeft, rkField, "RepAttenuationLabel", {"Attenuation:", "Ослабление:"}, &F::RepAttenuationLabel,
     "RepLabelAttenuation", &F::RepLabelAttenuation},
    {rcRight, rkText, "RepSurfaceImageLabel", {"Alarm zone:", "Зона АСД:"}, &F::RepSurfaceImageLabel},
    {rcRight, rkPicture, "RepImage2"},
    {rcPage, rkField, "RepCommentsLabel2", {"Comments:", "Коменитарий"}, &F::RepCommentsLabel2, "RepLabelComments2",
     &F::RepLabelComments2},
};
} // namespace

TReportImageTuningForm::TReportImageTuningForm(TmlLangDispatcher *dispatcher)
    : TReportForm(QStringLiteral("ReportImageTuningForm"))
{
    AddCaption(QStringLiteral("RepTitleLabel"), {"Image", "Изображение"});
    RepImage1 = NewImage(QStringLiteral("RepImage1"), ScreenMillimetres(160), ScreenMillimetres(160));
    RepImage2 = NewImage(QStringLiteral("RepImage2"), ScreenMillimetres(128), ScreenMillimetres(128));
    BuildRows<F>(Rows);
    FinishLoading(dispatcher);
}
