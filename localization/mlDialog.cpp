#include "mlDialog.h"

#include <array>

namespace {
struct CaptionedControl {
    const char *EntryName;
    int Control;
};

// In the order the captions are set. The old-style dialog has a drives box, and its "Look in" label has no
// identifier of its own.
constexpr std::array<CaptionedControl, 8> OldStyleControls = {{
    {"Files of type:", stc2},
    {"File name:", stc3},
    {"Look in:", stcNoId},
    {"Drives:", stc4},
    {"Read-only", chx1},
    {"Help", pshHelp},
    {"Open", IDOK_BUTTON},
    {"Cancel", IDCANCEL_BUTTON},
}};
constexpr std::array<CaptionedControl, 7> ExplorerControls = {{
    {"Files of type:", stc2},
    {"File name:", stc3},
    {"Look in:", stc4},
    {"Read-only", chx1},
    {"Help", pshHelp},
    {"Open", IDOK_BUTTON},
    {"Cancel", IDCANCEL_BUTTON},
}};
} // namespace

void TmlOpenDialog::SetmlLang(TmlCustomLang *lang)
{
    mlLang_ = lang;
    if (lang)
        lang->FreeNotification(this);
}

void TmlOpenDialog::DoShow()
{
    if (mlLang_) {
        const auto caption = [this](const auto &controls) {
            for (const CaptionedControl &control : controls) {
                const QString text =
                    mlLang_->LookupListEntry(mlLang_->DlgsCaptions(), QString::fromLatin1(control.EntryName), true);
                if (!text.isEmpty())
                    SetControlText(control.Control, text);
            }
        };
        if (Options() & ofOldStyleDialog)
            caption(OldStyleControls);
        else
            caption(ExplorerControls);
    }
    TOpenDialog::DoShow();
}

void TmlOpenDialog::Notification(TComponent *component, TOperation operation)
{
    TOpenDialog::Notification(component, operation);
    if (operation == TOperation::opRemove && component == mlLang_)
        mlLang_ = nullptr;
}
