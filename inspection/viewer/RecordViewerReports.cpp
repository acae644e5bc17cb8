// The viewer's "Preview": a report of the record it shows, previewed and then freed.

#include "viewer/RecordViewer.h"

#include "reports/PrintFailure.h"
#include "reports/ReportImageTuning.h"
#include "reports/ReportImpactImage.h"
#include "reports/ReportTuning.h"

#include "Records.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/Memo.h"
#include "forms/Cursors.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "mlLangDispatcher.h"
#include "mlLngLnk.h"
#include "printing/Printer.h"
#include "rtl/SysUtils.h"

#include <memory>

namespace {
const TLangPair AreaCaption{"Defect area in the marked zone (square mm):",
                            "Площадь дефекта в отмеченной зоне (кв. мм):"};
const TLangPair TuningFoundCaption{"Tuning record properts:", "Свойства записи настройки:"};
const TLangPair NoTuningCaption{"Tuning not found", "Настройка отсутствует"};
const TLangPair ConclusionCut{"The conclusion holds %d characters, too many to print: its first %d are printed, and "
                              "the record keeps it whole.",
                              "Заключение содержит %d символов, слишком много для печати: напечатаны первые %d, а "
                              "запись сохраняет его целиком."};

// The conclusion as far as the viewer edits it; where a longer one (a damaged record) stops, the page says so.
QString PrintedConclusion(const TLumbraImageMessage *r, int language)
{
    const QString text = Trim(r->GetConclusion());
    const qsizetype printed = EditableLength(text);
    if (printed == text.size())
        return text;
    return text.left(printed) + QString::fromUtf8("…\n") +
           Format(InLanguage(ConclusionCut, language), {int(text.size()), int(printed)});
}

// Both image reports show the stored record's own fields under the same label names.
template <class Report>
void ShowImageRecord(Report *report, const TLumbraImageMessage *r, int language)
{
    report->RepLabelDevicetype->SetCaption(Trim(r->GetDeviceType()));
    report->RepLabelDeviceID->SetCaption(IntToStr(r->DeviceNumber));
    report->RepLabelImageID->SetCaption(IntToStr(r->ImageID));
    report->RepLabelImagename->SetCaption(Trim(r->GetRecordName()));
    report->RepLabelDate->SetCaption(DateText(r->BeginDay, r->BeginMonth, r->BeginYear));
    report->RepLabelTime->SetCaption(TimeText(r->BeginHour, r->BeginMinute, r->BeginSecond));
    report->RepLabelDate2->SetCaption(DateText(r->EndDay, r->EndMonth, r->EndYear));
    report->RepLabelTime2->SetCaption(TimeText(r->EndHour, r->EndMinute, r->EndSecond));
    report->RepLabelImageWidth->SetCaption(IntToStr(r->SizeX));
    report->RepLabelImageheight->SetCaption(IntToStr(r->SizeY));
    report->RepLabelComments->SetCaption(Trim(r->GetComments()));
    report->RepLabelConclusion->SetCaption(PrintedConclusion(r, language));
    report->RepLabelControlMade->SetCaption(Trim(r->GetControlMade()));
}

// Shows the report; a print from its preview that could not be written is told in the language's texts.
void PreviewReport(TReportForm &report, TmlCustomLang *lang)
{
    try {
        report.Preview();
    } catch (const EPrintFailed &failure) {
        ShowPrintFailure(lang, failure);
    }
}

// The image's picture with the marked zone outlined and hatched as the viewer shows it.
void DrawZonePicture(TPicture *target, const TImage *source)
{
    TBitmap zone;
    if (const TBitmap *picture = source->Picture()->Graphic())
        zone.Assign(*picture);
    zone.SetSize(source->Width(), source->Height());
    TCanvas *canvas = zone.Canvas();
    const TViewerToolState &z = ViewerTools;
    canvas->Pen()->SetColor(clBlack);
    canvas->MoveTo(z.ZoneStartX, z.ZoneStartY);
    canvas->LineTo(z.ZoneStartX, z.ZoneEndY);
    canvas->LineTo(z.ZoneEndX, z.ZoneEndY);
    canvas->LineTo(z.ZoneEndX, z.ZoneStartY);
    canvas->LineTo(z.ZoneStartX, z.ZoneStartY);
    const int x0 = std::min(z.ZoneStartX, z.ZoneEndX), x1 = std::max(z.ZoneStartX, z.ZoneEndX);
    const int y0 = std::min(z.ZoneStartY, z.ZoneEndY), y1 = std::max(z.ZoneStartY, z.ZoneEndY);
    for (int y = y0 + 1; y < y1; ++y)
        for (int x = x0 + 1; x < x1; ++x)
            if (x % 2 == 0 && y % 2 == 0)
                canvas->SetPixels(x, y, clBlack);
    target->Assign(&zone);
}
} // namespace

int TfrmEditRecord::ActiveLanguage() const
{
    return context_.LangDispatcher ? context_.LangDispatcher->ActiveLanguage : 1;
}

void TfrmEditRecord::ButPreviewClick(TObject *)
{
    const TBusyCursor busy;
    if (ViewerOrigin == voTuning) {
        PreviewTuningReport();
        return;
    }
    const TLumbraImageMessage *record = context_.CurrentImage;
    if (ViewerOrigin != voImage || !record)
        return;
    if (record->ImageType == 2)
        PreviewImpactImageReport(record);
    else
        PreviewImageReport(record);
}

