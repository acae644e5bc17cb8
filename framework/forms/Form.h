#pragma once

#include "classes/Persistent.h"
#include "controls/WinControl.h"
#include "graphics/Canvas.h"
#include "menus/Menus.h"

#include <QString>
#include <memory>
#include <new>

class QEventLoop;
class QKeyEvent;
class QMenuBar;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1u << 0, biMinimize = 1u << 1, biMaximize = 1u << 2, biHelp = 1u << 3 };
using TBorderIcons = unsigned;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
enum : TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

using TCloseEvent = TMethod<TObject *, TCloseAction &>;
using TConstrainedResizeEvent = TMethod<TObject *, int &, int &, int &, int &>;

// Smallest and largest size of a window; 0 means no limit.
class TSizeConstraints : public TPersistent {
    Q_OBJECT
    Q_PROPERTY(int MinWidth READ MinWidth WRITE SetMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE SetMinHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE SetMaxHeight)

public:
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { minWidth_ = value; }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int value) { minHeight_ = value; }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value) { maxWidth_ = value; }
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int value) { maxHeight_ = value; }

private:
    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};

// A window. A form class built from a resource creates its components between BeginLoading() and EndLoading()
// in its constructor: while loading, the form and every component it creates are in the loading state; then
// EndLoading calls Loaded on the form and on each component in creation order, and then OnCreate, whose failure
// is reported with the form as sender while the form still comes up. A failure before OnCreate (reading, Loaded)
// leaves the constructor, so the half-built form is destroyed. A form created without a resource is ready at once.
class TForm : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TBasicAction *Action READ Action WRITE SetAction)
    Q_PROPERTY(QString HelpFile READ HelpFile WRITE SetHelpFile)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(TSizeConstraints *Constraints READ Constraints)
    Q_PROPERTY(TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(TWindowState WindowState READ WindowState WRITE SetWindowState)
    Q_PROPERTY(TMainMenu *Menu READ Menu WRITE SetMenu)

public:
    explicit TForm(TComponent *owner);
    ~TForm() override;
    // Deleting a form (by its owner, by Release or by the code that made it) runs OnDestroy first, while the
    // whole form is there: the handler is mostly a method of the derived form, whose part goes first. A form
    // destroyed in place, or whose construction failed, runs no OnDestroy. Defined in the header: left out of
    // line, its calls make GCC warn of a delete that does not match its new.
    void operator delete(TForm *form, std::destroying_delete_t)
    {
        form->BeforeDestruction();
        void *block = dynamic_cast<void *>(form);
        form->~TForm();
        ::operator delete(block);
    }

    void EndLoading();

    // Measures text in the form's font.
    TCanvas *Canvas() const;

    QWidget *ClientWidget() const override { return client_; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl *parent) override;
    void SetVisible(bool visible) override;

    const QString &HelpFile() const { return helpFile_; }
    void SetHelpFile(const QString &helpFile) { helpFile_ = helpFile; }
    TSizeConstraints *Constraints() const { return constraints_; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    TMainMenu *Menu() const { return menu_; }
    void SetMenu(TMainMenu *menu);
    // Size the form takes when it is put on a panel as a tool bar.
    int UndockWidth() const { return undockWidth_; }
    void SetUndockWidth(int width) { undockWidth_ = width; }
    int UndockHeight() const { return undockHeight_; }
    void SetUndockHeight(int height) { undockHeight_ = height; }

    // Shows the form; one already showing comes to the front.
    void Show();
    // Closes as the user would: a modal form ends with mrCancel; otherwise OnClose chooses what happens, and
    // closing the main form ends the program.
    void Close();
    // Shows the form modally (through the modal hook when one is set) and answers its modal result.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);
    bool Modal() const { return modalLoop_ != nullptr || answeringModal_; }
    // Frees the form once the events waiting now are handled, so a handler of the form may call it.
    void Release();

    TNotifyEvent OnCreate() const { return onCreate_; }
    void SetOnCreate(TNotifyEvent event) { onCreate_ = event; }
    TNotifyEvent OnShow() const { return onShow_; }
    void SetOnShow(TNotifyEvent event) { onShow_ = event; }
    TCloseEvent OnClose() const { return onClose_; }
    void SetOnClose(TCloseEvent event) { onClose_ = event; }
    TNotifyEvent OnDestroy() const { return onDestroy_; }
    void SetOnDestroy(TNotifyEvent event) { onDestroy_ = event; }
    TConstrainedResizeEvent OnConstrainedResize() const { return onConstrainedResize_; }
    void SetOnConstrainedResize(TConstrainedResizeEvent event) { onConstrainedResize_ = event; }

protected:
    void TextChanged() override;
    void Resized() override;
    bool WidgetEvent(QEvent *event) override;
    void Notification(TComponent *component, TOperation operation) override;

private:
    void BeforeDestruction();
    void ApplyWindowFlags();
    void ApplyConstraints();
    void LayoutFrame();
    int MenuHeight() const;
    TCloseAction AskClose(TCloseAction action);
    bool KeyPress(QKeyEvent *event);
    // The help context of the focused control, else of the nearest control around it that has one, else the
    // form's own.
    int FocusedHelpContext() const;

    std::unique_ptr<TCanvas> canvas_;
    QWidget *client_ = nullptr;
    TSizeConstraints *constraints_ = nullptr;
    QString helpFile_;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    TMainMenu *menu_ = nullptr;
    int undockWidth_ = 0;
    int undockHeight_ = 0;
    TModalResult modalResult_ = mrNone;
    QEventLoop *modalLoop_ = nullptr;
    bool answeringModal_ = false;
    bool showing_ = false;
    TNotifyEvent onCreate_;
    TNotifyEvent onShow_;
    TCloseEvent onClose_;
    TNotifyEvent onDestroy_;
    TConstrainedResizeEvent onConstrainedResize_;
};

// The form a control is on: the window at the top of its parents, when that is a form.
TForm *GetParentForm(const TControl *control);
