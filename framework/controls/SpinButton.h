#pragma once

#include "controls/WinControl.h"

class QAbstractButton;
class QToolButton;

// A pair of arrow buttons, up above down, without a value of its own: OnUpClick and OnDownClick run on every
// click, and again and again while a button is held down.
class TSpinButton : public TWinControl {
    Q_OBJECT

public:
    explicit TSpinButton(TComponent *owner);

    QAbstractButton *UpButton() const;
    QAbstractButton *DownButton() const;

    TNotifyEvent OnUpClick() const { return onUpClick_; }
    void SetOnUpClick(TNotifyEvent event) { onUpClick_ = event; }
    TNotifyEvent OnDownClick() const { return onDownClick_; }
    void SetOnDownClick(TNotifyEvent event) { onDownClick_ = event; }

protected:
    void Resized() override;

private:
    QToolButton *up_;
    QToolButton *down_;
    TNotifyEvent onUpClick_;
    TNotifyEvent onDownClick_;
};
