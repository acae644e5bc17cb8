#include "mainwindow/WarningBox.h"

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
#include <QStringList>
#include <gtest/gtest.h>

namespace {
// The plug-in's main window as the warning box sees it: a language component on a dispatcher, and the DoWarnings
// setting with every value written to it.
struct MainWindow {
    MainWindow()
    {
        lang = new TmlLang(&form);
        lang->SetLangDelim(2);
        lang->SetEntryText(lang->DlgsCaptions(), "&Да", "Yes", 2);
        dispatcher = new TmlLangDispatcher(&form);
        dispatcher->SetNumOfLanguages(2);
        lang->SetLangDispatcher(dispatcher);
        const auto setDoWarnings = [this](bool value) { written << (doWarnings = value); };
        LinkWarnings({[this] { return doWarnings; }, setDoWarnings, lang});
    }
    ~MainWindow() { LinkWarnings({}); }

    TForm form{nullptr};
    TmlLang *lang;
    TmlLangDispatcher *dispatcher;
    bool doWarnings = true;
    QList<bool> written;
};

// Each box the user saw as "caption | message | choice" ("-" for none); the answer runs before OK is clicked.
QStringList ShowWarning(bool forced, const std::function<void(TfrmMessage *)> &answer = {})
{
    QStringList seen;
    TModalHookScope scope([&](const TModalRequest &request) {
        auto *box = dynamic_cast<TfrmMessage *>(request.Source);
        EXPECT_EQ(box->Image1->Picture()->Graphic()->Image(), LoadIcon(IDI_EXCLAMATION));
        EXPECT_TRUE(box->Button1->Default() && box->Button1->Cancel());
        seen << request.Caption + " | " + box->lbMessage->Caption() + " | " +
                    (box->CheckBox1->Visible() ? box->CheckBox1->Caption() : "-");
        if (answer)
            answer(box);
        box->Button1->Click();
        EXPECT_EQ(box->ModalResult(), mrOk);
        return int(mrNone);
    });
    ShowNoTuningWarning(forced);
    return seen;
}
} // namespace

TEST(WarningBox, ShowsUnlessWarningsAreOffItsChoiceSetsDoWarningsAndItSpeaksTheMainWindowsLanguage)
{
    const QString english = "Warning | Fail to find an appropriate tuning for the selected image!";
    {
        MainWindow main;
        const auto check = [](TfrmMessage *box) { box->CheckBox1->SetChecked(true); };
        EXPECT_EQ(ShowWarning(false, check), QStringList({english + " | Don't show again"}));
        EXPECT_EQ(main.written, QList<bool>({false}));
        // Warnings off: only a forced warning shows, and without the choice.
        EXPECT_TRUE(ShowWarning(false).isEmpty());
        EXPECT_EQ(ShowWarning(true), QStringList({english + " | -"}));

        // Checking and then unchecking the choice leaves warnings on.
        main.doWarnings = true;
        ShowWarning(false, [](TfrmMessage *box) {
            box->CheckBox1->SetChecked(true);
            box->CheckBox1->SetChecked(false);
        });
        EXPECT_TRUE(main.doWarnings);
        EXPECT_EQ(main.written, QList<bool>({false, false, true}));

        // Russian, with the main window's dialog captions; the box leaves the dispatcher when it goes.
        main.dispatcher->SetActiveLanguage(2);
        EXPECT_EQ(ShowWarning(false,
                              [](TfrmMessage *box) {
                                  TmlLangLinked *lang = box->mlLangLinked1;
                                  EXPECT_EQ(lang->LookupListEntry(lang->DlgsCaptions(), "Yes", true), "&Да");
                              }),
                  QStringList({"Предупреждение | Настройка, при которой было получено данное изображение, не "
                               "найдена! | Не показывать далее"}));
        EXPECT_EQ(main.dispatcher->LangComponentCount(), 1);
    }
    // Without a main window: shown in English, with no choice to store.
    EXPECT_EQ(ShowWarning(false), QStringList({english + " | -"}));
}
