#pragma once

#include "controls/Control.h"
#include "platform/Handle.h"

#include <QList>
#include <QRect>

// A control that holds other controls and can take the keyboard focus. Its aligned controls fill its client
// area in the order top, bottom, left, right, client.
class TWinControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)

public:
    TWinControl(TComponent *owner, QWidget *widget);
    ~TWinControl() override;

    HWND Handle() const { return Widget(); }
    // Where child controls live: the widget itself, or the client area below a form's menu.
    virtual QWidget *ClientWidget() const { return Widget(); }

    int ControlCount() const { return int(controls_.size()); }
    TControl *Controls(int index) const;

    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    void SetFocus();
    // Visible and enabled, with every parent.
    bool CanFocus() const;

    virtual void AlignControls();
    // Lays out again when any control inside moves or changes size, not only an aligned one.
    virtual bool FollowsEveryControl() const { return false; }

    // Runs when the keyboard focus moves from this control, or a control inside it, to another control of the
    // program outside it (not to a drop-down list).
    TNotifyEvent OnExit() const { return onExit_; }
    void SetOnExit(TNotifyEvent event);

    // Kept by TControl::SetParent; inserting puts the control's widget into this one's client area.
    virtual void InsertControl(TControl *control);
    virtual void RemoveControl(TControl *control);

protected:
    void Resized() override;
    void FontChanged() override;
    // The part of the client area that aligned controls share; a control with a frame of its own keeps it free.
    virtual void AdjustClientRect(QRect &) const {}
    // Offers the key to every control inside, depth first, until one takes it.
    bool BroadcastDialogKey(int key);

private:
    QList<TControl *> controls_;
    int helpContext_ = 0;
    bool aligning_ = false;
    TNotifyEvent onExit_;
    bool watchingFocus_ = false;
};
