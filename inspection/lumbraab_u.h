#pragma once

#include "forms/Form.h"

class TBevel;
class TButton;
class TLabel;
class TmlCustomLang;
class TmlLabel;
class TmlLangLinked;

// The plug-in's about box: product, version, maker and web address, and the machine's memory figures. It
// shares the common texts and the language of the given language component (the main window's), if any.
class TfrmLumbraAbout : public TForm {
    Q_OBJECT
public:
    TfrmLumbraAbout(TComponent *owner, TmlCustomLang *commonLang);

    TmlLabel *Label1;
    TLabel *Label3;
    TLabel *Label4;
    TLabel *Label5;
    TBevel *Bevel1;
    TLabel *Label6;
    TLabel *PhysMem;
    TLabel *Label7;
    TLabel *FreeRes;
    TButton *Button1;
    TmlLangLinked *mlLangLinked1;

    void FormCreate(TObject *sender);
    void Label5Click(TObject *sender);
};

// Shows the about box modally, created for this one showing; the main window's "&About..." entry calls it
// with its own language component.
void ShowLumbraAbout(TmlCustomLang *commonLang);
