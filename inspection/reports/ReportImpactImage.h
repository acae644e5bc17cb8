#pragma once

#include "reports/ReportForm.h"

// The report of an impact image: its properties, the surface as the viewer shows it, and the conclusion.
class TReportImpactImageForm : public TReportForm {
    Q_OBJECT
public:
    explicit TReportImpactImageForm(TmlLangDispatcher *dispatcher);

    TRepLabel *RepLabelDevicetype, *RepLabelDeviceID, *RepLabelImageID, *RepLabelImagename, *RepLabelDate;
    TRepLabel *RepLabelTime, *RepLabelDate2, *RepLabelTime2, *RepLabelImageWidth, *RepLabelImageheight;
    TRepLabel *RepLabelComments, *RepLabelConclusion, *RepLabelControlMade;
    TRepImage *RepImage1;
};
