#include "viewer/RecordViewer.h"

#include "LangEntry.h"
#include "Records.h"
#include "controls/BitBtn.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Memo.h"
#include "controls/Notebook.h"
#include "controls/Panel.h"
#include "forms/Application.h"
#include "forms/Screen.h"
#include "menus/Menus.h"
#include "mlLngLnk.h"
#include "mlMessageDialog.h"
#include "rtl/Codec1251.h"
#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"
#include "tables/TableCells.h"

#include <QScopeGuard>
#include <memory>

int ViewerOrigin = voNone;
TViewerToolState ViewerTools;

QString DateText(int day, int month, int year)
{
    return IntToStr(day) + QLatin1Char('.') + IntToStr(month) + QLatin1Char('.') + IntToStr(year);
}

QString TimeText(int hour, int minute, int second)
{
    return IntToStr(hour) + QLatin1Char(':') + IntToStr(minute) + QLatin1Char(':') + IntToStr(second);
}

qsizetype EditableLength(const QString &text)
{
    // Laying out one line of hundreds of thousands of characters would keep the viewer from opening for minutes,
    // and a report from appearing. The record keeps the text whole.
    constexpr qsizetype Editable = 32767;
    if (text.size() <= Editable)
        return text.size();
    return Editable - (text[Editable - 1].isHighSurrogate() ? 1 : 0);
}

namespace {
constexpr int TuningClientWidth = 470;
constexpr int ImageClientWidth = 626;

TButton *NewButton(TfrmEditRecord *form, TWinControl *parent, const QString &name, int left, const QString &caption)
{
    auto *button = new TButton(form);
    button->SetName(name);
    button->SetParent(parent);
    button->SetBounds(left, 4, 75, 25);
    button->SetCaption(caption);
    return button;
}

TImage *NewImage(TfrmEditRecord *form, TWinControl *parent, const QString &name, int left, int top, int width,
                 int height)
{
    auto *image = new TImage(form);
    image->SetName(name);
    image->SetParent(parent);
    image->SetBounds(left, top, width, height);
    return image;
}

void CentreOnScreen(TForm *viewer)
{
    viewer->SetTop((Screen->Height() - viewer->Height()) / 2);
    viewer->SetLeft((Screen->Width() - viewer->Width()) / 2);
}

// Shows the viewer and, on OK, writes its texts into the record.
template <class Apply>
bool RunViewer(TfrmEditRecord *viewer, Apply apply)
{
    viewer->btOK->SetEnabled(false);
    if (viewer->ShowModal() != mrOk)
        return false;
    apply();
    return true;
}
} // namespace

