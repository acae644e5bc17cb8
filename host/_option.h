#pragma once

#include "forms/Form.h"

class TButton;
class TEdit;
class TLabel;
class TOpenDialog;
class TPageControl;
class TPanel;
class TTabSheet;

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
    TOpenDialog *mlOpenDialog1;

    void Button4Click(TObject *sender);
    void Button3Click(TObject *sender);
};
