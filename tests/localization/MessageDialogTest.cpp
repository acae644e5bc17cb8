#include "LangTestSupport.h"
#include "mlMessageDialog.h"

#include "controls/Button.h"
#include "controls/Label.h"
#include "forms/Application.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"
#include "graphics/DrawText.h"
#include "platform/Help.h"
#include "platform/SystemResources.h"
#include "rtl/Math.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <memory>

using namespace langtest;

namespace {
QString Box(int left, int top, int width, int height)
{
    return QString("%1,%2 %3x%4").arg(left).arg(top).arg(width).arg(height);
}

QStringList Bounds(const TForm &form, const QStringList &names)
{
    QStringList bounds;
    for (const QString &name : names) {
        const auto *control = dynamic_cast<const TControl *>(form.FindComponent(name));
        bounds << (control ? Box(control->Left(), control->Top(), control->Width(), control->Height()) : "none");
    }
    return bounds;
}

// Each button as "name caption result", marked when it takes Enter or Escape.
QStringList Buttons(const TForm &form)
{
    QStringList buttons;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (const auto *button = dynamic_cast<const TButton *>(form.Components(i)))
            buttons << QString("%1 %2 %3%4%5")
                           .arg(button->Name(), button->Caption())
                           .arg(button->ModalResult())
                           .arg(button->Default() ? " default" : "", button->Cancel() ? " cancel" : "");
    return buttons;
}

TButton *Button(const TForm &form, const QString &name) { return dynamic_cast<TButton *>(form.FindComponent(name)); }
} // namespace

TEST(MessageDialog, LayoutIsMeasuredInTheMessageFontsAverageCharacterAndWrapsAtHalfTheScreen)
{
    TfrmLangTest owner;
    const QString text = "Delete selected record?";
    std::unique_ptr<TMessageForm> form(
        CreateMessageForm(owner.Lang, text, mtConfirmation, MsgDlgButtons({mbYes, mbNo})));
    TFont font;
    ASSERT_TRUE(GetMessageFont(font));
    EXPECT_EQ(form->Font()->Name(), font.Name());
    EXPECT_EQ(form->Owner(), Application);
    const TSize alphabet = form->Canvas()->TextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int w = alphabet.cx / 52, h = alphabet.cy;
    const int hm = MulDiv(8, w, 4), vm = MulDiv(8, h, 8), hs = MulDiv(10, w, 4), vs = MulDiv(10, h, 8);
    const int bw = MulDiv(50, w, 4), bh = MulDiv(14, h, 8), bs = MulDiv(4, w, 4);
    TRect rect{0, 0, Screen->Width() / 2, 0};
    DrawText(form->Canvas(), text, rect, DT_EXPANDTABS | DT_CALCRECT | DT_WORDBREAK);
    const int clientWidth = std::max(rect.Right + hs + 32, 2 * bw + bs) + 2 * hm;
    const int buttonTop = std::max(rect.Bottom, 32) + vm + vs, x = (clientWidth - 2 * bw - bs) / 2;
    EXPECT_EQ(Box(form->Left(), form->Top(), form->ClientWidth(), form->ClientHeight()),
              Box(Screen->Width() / 2 - form->Width() / 2, Screen->Height() / 2 - form->Height() / 2, clientWidth,
                  buttonTop + bh + vm));
    EXPECT_EQ(Bounds(*form, {"Image", "Message", "Yes", "No"}),
              QStringList({Box(hm, vm, 32, 32), Box(hm + 32 + hs, vm, rect.Right, rect.Bottom),
                           Box(x, buttonTop, bw, bh), Box(x + bw + bs, buttonTop, bw, bh)}));

    // No icon and no buttons: as wide as the long text, which wraps at half the screen.
    const QString title = Application->Title();
    Application->SetTitle("Ormel Software Environment");
    form.reset(CreateMessageForm(owner.Lang, QString("No tuning matches this image. ").repeated(30), mtCustom, 0));
    Application->SetTitle(title);
    const auto *message = dynamic_cast<TLabel *>(form->FindComponent("Message"));
    EXPECT_EQ(form->Caption(), "Ormel Software Environment");
    EXPECT_TRUE(message->WordWrap());
    EXPECT_LE(message->Width(), Screen->Width() / 2);
    EXPECT_GT(message->Width(), Screen->Width() / 4);
    EXPECT_GE(message->Height(), 3 * h);
    EXPECT_EQ(Bounds(*form, {"Image", "Message"}),
              QStringList({"none", Box(hm, vm, message->Width(), message->Height())}));
    EXPECT_EQ(Box(0, 0, form->ClientWidth(), form->ClientHeight()),
              Box(0, 0, message->Width() + 2 * hm, message->Height() + bh + vs + 2 * vm));
}

