#include "mlLabel.h"

#include "graphics/DrawText.h"

TmlLabel::TmlLabel(TComponent *owner) : TLabel(owner) {}

void TmlLabel::DrawPass(const TRect &rect, int dx, int dy, TColor color, unsigned flags)
{
    TRect moved = rect;
    OffsetRect(moved, dx, dy);
    Canvas()->Font()->SetColor(color);
    DrawText(Canvas(), Caption(), moved, flags);
}

void TmlLabel::Paint()
{
    TCanvas *canvas = Canvas();
    const TRect rect = ClientRect();
    if (!Transparent()) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(rect);
    }
    canvas->Brush()->SetStyle(bsClear);
    unsigned flags = DT_EXPANDTABS;
    flags |= Alignment() == taRightJustify ? DT_RIGHT : Alignment() == taCenter ? DT_CENTER : DT_LEFT;
    if (WordWrap())
        flags |= DT_WORDBREAK;
    if (!ShowAccelChar())
        flags |= DT_NOPREFIX;
    canvas->SetFont(Font());
    const int d = shadowDepth_;
    const int w = widthDepth_;
    const int firstDy = shadowUp_ ? -d : d;
    const int secondDx = threeDLeft_ ? w : -w;
    switch (textStyle_) {
    case tsRaised:
        DrawPass(rect, d, firstDy, shadowColor_, flags);
        DrawPass(rect, secondDx, w, threeDColor_, flags);
        break;
    case tsRecessed:
        DrawPass(rect, d, firstDy, threeDColor_, flags);
        DrawPass(rect, secondDx, w, shadowColor_, flags);
        break;
    case tsShadow:
        // Here a true ShadowUp moves the shadow down.
        DrawPass(rect, d, shadowUp_ ? d : -d, shadowColor_, flags);
        break;
    default:
        break;
    }
    DrawPass(rect, 0, 0, Enabled() ? Font()->Color() : clGrayText, flags);
}
