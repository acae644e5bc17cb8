#include "controls/ComboBox.h"

#include "forms/Application.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStylePainter>

namespace {
TOwnerDrawState DrawStateOf(const QStyleOptionViewItem &option)
{
    TOwnerDrawState state = 0;
    if (option.state & QStyle::State_Selected)
        state |= odSelected;
    if (option.state & QStyle::State_HasFocus)
        state |= odFocused;
    if (!(option.state & QStyle::State_Enabled))
        state |= odDisabled;
    return state;
}

// The items of an owner-drawn list, each drawn by the control.
class TOwnerDrawDelegate : public QAbstractItemDelegate {
public:
    TOwnerDrawDelegate(QObject *parent, TComboBox *combo) : QAbstractItemDelegate(parent), combo_(combo) {}
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        combo_->DrawItem(*painter, option.rect, index.row(), DrawStateOf(option));
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {option.rect.width(), combo_->ItemHeight()};
    }

private:
    TComboBox *combo_;
};
} // namespace

// The closed box of an owner-drawn list shows its item as the control draws it.
class TComboBoxWidget : public QComboBox {
public:
    explicit TComboBoxWidget(TComboBox *combo) : combo_(combo) {}

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (!combo_->OwnerDrawn()) {
            QComboBox::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        if (currentIndex() < 0)
            return;
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        TOwnerDrawState state = odComboBoxEdit;
        if (hasFocus())
            state |= odSelected | odFocused;
        if (!isEnabled())
            state |= odDisabled;
        combo_->DrawItem(painter, field, currentIndex(), state);
    }

private:
    TComboBox *combo_;
};

TComboBox::TComboBox(TComponent *owner)
    : TWinControl(owner, new TComboBoxWidget(this)), items_(new TStringList), canvas_(new TCanvas)
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
    if (OwnerDrawn() && combo->itemDelegate() != ownerDelegate_) {
        plainDelegate_ = combo->itemDelegate();
        if (!ownerDelegate_)
            ownerDelegate_ = new TOwnerDrawDelegate(combo, this);
        combo->setItemDelegate(ownerDelegate_);
    } else if (!OwnerDrawn() && ownerDelegate_ && combo->itemDelegate() == ownerDelegate_) {
        combo->setItemDelegate(plainDelegate_);
    }
    combo->update();
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

void TComboBox::SetItemHeight(int height)
{
    itemHeight_ = std::max(height, 1);
    if (Combo())
        Combo()->view()->doItemsLayout();
}

void TComboBox::DrawItem(QPainter &painter, const QRect &rect, int index, TOwnerDrawState state)
{
    if (index < 0 || index >= items_->Count())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    TCanvas *canvas = canvas_.get();
    canvas->SetPainter(&painter);
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(state & odSelected ? clHighlight : Color());
    if (state & odSelected)
        canvas->Font()->SetColor(clHighlightText);
    const TRect itemRect = TRect::FromQRect(rect);
    if (onDrawItem_.Assigned()) {
        CallHandler(this, [&] { onDrawItem_(this, index, itemRect, state); });
    } else {
        canvas->FillRect(itemRect);
        canvas->TextOut(itemRect.Left + 2, itemRect.Top, items_->Strings(index));
    }
    canvas->SetPainter(nullptr);
    painter.restore();
}
