#include "controls/StatusBar.h"

#include <QPainter>

void TStatusPanel::SetText(const QString &text)
{
    text_ = text;
    Changed();
}

void TStatusPanel::SetWidth(int width)
{
    width_ = width;
    Changed();
}

void TStatusPanel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Changed();
}

void TStatusPanels::Update(TCollectionItem *) { bar_->Invalidate(); }

TStatusBar::TStatusBar(TComponent *owner) : TCustomControl(owner), panels_(new TStatusPanels(this))
{
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() { panels_.reset(); }

void TStatusBar::SetSimplePanel(bool simple)
{
    simplePanel_ = simple;
    Invalidate();
}

void TStatusBar::SetSimpleText(const QString &text)
{
    simpleText_ = text;
    Invalidate();
}

void TStatusBar::DrawField(TRect rect, const QString &text, TAlignment alignment)
{
    Frame3D(Canvas(), rect, clBtnShadow, clBtnHighlight, 1);
    TCanvas::TDrawScope painter(*Canvas());
    if (!painter || text.isEmpty())
        return;
    InflateRect(rect, -2, 0);
    painter->setFont(Canvas()->DeviceFont());
    painter->setPen(ColorToQColor(Font()->Color()));
    const Qt::Alignment horizontal = alignment == taLeftJustify    ? Qt::AlignLeft
                                     : alignment == taRightJustify ? Qt::AlignRight
                                                                   : Qt::AlignHCenter;
    painter->drawText(rect.ToQRect(), int(horizontal | Qt::AlignVCenter), text);
}

void TStatusBar::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    const TRect area = Rect(0, 2, Width(), Height());
    if (simplePanel_) {
        DrawField(area, simpleText_, taLeftJustify);
        return;
    }
    int left = 0;
    for (int i = 0; i < panels_->Count(); ++i) {
        const TStatusPanel *panel = panels_->Items(i);
        const bool last = i == panels_->Count() - 1;
        const int right = last ? area.Right : std::min(left + panel->Width(), area.Right);
        DrawField(Rect(left, area.Top, right, area.Bottom), panel->Text(), panel->Alignment());
        left = right + 2;
    }
}
