#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;
class TObject;

enum TModalKind { mkForm, mkMessageBox, mkCommonDialog };

// One modal interaction about to run: the window the user would see, the object behind it (the form or the
// dialog component; none for a message box) and, for message boxes, the texts.
struct TModalRequest {
    TModalKind Kind = mkForm;
    TObject *Source = nullptr;
    QWidget *Window = nullptr;
    QString Caption;
    QString Text;
};

// Lets a test stand in for the user. While a hook is set, every modal form, message box and common dialog calls it
// instead of running a modal loop; the hook may inspect the window, fill in fields or click buttons, and returns
// the answer: a modal result for forms, a button identifier for message boxes, non-zero for a confirmed dialog.
using TModalHook = std::function<int(const TModalRequest &request)>;

void SetModalHook(TModalHook hook);
const TModalHook &ModalHook();
// Calls the hook when one is set; false means the caller runs its own modal loop.
bool AnswerModal(const TModalRequest &request, int &answer);
// Runs a common dialog of the given component modally, or lets the hook answer it; true when confirmed.
bool ExecuteCommonDialog(TObject *source, QDialog &dialog);

// Sets a hook for the lifetime of the object and puts the previous one back afterwards.
class TModalHookScope {
public:
    explicit TModalHookScope(TModalHook hook);
    ~TModalHookScope();
    TModalHookScope(const TModalHookScope &) = delete;
    TModalHookScope &operator=(const TModalHookScope &) = delete;

private:
    TModalHook previous_;
};
