#include "controls/GroupBox.h"

#include <QFontMetrics>
#include <QGroupBox>

TGroupBox::TGroupBox(TComponent *owner) : TWinControl(owner, new QGroupBox) { SetBounds(0, 0, 185, 105); }

QGroupBox *TGroupBox::Box() const { return static_cast<QGroupBox *>(Widget()); }

void TGroupBox::TextChanged()
{
    if (Box())
        Box()->setTitle(text_);
    AlignControls();
}

void TGroupBox::AdjustClientRect(QRect &rect) const
{
    // The caption's line at the top, the frame's pixel on the other sides.
    const int caption = Box() ? QFontMetrics(Box()->font()).height() : 0;
    rect.adjust(1, caption, -1, -1);
}
