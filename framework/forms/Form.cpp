#include "forms/Form.h"

#include "forms/Application.h"
#include "forms/Cursors.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"
#include "menus/Menus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QWidget>

TForm::TForm(TComponent *owner)
    : TWinControl(owner, new QWidget), canvas_(new TCanvas), constraints_(new TSizeConstraints)
{
    client_ = new QWidget(Widget());
    Widget()->setAutoFillBackground(true);
    ColorChanged();
    FontChanged();
    TControl::SetVisible(false);
    ApplyWindowFlags();
    SetBounds(0, 0, 320, 240);
    LayoutFrame();
}

TForm::~TForm()
{
    Destroying();
    DestroyComponents();
    // A menu that outlives the form keeps its bar, which the form's window only shows.
    if (menu_ && menu_->MenuBar())
        menu_->MenuBar()->setParent(nullptr);
    if (modalLoop_)
        modalLoop_->quit();
    Screen->RemoveForm(this);
    delete constraints_;
}

void TForm::BeforeDestruction()
{
    CallHandler(this, [this] { onDestroy_(this); });
}

void TForm::EndLoading()
{
    Loaded();
    QList<TComponent *> created;
    for (int i = 0; i < ComponentCount(); ++i)
        created.append(Components(i));
    for (TComponent *component : created)
        if (component->HasState(csLoading))
            component->Loaded();
    CallHandler(this, [this] { onCreate_(this); });
}

TCanvas *TForm::Canvas() const
{
    canvas_->SetFont(Font());
    return canvas_.get();
}

TForm *GetParentForm(const TControl *control)
{
    if (!control)
        return nullptr;
    while (control->Parent())
        control = control->Parent();
    return dynamic_cast<TForm *>(const_cast<TControl *>(control));
}

int TForm::MenuHeight() const
{
    const QMenuBar *bar = menu_ ? menu_->MenuBar() : nullptr;
    return bar && !bar->isHidden() ? bar->sizeHint().height() : 0;
}

int TForm::ClientWidth() const { return Width(); }

int TForm::ClientHeight() const { return std::max(Height() - MenuHeight(), 0); }

void TForm::LayoutFrame()
{
    const int menuHeight = MenuHeight();
    if (menu_ && menu_->MenuBar())
        menu_->MenuBar()->setGeometry(0, 0, Width(), menuHeight);
    client_->setGeometry(0, menuHeight, Width(), std::max(Height() - menuHeight, 0));
    AlignControls();
}

void TForm::ApplyConstraints()
{
    int minWidth = constraints_->MinWidth();
    int minHeight = constraints_->MinHeight();
    int maxWidth = constraints_->MaxWidth();
    int maxHeight = constraints_->MaxHeight();
    onConstrainedResize_(this, minWidth, minHeight, maxWidth, maxHeight);
    if (!Widget() || !Widget()->isWindow())
        return;
    Widget()->setMinimumSize(std::max(minWidth, 0), std::max(minHeight, 0));
    Widget()->setMaximumSize(maxWidth > 0 ? maxWidth : QWIDGETSIZE_MAX, maxHeight > 0 ? maxHeight : QWIDGETSIZE_MAX);
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    ApplyConstraints();
    if (Widget() && Widget()->isWindow()) {
        width = std::clamp(width, Widget()->minimumWidth(), Widget()->maximumWidth());
        height = std::clamp(height, Widget()->minimumHeight(), Widget()->maximumHeight());
    }
    TWinControl::SetBounds(left, top, width, height);
    LayoutFrame();
}

void TForm::Resized()
{
    LayoutFrame();
    TWinControl::Resized();
}

void TForm::SetParent(TWinControl *parent)
{
    const bool wasShowing = Visible();
    TWinControl::SetParent(parent);
    if (!Widget())
        return;
    if (!parent)
        ApplyWindowFlags();
    else if (wasShowing)
        Widget()->show();
}

void TForm::ApplyWindowFlags()
{
    QWidget *window = Widget();
    if (!window || Parent())
        return;
    Qt::WindowFlags flags = Qt::Window;
    switch (borderStyle_) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool;
        break;
    default:
        break;
    }
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (borderIcons_ & biSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderStyle_ != bsDialog && (borderIcons_ & biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if (borderStyle_ != bsDialog && (borderIcons_ & biMaximize))
            flags |= Qt::WindowMaximizeButtonHint;
        if (borderIcons_ & biHelp)
            flags |= Qt::WindowContextHelpButtonHint;
    }
    const bool shown = window->isVisible();
    window->setWindowFlags(flags);
    if (shown)
        window->show();
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    borderIcons_ = icons;
    ApplyWindowFlags();
}

TWindowState TForm::WindowState() const { return windowState_; }

void TForm::SetWindowState(TWindowState state)
{
    windowState_ = state;
    if (!Widget() || Parent())
        return;
    const Qt::WindowStates states = state == wsMinimized   ? Qt::WindowMinimized
                                    : state == wsMaximized ? Qt::WindowMaximized
                                                           : Qt::WindowNoState;
    Widget()->setWindowState(states);
}

void TForm::SetMenu(TMainMenu *menu)
{
    if (menu == menu_)
        return;
    if (menu_ && menu_->MenuBar())
        menu_->MenuBar()->setParent(nullptr);
    SetReference(menu_, menu);
    if (QMenuBar *bar = menu_ ? menu_->MenuBar() : nullptr) {
        bar->setParent(Widget());
        bar->show();
    }
    LayoutFrame();
}

void TForm::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) {
        menu_ = nullptr;
        LayoutFrame();
    }
}

