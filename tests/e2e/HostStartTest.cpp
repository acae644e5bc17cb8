// Start-up and shutdown of the real program in a program folder of its own.

#include "HostSession.h"
#include "QtPrint.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
const QString Exit = QStringLiteral("Exit from Ormel Software Environment");
const QString ExitRu = QString::fromUtf8("Выход из программного комплекса Ormel");
} // namespace

TEST(HostStart, WithoutPluginsTheWindowHasOnlyItsOwnMenusAndTheExitButton)
{
    THostSession session;
    const TRunResult run = session.Run({Line({"dump"})});
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_EQ(run.Column("splash", "text"), QStringList{"All plugins loaded."});
    EXPECT_EQ(run.MenuBar(), (QStringList{"&Tools", "&Help"}));
    EXPECT_EQ(run.Column("menu", "caption"),
              (QStringList{"&Tools", "&Language", "&Russian", "&English", "-", "&Options", "&Help", "&Contents",
                           "&Index", "-", "&About..."}));
    ASSERT_TRUE(run.Find("menu", "name", "English1"));
    EXPECT_EQ((*run.Find("menu", "name", "English1"))["checked"], "1");
    EXPECT_EQ((*run.Find("menu", "name", "Russian1"))["checked"], "0");

    const QList<TRecord> toolBars = run.Of("toolbar");
    ASSERT_EQ(toolBars.size(), 1);
    EXPECT_EQ(toolBars[0]["exit"], "1");
    EXPECT_EQ(toolBars[0]["width"], "53");
    const QList<TRecord> buttons = run.Of("button");
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]["hint"], Exit);
    EXPECT_EQ(buttons[0]["glyph"], "16x16");
    EXPECT_EQ(buttons[0]["left"], "3");
    EXPECT_EQ(buttons[0]["top"], "3");
    EXPECT_EQ(buttons[0]["flat"], "1");

    const TRecord window = run.Of("window").value(0);
    EXPECT_EQ(window["caption"], "Ormel Software Environment");
    EXPECT_EQ(window["helpfile"], "ROSTREL.hlp");
    EXPECT_EQ(window["width"], "550");
    // Never shorter than its menu, tool-bar panel and status line.
    EXPECT_GT(window["minheight"].toInt(), 35 + 19);
    EXPECT_TRUE(run.Of("modal").isEmpty());
    // The window's place is kept for the next start.
    EXPECT_EQ(session.String("State"), "Normal");
    EXPECT_EQ(session.Integer("Width"), 550);
}

TEST(HostStart, TheExitButtonEndsTheProgram)
{
    THostSession session;
    const TRunResult run = session.Run({Line({"click-tool", "0", "0"}), Line({"dump"})});
    EXPECT_EQ(run.ExitCode, 0);
    // The window was gone before the script's next line.
    EXPECT_TRUE(run.Of("window").isEmpty());
}

TEST(HostStart, TheStoredLanguageIsAppliedAndAnInvalidOneFallsBackToEnglish)
{
    THostSession session;
    session.SetInteger("Language", 2);
    TRunResult run = session.Run({Line({"dump"})});
    EXPECT_EQ(run.Column("splash", "text"), QStringList{QString::fromUtf8("Все модули загружены.")});
    EXPECT_EQ((*run.Find("menu", "name", "Russian1"))["checked"], "1");
    EXPECT_EQ((*run.Find("menu", "name", "English1"))["checked"], "0");
    EXPECT_EQ(run.Of("button").value(0)["hint"], ExitRu);

    for (const int invalid : {0, 3, -1}) {
        session.SetInteger("Language", invalid);
        run = session.Run({Line({"dump"})});
        EXPECT_EQ(run.ExitCode, 0);
        EXPECT_TRUE(run.Of("modal").isEmpty()) << invalid;
        EXPECT_EQ(run.Column("splash", "text"), QStringList{"All plugins loaded."}) << invalid;
        EXPECT_EQ((*run.Find("menu", "name", "English1"))["checked"], "1") << invalid;
        EXPECT_EQ(run.Of("button").value(0)["hint"], Exit) << invalid;
    }
    session.SetString("Language", "2");
    run = session.Run({Line({"dump"})});
    EXPECT_TRUE(run.Of("modal").isEmpty());
    EXPECT_EQ(run.Of("button").value(0)["hint"], Exit);
}