// From the viewer's edits: what the user typed and has not confirmed yet is reported too.
void TfrmEditRecord::PreviewTuningReport()
{
    const std::unique_ptr<TReportTuningForm> report(new TReportTuningForm(context_.LangDispatcher));
    const std::pair<TRepLabel *, TEdit *> values[] = {
        {report->RepLabelComments, edComments},     {report->RepLabelDeviceType, edDevice},
        {report->RepLabelTuningID, EditTuningID},   {report->RepLabelTransducerID, EditTransducerID},
        {report->RepLabelDeviceID, edDeviceID},     {report->RepLabelTuningName, edTunName},
        {report->RepLabelDate, EditDate},           {report->RepLabelTime, EditTime},
        {report->RepLabelFrequency, EditFrequency}, {report->RepLabelGain, EditGain},
        {report->RepLabelPulse, EditPulse},         {report->RepLabelStartPoint, EditStartPoint},
        {report->RepLabelEndPoint, EditEndPoint},   {report->RepLabelAttenuation, EditAttenuation},
    };
    for (const auto &[label, edit] : values)
        label->SetCaption(edit->Text());
    report->RepImage1->SetPicture(imgSurface->Picture());
    report->SetBanner(edDevice->Text(), ActiveLanguage());
    PreviewReport(*report, mlLangLinked1);
}

void TfrmEditRecord::PreviewImpactImageReport(const TLumbraImageMessage *r)
{
    const std::unique_ptr<TReportImpactImageForm> report(new TReportImpactImageForm(context_.LangDispatcher));
    ShowImageRecord(report.get(), r, ActiveLanguage());
    report->RepImage1->SetPicture(Image2->Picture());
    PreviewReport(*report, mlLangLinked1);
}

// From the stored record, not the viewer's edits; the tuning is looked up by the keys the viewer shows.
void TfrmEditRecord::PreviewImageReport(const TLumbraImageMessage *r)
{
    const std::unique_ptr<TReportImageTuningForm> report(new TReportImageTuningForm(context_.LangDispatcher));
    const int language = ActiveLanguage();
    ShowImageRecord(report.get(), r, language);
    report->RepLabelTuningID->SetCaption(IntToStr(r->TuningID));
    report->RepLabelStepX->SetCaption(IntToStr(r->StepX));
    report->RepLabelStepY->SetCaption(IntToStr(r->StepY));
    const bool measured = !Defectarea->Text().isEmpty();
    report->RepAreatextLabel->SetCaption(measured ? InLanguage(AreaCaption, language) : QString());
    report->RepareavalueLabel->SetCaption(measured ? Defectarea->Text() : QString());
    report->SetBanner(r->GetDeviceType(), language);
    // The zone state outlives the viewer it was drawn in: only a zone measured here belongs to this picture.
    if (measured)
        DrawZonePicture(report->RepImage1->Picture(), imgImage);
    else
        report->RepImage1->SetPicture(imgImage->Picture());

    const TLumbraTuningMessage *tuning =
        context_.FindTuning ? context_.FindTuning(StrToInt(edImgDevID->Text()), StrToInt(EditTuningID2->Text()))
                            : nullptr;
    // Without a tuning its captions and picture frame turn white: they vanish on the white page.
    const TColor captionColor = tuning ? clBlack : clWhite;
    for (TRepLabel *caption :
         {report->RepDevicetypeLabel2, report->RepTransducerIDLabel, report->RepTuningIDLabel2,
          report->RepDeviceIDLabel2, report->RepTuningnameLabel, report->RepTuningDateTimeLabel, report->RepDateLabel3,
          report->RepFrequencyLabel, report->RepGainLabel, report->RepPulseLabel, report->RepStartPointLabel,
          report->RepEndPointLabel, report->RepAttenuationLabel, report->RepTimeLabel3, report->RepSurfaceImageLabel,
          report->RepCommentsLabel2})
        caption->Font()->SetColor(captionColor);
    if (tuning)
        report->RepTuningRecordPropertsLabel->Font()->SetColor(clBlack);
    report->RepImage2->Frame().Color = captionColor;
    report->RepTuningRecordPropertsLabel->SetCaption(InLanguage(tuning ? TuningFoundCaption : NoTuningCaption,
                                                                language));
    const std::pair<TRepLabel *, QString> values[] = {
        {report->RepLabelComments2, tuning ? Trim(tuning->GetComments()) : QString()},
        {report->RepLabelDevicetype2, tuning ? tuning->GetDeviceType() : QString()},
        {report->RepLabelDeviceID2, tuning ? IntToStr(tuning->DeviceNumber) : QString()},
        {report->RepLabelTransducerID, tuning ? IntToStr(tuning->TransducerID) : QString()},
        {report->RepLabelTuningname, tuning ? tuning->GetRecordName() : QString()},
        {report->RepLabelTuningID2, tuning ? IntToStr(tuning->TuningID) : QString()},
        {report->RepLabelDate3, tuning ? DateText(tuning->Day, tuning->Month, tuning->Year) : QString()},
        {report->RepLabelTime3, tuning ? TimeText(tuning->Hour, tuning->Minute, tuning->Second) : QString()},
        {report->RepLabelFrequency, tuning ? IntToStr(tuning->Frequency) : QString()},
        {report->RepLabelGain, tuning ? IntToStr(tuning->Amplitude) : QString()},
        {report->RepLabelPulse, tuning ? IntToStr(tuning->Period) : QString()},
        {report->RepLabelStartpoint, tuning ? IntToStr(tuning->StartPoint) : QString()},
        {report->RepLabelEndpoint, tuning ? IntToStr(tuning->EndPoint) : QString()},
        {report->RepLabelAttenuation, tuning ? IntToStr(tuning->Attenuation) : QString()},
    };
    for (const auto &[label, text] : values)
        label->SetCaption(text);
    if (tuning)
        DrawPicture(tuning, [&] { tuning->Draw(report->RepImage2->Canvas(), 0, 0); });
    PreviewReport(*report, mlLangLinked1);
}
