#pragma once

#include "AboutBox.h"

class TmlCustomLang;
class TmlLabel;
class TmlLangLinked;

// The plug-in's about box: product, version, maker and web address, and the machine's memory figures. It
// shares the common texts and the language of the given language component (the main window's), if any.
class TfrmLumbraAbout : public TAboutBox {
    Q_OBJECT
public:
    TfrmLumbraAbout(TComponent *owner, TmlCustomLang *commonLang);

    TmlLabel *Label1;
    TmlLangLinked *mlLangLinked1;
};

// Shows the about box modally, created for this one showing; the main window's "&About..." entry calls it
// with its own language component.
void ShowLumbraAbout(TmlCustomLang *commonLang);
