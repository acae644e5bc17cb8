#pragma once

#include "forms/Form.h"

#include <functional>

class TButton;
class TCheckBox;
class TImage;
class TLabel;
class TmlCustomLang;
class TmlLangLinked;

// How the warning box reaches the plug-in's main window: its DoWarnings setting (the window stores a new value
// in the settings store) and the language component whose common texts and language the box shares.
struct TWarningsLink {
    std::function<bool()> DoWarnings;
    std::function<void(bool)> SetDoWarnings;
    TmlCustomLang *Lang = nullptr;
};

// The main window links itself when it is created and unlinks ({}) when it goes. Unlinked, warnings are on,
// the box offers no "Don't show again" and speaks English.
void LinkWarnings(TWarningsLink link);

// The warning that no tuning matches the selected image, with a "Don't show again" choice.
class TfrmMessage : public TForm {
    Q_OBJECT
public:
    explicit TfrmMessage(TComponent *owner);

    TImage *Image1;
    TLabel *lbMessage;
    TButton *Button1;
    TCheckBox *CheckBox1;
    TmlLangLinked *mlLangLinked1;

    void FormCreate(TObject *sender);
    void CheckBox1Click(TObject *sender);
};

// Shows the warning modally: when forced always, and without the choice; otherwise only while the main
// window's DoWarnings is on.
void ShowNoTuningWarning(bool forced);
