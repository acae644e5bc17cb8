#include "controls/PaintBox.h"

TPaintBox::TPaintBox(TComponent *owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TPaintBox::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->SetFont(Font());
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    onPaint_(this);
}
