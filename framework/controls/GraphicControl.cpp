#include "controls/GraphicControl.h"

#include "controls/PaintWidget.h"
#include "forms/Application.h"

#include <QPainter>

TSelfPainting::TSelfPainting(TControl *control) : control_(control), canvas_(new TCanvas)
{
    canvas_->SetFont(control->Font());
    static_cast<TPaintWidget *>(control->Widget())->SetPaintProc([this](QPainter &painter) {
        canvas_->SetPainter(&painter);
        canvas_->SetFont(control_->Font());
        CallHandler(control_, [this] { Paint(); });
        canvas_->SetPainter(nullptr);
    });
}

TSelfPainting::~TSelfPainting()
{
    if (QWidget *widget = control_->Widget())
        static_cast<TPaintWidget *>(widget)->SetPaintProc({});
}

TGraphicControl::TGraphicControl(TComponent *owner) : TControl(owner, new TPaintWidget), TSelfPainting(this) {}

void TGraphicControl::FontChanged()
{
    Canvas()->SetFont(Font());
    Invalidate();
}

TCustomControl::TCustomControl(TComponent *owner) : TWinControl(owner, new TPaintWidget), TSelfPainting(this) {}

void TCustomControl::FontChanged()
{
    TWinControl::FontChanged();
    Canvas()->SetFont(Font());
}

void Frame3D(TCanvas *canvas, TRect &rect, TColor topColor, TColor bottomColor, int width)
{
    TCanvas::TDrawScope painter(*canvas);
    for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
        if (painter) {
            const int right = rect.Right - 1;
            const int bottom = rect.Bottom - 1;
            painter->setPen(ColorToQColor(topColor));
            painter->drawLine(rect.Left, rect.Top, right, rect.Top);
            painter->drawLine(rect.Left, rect.Top, rect.Left, bottom);
            painter->setPen(ColorToQColor(bottomColor));
            painter->drawLine(right, rect.Top, right, bottom);
            painter->drawLine(rect.Left, bottom, right, bottom);
        }
        InflateRect(rect, -1, -1);
    }
}

void TGraphicControl::SetEnabled(bool enabled)
{
    TControl::SetEnabled(enabled);
    Widget()->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}
