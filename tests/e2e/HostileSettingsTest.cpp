// Settings that a damaged or hostile store holds, met by the real program: window places far beyond the screen and
// palettes that cannot be read neither bring it down nor destroy what the user has stored; another program on the
// same store keeps what it stored, and one that holds the store's lock traps no window.

#include "HostSession.h"
#include "JournalSamples.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <climits>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
const QString Window = QStringLiteral("frmLumbra");

// A program folder with both plug-ins and a tuning and a level image to show.
class TLumbraSession : public THostSession {
public:
    TLumbraSession() : THostSession({"korvath.so", "lumbra.so"})
    {
        const TuningLine tuning{.Id = 7, .Name = "Pump"};
        const ImageLine level{.Id = 21, .Tuning = 7, .ImageType = 1, .PictureHex = Picture(120 * 120)};
        Write("ormeldata.txt", CrLfLines({tuning.Line(), level.Line()}));
    }
    void StorePlace(const QString &key, int top, int left, int height, int width) const
    {
        SetString("State", "Normal", key);
        SetInteger("Top", top, key);
        SetInteger("Left", left, key);
        SetInteger("Height", height, key);
        SetInteger("Width", width, key);
    }
};

QString Open() { return Line({"click-menu", "0", "0"}); }
} // namespace

TEST(HostileSettingsInTheProgram, StoredWindowPlacesAreTakenOnlyWithinTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const int far : {INT_MAX, 65536}) {
        TLumbraSession session;
        session.StorePlace({}, 0, 0, far, far);
        session.StorePlace("LUMBRA", far, far, far, far);
        const TRunResult run = session.Run({Open(), Line({"windows"}), Line({"close", Window})});
        ASSERT_EQ(run.ExitCode, 0) << far << qPrintable(run.Errors);
        EXPECT_TRUE(run.Of("modal").isEmpty()) << far;
        for (const QString &name : {QStringLiteral("frmMain"), Window}) {
            const std::optional<TRecord> window = run.Find("window", "name", name);
            ASSERT_TRUE(window) << qPrintable(name);
            const QRect place((*window)["left"].toInt(), (*window)["top"].toInt(), (*window)["width"].toInt(),
                              (*window)["height"].toInt());
            EXPECT_TRUE(screen.contains(place)) << far << ' ' << qPrintable(name);
        }
        // What the windows store at the end is the place they had.
        EXPECT_LE(*session.Integer("Width", "LUMBRA"), screen.width());
        EXPECT_LE(*session.Integer("Left", "LUMBRA") + *session.Integer("Width", "LUMBRA"), screen.right() + 1);
        EXPECT_LE(*session.Integer("Height"), screen.height());
    }

    // A place of no size is no place: the window keeps the size it was built with.
    TLumbraSession session;
    session.StorePlace("LUMBRA", 10, 10, 0, -300);
    const TRunResult run = session.Run({Open(), Line({"windows"})});
    ASSERT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    const std::optional<TRecord> window = run.Find("window", "name", Window);
    ASSERT_TRUE(window);
    EXPECT_GT((*window)["width"].toInt(), 100);
    EXPECT_GT((*window)["height"].toInt(), 100);
}

TEST(HostileSettingsInTheProgram, APaletteThatCannotBeReadIsNamedAndLeftAsItIsUntilTheUserStoresOne)
{
    const QString key = QStringLiteral("LUMBRA\\ColorSettings");
    // Eight entries, but for the one left out.
    const auto store = [&key](const TLumbraSession &session, const QString &missing = {}) {
        for (int i = 0; i < 8; ++i) {
            if ("Level" + QString::number(i) != missing)
                session.SetInteger("Level" + QString::number(i), 10 * (i + 1), key);
            session.SetInteger("Color" + QString::number(i), 0x010101 * (i + 1), key);
        }
    };
    for (const QString &bad : {QStringLiteral("Level0"), QStringLiteral("Level3")}) {
        TLumbraSession session;
        store(session, bad);
        if (bad == "Level0")
            session.SetInteger(bad, 256, key);
        const TRunResult run = session.Run({
            Open(), Line({"select", Window, "sgImages", "1"}),
            // The palette dialog cancelled: it reloads, and closing the window stores nothing of it.
            Answer({"2"}), Line({"press", Window, "pbColor"}), Line({"close", Window}),
        });
        ASSERT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
        const QList<TRecord> boxes = run.Of("modal");
        ASSERT_GE(boxes.size(), 1) << qPrintable(bad);
        EXPECT_EQ(boxes[0]["kind"], "message");
        EXPECT_TRUE(boxes[0]["text"].contains("'" + bad + "' in HKEY_CURRENT_USER\\Software\\Kelmar\\OrmelSW\\" + key))
            << qPrintable(boxes[0]["text"]);
        EXPECT_EQ(run.Of("modal").size(), 2) << "one box, then the palette dialog";
        EXPECT_EQ(session.Integer(bad, key), bad == "Level0" ? std::optional<int>(256) : std::nullopt);
        for (int i = 1; i < 8; ++i) {
            if ("Level" + QString::number(i) != bad) {
                EXPECT_EQ(session.Integer("Level" + QString::number(i), key), 10 * (i + 1)) << i;
            }
            EXPECT_EQ(session.Integer("Color" + QString::number(i), key), 0x010101 * (i + 1)) << i;
        }
    }

    // Once the user confirms a palette in the dialog, it is the one stored.
    TLumbraSession session;
    store(session);
    session.SetInteger("Level0", 256, key);
    const TRunResult run = session.Run({Open(), Answer({"1", "click=buOK"}), Line({"press", Window, "pbColor"}),
                                        Line({"close", Window})});
    ASSERT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_EQ(session.Integer("Level0", key), 6);
    EXPECT_EQ(session.Integer("Level7", key), 48);
}

