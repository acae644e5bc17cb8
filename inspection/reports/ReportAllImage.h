#pragma once

#include "classes/Component.h"

class TImage;
class TRepLabel;
class TReportBand;
class TReportPage;

// The printed sheet of composite images: one A4 page with the maker line on top, then the previews where they
// lie on the sheet, and a centred banner line under them.
class TReportAllImageForm : public TComponent {
    Q_OBJECT
public:
    explicit TReportAllImageForm(TComponent *owner);

    TReportPage *ReportPage1;
    TReportBand *TitleBand1;
    TRepLabel *QRLabel1;
    TReportBand *DetailBand1;
    TRepLabel *RepColontitulLabel;

    // Sets the banner's text, centred across the page.
    void SetBanner(const QString &text);
    // Adds a copy of the preview's picture at the preview's place on the sheet.
    void AddImage(const TImage *preview);
};
