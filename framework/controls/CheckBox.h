#pragma once

#include "controls/WinControl.h"

class QCheckBox;

// A check box; every change of Checked, clicked or set in code, runs OnClick.
class TCheckBox : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TBasicAction *Action READ Action WRITE SetAction)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)

public:
    explicit TCheckBox(TComponent *owner);

    bool Checked() const;
    void SetChecked(bool checked);

protected:
    void TextChanged() override;
    bool ClicksOnMouseUp() const override { return false; }

private:
    QCheckBox *Box() const;
};