TfrmEditRecord::TfrmEditRecord(const TViewerContext &context) : TForm(nullptr), context_(context)
{
    BeginLoading();
    SetName(QStringLiteral("frmEditRecord"));
    SetCaption(QStringLiteral("View record"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientWidth(ImageClientWidth);
    SetClientHeight(420);
    SetHelpContext(200);
    SetHelpFile(QStringLiteral("lumbra.hlp"));

    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    // The form's own texts come first: the language component reads the form's entry from the top.
    AddTexts();

    pnTop = new TPanel(this);
    pnTop->SetName(QStringLiteral("pnTop"));
    pnTop->SetParent(this);
    pnTop->SetAlign(alTop);
    pnTop->SetHeight(30);
    pnTop->SetBevelOuter(bvNone);
    pnTop->SetCaption(QString());
    lbComments = new TLabel(this);
    lbComments->SetName(QStringLiteral("lbComments"));
    lbComments->SetParent(pnTop);
    lbComments->SetLeft(8);
    lbComments->SetTop(8);
    lbComments->SetCaption(QStringLiteral("Comments:"));
    edComments = new TEdit(this);
    edComments->SetName(QStringLiteral("edComments"));
    edComments->SetParent(pnTop);
    edComments->SetBounds(110, 4, 500, 21);
    edComments->SetMaxLength(100);
    lbComments->SetFocusControl(edComments);

    paBottom = new TPanel(this);
    paBottom->SetName(QStringLiteral("paBottom"));
    paBottom->SetParent(this);
    paBottom->SetAlign(alBottom);
    paBottom->SetHeight(33);
    paBottom->SetBevelOuter(bvNone);
    paBottom->SetCaption(QString());
    btOK = NewButton(this, paBottom, QStringLiteral("btOK"), 8, QStringLiteral("&OK"));
    // OK closes the viewer only when the journal can hold every text (btOKClick).
    btOK->SetOnClick(MakeEvent<&TfrmEditRecord::btOKClick>(this));
    btOK->SetDefault(true);
    btCancel = NewButton(this, paBottom, QStringLiteral("btCancel"), 88, QStringLiteral("&Cancel"));
    btCancel->SetModalResult(mrCancel);
    btCancel->SetCancel(true);
    btHelp = NewButton(this, paBottom, QStringLiteral("btHelp"), 168, QStringLiteral("&Help"));
    btHelp->SetOnClick(MakeEvent<&TfrmEditRecord::btHelpClick>(this));
    ButPreview = NewButton(this, paBottom, QStringLiteral("ButPreview"), 248, QStringLiteral("Preview"));
    ButPreview->SetOnClick(MakeEvent<&TfrmEditRecord::ButPreviewClick>(this));

    nbEdit = new TNotebook(this);
    nbEdit->SetName(QStringLiteral("nbEdit"));
    nbEdit->SetParent(this);
    nbEdit->SetAlign(alClient);
    for (const char *caption : {"Tuning", "Image", "Impactimage"}) {
        auto *page = new TPage(this);
        page->SetCaption(QString::fromLatin1(caption));
        page->SetParent(nbEdit);
    }
    BuildFields();

    imgSurface = NewImage(this, GroupBox3, QStringLiteral("imgSurface"), 10, 18, 128, 128);

    buShowTunning = new TButton(this);
    buShowTunning->SetName(QStringLiteral("buShowTunning"));
    buShowTunning->SetParent(GroupBox4);
    buShowTunning->SetBounds(254, 91, 36, 23);
    buShowTunning->SetCaption(QStringLiteral(">>"));
    buShowTunning->SetOnClick(MakeEvent<&TfrmEditRecord::buShowTunningClick>(this));
    imgImage = NewImage(this, GroupBox7, QStringLiteral("imgImage"), 10, 18, 160, 160);
    Image1 = NewImage(this, GroupBox7, QStringLiteral("Image1"), 0, 0, 160, 160);
    Image1->SetTransparent(true);
    Image1->SetOnMouseDown(MakeEvent<&TfrmEditRecord::Image1MouseDown>(this));
    Image1->SetOnMouseMove(MakeEvent<&TfrmEditRecord::Image1MouseMove>(this));
    auto *lbDefectarea = new TLabel(this);
    lbDefectarea->SetName(QStringLiteral("lbDefectarea"));
    lbDefectarea->SetParent(nbEdit->Pages(vpImage));
    lbDefectarea->SetAutoSize(false);
    lbDefectarea->SetWordWrap(true);
    lbDefectarea->SetBounds(498, 104, 124, 60);
    lbDefectarea->SetCaption(QStringLiteral("Defect area in the marked zone (square mm):"));
    Defectarea = new TEdit(this);
    Defectarea->SetName(QStringLiteral("Defectarea"));
    Defectarea->SetParent(nbEdit->Pages(vpImage));
    Defectarea->SetBounds(498, 168, 100, 21);
    Defectarea->SetReadOnly(true);
    Defectarea->SetColor(clBtnFace);
    lbDefectarea->SetFocusControl(Defectarea);

    Panel2 = new TPanel(this);
    Panel2->SetName(QStringLiteral("Panel2"));
    Panel2->SetParent(nbEdit->Pages(vpImpactImage));
    Panel2->SetBounds(312, 4, 305, 241);
    Panel2->SetBevelOuter(bvLowered);
    Panel2->SetCaption(QString());
    Image2 = NewImage(this, Panel2, QStringLiteral("Image2"), 2, 2, 301, 237);
    BuildImpactButtons();

    // Every text the user may change, and the names, tell that the record was edited.
    for (TEdit *edit : {edComments, edTunName, edImgName, EditControlMade, Ed_impimgname, Ed_impimgtest})
        edit->SetOnChange(MakeEvent<&TfrmEditRecord::FieldsChange>(this));
    for (TMemo *memo : {Memo1, memo_impimgconcl})
        memo->SetOnChange(MakeEvent<&TfrmEditRecord::FieldsChange>(this));

    mlLangLinked1->SetLangDispatcher(context_.LangDispatcher);
    mlLangLinked1->SetCommonContainer(context_.CommonLang);
    SetOnCreate(MakeEvent<&TfrmEditRecord::FormCreate>(this));
    EndLoading();
    // The labels have their texts in the active language now.
    FitFieldsToLabels();
}

void TfrmEditRecord::AddTexts()
{
    const auto add = [this](TStrings *list, const QString &name, const QString &english, const QString &russian) {
        AddLangEntry(mlLangLinked1, list, name, english, russian);
    };
    TStrings *captions = mlLangLinked1->Captions();
    add(captions, "TfrmEditRecord", "View record", "Просмотр записи");
    add(captions, "lbComments", "Comments:", "Замечания:");
    add(captions, "btOK", "&OK", "&OK");
    add(captions, "btCancel", "&Cancel", "О&тмена");
    add(captions, "btHelp", "&Help", "&Помощь");
    add(captions, "ButPreview", "Preview", "Отчёт");
    add(captions, "lbDefectarea", "Defect area in the marked zone (square mm):",
        "Площадь дефектов в отмеченной зоне (кв. мм):");
    add(captions, "BitBtn5", "Zoom in", "Увеличить");
    add(captions, "BitBtn6", "Zoom out", "Уменьшить");
    add(mlLangLinked1->OtherStrings(), "TfrmEditRecord.HelpFile", "lumbra.hlp", "lumbra_ru.hlp");
    add(mlLangLinked1->Strings(), "sApply", "Apply", "Применить");
    add(mlLangLinked1->Strings(), "sClose", "&Close", "&Закрыть");
    add(mlLangLinked1->Strings(), "sNotInCodePage",
        "The data journal cannot hold these characters:\r\n%s\r\nReplace or remove them, then choose OK again.",
        "Журнал данных не может хранить эти символы:\r\n%s\r\nЗамените или удалите их и снова нажмите OK.");
    add(mlLangLinked1->Strings(), "sDamagedTuning",
        "The picture of tuning \"%s\" (device %d, tuning ID %d) is damaged: only the part that the record holds "
        "is shown.",
        "Изображение настройки «%s» (прибор %d, ID настройки %d) повреждено: показана только та часть, что есть "
        "в записи.");
    add(mlLangLinked1->Strings(), "sDamagedImage",
        "The picture of image \"%s\" (device %d, image ID %d) is damaged: only the part that the record holds "
        "is shown.",
        "Изображение «%s» (прибор %d, ID изображения %d) повреждено: показана только та часть, что есть в записи.");
    add(mlLangLinked1->Strings(), "sConclusionBeginning", "Conclusion (its beginning):", "Заключение (начало):");
    add(mlLangLinked1->Strings(), "sConclusionInPart",
        "The conclusion holds %d characters, too many to show and edit here: its beginning is shown, and the "
        "record keeps it whole.",
        "Заключение содержит %d символов, слишком много для показа и правки: показано его начало, а запись "
        "сохраняет его целиком.");
    mlLangLinked1->SetNumOfLanguages(2);
}

void TfrmEditRecord::FormCreate(TObject *)
{
    Image1->SetBounds(imgImage->Left(), imgImage->Top(), imgImage->Width(), imgImage->Height());
    ViewerTools.MoveArmed = false;
    ViewerTools.MeasureWidth = context_.CurrentImage ? context_.CurrentImage->SizeX : 0;
    ViewerTools.MeasureHeight = context_.CurrentImage ? context_.CurrentImage->SizeY : 0;
}

void TfrmEditRecord::FieldsChange(TObject *) { btOK->SetEnabled(true); }

QList<TfrmEditRecord::TStoredText> TfrmEditRecord::StoredTexts() const
{
    const auto field = [this](const TControl *control) {
        return TStoredText{dynamic_cast<const TLabel *>(FindComponent("lb" + control->Name())), control};
    };
    QList<TStoredText> texts{{lbComments, edComments}};
    switch (nbEdit->PageIndex()) {
    case vpTuning:
        return texts << field(edTunName);
    case vpImage:
        texts << field(edImgName) << field(EditControlMade);
        return conclusionShownWhole_ ? texts << field(Memo1) : texts;
    default:
        texts << field(Ed_impimgname) << field(Ed_impimgtest);
        return conclusionShownWhole_ ? texts << field(memo_impimgconcl) : texts;
    }
}

// The journal is Windows-1251: a character it has no byte for would be stored as "?" without a word. Such texts
// are refused by name and the viewer stays open with them.
void TfrmEditRecord::btOKClick(TObject *)
{
    QStringList refused;
    for (const TStoredText &text : StoredTexts())
        if (const QString outside = CharactersOutsideCp1251(ComposedText(text.Control->Text())); !outside.isEmpty()) {
            QString name = text.Label ? StripHotkey(text.Label->Caption()).trimmed() : text.Control->Name();
            if (name.endsWith(u':'))
                name.chop(1);
            refused << name + QStringLiteral(": ") + outside;
        }
    if (refused.isEmpty()) {
        SetModalResult(mrOk);
        return;
    }
    ShowProblem(Format(mlLangLinked1->LookupString(QStringLiteral("sNotInCodePage")), {refused.join("\r\n")}));
}

void TfrmEditRecord::ShowProblem(const QString &text)
{
    ShowMessageDlg(mlLangLinked1, text, mtError, MsgDlgButtons({mbOK}), 0);
}

void TfrmEditRecord::DrawPicture(const TCustomLumbraMessage *record, const std::function<void()> &draw)
{
    try {
        draw();
    } catch (const ERangeError &) {
        const auto *image = dynamic_cast<const TLumbraImageMessage *>(record);
        ShowProblem(Format(mlLangLinked1->LookupString(image ? QStringLiteral("sDamagedImage")
                                                             : QStringLiteral("sDamagedTuning")),
                           {Trim(record->GetRecordName()), int(record->DeviceNumber),
                            int(image ? image->ImageID : record->TuningID)}));
    }
}

void TfrmEditRecord::ShowConclusion(TMemo *memo, const QString &conclusion)
{
    const QString text = Trim(conclusion);
    const qsizetype shown = EditableLength(text);
    conclusionShownWhole_ = shown == text.size();
    if (conclusionShownWhole_) {
        memo->SetText(text);
        return;
    }
    memo->SetText(text.left(shown));
    memo->SetReadOnly(true);
    memo->SetColor(clBtnFace);
    memo->SetHint(Format(mlLangLinked1->LookupString(QStringLiteral("sConclusionInPart")), {int(text.size())}));
    memo->SetShowHint(true);
    if (auto *label = dynamic_cast<TLabel *>(FindComponent("lb" + memo->Name())))
        label->SetCaption(mlLangLinked1->LookupString(QStringLiteral("sConclusionBeginning")));
}

void TfrmEditRecord::btHelpClick(TObject *) { Application->HelpContext(HelpContext()); }

void TfrmEditRecord::ShowTuning(const TLumbraTuningMessage *record)
{
    nbEdit->SetPageIndex(vpTuning);
    SetClientWidth(TuningClientWidth);
    edComments->SetText(Trim(record->GetComments()));
    edDevice->SetText(record->GetDeviceType());
    edDeviceID->SetText(IntToStr(record->DeviceNumber));
    EditTuningID->SetText(IntToStr(record->TuningID));
    edTunName->SetText(record->GetRecordName());
    EditTransducerID->SetText(IntToStr(record->TransducerID));
    EditDate->SetText(DateText(record->Day, record->Month, record->Year));
    EditTime->SetText(TimeText(record->Hour, record->Minute, record->Second));
    EditFrequency->SetText(FrequencyText(record->Frequency));
    EditGain->SetText(IntToStr(record->Amplitude));
    EditPulse->SetText(IntToStr(record->Period));
    EditStartPoint->SetText(IntToStr(record->StartPoint));
    EditEndPoint->SetText(IntToStr(record->EndPoint));
    EditAttenuation->SetText(IntToStr(record->Attenuation));
    DrawPicture(record, [&] { record->Draw(imgSurface->Canvas(), 0, 0); });
}

void TfrmEditRecord::ShowImage(const TLumbraImageMessage *record, TViewerPage page)
{
    image_ = record;
    nbEdit->SetPageIndex(page);
    SetClientWidth(ImageClientWidth);
    edComments->SetText(Trim(record->GetComments()));
    const QString begin = DateText(record->BeginDay, record->BeginMonth, record->BeginYear);
    const QString beginTime = TimeText(record->BeginHour, record->BeginMinute, record->BeginSecond);
    const QString end = DateText(record->EndDay, record->EndMonth, record->EndYear);
    const QString endTime = TimeText(record->EndHour, record->EndMinute, record->EndSecond);
    if (page == vpImage) {
        edImgDevName->SetText(record->GetDeviceType());
        edImgDevID->SetText(IntToStr(record->DeviceNumber));
        EditImageID->SetText(IntToStr(record->ImageID));
        EditTuningID2->SetText(IntToStr(record->TuningID));
        edImgName->SetText(record->GetRecordName());
        EditStartDate->SetText(begin);
        EditStartTime->SetText(beginTime);
        EditDate2->SetText(end);
        EditTime2->SetText(endTime);
        EditImageWidth->SetText(IntToStr(record->SizeX));
        EditImageHeight->SetText(IntToStr(record->SizeY));
        EditStepX->SetText(IntToStr(record->StepX));
        EditStepY->SetText(IntToStr(record->StepY));
        ShowConclusion(Memo1, record->GetConclusion());
        EditControlMade->SetText(Trim(record->GetControlMade()));
        DrawPicture(record, [&] {
            if (record->ImageType == 0 || record->ImageType == 2)
                record->Draw(imgImage->Canvas(), 0, 0);
            else
                DrawLevelImage(record, imgImage->Canvas(), 0, 0, context_.Palette);
        });
        return;
    }
    ed_devtype->SetText(record->GetDeviceType());
    Ed_deviceid->SetText(IntToStr(record->DeviceNumber));
    Ed_impimgid->SetText(IntToStr(record->ImageID));
    Ed_impimgname->SetText(record->GetRecordName());
    Ed_impimgdate1->SetText(begin);
    Ed_impimgtime1->SetText(beginTime);
    Ed_impimgdate2->SetText(end);
    Ed_impimgtime2->SetText(endTime);
    Ed_impimgw->SetText(IntToStr(record->SizeX));
    Ed_impimgh->SetText(IntToStr(record->SizeY));
    ShowConclusion(memo_impimgconcl, record->GetConclusion());
    Ed_impimgtest->SetText(Trim(record->GetControlMade()));
    DrawPicture(record, [this] { FirstImpactDrawing(); });
}

// The texts go in composed, as OK judged them.
void TfrmEditRecord::ApplyTuning(TLumbraTuningMessage *record)
{
    context_.Manager->RenameMessage(record, ComposedText(edTunName->Text()));
    record->SetComments(ComposedText(edComments->Text()));
    context_.Manager->SetModified(true);
}

void TfrmEditRecord::ApplyImage(TLumbraImageMessage *record)
{
    const bool impact = nbEdit->PageIndex() == vpImpactImage;
    context_.Manager->RenameMessage(record, ComposedText((impact ? Ed_impimgname : edImgName)->Text()));
    record->SetComments(ComposedText(edComments->Text()));
    record->SetControlMade(ComposedText((impact ? Ed_impimgtest : EditControlMade)->Text()));
    if (conclusionShownWhole_)
        record->SetConclusion(ComposedText((impact ? memo_impimgconcl : Memo1)->Text()));
    context_.Manager->SetModified(true);
}

void TfrmEditRecord::buShowTunningClick(TObject *)
{
    const int tuningId = StrToInt(EditTuningID2->Text());
    const int deviceNumber = StrToInt(edImgDevID->Text());
    if (context_.ShowTuning)
        context_.ShowTuning(deviceNumber, tuningId, this);
}

bool ViewTuningRecord(const TViewerContext &context, TLumbraTuningMessage *record, TForm *caller)
{
    if (!record)
        return false;
    std::unique_ptr<TfrmEditRecord> viewer(new TfrmEditRecord(context));
    viewer->ShowTuning(record);
    viewer->SetHeight(viewer->pnTop->Height() + viewer->EditAttenuation->Top() + viewer->EditAttenuation->Height() +
                      viewer->paBottom->Height() + 35);
    if (!caller) {
        CentreOnScreen(viewer.get());
        return RunViewer(viewer.get(), [&] { viewer->ApplyTuning(record); });
    }
    // The tuning stands to the right of the image's viewer, which makes room near the screen's edge.
    const int callerLeft = caller->Left();
    const auto restore = qScopeGuard([caller, callerLeft] {
        if (caller->Left() != callerLeft)
            caller->SetLeft(callerLeft);
    });
    viewer->SetTop(caller->Top());
    if (Screen->Width() < caller->Width() + caller->Left() + viewer->Width())
        caller->SetLeft(Screen->Width() - caller->Width() - viewer->Width());
    viewer->SetLeft(caller->Left() + caller->Width());
    return RunViewer(viewer.get(), [&] { viewer->ApplyTuning(record); });
}

namespace {
bool ViewImageOnPage(const TViewerContext &context, TLumbraImageMessage *record, TViewerPage page)
{
    if (!record)
        return false;
    std::unique_ptr<TfrmEditRecord> viewer(new TfrmEditRecord(context));
    viewer->ShowImage(record, page);
    viewer->SetHeight(viewer->pnTop->Height() + viewer->GroupBox7->Top() + viewer->GroupBox7->Height() +
                      viewer->paBottom->Height() + 100);
    CentreOnScreen(viewer.get());
    return RunViewer(viewer.get(), [&] { viewer->ApplyImage(record); });
}
} // namespace

bool ViewImageRecord(const TViewerContext &context, TLumbraImageMessage *record)
{
    return ViewImageOnPage(context, record, vpImage);
}

bool ViewImpactImageRecord(const TViewerContext &context, TLumbraImageMessage *record)
{
    return ViewImageOnPage(context, record, vpImpactImage);
}
