#pragma once

#include "FormBuilder.h"
#include "forms/Form.h"
#include "printing/RepPrintable.h"
#include "printing/ReportPage.h"

#include <span>

class TmlLangDispatcher;
class TmlLangLinked;

// One report label of a report form: made into its field (if the form's code reaches it), named, placed in its
// band in millimetres, with its static caption in both languages. Value labels have no caption.
template <class Form>
struct TReportLabelEntry {
    TRepLabel *Form::*Field;
    const char *Name;
    TReportBandType Band;
    double Left, Top, Width;
    TLangPair Caption = {};
    int Size = 10;
    bool Bold = false;
    // Long texts break into lines of the label's width, down to this height.
    double WrapHeight = 0;
};

// A one-page report of a record: a form that is never shown itself, holding a report page with a title band and a
// detail band, the heading, the banner line and the maker's line, and a language component that follows the
// plug-in's language.
class TReportForm : public TForm {
    Q_OBJECT
public:
    explicit TReportForm(const QString &name);

    TReportPage *ReportPage1;
    TReportBand *TitleBand1;
    TReportBand *DetailBand1;
    TRepLabel *RepTitleLabel;
    TRepLabel *RepColontitulLabel;
    TRepLabel *RepMakerLabel;
    TmlLangLinked *mlLangLinked1;

    // The banner line with the device type, in English for language 1, otherwise in Russian.
    void SetBanner(const QString &deviceType, int language);
    // Shows the report in the print preview, under its heading, until the user closes it.
    void Preview();

protected:
    template <class Form>
    void BuildLabels(std::span<const TReportLabelEntry<Form>> entries);
    TRepImage *NewImage(const QString &name, double left, double top, double size);
    // The static caption of a label in both languages.
    void AddCaption(const QString &name, const TLangPair &caption);
    // Every label and image is laid out; the language component takes the plug-in's language.
    void FinishLoading(TmlLangDispatcher *dispatcher);

private:
    TRepLabel *NewLabel(const QString &name, TReportBandType band, double left, double top, double width);
};

template <class Form>
void TReportForm::BuildLabels(std::span<const TReportLabelEntry<Form>> entries)
{
    for (const TReportLabelEntry<Form> &entry : entries) {
        const QString name = QString::fromUtf8(entry.Name);
        TRepLabel *label = NewLabel(name, entry.Band, entry.Left, entry.Top, entry.Width);
        if (entry.Field)
            static_cast<Form *>(this)->*entry.Field = label;
        label->Font()->SetSize(entry.Size);
        if (entry.Bold)
            label->Font()->SetStyle(fsBold);
        if (entry.WrapHeight > 0) {
            label->SetWordWrap(true);
            label->SetBounds(entry.Left, entry.Top, entry.Width, entry.WrapHeight);
        }
        if (entry.Caption.English)
            AddCaption(name, entry.Caption);
    }
}
