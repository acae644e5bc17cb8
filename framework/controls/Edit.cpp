#include "controls/Edit.h"

#include "forms/Application.h"

#include <QLineEdit>

TEdit::TEdit(TComponent *owner) : TWinControl(owner, new QLineEdit)
{
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    QObject::connect(LineEdit(), &QLineEdit::textChanged, this,
                     [this] { CallHandler(this, [this] { onChange_(this); }); });
}

QLineEdit *TEdit::LineEdit() const { return static_cast<QLineEdit *>(Widget()); }

QString TEdit::GetText() const { return LineEdit() ? LineEdit()->text() : QString(); }

// The line edit would put the cursor after the text's end and scroll a long text's beginning out of sight.
void TEdit::TextChanged()
{
    if (!LineEdit())
        return;
    LineEdit()->setText(text_);
    LineEdit()->setCursorPosition(0);
}

void TEdit::SetMaxLength(int length)
{
    maxLength_ = std::max(length, 0);
    if (LineEdit())
        LineEdit()->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

bool TEdit::ReadOnly() const { return LineEdit() && LineEdit()->isReadOnly(); }

void TEdit::SetReadOnly(bool readOnly)
{
    if (LineEdit())
        LineEdit()->setReadOnly(readOnly);
}
