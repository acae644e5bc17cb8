#include "mlMessageDialog.h"

#include "mlLang.h"
#include "mlLangTables.h"

#include "controls/Button.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "forms/Application.h"
#include "forms/Screen.h"
#include "graphics/Bitmap.h"
#include "graphics/DrawText.h"
#include "platform/SystemResources.h"
#include "rtl/Math.h"
#include "rtl/SysUtils.h"

#include <array>
#include <memory>

namespace {
struct TDlgKind {
    const char *Title;
    int Icon;
};

// By TMsgDlgType; the custom kind has neither.
constexpr std::array<TDlgKind, 4> DlgKinds = {{
    {"Warning", IDI_EXCLAMATION},
    {"Error", IDI_HAND},
    {"Information", IDI_ASTERISK},
    {"Confirm", IDI_QUESTION},
}};

// By TMsgDlgBtn; Help closes nothing.
constexpr std::array<TModalResult, 11> ButtonResults = {
    mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone,
};

constexpr int IconSize = 32;

bool Has(TMsgDlgButtons buttons, TMsgDlgBtn button) { return buttons & MsgDlgButtons({button}); }

QString DlgCaption(TmlCustomLang *lang, const QString &name)
{
    return lang->LookupListEntry(lang->DlgsCaptions(), name, true);
}
} // namespace

TMessageForm::TMessageForm(TComponent *owner) : TForm(owner)
{
    TFont font;
    if (GetMessageFont(font))
        SetFont(&font);
}

void TMessageForm::HelpButtonClick(TObject *) { Application->HelpContext(HelpContext()); }

QString LookupStringByNumber(TmlCustomLang *lang, qint32 number) { return lang->LookupString(IntToStr(number)); }

TMessageForm *CreateMessageForm(TmlCustomLang *lang, const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons)
{
    auto form = std::make_unique<TMessageForm>(Application);
    form->SetBorderStyle(bsDialog);
    TCanvas *canvas = form->Canvas();
    const TSize alphabet = canvas->TextExtent(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int charWidth = alphabet.cx / 52;
    const int charHeight = alphabet.cy;
    const int horzMargin = MulDiv(8, charWidth, 4);
    const int vertMargin = MulDiv(8, charHeight, 8);
    const int horzSpacing = MulDiv(10, charWidth, 4);
    const int vertSpacing = MulDiv(10, charHeight, 8);
    const int buttonWidth = MulDiv(50, charWidth, 4);
    const int buttonHeight = MulDiv(14, charHeight, 8);
    const int buttonSpacing = MulDiv(4, charWidth, 4);

    TRect textRect{0, 0, Screen->Width() / 2, 0};
    DrawText(canvas, msg, textRect, DT_EXPANDTABS | DT_CALCRECT | DT_WORDBREAK);
    const bool hasIcon = type < DlgKinds.size();
    int iconTextWidth = textRect.Right;
    int iconTextHeight = textRect.Bottom;
    if (hasIcon) {
        iconTextWidth += horzSpacing + IconSize;
        iconTextHeight = std::max(iconTextHeight, IconSize);
    }
    int buttonCount = 0;
    for (int i = 0; i < int(ButtonResults.size()); ++i)
        buttonCount += Has(buttons, TMsgDlgBtn(i));
    const int buttonGroupWidth = buttonCount > 0 ? buttonCount * buttonWidth + (buttonCount - 1) * buttonSpacing : 0;
    form->SetClientWidth(std::max(iconTextWidth, buttonGroupWidth) + 2 * horzMargin);
    form->SetClientHeight(iconTextHeight + buttonHeight + vertSpacing + 2 * vertMargin);
    form->SetLeft(Screen->Width() / 2 - form->Width() / 2);
    form->SetTop(Screen->Height() / 2 - form->Height() / 2);

    if (type == mtCustom)
        form->SetCaption(Application->Title());
    else if (hasIcon)
        form->SetCaption(DlgCaption(lang, QString::fromLatin1(DlgKinds[type].Title)));

    if (hasIcon) {
        auto *image = new TImage(form.get());
        image->SetName(QStringLiteral("Image"));
        image->SetParent(form.get());
        image->Picture()->Bitmap()->SetImage(LoadIcon(DlgKinds[type].Icon));
        image->SetBounds(horzMargin, vertMargin, IconSize, IconSize);
    }

    auto *message = new TLabel(form.get());
    message->SetName(QStringLiteral("Message"));
    message->SetParent(form.get());
    message->SetWordWrap(true);
    message->SetCaption(msg);
    message->SetBounds(iconTextWidth - textRect.Right + horzMargin, vertMargin, textRect.Right, textRect.Bottom);

    const TMsgDlgBtn defaultButton = Has(buttons, mbOK) ? mbOK : Has(buttons, mbYes) ? mbYes : mbRetry;
    const TMsgDlgBtn cancelButton = Has(buttons, mbCancel) ? mbCancel : Has(buttons, mbNo) ? mbNo : mbOK;
    int x = (form->ClientWidth() - buttonGroupWidth) / 2;
    for (int i = 0; i < int(ButtonResults.size()); ++i) {
        const auto kind = TMsgDlgBtn(i);
        if (!Has(buttons, kind))
            continue;
        auto *button = new TButton(form.get());
        button->SetName(DialogButtonNames[i]);
        button->SetParent(form.get());
        button->SetCaption(DlgCaption(lang, QString(DialogButtonNames[i]).replace(u'_', u' ')));
        button->SetModalResult(ButtonResults[i]);
        button->SetDefault(kind == defaultButton);
        button->SetCancel(kind == cancelButton);
        button->SetBounds(x, iconTextHeight + vertMargin + vertSpacing, buttonWidth, buttonHeight);
        if (kind == mbHelp)
            button->SetOnClick(MakeEvent<&TMessageForm::HelpButtonClick>(form.get()));
        x += buttonWidth + buttonSpacing;
    }
    return form.release();
}

TModalResult ShowMessageDlg(TmlCustomLang *lang, const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons,
                            int helpContext)
{
    return ShowMessageDlgPos(lang, msg, type, buttons, helpContext, -1, -1, QString());
}

TModalResult ShowMessageDlgPos(TmlCustomLang *lang, const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons,
                               int helpContext, int x, int y, const QString &helpFile)
{
    const std::unique_ptr<TMessageForm> form(CreateMessageForm(lang, msg, type, buttons));
    form->SetHelpContext(helpContext);
    form->SetHelpFile(helpFile);
    if (x >= 0)
        form->SetLeft(x);
    if (y >= 0)
        form->SetTop(y);
    return form->ShowModal();
}
