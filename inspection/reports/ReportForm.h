#pragma once

#include "forms/Form.h"
#include "mainwindow/FormBuilder.h"
#include "printing/RepPrintable.h"
#include "printing/ReportPage.h"
#include "reports/ReportLayout.h"

#include <span>

class TmlLangDispatcher;
class TmlLangLinked;

// The millimetres that pixels of a picture on the screen (96 an inch) take on paper.
constexpr double ScreenMillimetres(int pixels) { return pixels * 25.4 / 96; }

// One row of a report form as its design lists it: its labels made into their fields (if the form's code reaches
// them) and named, the caption with its static text in both languages, the value beside it for a field. A
// picture row names a picture the form made already.
template <class Form>
struct TReportRowEntry {
    TReportColumn Column;
    TReportRowKind Kind;
    const char *Name;
    TLangPair Caption = {};
    TRepLabel *Form::*Field = nullptr;
    const char *ValueName = nullptr;
    TRepLabel *Form::*ValueField = nullptr;
};

// The report of a record: a form that is never shown itself, holding a report page with a title band and a detail
// band, the heading with the page number beside it, the banner line and the maker's line, and a language component
// that follows the plug-in's language. Its rows are laid out on as many pages as their texts need once the texts
// are known, when it is previewed.
class TReportForm : public TForm {
    Q_OBJECT
public:
    explicit TReportForm(const QString &name);

    TReportPage *ReportPage1;
    TReportBand *TitleBand1;
    TReportBand *DetailBand1;
    TRepLabel *RepTitleLabel;
    TRepLabel *RepPageNumberLabel;
    TRepLabel *RepColontitulLabel;
    TRepLabel *RepMakerLabel;
    TmlLangLinked *mlLangLinked1;

    // The banner line with the device type, in English for language 1, otherwise in Russian.
    void SetBanner(const QString &deviceType, int language);
    // Shows the report in the print preview, under its heading, until the user closes it; raises EPrintFailed
    // when printing from there failed.
    void Preview();

protected:
    template <class Form>
    void BuildRows(std::span<const TReportRowEntry<Form>> entries);
    // A framed picture of that size in millimetres, for a picture row.
    TRepImage *NewImage(const QString &name, double width, double height);
    // The static caption of a label in both languages.
    void AddCaption(const QString &name, const TLangPair &caption);
    // The language component takes the plug-in's language.
    void FinishLoading(TmlLangDispatcher *dispatcher);

private:
    TRepLabel *NewLabel(const QString &name, TReportBand *band);
    // Lays the title band out, and the detail band in the rest of each page.
    void Arrange();

    TReportLayout title_;
    TReportLayout detail_;
};

template <class Form>
void TReportForm::BuildRows(std::span<const TReportRowEntry<Form>> entries)
{
    const auto label = [this](const char *name, TRepLabel *Form::*field) {
        TRepLabel *made = NewLabel(QString::fromUtf8(name), DetailBand1);
        if (field)
            static_cast<Form *>(this)->*field = made;
        return made;
    };
    for (const TReportRowEntry<Form> &entry : entries) {
        TReportRow row{entry.Column, entry.Kind, nullptr};
        if (entry.Kind == rkPicture) {
            row.Item = static_cast<TRepPrintable *>(FindComponent(QString::fromUtf8(entry.Name)));
        } else {
            row.Item = label(entry.Name, entry.Field);
            if (entry.Caption.English)
                AddCaption(QString::fromUtf8(entry.Name), entry.Caption);
        }
        if (entry.ValueName)
            row.Value = label(entry.ValueName, entry.ValueField);
        detail_.Add(row);
    }
}
