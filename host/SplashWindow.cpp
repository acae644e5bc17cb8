#include "SplashWindow.h"

#include "controls/Image.h"
#include "controls/Label.h"
#include "graphics/Bitmap.h"
#include "mlLabel.h"

TfrmSplash *frmSplash = nullptr;

namespace {
TmlLabel *NewTitleLabel(TForm *form, const QString &name, const QString &caption, int left, int top, int width)
{
    auto *label = new TmlLabel(form);
    label->SetName(name);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(left, top, width, 40);
    label->SetCaption(caption);
    label->Font()->SetName(QStringLiteral("Times New Roman"));
    label->Font()->SetStyle(fsBold);
    label->Font()->SetHeight(35);
    label->Font()->SetColor(0x5C5C5C);
    label->Font()->SetCharset(RUSSIAN_CHARSET);
    label->SetTransparent(true);
    label->SetWordWrap(true);
    label->SetTextStyle(tsRaised);
    label->SetShadowDepth(0);
    label->SetShadowColor(clBtnHighlight);
    return label;
}
} // namespace

TfrmSplash::TfrmSplash(TComponent *owner) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmSplash"));
    SetBorderStyle(bsNone);
    SetPosition(poScreenCenter);
    SetClientWidth(300);
    SetClientHeight(274);

    Image1 = new TImage(this);
    Image1->SetName(QStringLiteral("Image1"));
    Image1->SetParent(this);
    Image1->SetBounds(0, 0, 300, 274);
    Image1->Picture()->Bitmap()->LoadFromResourceName(QStringLiteral("SPLASH"));

    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetParent(this);
    Label1->SetLeft(6);
    Label1->SetTop(248);
    Label1->SetTransparent(true);
    Label1->SetVisible(false);

    mlLabel1 = NewTitleLabel(this, QStringLiteral("mlLabel1"), QStringLiteral("Ormel Software"), 4, 6, 216);
    mlLabel2 = NewTitleLabel(this, QStringLiteral("mlLabel2"), QStringLiteral("Environment"), 3, 39, 195);

    // At the right end of Label1's line, so a long text grows to the left.
    ProgressLabel = new TLabel(this);
    ProgressLabel->SetName(QStringLiteral("ProgressLabel"));
    ProgressLabel->SetParent(this);
    ProgressLabel->SetAutoSize(false);
    ProgressLabel->SetAlignment(taRightJustify);
    ProgressLabel->SetBounds(120, 248, 174, 16);
    ProgressLabel->SetTransparent(true);
    ProgressLabel->SetVisible(false);
    EndLoading();
}

void TfrmSplash::ShowProgress(const QString &text)
{
    ProgressLabel->SetCaption(text);
    ProgressLabel->SetVisible(!text.isEmpty());
    Repaint();
}
