#pragma once

#include "controls/GraphicControl.h"
#include "graphics/Bitmap.h"

#include <memory>

class QToolButton;

// A tool button showing a glyph (its own copy; pixels of the glyph's bottom-left colour are see-through). A flat
// button shows its edge only under the mouse. Buttons with the same GroupIndex on one parent act as a group: a
// click puts the button down and the others up; with AllowAllUp a down button comes up again when clicked.
class TSpeedButton : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TBasicAction *Action READ Action WRITE SetAction)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(TBitmap *Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)

public:
    explicit TSpeedButton(TComponent *owner);
    ~TSpeedButton() override;

    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    TBitmap *Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap *glyph);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool Down() const { return down_; }
    void SetDown(bool down);

    void Click() override;
    // Drops the raised edge a flat button shows under the pointer, as the pointer leaving it does.
    void MouseLeave();

protected:
    void TextChanged() override;
    bool ClicksOnMouseUp() const override { return false; }

private:
    QToolButton *Button() const;
    void Pressed();
    void UpdateButton();

    std::unique_ptr<TBitmap> glyph_;
    bool flat_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool down_ = false;
};
