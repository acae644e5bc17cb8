#pragma once

#include "Records.h"
#include "forms/Form.h"

#include <array>
#include <functional>

class TButton;
class TColorDialog;
class TEdit;
class TPanel;
class TSpinButton;
class TmlCustomLang;
class TmlLangLinked;

// Edits the main window's palette in place: one row per entry with its level, spin buttons that move the level
// and push the neighbours along so that the levels stay strictly increasing within 0..255, and a panel of its
// colour that opens the colour dialog. OK stores the palette; any other way out reloads the stored one.
class TfmSetColor : public TForm {
    Q_OBJECT
public:
    // RedrawPreview repaints the main window's level preview after every change of the levels and after the
    // palette was reloaded.
    TfmSetColor(TComponent *owner, TPaletteEntry *palette, std::function<void()> redrawPreview,
                TmlCustomLang *commonLang);

    // Row i shows entry i: Edit9 + i, SpinButton1 + i, Panel9 + i.
    std::array<TEdit *, PaletteSize> Edits;
    std::array<TSpinButton *, PaletteSize> SpinButtons;
    std::array<TPanel *, PaletteSize> Panels;
    TColorDialog *ColorDialog1;
    TButton *buOK;
    TButton *buCancel;
    TButton *buHelp;
    TmlLangLinked *mlLangLinked1;

    void FormCreate(TObject *sender);
    void FormClose(TObject *sender, TCloseAction &action);
    void SpinButton1DownClick(TObject *sender);
    void SpinButton1UpClick(TObject *sender);
    void ColorChange(TObject *sender);
    void buOKClick(TObject *sender);
    void buHelpClick(TObject *sender);

private:
    // Spin button number n (1..8) belongs to entry n - 1; its Tag holds the entry's level.
    int Level(int n) const;
    void Lower(int n);
    void Raise(int n);
    void Step(int n, int delta);
    // Ends a push that started at button n: the preview shows the levels once the neighbours have moved.
    void EndPush(int n, int &origin);

    TPaletteEntry *palette_;
    std::function<void()> redrawPreview_;
    int lowerOrigin_ = 0;
    int raiseOrigin_ = 0;
};

// Opens the palette dialog modally on the palette and answers whether the user confirmed with OK (the palette
// is then stored); otherwise the palette is the stored one again. The main window's palette strip calls it with
// its own palette, a redraw of its level preview and its language component.
bool EditPalette(TPaletteEntry *palette, std::function<void()> redrawPreview, TmlCustomLang *commonLang);
