#pragma once

#include "reports/ReportForm.h"

// The report of an image record together with its tuning: the image's properties, its picture with the marked
// zone and the defect area, the conclusion, and below them the tuning's properties and picture.
class TReportImageTuningForm : public TReportForm {
    Q_OBJECT
public:
    explicit TReportImageTuningForm(TmlLangDispatcher *dispatcher);

    TRepLabel *RepLabelComments, *RepLabelDevicetype, *RepLabelDeviceID, *RepLabelImageID, *RepLabelTuningID;
    TRepLabel *RepLabelImagename, *RepLabelDate, *RepLabelTime, *RepLabelDate2, *RepLabelTime2, *RepLabelImageWidth;
    TRepLabel *RepLabelImageheight, *RepLabelStepX, *RepLabelStepY, *RepLabelConclusion, *RepLabelControlMade;
    TRepLabel *RepAreatextLabel, *RepareavalueLabel;
    TRepImage *RepImage1;

    // The tuning part: its heading, the sixteen captions, the fourteen values and the picture.
    TRepLabel *RepTuningRecordPropertsLabel;
    TRepLabel *RepDevicetypeLabel2, *RepTransducerIDLabel, *RepTuningIDLabel2, *RepDeviceIDLabel2, *RepTuningnameLabel;
    TRepLabel *RepTuningDateTimeLabel, *RepDateLabel3, *RepFrequencyLabel, *RepGainLabel, *RepPulseLabel;
    TRepLabel *RepStartPointLabel, *RepEndPointLabel, *RepAttenuationLabel, *RepTimeLabel3, *RepSurfaceImageLabel;
    TRepLabel *RepCommentsLabel2;
    TRepLabel *RepLabelComments2, *RepLabelDevicetype2, *RepLabelDeviceID2, *RepLabelTransducerID, *RepLabelTuningname;
    TRepLabel *RepLabelTuningID2, *RepLabelDate3, *RepLabelTime3, *RepLabelFrequency, *RepLabelGain, *RepLabelPulse;
    TRepLabel *RepLabelStartpoint, *RepLabelEndpoint, *RepLabelAttenuation;
    TRepImage *RepImage2;
};
