// Plug-in menus, tool bars, commands, hints, language switches and the data manager, on the real program.

#include "HostSession.h"
#include "JournalSamples.h"
#include "QtPrint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utility>

TEST(HostPlugins, AProbeGetsAMenuAndAToolBarBeforeTheHostsOwnMenus)
{
    THostSession session({"korvath.so", "menu_probe.so"});
    const TRunResult run = session.Run({Line({"dump"})});
    EXPECT_EQ(run.Column("splash", "text"),
              (QStringList{"Loading plugin: korvath.so", "Loading plugin: menu_probe.so", "All plugins loaded."}));
    EXPECT_EQ(run.MenuBar(), (QStringList{"&Probe 1", "&Tools", "&Help"}));
    const TRecord first = *run.Find("menu", "path", "0.0");
    const TRecord second = *run.Find("menu", "path", "0.1");
    EXPECT_EQ(first["caption"], "Item 1");
    EXPECT_EQ(first["hint"], "Probe hint 1");
    EXPECT_EQ(second["caption"], "Item 2");
    EXPECT_EQ(second["hint"], "Probe hint 2");
    EXPECT_EQ(first["image"], "0");
    EXPECT_EQ(second["image"], "1");
    // The white corner of a glyph is see-through in the menu, the rest is not.
    EXPECT_EQ(first["opacity"], "0,255");
    EXPECT_FALSE(run.Find("menu", "path", "0.2"));

    const QList<TRecord> toolBars = run.Of("toolbar");
    ASSERT_EQ(toolBars.size(), 2);
    EXPECT_EQ(toolBars[0]["caption"], "Probe 1");
    EXPECT_EQ(toolBars[0]["width"], QString::number(28 * 2 + 25));
    EXPECT_EQ(toolBars[0]["height"], "31");
    EXPECT_EQ(toolBars[1]["exit"], "1");
    EXPECT_EQ(run.Column("button", "left"), (QStringList{"3", "31", "3"}));
    EXPECT_EQ(run.Column("button", "hint"), (QStringList{"Probe hint 1", "Probe hint 2",
                                                          "Exit from Ormel Software Environment"}));
    EXPECT_EQ(run.Column("button", "glyph"), (QStringList{"16x16", "16x16", "16x16"}));
    EXPECT_EQ(run.Column("button", "width"), (QStringList{"25", "25", "25"}));
}

TEST(HostPlugins, ToolBarsLineUpInsideThePanelsBevelsInRegistrationOrderWithTheExitButtonLast)
{
    THostSession session({"korvath.so", "data_probe.so", "menu_probe.so"});
    const TRunResult run = session.Run({Line({"dump"})});
    EXPECT_EQ(run.Column("toolbar", "caption"), (QStringList{"Probe 1", "Probe 2", ""}));
    EXPECT_EQ(run.Column("toolbar", "width"), (QStringList{"81", "109", "53"}));
    // Side by side, none over another and none over the panel's raised and lowered edges.
    EXPECT_EQ(run.Column("toolbar", "left"), (QStringList{"2", "83", "192"}));
    EXPECT_EQ(run.Column("toolbar", "top"), (QStringList{"2", "2", "2"}));
    EXPECT_EQ(run.Column("toolbar", "height"), (QStringList{"31", "31", "31"}));
}

TEST(HostPlugins, APluginWithABlankNameGetsNoMenuAndIsNeverAskedForItems)
{
    THostSession session({"blank_probe.so", "menu_probe.so"});
    const TRunResult run = session.Run({Line({"click", "Russian1"}), Line({"dump"})});
    EXPECT_EQ(run.Column("splash", "text").value(0), "Loading plugin: blank_probe.so");
    EXPECT_EQ(run.MenuBar().value(0), QString::fromUtf8("&Зонд 1"));
    EXPECT_EQ(run.MenuBar().size(), 3);
    EXPECT_EQ(run.Of("toolbar").size(), 2);
    EXPECT_TRUE(run.PluginLog.isEmpty()) << qPrintable(run.PluginLog.join(u'\n'));
}

