#include "controls/ScrollBox.h"

#include <QScrollArea>

TScrollBox::TScrollBox(TComponent *owner) : TWinControl(owner, new QScrollArea), content_(new QWidget)
{
    Area()->setWidget(content_);
    SetBounds(0, 0, 185, 41);
}

QScrollArea *TScrollBox::Area() const { return static_cast<QScrollArea *>(Widget()); }

// Taken from the box's own size, which is already new while the box learns of a resize; the viewport follows
// only later.
int TScrollBox::ClientWidth() const { return Area() ? Area()->maximumViewportSize().width() : 0; }

int TScrollBox::ClientHeight() const { return Area() ? Area()->maximumViewportSize().height() : 0; }

void TScrollBox::AdjustClientRect(QRect &rect) const { rect = QRect(0, 0, ClientWidth(), ClientHeight()); }

QSize TScrollBox::Range() const { return content_->size(); }

void TScrollBox::AlignControls()
{
    TWinControl::AlignControls();
    if (!Area())
        return;
    QSize range(0, 0);
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl *control = Controls(i);
        if (control->Visible())
            range = range.expandedTo(QSize(control->Left() + control->Width(), control->Top() + control->Height()));
    }
    content_->resize(range);
}
