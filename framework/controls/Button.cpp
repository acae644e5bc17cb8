#include "controls/Button.h"

#include "forms/Application.h"
#include "forms/Form.h"

#include <QPushButton>

TButton::TButton(TComponent *owner) : TWinControl(owner, new QPushButton)
{
    SetBounds(0, 0, 75, 25);
    QObject::connect(Button(), &QPushButton::clicked, this, [this] { CallHandler(this, [this] { Click(); }); });
}

QPushButton *TButton::Button() const { return static_cast<QPushButton *>(Widget()); }

void TButton::SetDefault(bool value)
{
    default_ = value;
    if (Button())
        Button()->setDefault(value);
}

void TButton::TextChanged()
{
    if (Button())
        Button()->setText(text_);
}

void TButton::Click()
{
    if (TForm *form = GetParentForm(this); form && modalResult_ != 0)
        form->SetModalResult(modalResult_);
    TWinControl::Click();
}

bool TButton::DialogKey(int key)
{
    if ((key == Qt::Key_Return && default_) || (key == Qt::Key_Escape && cancel_)) {
        Click();
        return true;
    }
    return false;
}