TEST(HostPlugins, ClicksRunThePluginsCommandsAndHintsReachTheStatusLine)
{
    THostSession session({"menu_probe.so"});
    const TRunResult run = session.Run({
        Line({"click-menu", "0", "1"}),
        Line({"click-tool", "0", "0"}),
        Line({"hover-menu", "0", "1"}),
        Line({"dump"}),
        Line({"hover-tool", "0", "0"}),
        Line({"dump"}),
        Line({"hover-tool", "1", "0"}),
        Line({"dump"}),
        Line({"hover-menu", "1", "0"}),
        Line({"dump"}),
    });
    EXPECT_EQ(run.PluginLog, (QStringList{"menu_probe click 2", "menu_probe click 1"}));
    EXPECT_EQ(run.Column("status", "text"), (QStringList{"Probe hint 2", "Probe hint 1",
                                                          "Exit from Ormel Software Environment",
                                                          "Change interface language"}));
}

TEST(HostPlugins, MenusGoWhereTheirOrderSaysAndLibrariesAreFreedLastFirst)
{
    // "1" is placed between the host's menus; "10" is beyond the last index and goes before the last two.
    THostSession session({"order_1.so", "order_10.so"});
    const TRunResult run = session.Run({Line({"dump"})});
    EXPECT_EQ(run.MenuBar(), (QStringList{"order_10", "order_1", "&Tools", "&Help"}));
    EXPECT_EQ(run.Column("toolbar", "caption"), (QStringList{"order_1", "order_10", ""}));
    EXPECT_EQ(run.PluginLog, (QStringList{"load order_1", "load order_10", "unload order_10", "unload order_1"}));
}

TEST(HostPlugins, AnExceptionInsideAPluginEntryIsReportedByTheWindow)
{
    THostSession session({"menu_probe.so", "raising_probe.so"});
    const TRunResult run = session.Run({Line({"click", "Russian1"}), Line({"dump"})});
    EXPECT_EQ(run.ExitCode, 0);
    const QList<TRecord> boxes = run.Of("modal");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]["kind"], "message");
    EXPECT_EQ(boxes[0]["text"], "TfrmMain - The plug-in raising_probe.so failed and is left out: The probe cannot "
                                "name item 2");
    EXPECT_EQ(boxes[0]["caption"], "Ormel Software Environment");
    // The failing plug-in leaves no half-built menu or tool bar behind, and the window is finished.
    EXPECT_EQ(run.MenuBar(), (QStringList{QString::fromUtf8("&Зонд 1"), QString::fromUtf8("&Сервис"),
                                          QString::fromUtf8("&Помощь")}));
    EXPECT_EQ(run.Column("toolbar", "caption"), (QStringList{QString::fromUtf8("Зонд 1"), ""}));
    EXPECT_EQ(run.Column("button", "left"), (QStringList{"3", "31", "3"}));
}

TEST(HostPlugins, SwitchingToRussianRecaptionsEverythingAndIsRestoredOnTheNextStart)
{
    THostSession session({"korvath.so", "menu_probe.so"});
    TRunResult run = session.Run({Line({"click", "Russian1"}), Line({"dump"}), Line({"click", "Contents1"})});
    EXPECT_EQ(session.Integer("Language"), 2);
    EXPECT_EQ(run.MenuBar(), (QStringList{QString::fromUtf8("&Зонд 1"), QString::fromUtf8("&Сервис"),
                                          QString::fromUtf8("&Помощь")}));
    EXPECT_EQ((*run.Find("menu", "name", "Options1"))["caption"], QString::fromUtf8("&Настройки"));
    EXPECT_EQ((*run.Find("menu", "name", "About1"))["hint"], QString::fromUtf8("Сведения о программе"));
    EXPECT_EQ((*run.Find("menu", "name", "Russian1"))["checked"], "1");
    EXPECT_EQ((*run.Find("menu", "name", "English1"))["checked"], "0");
    EXPECT_EQ((*run.Find("menu", "path", "0.1"))["caption"], QString::fromUtf8("Пункт 2"));
    EXPECT_EQ((*run.Find("menu", "path", "0.1"))["hint"], QString::fromUtf8("Подсказка 2"));
    EXPECT_EQ(run.Column("toolbar", "caption").value(0), QString::fromUtf8("Зонд 1"));
    EXPECT_EQ(run.Column("button", "hint"), (QStringList{QString::fromUtf8("Подсказка 1"),
                                                          QString::fromUtf8("Подсказка 2"),
                                                          QString::fromUtf8("Выход из программного комплекса Ormel")}));
    EXPECT_EQ(run.Of("window").value(0)["helpfile"], "rostrel_ru.hlp");
    EXPECT_EQ(run.Of("help").value(0)["file"], "rostrel_ru.hlp");

    run = session.Run({Line({"dump"})});
    EXPECT_EQ(run.Column("splash", "text").value(0), QString::fromUtf8("Загрузка модуля: korvath.so"));
    EXPECT_EQ(run.MenuBar().value(1), QString::fromUtf8("&Сервис"));
    EXPECT_EQ((*run.Find("menu", "path", "0.0"))["caption"], QString::fromUtf8("Пункт 1"));

    run = session.Run({Line({"click", "English1"}), Line({"dump"})});
    EXPECT_EQ(session.Integer("Language"), 1);
    EXPECT_EQ(run.MenuBar(), (QStringList{"&Probe 1", "&Tools", "&Help"}));
    EXPECT_EQ(run.Of("window").value(0)["helpfile"], "ROSTREL.hlp");
}

