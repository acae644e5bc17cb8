#include "forms/Application.h"

#include "forms/Form.h"
#include "forms/Screen.h"
#include "platform/Help.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QWidget>

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication()
{
    // At process exit the window system may already be gone: forms left then are not freed, since freeing
    // their windows would need it.
    if (!QCoreApplication::instance()) {
        while (ComponentCount() > 0)
            RemoveComponent(Components(ComponentCount() - 1));
        return;
    }
    DestroyComponents();
    delete window_;
}

void TApplication::Initialize()
{
    if (title_.isEmpty())
        title_ = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (!window_) {
        window_ = new QWidget;
        window_->setWindowTitle(title_);
        if (!handle_)
            handle_ = window_;
    }
}

TForm *TApplication::MainForm() const { return static_cast<TForm *>(mainForm_.data()); }

void TApplication::SetTitle(const QString &title)
{
    title_ = title;
    if (window_)
        window_->setWindowTitle(title);
}

void TApplication::SetHint(const QString &hint)
{
    if (hint == hint_)
        return;
    hint_ = hint;
    onHint_(this);
}

void TApplication::Run()
{
    if (TForm *form = MainForm(); form && !terminated_)
        form->Show();
    if (!terminated_) {
        QEventLoop loop;
        loop_ = &loop;
        loop.exec();
        loop_ = nullptr;
    }
    DestroyComponents();
}

void TApplication::Terminate()
{
    terminated_ = true;
    if (loop_)
        loop_->quit();
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

QString TApplication::CurrentHelpFile() const
{
    const TForm *form = Screen->ActiveForm();
    return form && !form->HelpFile().isEmpty() ? form->HelpFile() : helpFile_;
}

bool TApplication::HelpCommand(unsigned command, quintptr data)
{
    const QString file = CurrentHelpFile();
    return !file.isEmpty() && WinHelp(handle_, file, command, data);
}

bool TApplication::HelpContext(int context) { return HelpCommand(HELP_CONTEXT, quintptr(context)); }

int TApplication::MessageBox(const QString &text, const QString &caption, unsigned flags)
{
    const TForm *active = Screen->ActiveForm();
    return ::MessageBox(active ? active->Handle() : nullptr, text, caption, flags);
}

void TApplication::HandleException(TObject *sender, std::exception_ptr error) noexcept
{
    try {
        try {
            std::rethrow_exception(error);
        } catch (Exception &e) {
            Report(sender, e);
        } catch (const std::exception &e) {
            Exception wrapped(QString::fromLocal8Bit(e.what()));
            Report(sender, wrapped);
        } catch (...) {
            Exception wrapped(QStringLiteral("Unknown exception"));
            Report(sender, wrapped);
        }
    } catch (...) {
        // Reporting failed as well (no window system, a box that could not be built): nothing more can be done.
    }
}

void TApplication::Report(TObject *sender, Exception &error)
{
    if (!onException_.Assigned()) {
        ShowException(sender, error);
        return;
    }
    try {
        onException_(sender, &error);
    } catch (Exception &e) {
        ShowException(this, e);
    } catch (const std::exception &e) {
        ShowException(this, Exception(QString::fromLocal8Bit(e.what())));
    }
}

void TApplication::ShowException(TObject *sender, const Exception &error)
{
    const QString className = sender ? sender->ClassName() : ClassName();
    MessageBox(className + QStringLiteral(" - ") + error.Message(), title_, MB_OK | MB_ICONSTOP);
}
