#include "controls/GraphicControl.h"

#include "controls/PaintWidget.h"
#include "forms/Application.h"

#include <QPainter>

namespace {
template <class Control>
void PaintControl(Control *control, TCanvas *canvas, QPainter &painter, void (Control::*paint)())
{
    canvas->SetPainter(&painter);
    canvas->SetFont(control->Font());
    CallHandler(control, [&] { (control->*paint)(); });
    canvas->SetPainter(nullptr);
}
} // namespace

TGraphicControl::TGraphicControl(TComponent *owner) : TControl(owner, new TPaintWidget), canvas_(new TCanvas)
{
    static_cast<TPaintWidget *>(Widget())->SetPaintProc([this](QPainter &painter) { PaintWith(painter); });
    canvas_->SetFont(Font());
}

TGraphicControl::~TGraphicControl()
{
    if (Widget())
        static_cast<TPaintWidget *>(Widget())->SetPaintProc({});
}

void TGraphicControl::PaintWith(QPainter &painter) { PaintControl(this, canvas_.get(), painter, &TGraphicControl::Paint); }

void TGraphicControl::FontChanged()
{
    canvas_->SetFont(Font());
    Invalidate();
}

TCustomControl::TCustomControl(TComponent *owner) : TWinControl(owner, new TPaintWidget), canvas_(new TCanvas)
{
    static_cast<TPaintWidget *>(Widget())->SetPaintProc([this](QPainter &painter) { PaintWith(painter); });
    canvas_->SetFont(Font());
}

TCustomControl::~TCustomControl()
{
    if (Widget())
        static_cast<TPaintWidget *>(Widget())->SetPaintProc({});
}

void TCustomControl::PaintWith(QPainter &painter) { PaintControl(this, canvas_.get(), painter, &TCustomControl::Paint); }

void TCustomControl::FontChanged()
{
    TWinControl::FontChanged();
    canvas_->SetFont(Font());
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
