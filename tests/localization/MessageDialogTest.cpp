#include "LangTestSupport.h"
#include "mlMessageDialog.h"

#include "controls/Button.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "forms/Application.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"
#include "graphics/Bitmap.h"
#include "graphics/DrawText.h"
#include "platform/Help.h"
#include "platform/SystemResources.h"
#include "rtl/Math.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

using namespace langtest;

namespace {
// The dialog's measures in the font's average character, as a reader of the dialog would work them out.
struct Metrics {
    explicit Metrics(TForm &form)
    {
        const TSize extent = form.Canvas()->TextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const int w = extent.cx / 52;
        const int h = extent.cy;
        horzMargin = MulDiv(8, w, 4);
        vertMargin = MulDiv(8, h, 8);
        horzSpacing = MulDiv(10, w, 4);
        vertSpacing = MulDiv(10, h, 8);
        buttonWidth = MulDiv(50, w, 4);
        buttonHeight = MulDiv(14, h, 8);
        buttonSpacing = MulDiv(4, w, 4);
        lineHeight = h;
    }
    int horzMargin, vertMargin, horzSpacing, vertSpacing, buttonWidth, buttonHeight, buttonSpacing, lineHeight;
};

TRect Bounds(const TControl *control)
{
    return {control->Left(), control->Top(), control->Left() + control->Width(), control->Top() + control->Height()};
}

QStringList ButtonNames(const TForm &form)
{
    QStringList names;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (dynamic_cast<TButton *>(form.Components(i)))
            names << form.Components(i)->Name();
    return names;
}

TButton *Button(const TForm &form, const QString &name) { return dynamic_cast<TButton *>(form.FindComponent(name)); }

// The language component of a window with two languages: some captions have a Russian text, "No" has an empty
// one and "Cancel" none at all.
void SetRussianCaptions(TmlLang *lang)
{
    SetLines(lang->DlgsCaptions(), {Entry({"Warning", "Warning", "Предупреждение"}),
                                    Entry({"Confirm", "Confirm", "Подтверждение"}), Entry({"Yes", "&Yes", "&Да"}),
                                    Entry({"No", "&No", ""}), Entry({"Cancel", "Cancel"}),
                                    Entry({"Help", "&Help", "&Помощь"})});
}

void PressKey(TForm *form, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(form->Widget(), &press);
}
} // namespace

