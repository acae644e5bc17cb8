#include "controls/SpeedButton.h"

#include "forms/Application.h"

#include <QIcon>
#include <QPixmap>
#include <QToolButton>

namespace {
QIcon GlyphIcon(const TBitmap &glyph)
{
    return glyph.Empty() ? QIcon() : QIcon(QPixmap::fromImage(WithTransparentKey(glyph.Image())));
}
} // namespace

TSpeedButton::TSpeedButton(TComponent *owner) : TControl(owner, new QToolButton), glyph_(new TBitmap)
{
    SetBounds(0, 0, 23, 22);
    Button()->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QObject::connect(Button(), &QToolButton::clicked, this, [this] { CallHandler(this, [this] { Pressed(); }); });
}

TSpeedButton::~TSpeedButton() = default;

QToolButton *TSpeedButton::Button() const { return static_cast<QToolButton *>(Widget()); }

void TSpeedButton::SetFlat(bool flat)
{
    flat_ = flat;
    UpdateButton();
}

void TSpeedButton::SetGlyph(TBitmap *glyph)
{
    if (glyph)
        glyph_->Assign(*glyph);
    else
        glyph_->SetSize(0, 0);
    UpdateButton();
}

void TSpeedButton::SetDown(bool down)
{
    if (groupIndex_ == 0)
        down = false;
    if (down == down_)
        return;
    down_ = down;
    if (down_ && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto *other = dynamic_cast<TSpeedButton *>(Parent()->Controls(i));
            if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->UpdateButton();
            }
        }
    }
    UpdateButton();
}

void TSpeedButton::Pressed()
{
    if (groupIndex_ != 0) {
        if (!down_)
            SetDown(true);
        else if (allowAllUp_)
            SetDown(false);
        else
            UpdateButton();
    }
    Click();
}

void TSpeedButton::Click()
{
    if (Enabled())
        TControl::Click();
}

void TSpeedButton::MouseLeave()
{
    QToolButton *button = Button();
    if (!button || !button->testAttribute(Qt::WA_UnderMouse))
        return;
    button->setAttribute(Qt::WA_UnderMouse, false);
    button->update();
}

void TSpeedButton::TextChanged() { UpdateButton(); }

void TSpeedButton::UpdateButton()
{
    QToolButton *button = Button();
    if (!button)
        return;
    button->setAutoRaise(flat_);
    button->setIcon(GlyphIcon(*glyph_));
    button->setIconSize(glyph_->Empty() ? QSize(16, 16) : QSize(glyph_->Width(), glyph_->Height()));
    button->setText(text_);
    button->setToolButtonStyle(text_.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    button->setCheckable(groupIndex_ != 0);
    button->setChecked(down_);
}
