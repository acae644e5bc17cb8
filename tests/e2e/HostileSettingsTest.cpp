// Settings that a damaged or hostile store holds, met by the real program: window places far beyond the screen and
// palettes that cannot be read neither bring it down nor destroy what the user has stored.

#include "HostSession.h"
#include "JournalSamples.h"

#include <QGuiApplication>
#include <QScreen>
#include <climits>
#include <gtest/gtest.h>

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
