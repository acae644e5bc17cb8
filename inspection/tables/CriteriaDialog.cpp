#include "tables/CriteriaDialog.h"

#include "mainwindow/FormBuilder.h"

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Label.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "forms/Application.h"
#include "mlLngLnk.h"
#include "mlMessageDialog.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

namespace {
using F = TfrmGridCrit;

const TControlEntry<F> ControlEntries[] = {
    {NewControl<&F::Panel2>, "Panel2", "", 0, 0, 400, 22, alTop, 0, {"Data fields:", "Поля данных:"}},
    {NewControl<&F::pcFields>, "pcFields", "", 4, 24, 300, 250},
    {NewControl<&F::pnControls>, "pnControls", "pcFields", 0, 0, 292, 220},
    {NewControl<&F::ckbVisFld>, "ckbVisFld", "pnControls", 8, 8, 270, 17, alNone, 0,
     {"&Visible filed", "&Видимое поле"}},
    {NewControl<&F::gbColors>, "gbColors", "pnControls", 8, 32, 276, 84, alNone, 0,
     {"Field colors", "Цветовая подсветка"}},
    {NewControl<&F::Label1>, "Label1", "gbColors", 8, 22, 68, 13, alNone, 0, {"Backgroud:", "Заливка:"}},
    {NewControl<&F::cbBGColor>, "cbBGColor", "gbColors", 80, 18, 186, 22},
    {NewControl<&F::Label2>, "Label2", "gbColors", 8, 54, 68, 13, alNone, 0, {"Text:", "Текст:"}},
    {NewControl<&F::cbTextColor>, "cbTextColor", "gbColors", 80, 50, 186, 22},
    {NewControl<&F::GroupBox1>, "GroupBox1", "pnControls", 8, 124, 276, 84, alNone, 0,
     {"Visualisation criterion", "Критерий визуализации"}},
    {NewControl<&F::Label3>, "Label3", "GroupBox1", 8, 24, 100, 13, alNone, 0, {"If data value is:", "Если значение:"}},
    {NewControl<&F::cbDataCrit>, "cbDataCrit", "GroupBox1", 112, 20, 154, 21},
    {NewControl<&F::edDataValue>, "edDataValue", "GroupBox1", 8, 52, 258, 21},
    {NewControl<&F::btOK>, "btOK", "", 316, 30, 75, 25, alNone, 0, {"&OK", "&OK"}},
    {NewControl<&F::btCancel>, "btCancel", "", 316, 62, 75, 25, alNone, 0, {"&Cancel", "О&тмена"}},
    {NewControl<&F::btDefault>, "btDefault", "", 316, 94, 75, 25, alNone, 0, {"&Default", "&Сброс"}},
    {NewControl<&F::btHelp>, "btHelp", "", 316, 126, 75, 25, alNone, 0, {"&Help", "&Помощь"}},
};

TColor ItemColor(const TComboBox *list, int index)
{
    return TColor(quintptr(list->Items()->Objects(index)));
}

// A colour list shows its item whose name is the colour's; none when the colour has no name there.
void SelectColor(TComboBox *list, TColor color) { list->SetItemIndex(list->Items()->IndexOf(ColorToString(color))); }

// Leaves directly, containers through their children.
void EnableInside(TWinControl *holder, const TControl *except, bool enabled)
{
    for (int i = 0; i < holder->ControlCount(); ++i) {
        TControl *control = holder->Controls(i);
        if (control == except)
            continue;
        auto *container = dynamic_cast<TWinControl *>(control);
        if (container && container->ControlCount() > 0)
            EnableInside(container, except, enabled);
        else
            control->SetEnabled(enabled);
    }
}
} // namespace

