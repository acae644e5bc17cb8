#pragma once

#include "controls/Label.h"

enum TTextStyle { tsNone, tsRaised, tsRecessed, tsShadow };

// A label whose caption is drawn raised, recessed or with a drop shadow: up to two passes of the caption at
// small offsets in the shadow and highlight colours, then the caption itself.
class TmlLabel : public TLabel {
    Q_OBJECT
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(TColor ThreeDColor READ ThreeDColor WRITE SetThreeDColor)
    Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE SetShadowDepth)
    Q_PROPERTY(int WidthDepth READ WidthDepth WRITE SetWidthDepth)
    Q_PROPERTY(bool ShadowUp READ ShadowUp WRITE SetShadowUp)
    Q_PROPERTY(bool ThreeDLeft READ ThreeDLeft WRITE SetThreeDLeft)
    Q_PROPERTY(TTextStyle TextStyle READ TextStyle WRITE SetTextStyle)

public:
    explicit TmlLabel(TComponent *owner);

    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color) { Change(shadowColor_, color); }
    TColor ThreeDColor() const { return threeDColor_; }
    void SetThreeDColor(TColor color) { Change(threeDColor_, color); }
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int depth) { Change(shadowDepth_, depth); }
    int WidthDepth() const { return widthDepth_; }
    void SetWidthDepth(int depth) { Change(widthDepth_, depth); }
    bool ShadowUp() const { return shadowUp_; }
    void SetShadowUp(bool up) { Change(shadowUp_, up); }
    bool ThreeDLeft() const { return threeDLeft_; }
    void SetThreeDLeft(bool left) { Change(threeDLeft_, left); }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle style) { Change(textStyle_, style); }

protected:
    void Paint() override;

private:
    template <typename T>
    void Change(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    void DrawPass(const TRect &rect, int dx, int dy, TColor color, unsigned flags);

    TColor shadowColor_ = clBtnShadow;
    TColor threeDColor_ = clBtnHighlight;
    int shadowDepth_ = 2;
    int widthDepth_ = -1;
    bool shadowUp_ = false;
    bool threeDLeft_ = false;
    TTextStyle textStyle_ = tsRecessed;
};
