// Help on the real program: every Help button, help menu entry and help key of the host's and the plug-in's
// windows, in either language, with and without the help files installed.

#include "HostSession.h"
#include "JournalSamples.h"
#include "QtPrint.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
const QString Lumbra = QStringLiteral("frmLumbra");
const QString Sheet = QStringLiteral("AllImageForm");

// The host's main window and its dialogs; the plug-in's window, about box, delete question, criteria dialog,
// viewer, level image window and composite sheet. Each request that finds no help file shows a box, answered OK.
QStringList EveryHelpRequest()
{
    return {
        Line({"show-help"}),
        Line({"key", "F1"}), Line({"click", "Contents1"}), Line({"click", "Index1"}),
        Answer({"1", "key=F1"}), Line({"click", "About1"}),
        Answer({"2", "click=Button3", "key=F1"}), Line({"click", "Options1"}),
        Line({"click-menu", "0", "0"}),
        Line({"key", "F1", Lumbra}), Line({"menu", Lumbra, "2", "0"}), Line({"menu", Lumbra, "2", "1"}),
        Answer({"1", "key=F1"}), Line({"menu", Lumbra, "2", "3"}),
        Answer({"7", "click=Help"}), Line({"press", Lumbra, "sbTunDelete"}),
        Answer({"2", "click=btHelp", "key=F1"}), Line({"press", Lumbra, "sbTunCrit"}),
        Answer({"2", "click=btHelp", "key=F1"}), Line({"press", Lumbra, "sbTunEdit"}),
        Answer({"1", "click=Button2", "key=F1"}), Line({"press", Lumbra, "sbDynImageView"}),
        Line({"press", Lumbra, "SpeedButton1"}), Line({"press", Sheet, "Context1"}), Line({"key", "F1", Sheet}),
    };
}

class THelpSession : public THostSession {
public:
    THelpSession() : THostSession({"korvath.so", "lumbra.so"})
    {
        Write("ormeldata.txt", CrLfLines({TuningLine{}.Line(), ImageLine{}.Line()}));
    }
};

QStringList Boxes(const TRunResult &run, const QString &field)
{
    QStringList boxes;
    for (const TRecord &modal : run.Of("modal"))
        if (modal["kind"] == "message")
            boxes << modal[field];
    return boxes;
}

QStringList Repeated(std::initializer_list<std::pair<QString, int>> runs)
{
    QStringList items;
    for (const auto &[item, count] : runs)
        for (int i = 0; i < count; ++i)
            items << item;
    return items;
}
} // namespace

// Without help files every request names the missing file of the active language, in that language; the delete
// question stays open after its Help button. Installed, the topic's page opens, or the file's contents where it
// has no page for the topic, and no box shows.
TEST(HelpInTheProgram, EveryHelpButtonAndKeyOpensTheHelpOrNamesTheMissingFileInTheActiveLanguage)
{
    THelpSession session;
    session.SetInteger("Language", 2);
    TRunResult run = session.Run(EveryHelpRequest());
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("error").isEmpty());
    EXPECT_EQ(run.Column("help", "file"), Repeated({{"rostrel_ru.hlp", 6}}));
    EXPECT_EQ(run.Column("help", "command"), (QStringList{"1", "11", "261", "1", "1", "1"}));
    EXPECT_EQ(run.Column("help", "data"), (QStringList{"10", "", "", "20", "10", "10"}));
    const auto missing = [](const QString &file) {
        return QString::fromUtf8("Файл помощи \"%1\" не установлен.").arg(file);
    };
    EXPECT_EQ(Boxes(run, "text"),
              Repeated({{missing("rostrel_ru.hlp"), 6}, {missing("lumbra_ru.hlp"), 11}, {missing("AllImage"), 2}}));
    EXPECT_EQ(Boxes(run, "caption"), Repeated({{QString::fromUtf8("Помощь"), 19}}));
    const auto question = run.Find("modal", "class", "TMessageForm");
    ASSERT_TRUE(question);
    EXPECT_EQ((*question)["caption"], QString::fromUtf8("Предупреждение"));

    session.SetInteger("Language", 1);
    run = session.Run(EveryHelpRequest());
    EXPECT_EQ(run.Column("help", "file"), Repeated({{"ROSTREL.hlp", 3}, {"ROSTREL.HLP", 3}}));
    const auto missingEn = [](const QString &file) {
        return QString("The help file \"%1\" is not installed.").arg(file);
    };
    EXPECT_EQ(Boxes(run, "text"), Repeated({{missingEn("ROSTREL.hlp"), 3}, {missingEn("ROSTREL.HLP"), 3},
                                            {missingEn("lumbra.hlp"), 11}, {missingEn("AllImage_Eng"), 2}}));
    EXPECT_EQ(Boxes(run, "caption"), Repeated({{"Help", 19}}));

    session.SetInteger("Language", 2);
    for (const QString page : {"rostrel_ru/index.html", "lumbra_ru/index.html", "lumbra_ru/20.html",
                               "allimage/10.html"}) {
        QDir(session.Folder()).mkpath(QFileInfo("help/" + page).path());
        session.Write("help/" + page, "<html></html>");
    }
    run = session.Run(EveryHelpRequest());
    EXPECT_TRUE(Boxes(run, "text").isEmpty()) << qPrintable(Boxes(run, "text").join('\n'));
    QStringList pages;
    for (const QString &path : run.Column("file", "path"))
        pages << path.mid(session.Folder().size() + 1);
    EXPECT_EQ(pages, Repeated({{"help/rostrel_ru/index.html", 6},
                               {"help/lumbra_ru/20.html", 1},
                               {"help/lumbra_ru/index.html", 2},
                               {"help/lumbra_ru/20.html", 1},
                               {"help/lumbra_ru/index.html", 7},
                               {"help/allimage/10.html", 2}}));
}