TEST(MessageDialog, SizesComeFromTheMessageFontAndLongMessagesWrapAtHalfTheScreen)
{
    TfrmLangTest owner;
    TFont messageFont;
    ASSERT_TRUE(GetMessageFont(messageFont));

    // A short message: one line beside the icon, the buttons centred below.
    std::unique_ptr<TMessageForm> form(
        CreateMessageForm(owner.Lang, "Delete selected record?", mtConfirmation, MsgDlgButtons({mbYes, mbNo})));
    EXPECT_EQ(form->Font()->Name(), messageFont.Name());
    EXPECT_EQ(form->Font()->Height(), messageFont.Height());
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_EQ(form->Owner(), Application);
    EXPECT_FALSE(form->Visible() && form->Showing());
    const Metrics m(*form);
    TRect text{0, 0, Screen->Width() / 2, 0};
    DrawText(form->Canvas(), "Delete selected record?", text, DT_EXPANDTABS | DT_CALCRECT | DT_WORDBREAK);
    const int iconTextWidth = text.Right + m.horzSpacing + 32;
    const int iconTextHeight = std::max(text.Bottom, 32);
    const int groupWidth = 2 * m.buttonWidth + m.buttonSpacing;
    EXPECT_EQ(form->ClientWidth(), std::max(iconTextWidth, groupWidth) + 2 * m.horzMargin);
    EXPECT_EQ(form->ClientHeight(), iconTextHeight + m.buttonHeight + m.vertSpacing + 2 * m.vertMargin);
    EXPECT_EQ(form->Left(), Screen->Width() / 2 - form->Width() / 2);
    EXPECT_EQ(form->Top(), Screen->Height() / 2 - form->Height() / 2);
    const auto *image = dynamic_cast<TImage *>(form->FindComponent("Image"));
    ASSERT_TRUE(image);
    EXPECT_EQ(Bounds(image), (TRect{m.horzMargin, m.vertMargin, m.horzMargin + 32, m.vertMargin + 32}));
    EXPECT_EQ(image->Picture()->Graphic()->Image(), LoadIcon(IDI_QUESTION));
    auto *message = dynamic_cast<TLabel *>(form->FindComponent("Message"));
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->WordWrap());
    EXPECT_EQ(Bounds(message), (TRect{m.horzMargin + m.horzSpacing + 32, m.vertMargin,
                                      m.horzMargin + m.horzSpacing + 32 + text.Right, m.vertMargin + text.Bottom}));
    const int buttonTop = iconTextHeight + m.vertMargin + m.vertSpacing;
    const int firstLeft = (form->ClientWidth() - groupWidth) / 2;
    EXPECT_EQ(Bounds(Button(*form, "Yes")), (TRect{firstLeft, buttonTop, firstLeft + m.buttonWidth,
                                                   buttonTop + m.buttonHeight}));
    EXPECT_EQ(Button(*form, "No")->Left(), firstLeft + m.buttonWidth + m.buttonSpacing);

    // A long message wraps at half the screen's width and makes the dialog wider than its buttons.
    const QString longText = QString("The tuning of this image cannot be found in the journal. ").repeated(12);
    form.reset(CreateMessageForm(owner.Lang, longText, mtWarning, MsgDlgButtons({mbOK})));
    message = dynamic_cast<TLabel *>(form->FindComponent("Message"));
    EXPECT_LE(message->Width(), Screen->Width() / 2);
    EXPECT_GT(message->Width(), Screen->Width() / 2 - 10 * m.lineHeight);
    EXPECT_GE(message->Height(), 3 * m.lineHeight);
    EXPECT_EQ(form->ClientWidth(), message->Width() + m.horzSpacing + 32 + 2 * m.horzMargin);
    EXPECT_EQ(form->ClientHeight(), message->Height() + m.buttonHeight + m.vertSpacing + 2 * m.vertMargin);

    // Without buttons the dialog is as wide as its text; the custom kind has no icon and the program's title.
    const QString title = Application->Title();
    Application->SetTitle("Ormel Software Environment");
    form.reset(CreateMessageForm(owner.Lang, "Done.", mtCustom, 0));
    Application->SetTitle(title);
    message = dynamic_cast<TLabel *>(form->FindComponent("Message"));
    EXPECT_EQ(form->Caption(), "Ormel Software Environment");
    EXPECT_EQ(form->FindComponent("Image"), nullptr);
    EXPECT_TRUE(ButtonNames(*form).isEmpty());
    EXPECT_EQ(message->Left(), m.horzMargin);
    EXPECT_EQ(form->ClientWidth(), message->Width() + 2 * m.horzMargin);
    EXPECT_EQ(form->ClientHeight(), message->Height() + m.buttonHeight + m.vertSpacing + 2 * m.vertMargin);

    // A kind outside the table has neither title nor icon.
    form.reset(CreateMessageForm(owner.Lang, "?", TMsgDlgType(7), MsgDlgButtons({mbOK})));
    EXPECT_EQ(form->Caption(), "");
    EXPECT_EQ(form->FindComponent("Image"), nullptr);
}

TEST(MessageDialog, ButtonsStandInTableOrderWithTheirResultsDefaultCancelAndCaptionsOfTheActiveLanguage)
{
    TfrmLangTest owner;
    constexpr TMsgDlgButtons all = 0x7FF;
    std::unique_ptr<TMessageForm> form(CreateMessageForm(owner.Lang, "All of them", mtInformation, all | 0x800));
    EXPECT_EQ(ButtonNames(*form), QStringList({"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All",
                                               "No_To_All", "Yes_To_All", "Help"}));
    QStringList captions;
    QList<int> results;
    QStringList marks;
    for (const QString &name : ButtonNames(*form)) {
        const TButton *button = Button(*form, name);
        captions << button->Caption();
        results << button->ModalResult();
        if (button->Default())
            marks << "default " + name;
        if (button->Cancel())
            marks << "cancel " + name;
    }
    EXPECT_EQ(captions, QStringList({"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All",
                                     "N&o To All", "Y&es To All", "&Help"}));
    EXPECT_EQ(results, QList<int>({mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll,
                                   mrYesToAll, mrNone}));
    EXPECT_EQ(marks, QStringList({"default OK", "cancel Cancel"}));
    EXPECT_EQ(form->Caption(), "Information");

    const auto marksOf = [&](TMsgDlgButtons buttons) {
        form.reset(CreateMessageForm(owner.Lang, "?", mtConfirmation, buttons));
        QStringList found;
        for (const QString &name : ButtonNames(*form)) {
            if (Button(*form, name)->Default())
                found << "default " + name;
            if (Button(*form, name)->Cancel())
                found << "cancel " + name;
        }
        return found;
    };
    EXPECT_EQ(marksOf(MsgDlgButtons({mbYes, mbNo, mbHelp})), QStringList({"default Yes", "cancel No"}));
    EXPECT_EQ(marksOf(MsgDlgButtons({mbYes, mbNo, mbOK})), QStringList({"cancel No", "default OK"}));
    EXPECT_EQ(marksOf(MsgDlgButtons({mbOK})), QStringList({"default OK", "cancel OK"}));
    EXPECT_EQ(marksOf(MsgDlgButtons({mbAbort, mbRetry, mbIgnore})), QStringList({"default Retry"}));

    // Russian where the language component has it, else the English text.
    SetRussianCaptions(owner.Lang);
    owner.Lang->SetActiveLanguage(2);
    form.reset(CreateMessageForm(owner.Lang, "Удалить?", mtConfirmation,
                                 MsgDlgButtons({mbYes, mbNo, mbCancel, mbHelp})));
    EXPECT_EQ(form->Caption(), "Подтверждение");
    EXPECT_EQ(Button(*form, "Yes")->Caption(), "&Да");
    EXPECT_EQ(Button(*form, "No")->Caption(), "&No");
    EXPECT_EQ(Button(*form, "Cancel")->Caption(), "Cancel");
    EXPECT_EQ(Button(*form, "Help")->Caption(), "&Помощь");
    form.reset(CreateMessageForm(owner.Lang, "!", mtWarning, MsgDlgButtons({mbOK})));
    EXPECT_EQ(form->Caption(), "Предупреждение");
}

