#include "controls/SpinEdit.h"

#include "forms/Application.h"

#include <QLineEdit>
#include <QSpinBox>
#include <limits>

TSpinEdit::TSpinEdit(TComponent *owner) : TWinControl(owner, new QSpinBox)
{
    SetColor(clWindow);
    SetBounds(0, 0, 121, 22);
    ApplyLimits();
    QObject::connect(Spin(), &QSpinBox::textChanged, this,
                     [this] { CallHandler(this, [this] { onChange_(this); }); });
}

QSpinBox *TSpinEdit::Spin() const { return static_cast<QSpinBox *>(Widget()); }

void TSpinEdit::SetMinValue(int value)
{
    minValue_ = value;
    ApplyLimits();
}

void TSpinEdit::SetMaxValue(int value)
{
    maxValue_ = value;
    ApplyLimits();
}

void TSpinEdit::ApplyLimits()
{
    if (!Spin())
        return;
    if (minValue_ == maxValue_)
        Spin()->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    else
        Spin()->setRange(std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

int TSpinEdit::Value() const { return Spin() ? Spin()->value() : 0; }

void TSpinEdit::SetValue(int value)
{
    if (Spin())
        Spin()->setValue(value);
}

int TSpinEdit::Increment() const { return Spin() ? Spin()->singleStep() : 1; }

void TSpinEdit::SetIncrement(int increment)
{
    if (Spin())
        Spin()->setSingleStep(increment);
}

QString TSpinEdit::GetText() const { return Spin() ? Spin()->text() : QString(); }

void TSpinEdit::TextChanged()
{
    if (!Spin())
        return;
    bool ok = false;
    const int value = text_.trimmed().toInt(&ok);
    if (ok)
        Spin()->setValue(value);
}