namespace {
QByteArray TuningJournal(std::initializer_list<int> ids)
{
    QByteArray journal;
    for (const int id : ids) {
        TuningLine tuning;
        tuning.Id = id;
        journal += tuning.Line() + "\r\n";
    }
    return journal;
}
} // namespace

TEST(HostPlugins, TheDataManagerReadsTheJournalBesideTheProgramOrTheDataFileSetting)
{
    THostSession session({"korvath.so", "data_probe.so"});
    session.Write("ormeldata.txt", TuningJournal({1}));
    session.Write("other.txt", TuningJournal({1, 2, 3}));
    TRunResult run = session.Run({Line({"click-menu", "0", "0"})});
    EXPECT_EQ(run.PluginLog, QStringList{"data_probe manager tunings=1 images=0 modified=0"});
    EXPECT_TRUE(run.Of("modal").isEmpty());

    session.SetString("DataFile", session.File("other.txt"));
    run = session.Run({Line({"click-menu", "0", "0"})});
    EXPECT_EQ(run.PluginLog, QStringList{"data_probe manager tunings=3 images=0 modified=0"});
}

TEST(HostPlugins, NewRecordsGoToTheDataFileAndEveryListeningPluginHearsOfThem)
{
    THostSession session({"korvath.so", "data_probe.so", "menu_probe.so"});
    session.Write("ormeldata.txt", TuningJournal({1}));
    session.SetString("DataFile", session.File("new.txt"));
    TuningLine tuning;
    tuning.Id = 42;
    session.Write("line.txt", tuning.Line());
    const TRunResult run = session.Run({Line({"click-menu", "1", "0"}), Line({"click-menu", "1", "2"})});
    EXPECT_EQ(run.PluginLog, (QStringList{"data_probe manager tunings=0 images=0 modified=0",
                                          "menu_probe update", "data_probe update",
                                          "data_probe manager tunings=1 images=0 modified=0"}));
    EXPECT_EQ(session.Read("new.txt"), tuning.Line() + "\r\n");
    EXPECT_EQ(session.Read("ormeldata.txt"), TuningJournal({1}));
}

