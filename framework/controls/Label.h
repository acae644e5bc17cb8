#pragma once

#include "controls/GraphicControl.h"
#include "controls/Panel.h"

#include <QPointer>

class QShortcut;

// A text label drawn on its parent. A label that is not transparent fills its area with its colour first;
// with AutoSize it takes the size of its text (with WordWrap only its height follows). A disabled label draws
// its text embossed. Paint is the place for labels that draw their text in other ways. The accelerator of its
// caption (Alt and the letter after "&") puts the focus into its FocusControl.
class TCustomLabel : public TGraphicControl {
    Q_OBJECT
public:
    explicit TCustomLabel(TComponent *owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    TWinControl *FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl *control);
    void Loaded() override;

protected:
    void Paint() override;
    // Draws the caption into the rectangle in the canvas's font with the label's alignment, word wrap and
    // accelerator settings added to the flags.
    void DoDrawText(TRect &rect, unsigned flags);
    void TextChanged() override;
    void FontChanged() override;
    void Notification(TComponent *component, TOperation operation) override;
    void AdjustBounds();

private:
    void UpdateAccelerator();
    void Accelerate();

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl *focusControl_ = nullptr;
    QPointer<QShortcut> accelerator_;
};

class TLabel : public TCustomLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(TWinControl *FocusControl READ FocusControl WRITE SetFocusControl)

public:
    using TCustomLabel::TCustomLabel;
};
