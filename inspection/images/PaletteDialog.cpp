#include "images/PaletteDialog.h"

#include "LangEntry.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/Panel.h"
#include "controls/SpinButton.h"
#include "dialogs/ColorDialog.h"
#include "forms/Application.h"
#include "images/PaletteStore.h"
#include "mainwindow/FailureReport.h"
#include "mlLngLnk.h"
#include "rtl/SysUtils.h"

#include <memory>

namespace {
// The spin buttons tell their number by their name: "SpinButton" and the number.
constexpr int spinButtonPrefix = 10;

TButton *NewButton(TfmSetColor *form, const QString &name, int left, const QString &caption)
{
    auto *button = new TButton(form);
    button->SetName(name);
    button->SetParent(form);
    button->SetBounds(left, 256, 75, 25);
    button->SetCaption(caption);
    return button;
}
} // namespace

TfmSetColor::TfmSetColor(TComponent *owner, TPaletteEntry *palette, std::function<void()> redrawPreview,
                         TmlCustomLang *commonLang)
    : TForm(owner), palette_(palette), redrawPreview_(std::move(redrawPreview))
{
    BeginLoading();
    SetName(QStringLiteral("fmSetColor"));
    SetCaption(QStringLiteral("Colors setting"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(264);
    SetClientHeight(289);
    SetHelpContext(20);
    SetHelpFile(QStringLiteral("lumbra.hlp"));

    for (int i = 0; i < PaletteSize; ++i) {
        const int top = 8 + 30 * i;
        Edits[i] = new TEdit(this);
        Edits[i]->SetName("Edit" + IntToStr(9 + i));
        Edits[i]->SetParent(this);
        Edits[i]->SetBounds(8, top, 40, 22);
        // The spin buttons alone change a level: they keep the levels in order, which typing could not.
        Edits[i]->SetReadOnly(true);
        SpinButtons[i] = new TSpinButton(this);
        SpinButtons[i]->SetName("SpinButton" + IntToStr(1 + i));
        SpinButtons[i]->SetParent(this);
        SpinButtons[i]->SetBounds(48, top, 16, 22);
        SpinButtons[i]->SetOnDownClick(MakeEvent<&TfmSetColor::SpinButton1DownClick>(this));
        SpinButtons[i]->SetOnUpClick(MakeEvent<&TfmSetColor::SpinButton1UpClick>(this));
        Panels[i] = new TPanel(this);
        Panels[i]->SetName("Panel" + IntToStr(9 + i));
        Panels[i]->SetParent(this);
        Panels[i]->SetBounds(72, top, 184, 22);
        Panels[i]->SetBevelOuter(bvLowered);
        Panels[i]->SetCaption(QString());
        Panels[i]->SetTag(i);
        Panels[i]->SetCursor(crHandPoint);
        Panels[i]->SetOnClick(MakeEvent<&TfmSetColor::ColorChange>(this));
    }

    ColorDialog1 = new TColorDialog(this);
    ColorDialog1->SetName(QStringLiteral("ColorDialog1"));
    ColorDialog1->SetOptions(cdSolidColor);

    buOK = NewButton(this, QStringLiteral("buOK"), 16, QStringLiteral("&OK"));
    buOK->SetOnClick(MakeEvent<&TfmSetColor::buOKClick>(this));
    buCancel = NewButton(this, QStringLiteral("buCancel"), 95, QStringLiteral("&Cancel"));
    buCancel->SetDefault(true);
    buCancel->SetCancel(true);
    buCancel->SetModalResult(mrCancel);
    buHelp = NewButton(this, QStringLiteral("buHelp"), 174, QStringLiteral("&Help"));
    buHelp->SetVisible(false);
    buHelp->SetOnClick(MakeEvent<&TfmSetColor::buHelpClick>(this));

    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    const auto add = [this](TStrings *list, const QString &name, const QString &english, const QString &russian) {
        AddLangEntry(mlLangLinked1, list, name, english, russian);
    };
    TStrings *captions = mlLangLinked1->Captions();
    add(captions, "TfmSetColor", "Colors setting", "Настройка цветов");
    add(captions, "buOK", "&OK", "&OK");
    add(captions, "buCancel", "&Cancel", "О&тмена");
    add(captions, "buHelp", "&Help", "&Помощь");
    add(mlLangLinked1->OtherStrings(), "TfmSetColor.HelpFile", "lumbra.hlp", "lumbra_ru.hlp");
    mlLangLinked1->SetNumOfLanguages(2);
    mlLangLinked1->Follow(commonLang);

    SetOnCreate(MakeEvent<&TfmSetColor::FormCreate>(this));
    SetOnClose(MakeEvent<&TfmSetColor::FormClose>(this));
    EndLoading();
}

void TfmSetColor::FormCreate(TObject *)
{
    for (int i = 0; i < PaletteSize; ++i) {
        Edits[i]->SetText(IntToStr(palette_[i].Level));
        SpinButtons[i]->SetTag(palette_[i].Level);
        Panels[i]->SetColor(palette_[i].Color);
    }
}

void TfmSetColor::FormClose(TObject *, TCloseAction &)
{
    // Cancel, Escape and the close box alike undo every change made here.
    if (ModalResult() == mrOk)
        return;
    try {
        LoadPalette(palette_);
    } catch (const Exception &) {
        // The defaults stand in for a stored palette that cannot be read, as when the window was made.
    }
    if (redrawPreview_)
        redrawPreview_();
}

int TfmSetColor::Level(int n) const { return SpinButtons[n - 1]->Tag(); }

void TfmSetColor::Step(int n, int delta)
{
    TSpinButton *button = SpinButtons[n - 1];
    button->SetTag(button->Tag() + delta);
    Edits[n - 1]->SetText(IntToStr(button->Tag()));
    palette_[n - 1].Level = quint8(button->Tag());
}

void TfmSetColor::EndPush(int n, int &origin)
{
    if (n != origin)
        return;
    origin = 0;
    if (redrawPreview_)
        redrawPreview_();
}

void TfmSetColor::Lower(int n)
{
    if (lowerOrigin_ == 0)
        lowerOrigin_ = n;
    if (n == 1) {
        if (Level(1) > 0)
            Step(1, -1);
    } else {
        if (Level(n - 1) + 1 >= Level(n))
            Lower(n - 1);
        if (Level(n - 1) + 1 < Level(n))
            Step(n, -1);
    }
    EndPush(n, lowerOrigin_);
}

void TfmSetColor::Raise(int n)
{
    if (raiseOrigin_ == 0)
        raiseOrigin_ = n;
    if (n == PaletteSize) {
        if (Level(n) < 255)
            Step(n, +1);
    } else {
        if (Level(n) >= Level(n + 1) - 1)
            Raise(n + 1);
        if (Level(n) < Level(n + 1) - 1)
            Step(n, +1);
    }
    EndPush(n, raiseOrigin_);
}

void TfmSetColor::SpinButton1DownClick(TObject *sender)
{
    Lower(StrToInt(static_cast<TComponent *>(sender)->Name().mid(spinButtonPrefix)));
}

void TfmSetColor::SpinButton1UpClick(TObject *sender)
{
    Raise(StrToInt(static_cast<TComponent *>(sender)->Name().mid(spinButtonPrefix)));
}

void TfmSetColor::ColorChange(TObject *sender)
{
    auto *panel = static_cast<TPanel *>(sender);
    ColorDialog1->SetColor(panel->Color());
    // Silver is never a level colour.
    if (!ColorDialog1->Execute() || ColorDialog1->Color() == clSilver)
        return;
    panel->SetColor(ColorDialog1->Color());
    palette_[panel->Tag()].Color = ColorDialog1->Color();
}

// A store that cannot take the palette now is told of; the dialog closes all the same, the palette in use.
void TfmSetColor::buOKClick(TObject *)
{
    try {
        SavePalette(palette_);
    } catch (const Exception &error) {
        ReportLumbraFailure(error);
    }
    SetModalResult(mrOk);
}

void TfmSetColor::buHelpClick(TObject *) { Application->HelpContext(HelpContext()); }

bool EditPalette(TPaletteEntry *palette, std::function<void()> redrawPreview, TmlCustomLang *commonLang)
{
    const std::unique_ptr<TfmSetColor> dialog(new TfmSetColor(nullptr, palette, std::move(redrawPreview), commonLang));
    return dialog->ShowModal() == mrOk;
}
