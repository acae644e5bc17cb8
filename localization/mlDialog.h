#pragma once

#include "mlLang.h"

#include "dialogs/OpenDialog.h"

// The file-open dialog captioned in the active language: while it shows, its labels and buttons take the
// texts of the language component's dialog captions ("Files of type:", "File name:", "Look in:", "Drives:",
// "Read-only", "Help", "Open", "Cancel"); a text that is missing or empty leaves the dialog's own.
class TmlOpenDialog : public TOpenDialog {
    Q_OBJECT
    Q_PROPERTY(TmlCustomLang *mlLang READ mlLang WRITE SetmlLang)

public:
    using TOpenDialog::TOpenDialog;

    TmlCustomLang *mlLang() const { return mlLang_; }
    void SetmlLang(TmlCustomLang *lang);

protected:
    void DoShow() override;
    void Notification(TComponent *component, TOperation operation) override;

private:
    TmlCustomLang *mlLang_ = nullptr;
};