TEST(MessageDialog, ShownModallyItAnswersEnterEscapeAndButtonsWhileHelpLeavesItOpen)
{
    TfrmLangTest owner;
    SetRussianCaptions(owner.Lang);
    QList<THelpRequest> help;
    SetHelpHook([&](const THelpRequest &request) { help << request; });

    QStringList seen;
    const auto show = [&](std::function<int(TMessageForm *)> answer, int x = -1, int y = -1) {
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *form = dynamic_cast<TMessageForm *>(request.Source);
            EXPECT_TRUE(form);
            seen << QString("%1 at %2,%3").arg(request.Caption).arg(form->Left()).arg(form->Top());
            return answer(form);
        });
        return ShowMessageDlgPos(owner.Lang, "Delete selected record?", mtConfirmation,
                                 MsgDlgButtons({mbYes, mbNo, mbHelp}), 20, x, y, "lumbra.hlp");
    };
    EXPECT_EQ(show([](TMessageForm *form) {
                  PressKey(form, Qt::Key_Return);
                  return int(mrCancel);
              }),
              mrYes);
    EXPECT_EQ(show([](TMessageForm *form) {
                  PressKey(form, Qt::Key_Escape);
                  return int(mrCancel);
              }),
              mrNo);
    EXPECT_EQ(show(
                  [](TMessageForm *form) {
                      Button(*form, "Help")->Click();
                      EXPECT_EQ(form->ModalResult(), mrNone);
                      EXPECT_TRUE(form->Showing());
                      Button(*form, "No")->Click();
                      return int(mrCancel);
                  },
                  10, 20),
              mrNo);
    SetHelpHook({});
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0].File, "lumbra.hlp");
    EXPECT_EQ(help[0].Command, unsigned(HELP_CONTEXT));
    EXPECT_EQ(help[0].Data, 20u);
    ASSERT_EQ(seen.size(), 3);
    EXPECT_TRUE(seen[0].startsWith("Confirm at "));
    EXPECT_NE(seen[0], "Confirm at 10,20");
    EXPECT_EQ(seen[2], "Confirm at 10,20");

    // The plain form: centred, no help file of its own.
    TModalHookScope scope([&](const TModalRequest &request) {
        auto *form = dynamic_cast<TMessageForm *>(request.Source);
        EXPECT_EQ(form->Left(), Screen->Width() / 2 - form->Width() / 2);
        EXPECT_EQ(form->HelpContext(), 7);
        EXPECT_EQ(form->HelpFile(), "");
        return int(mrOk);
    });
    EXPECT_EQ(ShowMessageDlg(owner.Lang, "Saved.", mtInformation, MsgDlgButtons({mbOK}), 7), mrOk);
}

TEST(MessageDialog, LookupStringByNumberReadsTheEntryNamedByTheNumber)
{
    TfrmLangTest owner;
    SetLines(owner.Lang->Strings(), {Entry({"0", "Zero", "Ноль"}), Entry({"12", "Twelve", ""}),
                                     Entry({"-3", "Minus three", "Минус три"})});
    owner.Lang->SetActiveLanguage(2);
    EXPECT_EQ(LookupStringByNumber(owner.Lang, 0), "Ноль");
    EXPECT_EQ(LookupStringByNumber(owner.Lang, -3), "Минус три");
    EXPECT_EQ(LookupStringByNumber(owner.Lang, 12), "");
    owner.Lang->SetTranslateType(ttGetDefault);
    EXPECT_EQ(LookupStringByNumber(owner.Lang, 12), "Twelve");
    EXPECT_EQ(LookupStringByNumber(owner.Lang, 5), "");
    owner.Lang->SetDoRaiseExceptions(true);
    EXPECT_THROW(LookupStringByNumber(owner.Lang, 5), ELanguageError);
}
