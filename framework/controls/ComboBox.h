#pragma once

#include "classes/Strings.h"
#include "controls/WinControl.h"

#include <memory>

class QComboBox;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// A drop-down list of Items (with an object beside each); ItemIndex is the selected item, -1 for none. OnChange
// runs when the user picks an item or edits the text, not when code sets them.
class TComboBox : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(TStrings *Items READ Items WRITE SetItems)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(TComboBoxStyle Style READ Style WRITE SetStyle)
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

    TNotifyEvent OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent event) { onChange_ = event; }

protected:
    QString GetText() const override;
    void TextChanged() override;

private:
    QComboBox *Combo() const;
    void ItemsChanged(TObject *);

    std::unique_ptr<TStringList> items_;
    TComboBoxStyle style_ = csDropDown;
    bool syncing_ = false;
    TNotifyEvent onChange_;
};
