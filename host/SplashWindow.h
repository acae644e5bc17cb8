#pragma once

#include "forms/Form.h"

class TImage;
class TLabel;
class TmlLabel;

// The picture shown while the plug-ins load; the main window writes the progress into Label1. A plug-in's own
// progress on a long task (the data manager reading its journal) shows in ProgressLabel, beside it.
class TfrmSplash : public TForm {
    Q_OBJECT
public:
    explicit TfrmSplash(TComponent *owner);

    TImage *Image1;
    TLabel *Label1;
    TmlLabel *mlLabel1;
    TmlLabel *mlLabel2;
    TLabel *ProgressLabel;

    // Shown at once; an empty text hides the label.
    void ShowProgress(const QString &text);
};

extern TfrmSplash *frmSplash;
