#include "ProgressWindow.h"

#include "PluginContract.h"
#include "SplashWindow.h"
#include "controls/Panel.h"
#include "forms/Application.h"
#include "forms/Screen.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDynamicPropertyChangeEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>

TfrmProgress *frmProgress = nullptr;

namespace {
// Lets through only the events of one window and its controls, and drops every other.
class TWindowEventsOnly : public QObject {
public:
    explicit TWindowEventsOnly(QWidget *window) : window_(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *) override
    {
        if (watched == window_->windowHandle())
            return false;
        return !(watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == window_);
    }

private:
    QWidget *window_;
};

// The window system shows a new window in its own time, and the plug-in goes on working without letting the
// event loop run: wait for that here (half a second at most), handling the window's own events and nothing
// else. The program is ending, and what else waits may belong to a plug-in that is gone.
void WaitUntilShown(QWidget *window)
{
    const TWindowEventsOnly filter(window);
    const QDeadlineTimer deadline(500);
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(2);
    }
}
} // namespace

TfrmProgress::TfrmProgress(TComponent *owner) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmProgress"));
    SetCaption(Application->Title());
    SetBorderStyle(bsNone);
    SetPosition(poScreenCenter);
    SetClientWidth(320);
    SetClientHeight(64);

    Panel1 = new TPanel(this);
    Panel1->SetName(QStringLiteral("Panel1"));
    Panel1->SetParent(this);
    Panel1->SetAlign(alClient);
    Panel1->SetBevelWidth(2);
    EndLoading();
}

TProgressDisplay::TProgressDisplay() { QCoreApplication::instance()->installEventFilter(this); }

TProgressDisplay::~TProgressDisplay() { Close(); }

bool TProgressDisplay::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DynamicPropertyChange && watched == QCoreApplication::instance()
        && static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName() == PluginProgressProperty)
        Show(watched->property(PluginProgressProperty).toString());
    return false;
}

// Painted at once: the plug-in goes on working without letting the event loop run.
void TProgressDisplay::Show(const QString &text)
{
    if (frmSplash) {
        frmSplash->ShowProgress(text);
        return;
    }
    if (text.isEmpty()) {
        Close();
        return;
    }
    if (!frmProgress) {
        frmProgress = new TfrmProgress(nullptr);
        frmProgress->Panel1->SetCaption(text);
        frmProgress->Show();
        Screen->SetCursor(crHourGlass);
        WaitUntilShown(frmProgress->Widget());
    }
    frmProgress->Panel1->SetCaption(text);
    frmProgress->Repaint();
}

void TProgressDisplay::Close()
{
    if (!frmProgress)
        return;
    Screen->SetCursor(crDefault);
    delete frmProgress;
    frmProgress = nullptr;
}
