#pragma once

#include "AboutBox.h"

class TImage;
class TPanel;
class TmlLabel;
class TmlLang;

// The about box: name, version, maker and web address of the program, and the machine's memory figures.
class TfrmAbout : public TAboutBox {
    Q_OBJECT
public:
    explicit TfrmAbout(TComponent *owner);

    TmlLabel *mlLabel1;
    TPanel *Panel1;
    TImage *Image1;
    TmlLang *mlLang1;
};

