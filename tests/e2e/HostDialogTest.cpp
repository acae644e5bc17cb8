// The options dialog, the about box and help, on the real program.

#include "HostSession.h"
#include "QtPrint.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(HostDialogs, OptionsStoreTheDataFileAndMakeItWhenMissing)
{
    THostSession session;
    session.SetString("DataFile", session.File("old.txt"));
    const QString chosen = session.File("chosen.txt");
    TRunResult run = session.Run({Answer({"1", "edFile.Text=" + chosen}), Line({"click", "Options1"})});
    const TRecord shown = run.Of("modal").value(0);
    EXPECT_EQ(shown["class"], "TfrmOptions");
    EXPECT_EQ(shown["caption"], "Options");
    // The dialog opens with the current setting.
    EXPECT_EQ((*run.Find("component", "name", "edFile"))["text"], session.File("old.txt"));
    EXPECT_EQ(session.String("DataFile"), chosen);
    ASSERT_TRUE(QFile::exists(chosen));
    EXPECT_EQ(QFile(chosen).size(), 0);

    // Cancel stores nothing; an empty name stores an empty setting.
    run = session.Run({Answer({"2", "edFile.Text=" + session.File("other.txt")}), Line({"click", "Options1"})});
    EXPECT_EQ(session.String("DataFile"), chosen);
    EXPECT_FALSE(QFile::exists(session.File("other.txt")));
    run = session.Run({Answer({"1", "edFile.Text="}), Line({"click", "Options1"})});
    EXPECT_EQ(session.String("DataFile"), "");
}

TEST(HostDialogs, AnExistingDataFileIsKeptAsItIs)
{
    THostSession session;
    session.Write("journal.txt", "kept\r\n");
    session.Run({Answer({"1", "edFile.Text=" + session.File("journal.txt")}), Line({"click", "Options1"})});
    EXPECT_EQ(session.String("DataFile"), session.File("journal.txt"));
    EXPECT_EQ(session.Read("journal.txt"), "kept\r\n");
}

TEST(HostDialogs, ADataFileThatCannotBeMadeIsReportedAndNotStored)
{
    THostSession session;
    const QString impossible = session.File("no-such-folder/data.txt");
    const TRunResult run = session.Run({Answer({"1", "edFile.Text=" + impossible}), Line({"click", "Options1"}),
                                        Line({"dump"})});
    const auto box = run.Find("modal", "kind", "message");
    ASSERT_TRUE(box);
    EXPECT_TRUE((*box)["text"].startsWith("TMenuItem - ")) << qPrintable((*box)["text"]);
    EXPECT_TRUE((*box)["text"].contains(impossible));
    EXPECT_FALSE(session.String("DataFile"));
    // The program goes on.
    EXPECT_FALSE(run.Of("window").isEmpty());

    // A folder is no data file either.
    QDir(session.Folder()).mkdir("journals");
    const QString folder = session.File("journals");
    const TRunResult second = session.Run({Answer({"1", "edFile.Text=" + folder}), Line({"click", "Options1"})});
    ASSERT_TRUE(second.Find("modal", "kind", "message"));
    EXPECT_TRUE((*second.Find("modal", "kind", "message"))["text"].contains(folder));
    EXPECT_FALSE(session.String("DataFile"));

    // Nor is a pipe, which is not waited on, nor a name the data manager would read as another one.
    ASSERT_EQ(::mkfifo(QFile::encodeName(session.File("pipe.txt")).constData(), 0600), 0);
    const QString cafe = session.File(QString::fromUtf8("café.txt"));
    for (const QString &refused : {session.File("pipe.txt"), cafe}) {
        const TRunResult third = session.Run({Answer({"1", "edFile.Text=" + refused}), Line({"click", "Options1"})});
        ASSERT_TRUE(third.Find("modal", "kind", "message"));
        const QString text = (*third.Find("modal", "kind", "message"))["text"];
        EXPECT_TRUE(text.contains(refused)) << qPrintable(text);
        EXPECT_TRUE(text.endsWith("; it is not stored.")) << qPrintable(text);
        EXPECT_FALSE(session.String("DataFile"));
    }
    EXPECT_FALSE(QFile::exists(cafe));
}

