#include "controls/Label.h"

#include "forms/Application.h"
#include "graphics/DrawText.h"

#include <QKeySequence>
#include <QShortcut>

TCustomLabel::TCustomLabel(TComponent *owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 17);
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool show)
{
    showAccelChar_ = show;
    AdjustBounds();
    Invalidate();
    UpdateAccelerator();
}

void TCustomLabel::SetFocusControl(TWinControl *control)
{
    SetReference(focusControl_, control);
    UpdateAccelerator();
}

void TCustomLabel::UpdateAccelerator()
{
    delete accelerator_.data();
    const QKeySequence key = focusControl_ && showAccelChar_ ? QKeySequence::mnemonic(Caption()) : QKeySequence();
    if (key.isEmpty() || !Widget())
        return;
    accelerator_ = new QShortcut(key, Widget(), this, [this] { CallHandler(this, [this] { Accelerate(); }); },
                                 Qt::WindowShortcut);
}

void TCustomLabel::Accelerate()
{
    if (focusControl_ && focusControl_->CanFocus())
        focusControl_->SetFocus();
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::Notification(TComponent *component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_) {
        focusControl_ = nullptr;
        UpdateAccelerator();
    }
}

void TCustomLabel::TextChanged()
{
    AdjustBounds();
    Invalidate();
    UpdateAccelerator();
}

void TCustomLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TCustomLabel::DoDrawText(TRect &rect, unsigned flags)
{
    flags |= DT_EXPANDTABS;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    flags |= alignment_ == taRightJustify ? DT_RIGHT : alignment_ == taCenter ? DT_CENTER : DT_LEFT;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    QString text = Caption();
    // An empty text still measures one line high.
    if ((flags & DT_CALCRECT) && (text.isEmpty() || (showAccelChar_ && text == QLatin1String("&"))))
        text += u' ';
    TCanvas *canvas = Canvas();
    canvas->SetFont(Font());
    if (Enabled() || (flags & DT_CALCRECT)) {
        DrawText(canvas, text, rect, flags);
        return;
    }
    OffsetRect(rect, 1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    DrawText(canvas, text, rect, flags);
    OffsetRect(rect, -1, -1);
    canvas->Font()->SetColor(clBtnShadow);
    DrawText(canvas, text, rect, flags);
}

void TCustomLabel::Paint()
{
    TCanvas *canvas = Canvas();
    if (!transparent_) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(ClientRect());
    }
    canvas->Brush()->SetStyle(bsClear);
    TRect rect = ClientRect();
    DoDrawText(rect, 0);
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_ || HasState(csLoading))
        return;
    TRect rect = ClientRect();
    DoDrawText(rect, DT_CALCRECT);
    int left = Left();
    if (alignment_ == taRightJustify)
        left += Width() - rect.Width();
    else if (alignment_ == taCenter)
        left += (Width() - rect.Width()) / 2;
    SetBounds(left, Top(), rect.Width(), rect.Height());
}
