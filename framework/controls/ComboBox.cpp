#include "controls/ComboBox.h"

#include "forms/Application.h"

#include <QComboBox>
#include <QLineEdit>

TComboBox::TComboBox(TComponent *owner) : TWinControl(owner, new QComboBox), items_(new TStringList)
{
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
    SetStyle(csDropDown);
    items_->SetOnChange(MakeEvent<&TComboBox::ItemsChanged>(this));
    QObject::connect(Combo(), &QComboBox::activated, this,
                     [this] { CallHandler(this, [this] { onChange_(this); }); });
}

TComboBox::~TComboBox() { items_->SetOnChange({}); }

QComboBox *TComboBox::Combo() const { return static_cast<QComboBox *>(Widget()); }

void TComboBox::SetStyle(TComboBoxStyle style)
{
    style_ = style;
    QComboBox *combo = Combo();
    if (!combo)
        return;
    const bool editable = style == csDropDown || style == csSimple;
    if (editable == combo->isEditable())
        return;
    combo->setEditable(editable);
    if (editable)
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                         [this] { CallHandler(this, [this] { onChange_(this); }); });
}

int TComboBox::ItemIndex() const { return Combo() ? Combo()->currentIndex() : -1; }

void TComboBox::SetItemIndex(int index)
{
    if (Combo())
        Combo()->setCurrentIndex(index >= 0 && index < Combo()->count() ? index : -1);
}

QString TComboBox::GetText() const { return Combo() ? Combo()->currentText() : QString(); }

void TComboBox::TextChanged()
{
    QComboBox *combo = Combo();
    if (!combo)
        return;
    if (combo->isEditable())
        combo->setEditText(text_);
    else
        combo->setCurrentIndex(items_->IndexOf(text_));
}

void TComboBox::ItemsChanged(TObject *)
{
    QComboBox *combo = Combo();
    if (!combo || syncing_)
        return;
    syncing_ = true;
    const int index = combo->currentIndex();
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(items_->ToStringList());
    combo->setCurrentIndex(index < combo->count() ? index : -1);
    if (combo->isEditable() && index < 0)
        combo->setEditText(text);
    syncing_ = false;
}
