#pragma once

#include "controls/WinControl.h"

class QGroupBox;

// A frame with its caption in the top edge, holding other controls; those aligned to its sides stay inside the
// frame, below the caption.
class TGroupBox : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TGroupBox(TComponent *owner);

protected:
    void TextChanged() override;
    void AdjustClientRect(QRect &rect) const override;

private:
    QGroupBox *Box() const;
};
