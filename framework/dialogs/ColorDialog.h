#pragma once

#include "classes/Component.h"
#include "graphics/Color.h"

enum TColorDialogOption : unsigned {
    // Only solid colours: what the dialog offers anyway, kept so that forms state it as they were designed.
    cdSolidColor = 1u << 0,
};
using TColorDialogOptions = unsigned;

// The colour choice dialog. Execute opens it on Color (through the modal hook, kind mkCommonDialog, when one is
// set; a hook picks a colour by setting the QColorDialog's current colour) and answers whether the user
// confirmed, the choice then being in Color.
class TColorDialog : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColorDialogOptions Options READ Options WRITE SetOptions)

public:
    explicit TColorDialog(TComponent *owner);

    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    TColorDialogOptions Options() const { return options_; }
    void SetOptions(TColorDialogOptions options) { options_ = options; }

    bool Execute();

private:
    TColor color_ = clBlack;
    TColorDialogOptions options_ = 0;
};
