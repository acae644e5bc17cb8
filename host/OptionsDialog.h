#pragma once

#include "forms/Form.h"

class TButton;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;
class TmlLangLinked;
class TmlOpenDialog;

// Chooses the default data file; the main window stores the choice, which counts from the next start.
class TfrmOptions : public TForm {
    Q_OBJECT
public:
    explicit TfrmOptions(TComponent *owner);

    TPageControl *PageControl1;
    TTabSheet *TabSheet1;
    TLabel *Label1;
    TEdit *edFile;
    TButton *Button4;
    TLabel *Label2;
    TPanel *Panel1;
    TButton *Button1;
    TButton *Button2;
    TButton *Button3;
    TmlOpenDialog *mlOpenDialog1;
    TmlLangLinked *mlLangLinked1;

    void Button1Click(TObject *sender);
    void Button4Click(TObject *sender);
    void Button3Click(TObject *sender);
};