void TForm::TextChanged()
{
    if (Widget())
        Widget()->setWindowTitle(text_);
}

void TForm::SetVisible(bool visible)
{
    if (visible) {
        Show();
        return;
    }
    TControl::SetVisible(false);
    if (Widget() && !Parent())
        Widget()->hide();
}

void TForm::Show()
{
    QWidget *window = Widget();
    if (!window)
        return;
    const bool wasVisible = Visible() && window->isVisible();
    TControl::SetVisible(true);
    if (!Parent()) {
        if (!window->isVisible()) {
            if (position_ == poScreenCenter || position_ == poDesktopCenter) {
                if (const QScreen *screen = QGuiApplication::primaryScreen()) {
                    const QRect area = screen->geometry();
                    window->move(area.left() + (area.width() - Width()) / 2,
                                 area.top() + (area.height() - Height()) / 2);
                }
            }
            SetWindowState(windowState_);
            window->show();
        } else {
            window->raise();
        }
        window->activateWindow();
        Screen->FormActivated(this);
    }
    if (!wasVisible)
        onShow_(this);
}

TCloseAction TForm::AskClose(TCloseAction action)
{
    onClose_(this, action);
    return action;
}

void TForm::Close()
{
    if (Modal()) {
        SetModalResult(mrCancel);
        return;
    }
    const TCloseAction action = AskClose(caHide);
    if (action == caNone)
        return;
    if (Application->MainForm() == this) {
        Hide();
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    default:
        Hide();
        Release();
        break;
    }
}

void TForm::SetModalResult(TModalResult result)
{
    modalResult_ = result;
    if (modalLoop_ && result != mrNone)
        modalLoop_->quit();
}

TModalResult TForm::ShowModal()
{
    if (Modal() || (Visible() && Showing()))
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    modalResult_ = mrNone;
    QWidget *window = Widget();
    window->setWindowModality(Qt::ApplicationModal);
    // However the modal run ends, also by an exception from OnShow, OnClose or a stand-in for the user, the form
    // is left hidden and no longer modal.
    const auto end = qScopeGuard([this, window] {
        answeringModal_ = false;
        modalLoop_ = nullptr;
        Hide();
        window->setWindowModality(Qt::NonModal);
    });
    TCloseAction action = caHide;
    int answer = mrNone;
    const TNormalCursor normal;
    answeringModal_ = true;
    Show();
    const bool answered = AnswerModal({mkForm, this, window, Caption(), {}}, answer);
    answeringModal_ = false;
    if (answered) {
        if (modalResult_ == mrNone)
            modalResult_ = answer != mrNone ? answer : mrCancel;
        action = AskClose(caHide);
    } else {
        QEventLoop loop;
        modalLoop_ = &loop;
        for (;;) {
            if (modalResult_ == mrNone && !Application->Terminated())
                loop.exec();
            if (Application->Terminated() && modalResult_ == mrNone)
                modalResult_ = mrCancel;
            action = AskClose(caHide);
            if (action != caNone || Application->Terminated())
                break;
            modalResult_ = mrNone;
        }
    }
    const TModalResult result = modalResult_;
    if (action == caFree)
        Release();
    return result;
}

void TForm::Release()
{
    QMetaObject::invokeMethod(this, [this] { delete this; }, Qt::QueuedConnection);
}

bool TForm::WidgetEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Close:
        // The form decides what a close means; when OnClose raises, the window stays as it is.
        event->ignore();
        CallHandler(this, [this] { Close(); });
        return true;
    case QEvent::WindowActivate:
        // A form docked on another window (a tool bar on a panel) hears its window's activation too.
        if (!Parent())
            Screen->FormActivated(this);
        return false;
    case QEvent::WindowStateChange: {
        const Qt::WindowStates states = Widget()->windowState();
        windowState_ = (states & Qt::WindowMinimized)   ? wsMinimized
                       : (states & Qt::WindowMaximized) ? wsMaximized
                                                        : wsNormal;
        return false;
    }
    case QEvent::Resize:
        ApplyConstraints();
        return TWinControl::WidgetEvent(event);
    case QEvent::KeyPress:
        return KeyPress(static_cast<QKeyEvent *>(event));
    default:
        return TWinControl::WidgetEvent(event);
    }
}

int TForm::FocusedHelpContext() const
{
    const QWidget *focus = QApplication::focusWidget();
    int context = HelpContext();
    for (const TWinControl *holder = this; holder && focus;) {
        const TWinControl *inner = nullptr;
        for (int i = 0; i < holder->ControlCount() && !inner; ++i) {
            const auto *control = dynamic_cast<const TWinControl *>(holder->Controls(i));
            if (control && control->Widget()
                && (control->Widget() == focus || control->Widget()->isAncestorOf(focus)))
                inner = control;
        }
        if (inner && inner->HelpContext() != 0)
            context = inner->HelpContext();
        holder = inner;
    }
    return context;
}

bool TForm::KeyPress(QKeyEvent *event)
{
    // The help key shows the topic of what has the focus; a tool bar on another window leaves it to that window.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && !Parent()) {
        if (const int context = FocusedHelpContext())
            Application->HelpContext(context);
        return true;
    }
    int key = event->key();
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    if (key != Qt::Key_Return && key != Qt::Key_Escape)
        return false;
    // Enter on a focused button presses that button; otherwise the default or cancel button takes the key.
    if (auto *button = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
        key == Qt::Key_Return && button && Widget()->isAncestorOf(button)) {
        button->click();
        return true;
    }
    return BroadcastDialogKey(key);
}
