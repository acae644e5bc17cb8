// The journal in the real program: how far its reading is told on the splash, and its saving at exit after a
// deletion in the inspection window: the window that tells of it, what another program does to the journal
// meanwhile, a program ended half-way, and the lines the tables do not show.

#include "HostSession.h"
#include "JournalSamples.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
const QString Window = QStringLiteral("frmLumbra");

// A program folder with both plug-ins and a journal.
class TJournalSession : public THostSession {
public:
    explicit TJournalSession(const QByteArray &journal) : THostSession({"korvath.so", "lumbra.so"})
    {
        Write("ormeldata.txt", journal);
    }
    QByteArray Journal() const { return Read("ormeldata.txt"); }
    // The journals kept beside the settings store, which lies in the program folder here.
    QStringList Kept() const { return QDir(Folder()).entryList({"ormeldata-unsaved-*.txt"}, QDir::Files); }
};

// Opens the inspection window and deletes the first row of the table, answering Yes; both tables are reported
// before and after.
QStringList DeleteFirstRow(const QString &grid, const QString &button)
{
    const QStringList tables{Line({"grid", Window, "sgTunings"}), Line({"grid", Window, "sgImages"})};
    return QStringList{Line({"click-menu", "0", "0"})} + tables
           + QStringList{Line({"select", Window, grid, "1"}), Answer({"6"}), Line({"press", Window, button})}
           + tables;
}

void Append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
} // namespace

TEST(JournalInTheProgram, ALineAppendedWhileTheJournalIsSavedIsKeptAndWhatAProgramEndedHalfWayLeavesGoesAtTheNextStart)
{
    const QByteArray tuning = TuningLine{.Id = 7}.Line();
    const QByteArray image = ImageLine{.Id = 9, .Tuning = 7}.Line();
    const QByteArray journal = CrLfLines({tuning, image});
    const QStringList script = DeleteFirstRow("sgTunings", "sbTunDelete");

    // Another program appends a line just before the new journal would take the old one's place: the journal
    // keeps it, the records as they should be are kept beside it, and the user is told.
    {
        TJournalSession session(journal);
        const QByteArray appended = TuningLine{.Id = 8}.Line() + "\r\n";
        int pauses = 0;
        const TRunResult run = session.Run(script, [&](QProcess &) {
            ++pauses;
            Append(session.File("ormeldata.txt"), appended);
        });
        EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
        EXPECT_EQ(pauses, 1);
        EXPECT_EQ(session.Journal(), journal + appended);
        const QStringList kept = session.Kept();
        ASSERT_EQ(kept.size(), 1);
        EXPECT_EQ(session.Read(kept[0]), CrLfLines({image}));
        const auto message = run.Find("modal", "kind", "message");
        ASSERT_TRUE(message);
        EXPECT_TRUE((*message)["text"].contains("changed by another program")) << qPrintable((*message)["text"]);
        EXPECT_TRUE((*message)["text"].contains(QDir::toNativeSeparators(session.File(kept[0]))));
        EXPECT_EQ(QDir(session.Folder()).entryList({"ormeldata.txt*"}, QDir::Files), QStringList{"ormeldata.txt"});
    }
    // Ended at that moment, the program leaves the old journal whole, and its new journal beside it. The next
    // program's start removes that one before it writes a new journal of its own, which a third program's start
    // leaves alone; left alone, the second program puts its new journal in place.
    TJournalSession session(journal);
    const auto newJournals = [&session] {
        return QDir(session.Folder()).entryList({"ormeldata.txt.*.new"}, QDir::Files);
    };
    TRunResult run = session.Run(script, [](QProcess &program) {
        program.kill();
        program.waitForFinished();
    });
    EXPECT_EQ(run.ExitCode, -1);
    EXPECT_EQ(session.Journal(), journal);
    EXPECT_TRUE(session.Kept().isEmpty());
    const QStringList left = newJournals();
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(session.Read(left[0]), CrLfLines({image}));

    run = session.Run(script, [&](QProcess &) {
        const QStringList written = newJournals();
        ASSERT_EQ(written.size(), 1);
        EXPECT_NE(written[0], left[0]);
        const TRunResult other = session.Run({});
        EXPECT_EQ(other.ExitCode, 0) << qPrintable(other.Errors);
        EXPECT_TRUE(other.Of("modal").isEmpty());
        EXPECT_EQ(newJournals(), written);
    });
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_EQ(session.Journal(), CrLfLines({image}));
    EXPECT_TRUE(run.Of("modal").size() == 1) << "only the question before the deletion";
    EXPECT_TRUE(newJournals().isEmpty());
    EXPECT_TRUE(session.Kept().isEmpty());
}

