#include "controls/BitBtn.h"

#include <QIcon>
#include <QPixmap>
#include <QPushButton>

TBitBtn::TBitBtn(TComponent *owner) : TButton(owner), glyph_(new TBitmap)
{
    glyph_->OnChange = MakeEvent<&TBitBtn::GlyphChanged>(this);
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetGlyph(TBitmap *glyph)
{
    if (glyph)
        glyph_->Assign(*glyph);
    else
        glyph_->SetSize(0, 0);
}

void TBitBtn::GlyphChanged(TObject *)
{
    auto *button = static_cast<QPushButton *>(Widget());
    if (!button)
        return;
    if (glyph_->Empty()) {
        button->setIcon(QIcon());
        return;
    }
    button->setIcon(QIcon(QPixmap::fromImage(WithTransparentKey(glyph_->Image()))));
    button->setIconSize(QSize(glyph_->Width(), glyph_->Height()));
}