TfrmGridCrit::TfrmGridCrit(TComponent *owner) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmGridCrit"));
    Widget()->setObjectName(Name());
    SetCaption(QStringLiteral("Changing record's visualisation criterion"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(400);
    SetClientHeight(280);
    SetHelpContext(100);
    SetHelpFile(QStringLiteral("lumbra.hlp"));

    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    AddLangEntry(mlLangLinked1, mlLangLinked1->Captions(), QStringLiteral("TfrmGridCrit"),
                 QStringLiteral("Changing record's visualisation criterion"),
                 QStringLiteral("Изменение критерия показа записи"));
    AddLangEntry(mlLangLinked1, mlLangLinked1->Hints(), QStringLiteral("TfrmGridCrit"), QString(), QString());
    BuildControls<F>(this, mlLangLinked1, ControlEntries);
    AddLangEntry(mlLangLinked1, mlLangLinked1->OtherStrings(), QStringLiteral("TfrmGridCrit.HelpFile"),
                 QStringLiteral("lumbra.hlp"), QStringLiteral("lumbra_ru.hlp"));
    AddLangEntry(mlLangLinked1, mlLangLinked1->Strings(), QStringLiteral("sNotInCodePage"),
                 QStringLiteral("The records keep their texts in the Windows-1251 code page, which has no place for "
                                "these characters:\r\n%s\r\nReplace or remove them, then choose OK again."),
                 QStringLiteral("Записи хранят тексты в кодовой странице Windows-1251, в которой нет этих "
                                "символов:\r\n%s\r\nЗамените или удалите их и снова нажмите OK."));
    mlLangLinked1->SetNumOfLanguages(2);

    Panel2->SetAlignment(taLeftJustify);
    Panel2->SetBevelOuter(bvNone);
    pnControls->SetBevelOuter(bvNone);
    pnControls->SetCaption(QString());
    pnControls->SetVisible(false);
    pcFields->SetOnChange(MakeEvent<&F::pcFieldsChange>(this));
    ckbVisFld->SetOnClick(MakeEvent<&F::ckbVisFldClick>(this));
    for (TComboBox *list : {cbBGColor, cbTextColor}) {
        list->SetStyle(csOwnerDrawFixed);
        list->SetOnDrawItem(MakeEvent<&F::cbTextColorDrawItem>(this));
        list->SetOnChange(MakeEvent<&F::cbBGColorChange>(this));
    }
    Label1->SetFocusControl(cbBGColor);
    Label2->SetFocusControl(cbTextColor);
    Label3->SetFocusControl(cbDataCrit);
    cbDataCrit->SetStyle(csDropDownList);
    cbDataCrit->SetOnChange(MakeEvent<&F::cbBGColorChange>(this));
    edDataValue->SetOnChange(MakeEvent<&F::cbBGColorChange>(this));
    // OK closes the dialog only when every value can be compared with the records' texts (btOKClick).
    btOK->SetOnClick(MakeEvent<&F::btOKClick>(this));
    btOK->SetDefault(true);
    btCancel->SetModalResult(mrCancel);
    btCancel->SetCancel(true);
    btHelp->SetOnClick(MakeEvent<&F::btHelpClick>(this));
    btDefault->SetOnClick(MakeEvent<&F::btDefaultClick>(this));

    SetOnCreate(MakeEvent<&F::FormCreate>(this));
    EndLoading();
}

void TfrmGridCrit::FormCreate(TObject *)
{
    for (TComboBox *list : {cbBGColor, cbTextColor})
        GetColorValues([list](const QString &name) {
            list->Items()->AddObject(name, reinterpret_cast<TObject *>(quintptr(unsigned(StringToColor(name)))));
        });
}

void TfrmGridCrit::cbTextColorDrawItem(TWinControl *control, int index, TRect rect, TOwnerDrawState state)
{
    auto *list = static_cast<TComboBox *>(control);
    TCanvas *canvas = list->Canvas();
    const bool selected = state & odSelected;
    canvas->Brush()->SetColor(selected ? clHighlight : clBtnFace);
    canvas->Font()->SetColor(selected ? clHighlightText : clWindowText);
    canvas->FillRect(rect);
    canvas->TextOut(rect.Left + 45, rect.Top + 2, list->Items()->Strings(index));
    canvas->Brush()->SetColor(ItemColor(list, index));
    canvas->Pen()->SetColor(clBlack);
    canvas->Rectangle(rect.Left + 2, rect.Top + 2, rect.Left + 40, rect.Bottom - 2);
    canvas->Brush()->SetColor(clBtnFace);
}

TFieldSetting *TfrmGridCrit::ActiveSetting() const
{
    const int index = pcFields->ActivePageIndex();
    return Settings && index >= 0 && index < int(Settings->size()) ? &(*Settings)[index] : nullptr;
}

void TfrmGridCrit::pcFieldsChange(TObject *)
{
    TTabSheet *page = pcFields->ActivePage();
    const TFieldSetting *setting = ActiveSetting();
    if (!page || !setting)
        return;
    pnControls->SetParent(page);
    pnControls->SetAlign(alClient);
    pnControls->SetVisible(true);
    // The operand comes last: its change event writes back what the other controls show by then.
    const TFieldSetting shown = *setting;
    ckbVisFld->SetChecked(shown.IsVisible);
    EnableInside(pnControls, ckbVisFld, shown.IsVisible);
    SelectColor(cbBGColor, shown.BGColor);
    SelectColor(cbTextColor, shown.TxtColor);
    cbDataCrit->SetItemIndex(shown.DataOperation < cbDataCrit->Items()->Count() ? shown.DataOperation : -1);
    edDataValue->SetText(shown.DataValue);
}

void TfrmGridCrit::cbBGColorChange(TObject *)
{
    TFieldSetting *setting = ActiveSetting();
    if (!setting)
        return;
    // A list without a selection leaves its part as it was.
    if (cbBGColor->ItemIndex() >= 0)
        setting->BGColor = ItemColor(cbBGColor, cbBGColor->ItemIndex());
    if (cbTextColor->ItemIndex() >= 0)
        setting->TxtColor = ItemColor(cbTextColor, cbTextColor->ItemIndex());
    if (cbDataCrit->ItemIndex() >= 0)
        setting->DataOperation = std::uint8_t(cbDataCrit->ItemIndex());
    setting->DataValue = edDataValue->Text();
}

void TfrmGridCrit::ckbVisFldClick(TObject *)
{
    const bool visible = ckbVisFld->Checked();
    EnableInside(pnControls, ckbVisFld, visible);
    if (TFieldSetting *setting = ActiveSetting())
        setting->IsVisible = visible;
}

void TfrmGridCrit::btDefaultClick(TObject *)
{
    if (Settings)
        for (TFieldSetting &setting : *Settings)
            setting = TFieldSetting();
    pcFieldsChange(this);
}

void TfrmGridCrit::btHelpClick(TObject *) { Application->HelpContext(HelpContext()); }

// A value is compared with the records' texts in their Windows-1251 code page, where a character the code page
// lacks would turn into "?" and match a "?" of a record: such values are refused by name. A letter typed as a base
// and a combining mark is kept as the code page's one letter, as the records hold it.
void TfrmGridCrit::btOKClick(TObject *)
{
    if (!Settings) {
        SetModalResult(mrOk);
        return;
    }
    QStringList refused;
    for (int col = 0; col < int(Settings->size()); ++col) {
        const QString outside = CharactersOutsideCp1251(ComposedText((*Settings)[col].DataValue));
        if (!outside.isEmpty())
            refused << (col < pcFields->PageCount() ? pcFields->Pages(col)->Caption() : IntToStr(col)) + ": " + outside;
    }
    if (!refused.isEmpty()) {
        ShowMessageDlg(mlLangLinked1, Format(mlLangLinked1->LookupString("sNotInCodePage"), {refused.join("\r\n")}),
                       mtError, MsgDlgButtons({mbOK}), 0);
        return;
    }
    for (TFieldSetting &setting : *Settings)
        setting.DataValue = ComposedText(setting.DataValue);
    SetModalResult(mrOk);
}
