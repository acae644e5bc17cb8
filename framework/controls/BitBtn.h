#pragma once

#include "controls/Button.h"
#include "graphics/Bitmap.h"

#include <memory>

// A push button with a glyph beside its caption (its own copy; pixels of the glyph's bottom-left colour are
// see-through).
class TBitBtn : public TButton {
    Q_OBJECT
    Q_PROPERTY(TBitmap *Glyph READ Glyph WRITE SetGlyph)

public:
    explicit TBitBtn(TComponent *owner);
    ~TBitBtn() override;

    TBitmap *Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap *glyph);

private:
    void GlyphChanged(TObject *);
    std::unique_ptr<TBitmap> glyph_;
};
