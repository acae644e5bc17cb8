#include "controls/Panel.h"

#include <QPainter>

TPanel::TPanel(TComponent *owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel bevel)
{
    bevelInner_ = bevel;
    AlignControls();
    Invalidate();
}

void TPanel::SetBevelOuter(TPanelBevel bevel)
{
    bevelOuter_ = bevel;
    AlignControls();
    Invalidate();
}

void TPanel::SetBevelWidth(int width)
{
    bevelWidth_ = width;
    AlignControls();
    Invalidate();
}

void TPanel::SetBorderWidth(int width)
{
    borderWidth_ = width;
    AlignControls();
    Invalidate();
}

void TPanel::AdjustClientRect(QRect &rect) const
{
    const int bevels = (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
    const int frame = borderWidth_ + bevels;
    rect.adjust(frame, frame, -frame, -frame);
}

void TPanel::Paint()
{
    TCanvas *canvas = Canvas();
    TRect rect = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(rect);
    const auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone)
            return;
        if (kind == bvSpace) {
            InflateRect(rect, -bevelWidth_, -bevelWidth_);
            return;
        }
        const bool raised = kind == bvRaised;
        Frame3D(canvas, rect, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
                bevelWidth_);
    };
    bevel(bevelOuter_);
    InflateRect(rect, -borderWidth_, -borderWidth_);
    bevel(bevelInner_);
    if (Caption().isEmpty())
        return;
    TCanvas::TDrawScope painter(*canvas);
    if (!painter)
        return;
    painter->setFont(canvas->DeviceFont());
    painter->setPen(ColorToQColor(Font()->Color()));
    const Qt::Alignment horizontal = alignment_ == taLeftJustify    ? Qt::AlignLeft
                                     : alignment_ == taRightJustify ? Qt::AlignRight
                                                                    : Qt::AlignHCenter;
    painter->drawText(rect.ToQRect(), int(horizontal | Qt::AlignVCenter | Qt::TextShowMnemonic), Caption());
}
