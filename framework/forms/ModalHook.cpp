#include "forms/ModalHook.h"

#include "forms/Cursors.h"

#include <QDialog>

namespace {
TModalHook &CurrentHook()
{
    static TModalHook hook;
    return hook;
}
} // namespace

void SetModalHook(TModalHook hook) { CurrentHook() = std::move(hook); }

const TModalHook &ModalHook() { return CurrentHook(); }

bool AnswerModal(const TModalRequest &request, int &answer)
{
    // A copy, so that a hook may replace itself while it runs.
    const TModalHook hook = CurrentHook();
    if (!hook)
        return false;
    answer = hook(request);
    return true;
}

bool ExecuteCommonDialog(TObject *source, QDialog &dialog)
{
    int answer = 0;
    const TNormalCursor normal;
    if (AnswerModal({mkCommonDialog, source, &dialog, dialog.windowTitle(), {}}, answer))
        return answer != 0;
    return dialog.exec() == QDialog::Accepted;
}

TModalHookScope::TModalHookScope(TModalHook hook) : previous_(CurrentHook()) { SetModalHook(std::move(hook)); }

TModalHookScope::~TModalHookScope() { SetModalHook(std::move(previous_)); }
