#pragma once

#include "controls/GraphicControl.h"
#include "graphics/Picture.h"

#include <memory>

// Shows a picture, at its top-left corner or stretched over the control. Drawing on Canvas draws on the picture,
// which is then made a white bitmap of the control's size if it was empty. A transparent image leaves the pixels
// of the picture's bottom-left colour unpainted, so what lies below shows through.
class TImage : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(TPicture *Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TImage(TComponent *owner);
    ~TImage() override;

    TPicture *Picture() const { return picture_.get(); }
    void SetPicture(TPicture *picture) { picture_->Assign(picture); }
    TCanvas *Canvas();
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

protected:
    void Paint() override;

private:
    void PictureChanged(TObject *);
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool transparent_ = false;
};