TEST(HostPlugins, ADataFileSettingThatCannotBeUsedIsReportedAndNoOtherFileIsLoaded)
{
    THostSession session({"korvath.so", "data_probe.so"});
    session.Write("ormeldata.txt", TuningJournal({1}));
    const QStringList script{Line({"click-menu", "0", "1"}), Line({"click-menu", "0", "0"})};

    // A name the data manager cannot take would become another one ("caf?.txt").
    session.Write("caf?.txt", TuningJournal({1, 2, 3}));
    session.SetString("DataFile", session.File(QString::fromUtf8("café.txt")));
    TRunResult run = session.Run(script);
    ASSERT_EQ(run.Of("modal").size(), 1);
    EXPECT_TRUE(run.Of("modal")[0]["text"].contains("Windows-1251")) << qPrintable(run.Of("modal")[0]["text"]);
    EXPECT_EQ(run.PluginLog.value(1), "data_probe manager tunings=0 images=0 modified=1");
    EXPECT_EQ(session.Read("caf?.txt"), TuningJournal({1, 2, 3}));
    EXPECT_FALSE(QFile::exists(session.File(QString::fromUtf8("café.txt"))));

    // A journal that cannot be read: the data manager is left out, so no plug-in can change, and so rewrite, it.
    session.Write("ormeldata.txt", TuningJournal({1}));
    session.SetString("DataFile", "/proc/self/mem");
    run = session.Run(script);
    ASSERT_EQ(run.Of("modal").size(), 1);
    EXPECT_TRUE(run.Of("modal")[0]["text"].startsWith("TfrmMain - The plug-in korvath.so failed and is left out: "))
        << qPrintable(run.Of("modal")[0]["text"]);
    EXPECT_EQ(run.PluginLog, (QStringList{"data_probe no manager", "data_probe no manager"}));
    EXPECT_EQ(session.Read("ormeldata.txt"), TuningJournal({1}));

    // A pipe as the data file, or named as a library, is not waited on.
    ASSERT_EQ(::mkfifo(QFile::encodeName(session.File("pipe.txt")).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(session.File("pipe.so")).constData(), 0600), 0);
    session.SetString("DataFile", session.File("pipe.txt"));
    run = session.Run(script);
    EXPECT_EQ(run.ExitCode, 0);
    ASSERT_EQ(run.Of("modal").size(), 1);
    EXPECT_EQ(run.Of("modal")[0]["text"], "TfrmMain - The data file \"" + session.File("pipe.txt")
                                              + "\" is not a regular file; the data manager keeps its own file.");
    EXPECT_TRUE(run.Errors.contains("pipe.so is not a regular file")) << qPrintable(run.Errors);
    EXPECT_EQ(run.PluginLog.value(1), "data_probe manager tunings=0 images=0 modified=1");

    // Nor is a pipe, a folder or a link to nothing as the data manager's own journal: each is named with its
    // cause, and stays as it was.
    const QString journal = session.File("ormeldata.txt");
    const QByteArray name = QFile::encodeName(journal);
    session.SetString("DataFile", "");
    ASSERT_TRUE(QFile::remove(journal));
    const QList<std::pair<std::function<bool()>, QString>> places{
        {[&] { return ::mkfifo(name.constData(), 0600) == 0; }, "it is not a regular file"},
        {[&] { return QDir().mkdir(journal); }, "it is a folder"},
        {[&] { return QFile::link(session.File("gone.txt"), journal); },
         "it is a link to \"" + session.File("gone.txt") + "\", which does not exist"},
    };
    for (const auto &[make, cause] : places) {
        SCOPED_TRACE(qPrintable(cause));
        ASSERT_TRUE(make());
        run = session.Run(script);
        EXPECT_EQ(run.ExitCode, 0);
        EXPECT_EQ(run.Column("modal", "text"),
                  QStringList{"TfrmMain - The plug-in korvath.so failed and is left out: Cannot open file \"" + journal
                              + "\": " + cause});
        EXPECT_EQ(run.PluginLog, (QStringList{"data_probe no manager", "data_probe no manager"}));
        const QFileInfo left(journal);
        EXPECT_FALSE(left.isFile());
        EXPECT_TRUE(left.isDir() ? QDir(journal).isEmpty() : !QFile::exists(session.File("gone.txt")));
        ASSERT_TRUE(left.isDir() ? QDir().rmdir(journal) : QFile::remove(journal));
    }
}

TEST(HostPlugins, APluginWithThousandsOfItemsGetsThemAllInOrder)
{
    THostSession session({"crowded_probe.so"});
    const TRunResult run = session.Run({Line({"dump"})});
    EXPECT_EQ((*run.Find("menu", "path", "0.0"))["caption"], "Item 1");
    EXPECT_EQ((*run.Find("menu", "path", "0.1999"))["caption"], "Item 2000");
    EXPECT_FALSE(run.Find("menu", "path", "0.2000"));
    EXPECT_EQ(run.Of("button").size(), 2001);
    EXPECT_EQ(run.Of("button").value(1999)["hint"], "Probe hint 2000");
    EXPECT_EQ(run.Of("button").value(1999)["left"], QString::number(1999 * 28 + 3));
}

TEST(HostPlugins, AModifiedJournalIsRewrittenWhenTheProgramEnds)
{
    THostSession session({"korvath.so", "data_probe.so"});
    session.Write("ormeldata.txt", TuningJournal({1, 2}));
    const TRunResult run = session.Run({Line({"click-menu", "0", "1"})});
    EXPECT_EQ(run.PluginLog, QStringList{"data_probe manager tunings=1 images=0 modified=1"});
    EXPECT_EQ(session.Read("ormeldata.txt"), TuningJournal({2}));
}
