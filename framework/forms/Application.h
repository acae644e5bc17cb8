#pragma once

#include "classes/Component.h"
#include "classes/Events.h"
#include "forms/MessageBox.h"
#include "platform/Handle.h"
#include "rtl/Exceptions.h"

#include <QPointer>
#include <QString>
#include <exception>

class QEventLoop;
class TForm;

using TExceptionEvent = TMethod<TObject *, Exception *>;

// The program as the user sees it: title, help file, the hint under the mouse, the message loop, and the last
// stop of every exception that handler code raises. Each module has its own (a plug-in installs its own
// exception handler without touching the host's); all of them share the one QApplication.
class TApplication : public TComponent {
    Q_OBJECT
public:
    TApplication();
    ~TApplication() override;

    // Makes the application window; needs the QApplication.
    void Initialize();

    const QString &Title() const { return title_; }
    void SetTitle(const QString &title);
    const QString &HelpFile() const { return helpFile_; }
    void SetHelpFile(const QString &helpFile) { helpFile_ = helpFile; }
    // The hint of what is under the mouse (long part of a control's hint); a change fires OnHint.
    const QString &Hint() const { return hint_; }
    void SetHint(const QString &hint);
    // The application window; a plug-in adopts the host's so that its windows belong to the host.
    HWND Handle() const { return handle_; }
    void SetHandle(HWND handle) { handle_ = handle; }

    TForm *MainForm() const;
    // Creates a form owned by the application; the first form created this way is the main form, whose closing
    // ends the program.
    template <class T>
    void CreateForm(T *&reference)
    {
        reference = new T(this);
        if (!mainForm_)
            mainForm_ = static_cast<TComponent *>(reference);
    }

    // Shows the main form and runs the message loop until the program ends, then frees the forms while the
    // window system is still there.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles the events that are waiting (paints, posted calls, timers), then returns.
    void ProcessMessages();

    // Help of the active form's help file when it names one, else of the application's.
    bool HelpCommand(unsigned command, quintptr data);
    bool HelpContext(int context);
    QString CurrentHelpFile() const;

    int MessageBox(const QString &text, const QString &caption, unsigned flags = MB_OK);

    // Reports the exception that handler code raised: OnException when assigned, else a box reading the class
    // name of the sender, " - " and the message. Never throws.
    void HandleException(TObject *sender, std::exception_ptr error = std::current_exception()) noexcept;
    void ShowException(TObject *sender, const Exception &error);

    TNotifyEvent OnHint() const { return onHint_; }
    void SetOnHint(TNotifyEvent event) { onHint_ = event; }
    TExceptionEvent OnException() const { return onException_; }
    void SetOnException(TExceptionEvent event) { onException_ = event; }

private:
    void Report(TObject *sender, Exception &error);

    QString title_;
    QString helpFile_;
    QString hint_;
    HWND handle_ = nullptr;
    QWidget *window_ = nullptr;
    QPointer<TComponent> mainForm_;
    QEventLoop *loop_ = nullptr;
    bool terminated_ = false;
    TNotifyEvent onHint_;
    TExceptionEvent onException_;
};

extern TApplication *const Application;

// Every call from Qt into handler code goes through here: an exception never unwinds into Qt's event loop but
// reaches this module's application, with the control or form that dispatched the call as sender.
template <typename Handler>
void CallHandler(TObject *sender, Handler &&handler) noexcept
{
    try {
        handler();
    } catch (...) {
        Application->HandleException(sender);
    }
}
