#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
// Each test is a user action of its own: what an action leaves for the event loop to end (a settings store
// failure already told, say) ends before the next test, as it would before the user's next click.
class TActionEnd : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo &) override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // No test may touch the user's real settings: every run gets a store of its own.
    QTemporaryDir settingsDir;
    qputenv("ORMEL_REGISTRY", QDir(settingsDir.path()).filePath("registry.txt").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit());
    // Text is laid out with the fresh machine's fonts, whatever else this one has installed.
    qputenv("FONTCONFIG_FILE", ORMEL_TEST_FONTCONFIG);

    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new TActionEnd);

    // A modal loop that nobody answers must fail the run, not hang it.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        std::fputs("test watchdog: a test ran longer than 100 s, aborting\n", stderr);
        std::_Exit(3);
    });
    watchdog.start(100000);
    return RUN_ALL_TESTS();
}
