#pragma once

#include <QPainter>
#include <QWidget>
#include <functional>

// The widget of a control that paints itself: each paint event goes to the control's painting code.
class TPaintWidget : public QWidget {
public:
    using TPaintProc = std::function<void(QPainter &painter)>;
    void SetPaintProc(TPaintProc paint) { paint_ = std::move(paint); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!paint_)
            return;
        QPainter painter(this);
        paint_(painter);
    }

private:
    TPaintProc paint_;
};
