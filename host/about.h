#pragma once

#include "forms/Form.h"

class TBevel;
class TButton;
class TImage;
class TLabel;
class TPanel;
class TmlLabel;
class TmlLang;

// The about box: name, version, maker and web address of the program, and the machine's memory figures.
class TfrmAbout : public TForm {
    Q_OBJECT
public:
    explicit TfrmAbout(TComponent *owner);

    TmlLabel *mlLabel1;
    TLabel *Label3;
    TLabel *Label4;
    TLabel *Label5;
    TBevel *Bevel1;
    TLabel *Label6;
    TLabel *PhysMem;
    TLabel *Label7;
    TLabel *FreeRes;
    TPanel *Panel1;
    TImage *Image1;
    TButton *Button1;
    TmlLang *mlLang1;

    void FormCreate(TObject *sender);
    void Label5Click(TObject *sender);
};

