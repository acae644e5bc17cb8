#pragma once

#include "reports/ReportForm.h"

// The report of a tuning record: its properties, its picture and its comment.
class TReportTuningForm : public TReportForm {
    Q_OBJECT
public:
    explicit TReportTuningForm(TmlLangDispatcher *dispatcher);

    TRepLabel *RepLabelComments, *RepLabelDeviceType, *RepLabelTuningID, *RepLabelTransducerID, *RepLabelDeviceID;
    TRepLabel *RepLabelTuningName, *RepLabelDate, *RepLabelTime, *RepLabelFrequency, *RepLabelGain, *RepLabelPulse;
    TRepLabel *RepLabelStartPoint, *RepLabelEndPoint, *RepLabelAttenuation;
    TRepImage *RepImage1;
};
