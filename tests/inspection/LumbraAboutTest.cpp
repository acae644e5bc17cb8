#include "lumbraab_u.h"

#include "common_u.h"
#include "controls/Button.h"
#include "controls/Label.h"
#include "forms/ModalHook.h"
#include "mlLabel.h"
#include "mlLang.h"
#include "mlLangDispatcher.h"
#include "platform/MemoryStatus.h"
#include "platform/Shell.h"

#include "FormatSettingsGuard.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
// What the user saw of the about box, and what clicking its link and its button did.
struct Shown {
    QString caption, product, version, maker, link, linkHint, physMem, freeRes, memoryLabel, button;
    int helpContext = 0;
    int result = mrNone;
    QStringList opened;
};

Shown ShowAbout(TmlCustomLang *commonLang)
{
    Shown shown;
    SetShellHook([&](const QString &verb, const QString &file) {
        shown.opened << verb + " " + file;
        return true;
    });
    SetMemoryStatusHook([](TMemoryStatus &status) {
        status.TotalPhys = 536870912;
        status.MemoryLoad = 42;
    });
    {
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *box = dynamic_cast<TfrmLumbraAbout *>(request.Source);
            EXPECT_TRUE(box);
            shown.caption = request.Caption;
            shown.product = box->Label1->Caption();
            shown.version = box->Label3->Caption();
            shown.maker = box->Label4->Caption();
            shown.link = box->Label5->Caption();
            shown.linkHint = box->Label5->Hint();
            shown.physMem = box->PhysMem->Caption();
            shown.freeRes = box->FreeRes->Caption();
            shown.memoryLabel = box->Label6->Caption();
            shown.button = box->Button1->Caption();
            shown.helpContext = box->HelpContext();
            box->Label5->Click();
            box->Button1->Click();
            shown.result = box->ModalResult();
            return int(mrNone);
        });
        ShowLumbraAbout(commonLang);
    }
    SetShellHook({});
    SetMemoryStatusHook({});
    return shown;
}
} // namespace

TEST(LumbraAbout, ShowsProductMakerAndMemoryFiguresAndOpensTheMakersPage)
{
    FormatSettingsGuard guard;
    const Shown shown = ShowAbout(nullptr);
    EXPECT_EQ(shown.caption, "About...");
    EXPECT_EQ(shown.helpContext, 20);
    EXPECT_EQ(shown.product, "LUMBRA Data Management");
    EXPECT_EQ(shown.version, "Version 1.0");
    EXPECT_EQ(shown.maker, MakerLine);
    EXPECT_EQ(shown.link, "https://www.kelmar.example.com/");
    EXPECT_EQ(shown.linkHint, "Go to KELMAR's Home Page");
    EXPECT_EQ(shown.memoryLabel, "Memory Available to Windows:");
    EXPECT_EQ(shown.physMem, "524,288 KB");
    EXPECT_EQ(shown.freeRes, "42 %");
    EXPECT_EQ(shown.button, "&OK");
    EXPECT_EQ(shown.opened, QStringList({"open https://www.kelmar.example.com/"}));
    EXPECT_EQ(shown.result, mrOk);
}

TEST(LumbraAbout, FollowsTheLanguageOfTheMainWindow)
{
    TForm main(nullptr);
    auto *lang = new TmlLang(&main);
    auto *dispatcher = new TmlLangDispatcher(&main);
    dispatcher->SetNumOfLanguages(2);
    lang->SetLangDispatcher(dispatcher);
    dispatcher->SetActiveLanguage(2);

    const Shown shown = ShowAbout(lang);
    EXPECT_EQ(shown.caption, "О программе...");
    EXPECT_EQ(shown.product, "Управление данными ЛУМБРА");
    EXPECT_EQ(shown.version, "Версия 1.0");
    EXPECT_EQ(shown.memoryLabel, "Доступная память:");
    EXPECT_EQ(shown.linkHint, "Открыть домашнюю страницу компании Кельмар");
    EXPECT_EQ(shown.button, "&OK");
    EXPECT_EQ(shown.maker, MakerLine);
    EXPECT_EQ(dispatcher->LangComponentCount(), 1);
}
