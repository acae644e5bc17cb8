#pragma once

#include "controls/WinControl.h"

class QScrollArea;

// A framed area that scrolls the controls it holds: scroll bars appear while the controls reach beyond its
// client area (the area inside the frame), which is also what its aligned controls fill.
class TScrollBox : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TScrollBox(TComponent *owner);

    QWidget *ClientWidget() const override { return content_; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    void AlignControls() override;
    // The scrolled area follows every control.
    bool FollowsEveryControl() const override { return true; }

    // How far the controls reach: the size of the scrolled area (at least 0 x 0).
    QSize Range() const;

protected:
    void AdjustClientRect(QRect &rect) const override;

private:
    QScrollArea *Area() const;
    QWidget *content_;
};
