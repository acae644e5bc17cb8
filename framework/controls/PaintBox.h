#pragma once

#include "controls/GraphicControl.h"

// An area of its parent that OnPaint draws on through Canvas, which starts each paint with the box's font and a
// brush of its colour.
class TPaintBox : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TPaintBox(TComponent *owner);

    TNotifyEvent OnPaint() const { return onPaint_; }
    void SetOnPaint(TNotifyEvent event) { onPaint_ = event; }

protected:
    void Paint() override;

private:
    TNotifyEvent onPaint_;
};