TEST(JournalInTheProgram, LinesTheTablesDoNotShowSurviveTheSaveAfterADeletionByteForByte)
{
    const QByteArray tuning = TuningLine{.Id = 7}.Line();
    const QByteArray sameKeys = TuningLine{.Id = 7, .Name = "Another tuning, same numbers"}.Line();
    const QByteArray tuningZero = TuningLine{.Id = 0, .Name = "Numbered 0"}.Line();
    const QByteArray imageZero = ImageLine{.Id = 0, .Tuning = 7}.Line();
    const QByteArray image = ImageLine{.Id = 9, .Tuning = 7}.Line();
    // A line written with lower-case digits is no other record, nor is a line once more.
    TJournalSession session(CrLfLines({tuning, sameKeys, tuningZero, image, imageZero, tuning.toLower(), image}));
    const TRunResult run = session.Run(DeleteFirstRow("sgImages", "sbImgDelete"));
    EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    // The header and one row each: the one tuning and the one image, then a blank row for the image deleted.
    const QList<TRecord> grids = run.Of("grid");
    ASSERT_EQ(grids.size(), 4);
    for (const TRecord &grid : grids)
        EXPECT_EQ(grid["rows"], "2") << qPrintable(grid["name"]);
    EXPECT_EQ(session.Journal(), CrLfLines({tuning, sameKeys, tuningZero, imageZero}));
    EXPECT_TRUE(session.Kept().isEmpty());
}

TEST(JournalInTheProgram, TheSplashTellsHowFarTheJournalIsReadAndASmallWindowThatItIsSavedAtTheEnd)
{
    const QByteArray journal = CrLfLines({TuningLine{.Id = 7}.Line(), ImageLine{.Id = 9, .Tuning = 7}.Line()});
    const QStringList reading[] = {{"Reading the journal: 0%", "Reading the journal: 100%"},
                                   {"Чтение журнала: 0%", "Чтение журнала: 100%"}};
    const QStringList saving[] = {{"Saving the journal: 0%", "Saving the journal: 100%"},
                                  {"Сохранение журнала: 0%", "Сохранение журнала: 100%"}};
    for (const int language : {1, 2}) {
        SCOPED_TRACE(language);
        TJournalSession session(journal);
        session.SetInteger("Language", language);
        const TRunResult run = session.Run(DeleteFirstRow("sgTunings", "sbTunDelete"));
        EXPECT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
        // Beside the splash's own last line, then in a window of its own with the busy cursor once the
        // program's windows have gone.
        EXPECT_EQ(run.Column("splash", "text").size(), 3);
        QStringList splash, window;
        for (const TRecord &progress : run.Of("progress")) {
            const bool onSplash = progress["window"] == "frmSplash";
            (onSplash ? splash : window) << progress["text"];
            EXPECT_EQ(progress["busy"], onSplash ? "0" : "1");
        }
        EXPECT_EQ(splash, reading[language - 1]);
        EXPECT_EQ(window, saving[language - 1]);
        EXPECT_EQ(session.Journal(), CrLfLines({ImageLine{.Id = 9, .Tuning = 7}.Line()}));
    }
}