// OK refuses a name with characters the data manager's code page lacks, naming them in the active language, and
// the dialog stays open; a name is taken as given, so a letter written as a base and a combining mark is refused
// by its mark, not made the one letter of another file's name.
TEST(HostDialogs, OkRefusesANameOutsideTheCodePageAndStoresTheNameAsGiven)
{
    THostSession session;
    session.SetInteger("Language", 2);
    const QString given = session.File(QString::fromUtf8("журнал й.txt"));
    const TRunResult run = session.Run({
        Answer({"0", "set=edFile:" + session.File(QString::fromUtf8("журнал 中.txt")), "click=Button1",
                "set=edFile:" + session.File(QString::fromUtf8("журнал и\u0306.txt")), "click=Button1",
                "set=edFile:" + given, "click=Button1"}),
        Answer({"1"}), Answer({"1"}), Line({"click", "Options1"}),
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    const QList<TRecord> modals = run.Of("modal");
    ASSERT_EQ(modals.size(), 3);
    const QString refused = QString::fromUtf8("Менеджер данных получает имя файла в кодовой странице Windows-1251, "
                                              "в которой нет этих символов:\r\n%1\r\nВыберите другое имя.");
    EXPECT_EQ(modals[1]["text"], refused.arg(QString::fromUtf8("\"中\" (U+4E2D)")));
    EXPECT_EQ(modals[2]["text"], refused.arg("U+0306"));
    EXPECT_EQ(session.String("DataFile"), given);
    EXPECT_TRUE(QFile::exists(given));
    EXPECT_FALSE(QFile::exists(session.File(QString::fromUtf8("журнал и\u0306.txt"))));
}

TEST(HostDialogs, BrowsePicksTheFileAndHelpShowsTheDialogsTopic)
{
    THostSession session;
    const QString picked = session.File("picked.txt");
    session.Write("picked.txt", "");
    const TRunResult run = session.Run({Answer({"1", "click=Button4", "click=Button3"}), Answer({"1", "file=" + picked}),
                                        Line({"click", "Options1"})});
    const auto dialog = run.Find("modal", "kind", "dialog");
    ASSERT_TRUE(dialog);
    const TRecord texts = run.Of("dialog").value(0);
    EXPECT_EQ(texts["title"], "Select default data file...");
    EXPECT_EQ(texts["filter"], "Text files (*.txt)|*.txt|All files (*.*)|*.*");
    EXPECT_EQ(session.String("DataFile"), picked);
    const TRecord help = run.Of("help").value(0);
    EXPECT_EQ(help["file"], "ROSTREL.HLP");
    EXPECT_EQ(help["command"], "1");
    EXPECT_EQ(help["data"], "10");
}

TEST(HostDialogs, AboutBoxShowsTheMemoryFiguresAndOpensTheLink)
{
    THostSession session;
    const TRunResult run = session.Run({Line({"memory", "536870912", "42"}), Answer({"1", "click=Label5"}),
                                        Line({"click", "About1"})});
    const TRecord shown = run.Of("modal").value(0);
    EXPECT_EQ(shown["class"], "TfrmAbout");
    EXPECT_EQ(shown["caption"], "About...");
    EXPECT_EQ((*run.Find("component", "name", "PhysMem"))["caption"], "524,288 KB");
    EXPECT_EQ((*run.Find("component", "name", "FreeRes"))["caption"], "42 %");
    EXPECT_EQ((*run.Find("component", "name", "Label3"))["caption"], "Version 1.03");
    const QString address = (*run.Find("component", "name", "Label5"))["caption"];
    const TRecord shell = run.Of("shell").value(0);
    EXPECT_EQ(shell["operation"], "open");
    EXPECT_EQ(shell["file"], address);
    EXPECT_TRUE(address.startsWith("https://"));
}

TEST(HostDialogs, AboutBoxAndHelpFollowTheLanguage)
{
    THostSession session;
    session.SetInteger("Language", 2);
    const TRunResult run = session.Run({Line({"click", "About1"}), Line({"click", "Contents1"}),
                                        Line({"click", "Index1"})});
    EXPECT_EQ(run.Of("modal").value(0)["caption"], QString::fromUtf8("О программе..."));
    EXPECT_EQ((*run.Find("component", "name", "Label3"))["caption"], QString::fromUtf8("Версия 1.03"));
    EXPECT_EQ((*run.Find("component", "name", "Label6"))["caption"], QString::fromUtf8("Доступная память:"));
    // Texts without a Russian version stay as they are.
    EXPECT_EQ((*run.Find("component", "name", "mlLabel1"))["caption"], "Ormel Software Environment");
    EXPECT_EQ((*run.Find("component", "name", "Button1"))["caption"], "&OK");
    EXPECT_EQ(run.Column("help", "file"), (QStringList{"rostrel_ru.hlp", "rostrel_ru.hlp"}));
    EXPECT_EQ(run.Column("help", "command"), (QStringList{"11", "261"}));
}

TEST(HostDialogs, OptionsAndTheirFileDialogSpeakTheActiveLanguage)
{
    THostSession session;
    session.SetInteger("Language", 2);
    TRunResult run = session.Run({Answer({"2", "click=Button4"}), Answer({"0"}), Line({"click", "Options1"})});
    EXPECT_EQ(run.Of("modal").value(0)["caption"], QString::fromUtf8("Настройки"));
    EXPECT_EQ((*run.Find("component", "name", "TabSheet1"))["caption"], QString::fromUtf8("Менеджер Данных"));
    EXPECT_EQ((*run.Find("component", "name", "Button2"))["caption"], QString::fromUtf8("О&тмена"));
    EXPECT_EQ((*run.Find("component", "name", "Label2"))["caption"],
              QString::fromUtf8("(Новый файл данных будет использован только после перезапуска приложения!)"));
    TRecord texts = run.Of("dialog").value(0);
    EXPECT_EQ(texts["title"], QString::fromUtf8("Выбор файла данных..."));
    EXPECT_EQ(texts["filter"], QString::fromUtf8("Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*"));
    EXPECT_EQ(texts["filetype"], QString::fromUtf8("&Тип файлов:"));
    EXPECT_EQ(texts["name"], QString::fromUtf8("&Имя файла:"));
    EXPECT_EQ(texts["lookin"], QString::fromUtf8("&Папка"));
    EXPECT_EQ(texts["open"], QString::fromUtf8("&Открыть"));
    EXPECT_EQ(texts["cancel"], QString::fromUtf8("Отмена"));
    EXPECT_EQ(texts["help"], QString::fromUtf8("&Помощь"));
    // No Russian text: the English one.
    EXPECT_EQ(texts["readonly"], "&Read-only");
    EXPECT_FALSE(session.String("DataFile"));

    session.SetInteger("Language", 1);
    run = session.Run({Answer({"2", "click=Button4"}), Answer({"0"}), Line({"click", "Options1"})});
    texts = run.Of("dialog").value(0);
    EXPECT_EQ(texts["title"], "Select default data file...");
    EXPECT_EQ(texts["filetype"], "Files of &type:");
    EXPECT_EQ(texts["open"], "&Open");
    EXPECT_EQ((*run.Find("component", "name", "Button2"))["caption"], "&Cancel");
}

TEST(HostDialogs, TheHelpKeyShowsTheTopicOfEachWindow)
{
    THostSession session;
    const QStringList script{Line({"key", "F1"}), Answer({"1", "key=F1"}), Line({"click", "About1"}),
                             Answer({"2", "key=F1"}), Line({"click", "Options1"})};
    TRunResult run = session.Run(script);
    EXPECT_EQ(run.Column("help", "command"), (QStringList{"1", "1", "1"}));
    EXPECT_EQ(run.Column("help", "data"), (QStringList{"10", "20", "10"}));
    EXPECT_EQ(run.Column("help", "file"), (QStringList{"ROSTREL.hlp", "ROSTREL.HLP", "ROSTREL.HLP"}));

    // The main window names the help file of its language; the dialogs name none and use the program's, which
    // follows the language too.
    session.SetInteger("Language", 2);
    run = session.Run(script);
    EXPECT_EQ(run.Column("help", "data"), (QStringList{"10", "20", "10"}));
    EXPECT_EQ(run.Column("help", "file"), (QStringList{"rostrel_ru.hlp", "rostrel_ru.hlp", "rostrel_ru.hlp"}));
}