TEST(HostStart, KorvathAloneIsRegisteredWithoutMenuAndTakesTheDataFile)
{
    THostSession session({"korvath.so"});
    session.SetString("DataFile", session.File("missing.txt"));
    const TRunResult run = session.Run({Line({"dump"})});
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_EQ(run.Column("splash", "text"), (QStringList{"Loading plugin: korvath.so", "All plugins loaded."}));
    EXPECT_EQ(run.MenuBar(), (QStringList{"&Tools", "&Help"}));
    EXPECT_EQ(run.Of("toolbar").size(), 1);
    EXPECT_TRUE(run.Of("modal").isEmpty());
    // A data file that does not exist is not made until a record goes into it.
    EXPECT_FALSE(QFile::exists(session.File("missing.txt")));
    EXPECT_FALSE(QFile::exists(session.File("ormeldata.txt")));
}

TEST(HostStart, StartUpCompletesWhateverOnePluginOrTheDataFileSettingDoes)
{
    THostSession session({"korvath.so", "menu_probe.so", "data_probe.so", "order_raises.so", "raising_probe.so",
                          "register_fails.so", "name_fails.so", "bitmap_fails.so"});
    session.SetInteger("DataFile", 5);
    const TRunResult run = session.Run({Line({"click-menu", "1", "0"}), Line({"dump"})});
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    // Each failure is reported with the plug-in and the error, while loading and while registering.
    EXPECT_EQ(run.Column("modal", "text"),
              (QStringList{"TmlPluginManager - The plug-in order_raises.so failed and is left out: no order",
                           "TfrmMain - The data file setting cannot be read: Invalid data type for 'DataFile'; the "
                           "data manager keeps its own file.",
                           "TfrmMain - The plug-in raising_probe.so failed and is left out: The probe cannot name "
                           "item 2",
                           "TfrmMain - The plug-in register_fails.so failed and is left out: register_fails fails in "
                           "RegisterPlugin",
                           "TfrmMain - The plug-in name_fails.so failed and is left out: it raised something that is "
                           "not an exception",
                           "TfrmMain - The plug-in bitmap_fails.so failed and is left out: bitmap_fails fails in "
                           "GetItemBitmap"}));
    // The window is finished with the plug-ins that work, and the failing ones are asked nothing more.
    EXPECT_EQ(run.MenuBar(), (QStringList{"&Probe 1", "&Probe 2", "&Tools", "&Help"}));
    EXPECT_EQ(run.Column("toolbar", "caption"), (QStringList{"Probe 1", "Probe 2", ""}));
    EXPECT_TRUE(run.Find("toolbar", "exit", "1"));
    EXPECT_EQ(run.Column("splash", "text").last(), "All plugins loaded.");
    // A settings store that cannot be opened is named, with the cause, when the window starts and when it ends.
    THostSession broken;
    ASSERT_TRUE(QDir(broken.Folder()).mkdir("registry.txt"));
    const TRunResult unopened = broken.Run({Line({"dump"})});
    EXPECT_EQ(unopened.ExitCode, 0);
    const QString cause = "Cannot read the settings file " + broken.File("registry.txt") + ": it is not a regular file";
    EXPECT_EQ(unopened.Column("modal", "text"),
              (QStringList{"TfrmMain - The data file setting cannot be read: " + cause
                               + "; the data manager keeps its own file.",
                           "TmlFormStorage - Failed to open key Software\\Kelmar\\OrmelSW: " + cause}));

    // The library whose order failed was released at once.
    EXPECT_EQ(run.PluginLog, (QStringList{"load order_raises", "unload order_raises",
                                          "data_probe manager tunings=0 images=0 modified=0"}));
}

TEST(HostStart, TheWindowsNamedTextsAreFoundInEitherLanguage)
{
    THostSession session;
    const QStringList script{Line({"lookup", "Strings", "ids_1"}), Line({"lookup", "DlgsCaptions", "Yes"}),
                             Line({"lookup", "DlgsCaptions", "Save"}),
                             Line({"lookup", "Locales", "Decimal Separator"}),
                             Line({"lookup", "Locales", "Long Month Names"})};
    TRunResult run = session.Run(script);
    QStringList texts = run.Column("lookup", "text");
    ASSERT_EQ(texts.size(), 5);
    EXPECT_EQ(texts.mid(0, 3), (QStringList{"Loading plugin: ", "&Yes", "&Save"}));
    // The locale texts of the first language, as the program found them.
    EXPECT_EQ(texts[3].size(), 1);
    EXPECT_EQ(texts[4].count(u','), 11);

    session.SetInteger("Language", 2);
    run = session.Run(script);
    texts = run.Column("lookup", "text");
    ASSERT_EQ(texts.size(), 5);
    // A Russian text that is empty falls back to the English one.
    EXPECT_EQ(texts.mid(0, 3), (QStringList{QString::fromUtf8("Загрузка модуля: "), QString::fromUtf8("&Да"),
                                            "&Save"}));
    EXPECT_EQ(texts[3].size(), 1);
}
