#pragma once

#include "classes/Strings.h"
#include "controls/WinControl.h"
#include "graphics/Canvas.h"

#include <memory>

class QAbstractItemDelegate;
class QComboBox;
class QPainter;
class QRect;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

enum TOwnerDrawStateItem : unsigned {
    odSelected = 1u << 0,
    odDisabled = 1u << 2,
    odFocused = 1u << 4,
    odComboBoxEdit = 1u << 12,
};
using TOwnerDrawState = unsigned;
using TDrawItemEvent = TMethod<TWinControl *, int, TRect, TOwnerDrawState>;

// A drop-down list of Items (with an object beside each); ItemIndex is the selected item, -1 for none. OnChange
// runs when the user picks an item or edits the text, not when code sets them. An owner-drawn list (the
// csOwnerDraw styles) draws each item, in the list and in the closed box (odComboBoxEdit), through OnDrawItem on
// Canvas, rows ItemHeight pixels high; the canvas comes with the brush and font colours of the item's state.
class TComboBox : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(TStrings *Items READ Items WRITE SetItems)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TComboBox(TComponent *owner);
    ~TComboBox() override;

    TStrings *Items() const { return items_.get(); }
    void SetItems(TStrings *items) { items_->Assign(*items); }
    int ItemIndex() const;
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    bool OwnerDrawn() const { return style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }
    TCanvas *Canvas() const { return canvas_.get(); }

    TNotifyEvent OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent event) { onChange_ = event; }
    TDrawItemEvent OnDrawItem() const { return onDrawItem_; }
    void SetOnDrawItem(TDrawItemEvent event) { onDrawItem_ = event; }

    // Draws item index into the rectangle of the painter's device, as the list and the closed box do.
    void DrawItem(QPainter &painter, const QRect &rect, int index, TOwnerDrawState state);

protected:
    QString GetText() const override;
    void TextChanged() override;

private:
    QComboBox *Combo() const;
    void ItemsChanged(TObject *);

    std::unique_ptr<TStringList> items_;
    std::unique_ptr<TCanvas> canvas_;
    TComboBoxStyle style_ = csDropDown;
    int itemHeight_ = 16;
    bool syncing_ = false;
    // The list's own delegate, back in place when the list is no longer owner-drawn.
    QAbstractItemDelegate *plainDelegate_ = nullptr;
    QAbstractItemDelegate *ownerDelegate_ = nullptr;
    TNotifyEvent onChange_;
    TDrawItemEvent onDrawItem_;
};
