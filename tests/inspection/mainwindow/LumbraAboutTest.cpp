#include "mainwindow/LumbraAboutBox.h"

#include "MainWindowLang.h"
#include "controls/Button.h"
#include "controls/Label.h"
#include "forms/ModalHook.h"
#include "mlLabel.h"
#include "mlLang.h"
#include "platform/MemoryStatus.h"
#include "platform/Shell.h"

#include "FormatSettingsGuard.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
// The texts the user saw on a machine of 512 MB with 42 % in use, then what clicking the link and OK did.
QStringList ShowAbout(TmlCustomLang *commonLang)
{
    QStringList seen;
    SetShellHook([&](const QString &verb, const QString &file) {
        seen << verb + " " + file;
        return true;
    });
    SetMemoryStatusHook([](TMemoryStatus &status) {
        status.TotalPhys = 536870912;
        status.MemoryLoad = 42;
    });
    {
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *box = dynamic_cast<TfrmLumbraAbout *>(request.Source);
            seen << request.Caption << QString::number(box->HelpContext());
            for (const TControl *control : std::initializer_list<const TControl *>{
                     box->Label1, box->Label3, box->Label4, box->Label5, box->Label6, box->PhysMem, box->Label7,
                     box->FreeRes, box->Button1})
                seen << control->Caption();
            seen << box->Label5->Hint();
            box->Label5->Click();
            box->Button1->Click();
            seen << QString::number(box->ModalResult());
            return int(mrNone);
        });
        ShowLumbraAbout(commonLang);
    }
    SetShellHook({});
    SetMemoryStatusHook({});
    return seen;
}
} // namespace

TEST(LumbraAbout, ShowsProductMakerAndMemoryFiguresOpensTheMakersPageAndFollowsTheMainWindowsLanguage)
{
    FormatSettingsGuard guard;
    const QString maker = QString::fromUtf8("\u00A9 2026 Kelmar Instruments");
    const QString link = "https://www.kelmar.example.com/";
    EXPECT_EQ(ShowAbout(nullptr), QStringList({"About...", "20", "LUMBRA Data Management", "Version 1.0", maker, link,
                                               "Memory Available to Windows:", "524,288 KB", "Memory in Use:", "42 %",
                                               "&OK", "Go to KELMAR's Home Page", "open " + link, "1"}));

    TMainWindowLang main;
    main.Dispatcher->SetActiveLanguage(2);
    EXPECT_EQ(ShowAbout(main.Lang), QStringList({"О программе...", "20", "Управление данными ЛУМБРА", "Версия 1.0", maker,
                                            link, "Доступная память:", "524,288 KB", "Используемая память:", "42 %",
                                            "&OK", "Открыть домашнюю страницу компании Кельмар", "open " + link, "1"}));
    EXPECT_EQ(main.Dispatcher->LangComponentCount(), 1);
}
