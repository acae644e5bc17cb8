#pragma once

#include "controls/WinControl.h"

class QPushButton;

// A push button. A click first gives the button's form the button's modal result (ending a modal form), then
// runs OnClick. The default button takes Enter, the cancel button Escape.
class TButton : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TBasicAction *Action READ Action WRITE SetAction)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)

public:
    explicit TButton(TComponent *owner);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    void Click() override;

protected:
    void TextChanged() override;
    bool ClicksOnMouseUp() const override { return false; }
    bool DialogKey(int key) override;

private:
    QPushButton *Button() const;
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};
