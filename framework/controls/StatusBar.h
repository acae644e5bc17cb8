#pragma once

#include "classes/Collection.h"
#include "controls/GraphicControl.h"
#include "controls/Panel.h"

class TStatusBar;

// One field of a status bar: its text and width in pixels.
class TStatusPanel : public TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)

public:
    using TCollectionItem::TCollectionItem;

    const QString &Text() const { return text_; }
    void SetText(const QString &text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

private:
    QString text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TStatusPanels : public TCollection {
    Q_OBJECT
public:
    explicit TStatusPanels(TStatusBar *bar) : bar_(bar) {}
    TStatusPanel *Items(int index) const { return static_cast<TStatusPanel *>(TCollection::Items(index)); }
    TStatusPanel *Add() { return static_cast<TStatusPanel *>(AddItem(new TStatusPanel(this))); }

protected:
    void Update(TCollectionItem *item) override;

private:
    TStatusBar *bar_;
};

// The status line at the bottom of a window: one simple text when SimplePanel is set, else its panels side by
// side (the last one takes the rest of the line).
class TStatusBar : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(TStatusPanels *Panels READ Panels)
    Q_PROPERTY(bool SimplePanel READ SimplePanel WRITE SetSimplePanel)
    Q_PROPERTY(QString SimpleText READ SimpleText WRITE SetSimpleText)
    Q_PROPERTY(TBasicAction *Action READ Action WRITE SetAction)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TStatusBar(TComponent *owner);
    ~TStatusBar() override;

    TStatusPanels *Panels() const { return panels_.get(); }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    const QString &SimpleText() const { return simpleText_; }
    void SetSimpleText(const QString &text);

protected:
    void Paint() override;

private:
    void DrawField(TRect rect, const QString &text, TAlignment alignment);
    std::unique_ptr<TStatusPanels> panels_;
    bool simplePanel_ = false;
    QString simpleText_;
};
