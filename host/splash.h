#pragma once

#include "forms/Form.h"

class TImage;
class TLabel;
class TmlLabel;

// The picture shown while the plug-ins load; the main window writes the progress into Label1.
class TfrmSplash : public TForm {
    Q_OBJECT
public:
    explicit TfrmSplash(TComponent *owner);

    TImage *Image1;
    TLabel *Label1;
    TmlLabel *mlLabel1;
    TmlLabel *mlLabel2;
};

extern TfrmSplash *frmSplash;
