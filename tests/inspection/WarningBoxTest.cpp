#include "msg_u.h"

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "forms/ModalHook.h"
#include "graphics/Bitmap.h"
#include "mlLang.h"
#include "mlLangDispatcher.h"
#include "mlLngLnk.h"
#include "platform/SystemResources.h"

#include <QList>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The plug-in's main window as the warning box sees it: a language component of two languages on a dispatcher,
// and the DoWarnings setting with every value written to it.
struct MainWindow {
    MainWindow()
    {
        lang = new TmlLang(&form);
        lang->SetLangDelim(2);
        lang->SetEntryText(lang->DlgsCaptions(), "&Да", "Yes", 2);
        dispatcher = new TmlLangDispatcher(&form);
        dispatcher->SetNumOfLanguages(2);
        lang->SetLangDispatcher(dispatcher);
        LinkWarnings({[this] { return doWarnings; },
                      [this](bool value) {
                          doWarnings = value;
                          written << value;
                      },
                      lang});
    }
    ~MainWindow() { LinkWarnings({}); }

    TForm form{nullptr};
    TmlLang *lang;
    TmlLangDispatcher *dispatcher;
    bool doWarnings = true;
    QList<bool> written;
};

// What the user saw of each warning box; the answer runs while the box is up.
struct Boxes {
    struct Seen {
        QString caption, message, choice, button;
        bool choiceVisible, iconIsExclamation, buttonDefaultAndCancel;
    };
    explicit Boxes(std::function<void(TfrmMessage *)> answer = {})
        : scope([this, answer](const TModalRequest &request) {
              auto *box = dynamic_cast<TfrmMessage *>(request.Source);
              EXPECT_TRUE(box);
              seen.push_back({request.Caption, box->lbMessage->Caption(), box->CheckBox1->Caption(),
                              box->Button1->Caption(), box->CheckBox1->Visible(),
                              box->Image1->Picture()->Graphic()->Image() == LoadIcon(IDI_EXCLAMATION),
                              box->Button1->Default() && box->Button1->Cancel()});
              if (answer)
                  answer(box);
              box->Button1->Click();
              return int(mrNone);
          })
    {
    }
    std::vector<Seen> seen;
    TModalHookScope scope;
};
} // namespace

TEST(WarningBox, ShowsUnlessWarningsAreOffAndItsChoiceWritesDoWarnings)
{
    MainWindow main;
    {
        Boxes boxes([](TfrmMessage *box) { box->CheckBox1->SetChecked(true); });
        ShowNoTuningWarning(false);
        ASSERT_EQ(boxes.seen.size(), 1u);
        const Boxes::Seen &box = boxes.seen[0];
        EXPECT_EQ(box.caption, "Warning");
        EXPECT_EQ(box.message, "Fail to find an appropriate tuning for the selected image!");
        EXPECT_EQ(box.choice, "Don't show again");
        EXPECT_EQ(box.button, "&OK");
        EXPECT_TRUE(box.choiceVisible);
        EXPECT_TRUE(box.iconIsExclamation);
        EXPECT_TRUE(box.buttonDefaultAndCancel);
    }
    EXPECT_FALSE(main.doWarnings);
    EXPECT_EQ(main.written, QList<bool>({false}));

    // Warnings off: only the forced warning shows, and without the choice.
    {
        Boxes boxes;
        ShowNoTuningWarning(false);
        EXPECT_TRUE(boxes.seen.empty());
        ShowNoTuningWarning(true);
        ASSERT_EQ(boxes.seen.size(), 1u);
        EXPECT_FALSE(boxes.seen[0].choiceVisible);
    }

    // Checking and then unchecking the choice leaves warnings on.
    main.doWarnings = true;
    main.written.clear();
    {
        Boxes boxes([](TfrmMessage *box) {
            box->CheckBox1->SetChecked(true);
            box->CheckBox1->SetChecked(false);
        });
        ShowNoTuningWarning(false);
        EXPECT_EQ(boxes.seen.size(), 1u);
    }
    EXPECT_TRUE(main.doWarnings);
    EXPECT_EQ(main.written, QList<bool>({false, true}));
}

TEST(WarningBox, SpeaksTheMainWindowsLanguageWithItsCommonTextsAndWithoutAMainWindowEnglishWithoutChoice)
{
    {
        MainWindow main;
        main.dispatcher->SetActiveLanguage(2);
        Boxes boxes([](TfrmMessage *box) {
            EXPECT_EQ(box->mlLangLinked1->LookupListEntry(box->mlLangLinked1->DlgsCaptions(), "Yes", true), "&Да");
        });
        ShowNoTuningWarning(false);
        ASSERT_EQ(boxes.seen.size(), 1u);
        EXPECT_EQ(boxes.seen[0].caption, "Предупреждение");
        EXPECT_EQ(boxes.seen[0].message, "Настройка, при которой было получено данное изображение, не найдена!");
        EXPECT_EQ(boxes.seen[0].choice, "Не показывать далее");
        EXPECT_EQ(boxes.seen[0].button, "&OK");
        // The box leaves the dispatcher when it goes.
        EXPECT_EQ(main.dispatcher->LangComponentCount(), 1);
    }

    Boxes boxes;
    ShowNoTuningWarning(false);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].message, "Fail to find an appropriate tuning for the selected image!");
    EXPECT_FALSE(boxes.seen[0].choiceVisible);
}
