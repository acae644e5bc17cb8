#include "controls/SpinButton.h"

#include "forms/Application.h"

#include <QToolButton>

TSpinButton::TSpinButton(TComponent *owner)
    : TWinControl(owner, new QWidget), up_(new QToolButton(Widget())), down_(new QToolButton(Widget()))
{
    for (QToolButton *button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    QObject::connect(up_, &QToolButton::clicked, this, [this] { CallHandler(this, [this] { onUpClick_(this); }); });
    QObject::connect(down_, &QToolButton::clicked, this,
                     [this] { CallHandler(this, [this] { onDownClick_(this); }); });
    SetBounds(0, 0, 20, 25);
}

QAbstractButton *TSpinButton::UpButton() const { return up_; }

QAbstractButton *TSpinButton::DownButton() const { return down_; }

void TSpinButton::Resized()
{
    // The up button takes the upper half, the down button the rest.
    const int half = Height() / 2;
    up_->setGeometry(0, 0, Width(), half);
    down_->setGeometry(0, half, Width(), Height() - half);
    TWinControl::Resized();
}
