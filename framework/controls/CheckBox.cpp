#include "controls/CheckBox.h"

#include "forms/Application.h"

#include <QCheckBox>

TCheckBox::TCheckBox(TComponent *owner) : TWinControl(owner, new QCheckBox)
{
    SetBounds(0, 0, 97, 17);
    QObject::connect(Box(), &QCheckBox::toggled, this, [this] { CallHandler(this, [this] { Click(); }); });
}

QCheckBox *TCheckBox::Box() const { return static_cast<QCheckBox *>(Widget()); }

bool TCheckBox::Checked() const { return Box() && Box()->isChecked(); }

void TCheckBox::SetChecked(bool checked)
{
    if (Box())
        Box()->setChecked(checked);
}

void TCheckBox::TextChanged()
{
    if (Box())
        Box()->setText(text_);
}