TEST(MessageDialog, ButtonsWithResultsDefaultCancelAndCaptionsOfTheActiveLanguageWithFallBack)
{
    TfrmLangTest owner;
    const auto buttons = [&](TMsgDlgButtons set) {
        return Buttons(*std::unique_ptr<TMessageForm>(CreateMessageForm(owner.Lang, "?", mtWarning, set)));
    };
    EXPECT_EQ(buttons(0xFFFF), QStringList({"Yes &Yes 6", "No &No 7", "OK OK 1 default", "Cancel Cancel 2 cancel",
                                            "Abort &Abort 3", "Retry &Retry 4", "Ignore &Ignore 5", "All &All 8",
                                            "No_To_All N&o To All 9", "Yes_To_All Y&es To All 10", "Help &Help 0"}));
    EXPECT_EQ(buttons(MsgDlgButtons({mbYes, mbNo, mbHelp})),
              QStringList({"Yes &Yes 6 default", "No &No 7 cancel", "Help &Help 0"}));
    EXPECT_EQ(buttons(MsgDlgButtons({mbYes, mbNo, mbOK})),
              QStringList({"Yes &Yes 6", "No &No 7 cancel", "OK OK 1 default"}));
    EXPECT_EQ(buttons(MsgDlgButtons({mbAbort, mbRetry, mbIgnore})),
              QStringList({"Abort &Abort 3", "Retry &Retry 4 default", "Ignore &Ignore 5"}));

    // Russian where the component has it; an empty or missing Russian text gives the English one.
    SetLines(owner.Lang->DlgsCaptions(), {Entry({"Confirm", "Confirm", "Подтверждение"}), Entry({"Yes", "&Yes", "&Да"}),
                                          Entry({"No", "&No", ""}), Entry({"Cancel", "Cancel"})});
    owner.Lang->SetActiveLanguage(2);
    std::unique_ptr<TMessageForm> form(
        CreateMessageForm(owner.Lang, "?", mtConfirmation, MsgDlgButtons({mbYes, mbNo, mbCancel})));
    EXPECT_EQ(form->Caption(), "Подтверждение");
    EXPECT_EQ(Buttons(*form), QStringList({"Yes &Да 6 default", "No &No 7", "Cancel Cancel 2 cancel"}));
    form.reset(CreateMessageForm(owner.Lang, "?", TMsgDlgType(7), MsgDlgButtons({mbOK})));
    EXPECT_EQ(form->Caption(), "");
    EXPECT_EQ(form->FindComponent("Image"), nullptr);
}

TEST(MessageDialog, ShownModallyEnterAndEscapeAnswerHelpLeavesItOpenAndItStandsWhereAsked)
{
    TfrmLangTest owner;
    QList<THelpRequest> help;
    SetHelpHook([&](const THelpRequest &request) { help << request; });
    QStringList seen;
    const auto show = [&](const std::function<void(TMessageForm *)> &answer, int x = -1, int y = -1) {
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *form = dynamic_cast<TMessageForm *>(request.Source);
            seen << QString("%1 at %2,%3").arg(request.Caption).arg(form->Left()).arg(form->Top());
            answer(form);
            return int(mrCancel);
        });
        return ShowMessageDlgPos(owner.Lang, "Delete?", mtConfirmation, MsgDlgButtons({mbYes, mbNo, mbHelp}), 20, x, y,
                                 "lumbra.hlp");
    };
    const auto press = [](int key) {
        return [key](TMessageForm *form) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(form->Widget(), &event);
        };
    };
    EXPECT_EQ(show(press(Qt::Key_Return)), mrYes);
    EXPECT_EQ(show(press(Qt::Key_Escape)), mrNo);
    const auto helpThenNo = [](TMessageForm *form) {
        Button(*form, "Help")->Click();
        EXPECT_EQ(form->ModalResult(), mrNone);
        Button(*form, "No")->Click();
    };
    EXPECT_EQ(show(helpThenNo, 10, 20), mrNo);
    SetHelpHook({});
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(QString("%1 %2 %3").arg(help[0].File).arg(help[0].Command).arg(help[0].Data), "lumbra.hlp 1 20");
    ASSERT_EQ(seen.size(), 3);
    EXPECT_NE(seen[0], "Confirm at 10,20");
    EXPECT_EQ(seen[2], "Confirm at 10,20");

    {
        // No buttons: Enter and Escape find none to press, and only the close box ends it, as Cancel.
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *form = dynamic_cast<TMessageForm *>(request.Source);
            press(Qt::Key_Return)(form);
            press(Qt::Key_Escape)(form);
            EXPECT_EQ(form->ModalResult(), mrNone);
            form->Close();
            return int(mrNone);
        });
        EXPECT_EQ(ShowMessageDlg(owner.Lang, "Nothing to choose.", mtInformation, 0, 0), mrCancel);
    }
    TModalHookScope scope([&](const TModalRequest &) { return int(mrOk); });
    EXPECT_EQ(ShowMessageDlg(owner.Lang, "Saved.", mtInformation, MsgDlgButtons({mbOK}), 7), mrOk);
}

TEST(MessageDialog, LookupStringByNumberReadsTheEntryNamedByTheNumber)
{
    TfrmLangTest owner;
    SetLines(owner.Lang->Strings(),
             {Entry({"0", "Zero", "Ноль"}), Entry({"-3", "Minus three", "Минус три"}), Entry({"12", "Twelve", ""})});
    owner.Lang->SetActiveLanguage(2);
    EXPECT_EQ(LookupStringByNumber(owner.Lang, 0), "Ноль");
    EXPECT_EQ(LookupStringByNumber(owner.Lang, -3), "Минус три");
    EXPECT_EQ(LookupStringByNumber(owner.Lang, 12), "");
    owner.Lang->SetTranslateType(ttGetDefault);
    EXPECT_EQ(LookupStringByNumber(owner.Lang, 12), "Twelve");
    EXPECT_EQ(LookupStringByNumber(owner.Lang, 5), "");
}