// While this program's window is open, another program on the same store sets a criterion of the tunings in its
// criteria dialog and closes its window, and a palette colour is stored; this program's OK in the images' criteria
// dialog and the close of its window then store only what changed here.
TEST(HostileSettingsInTheProgram, WhatAnotherProgramStoresMeanwhileSurvivesThisProgramsWindow)
{
    const QString tunings = QStringLiteral("LUMBRA\\FieldsSettings\\Tunings");
    const QString images = QStringLiteral("LUMBRA\\FieldsSettings\\Images");
    const QString colours = QStringLiteral("LUMBRA\\ColorSettings");
    TLumbraSession session;
    const TRunResult run = session.Run(
        {Open(), session.Pause(),
         Answer({"1", "choose=pcFields:3", "choose=cbDataCrit:2", "set=edDataValue:Pump"}),
         Line({"press", Window, "sbImgCrit"}), Line({"close", Window})},
        [&](QProcess &) {
            const TRunResult other = session.Run({Open(),
                                                  Answer({"1", "choose=pcFields:2", "choose=cbDataCrit:1",
                                                          "set=edDataValue:777"}),
                                                  Line({"press", Window, "sbTunCrit"}), Line({"close", Window})});
            EXPECT_EQ(other.ExitCode, 0) << qPrintable(other.Errors);
            ASSERT_EQ(session.String("DataValue2", tunings), "777");
            session.SetInteger("Color5", 0x123456, colours);
        });
    ASSERT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_TRUE(run.Of("modal").size() == 1) << "only the criteria dialog";
    EXPECT_EQ(session.String("DataOperation2", tunings), "1");
    EXPECT_EQ(session.String("DataValue2", tunings), "777");
    EXPECT_EQ(session.String("DataOperation3", images), "2");
    EXPECT_EQ(session.String("DataValue3", images), "Pump");
    EXPECT_EQ(session.Integer("Color5", colours), 0x123456);
    EXPECT_EQ(session.Integer("Level7", colours), 48);
}

// Another program holds the store's lock while this one closes its window and confirms its options: the window
// closes and the options dialog's OK goes through, and each tells once which file it could not lock and why. The
// program then ends as usual.
TEST(HostileSettingsInTheProgram, AStoreAnotherProgramKeepsLockedTrapsNoWindowAndIsToldOnce)
{
    TLumbraSession session;
    session.Write("other.txt", {});
    int lock = -1;
    const TRunResult run = session.Run(
        {Open(), session.Pause(), Line({"close", Window}), Line({"windows"}),
         Answer({"1", "edFile.Text=" + session.File("other.txt")}), Line({"click", "Options1"}), session.Pause()},
        [&](QProcess &) {
            if (lock >= 0) {
                ::close(std::exchange(lock, -1));
                return;
            }
            lock = ::open(QFile::encodeName(session.File("registry.txt.lock")).constData(), O_RDWR | O_CREAT, 0600);
            ASSERT_EQ(::flock(lock, LOCK_EX), 0);
        });
    ASSERT_EQ(run.ExitCode, 0) << qPrintable(run.Errors);
    EXPECT_EQ(lock, -1);
    const std::optional<TRecord> window = run.Find("window", "name", Window);
    ASSERT_TRUE(window);
    EXPECT_EQ((*window)["visible"], "0");
    const QStringList told = run.Column("modal", "text").filter("Cannot lock the settings file");
    ASSERT_EQ(told.size(), 2) << qPrintable(run.Column("modal", "text").join('\n'));
    for (const QString &text : told)
        EXPECT_TRUE(text.contains(session.File("registry.txt") + " through " + session.File("registry.txt.lock")
                                  + ": another program has held it for more than 5 seconds"))
            << qPrintable(text);
    EXPECT_TRUE(told[0].startsWith("From LUMBRA-C:")) << qPrintable(told[0]);
    EXPECT_TRUE(told[1].startsWith("TMenuItem - ")) << qPrintable(told[1]);
    EXPECT_FALSE(session.String("DataFile"));
    EXPECT_TRUE(session.Integer("Width"));
}
