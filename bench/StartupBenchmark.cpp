// Start-up benchmark (run by hand): startup_benchmark [--runs N] [--dir FOLDER] [records]
//
// Writes a sample journal (100,000 records unless given) into a program folder of its own with rostrel and its
// real plug-ins, then times the program from its start to its main window shown with the journal loaded (the
// automation hook's first report from the shown window), and to its clean end right after. Beside it, in the
// same run, the same for plain_journal_program, a plain Qt program that reads the same journal into tables of
// its own. The runs alternate between the two; the figures are medians. Both run headless (offscreen) unless
// QT_QPA_PLATFORM says otherwise.

#include "SampleJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
struct TTimes {
    double ShownMs = -1;
    double EndedMs = -1;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the program until it ends; `isShown` tells the output line that says its window shows.
TTimes Run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
           const std::function<bool(const QByteArray &line)> &isShown)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    TTimes times;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(1);
        while (times.ShownMs < 0 && process.canReadLine())
            if (isShown(process.readLine().trimmed()))
                times.ShownMs = double(clock.nsecsElapsed()) / 1e6;
    }
    times.EndedMs = double(clock.nsecsElapsed()) / 1e6;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || times.ShownMs < 0)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
    return times;
}

void Row(const char *what, double rostrel, double plain)
{
    std::printf("  %-38s rostrel %8.1f ms   plain program %8.1f ms   rostrel / plain %5.2f\n", what, rostrel, plain,
                rostrel / plain);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    int runs = 7;
    int records = 100000;
    QString folder = QDir::tempPath();
    for (int i = 0; i < arguments.size(); ++i) {
        bool ok = true;
        if (arguments[i] == "--runs" && i + 1 < arguments.size())
            runs = arguments[++i].toInt(&ok);
        else if (arguments[i] == "--dir" && i + 1 < arguments.size())
            folder = arguments[++i];
        else
            records = arguments[i].toInt(&ok);
        if (!ok || runs < 1 || records < 1) {
            std::fprintf(stderr, "Usage: startup_benchmark [--runs N] [--dir FOLDER] [records]\n");
            return 2;
        }
    }
    QTemporaryDir programFolder(QDir(folder).filePath("startup-benchmark-XXXXXX"));
    const QDir dir(programFolder.path());
    for (const char *file : {"rostrel", "korvath.so", "lumbra.so"})
        if (!QFile::copy(QDir(ORMEL_BIN_DIR).filePath(file), dir.filePath(file))) {
            std::fprintf(stderr, "cannot copy %s into %s\n", file, qPrintable(dir.path()));
            return 1;
        }
    const QString journal = dir.filePath("ormeldata.txt");
    QFile journalFile(journal);
    const QByteArray bytes = SampleJournalBytes(MakeSampleJournal(records, 1));
    QFile script(dir.filePath("script.txt"));
    if (!journalFile.open(QIODevice::WriteOnly) || journalFile.write(bytes) != bytes.size()
        || !script.open(QIODevice::WriteOnly) || script.write("dump\n") != 5) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(dir.path()));
        return 1;
    }
    journalFile.close();
    script.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains("QT_QPA_PLATFORM"))
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("ORMEL_REGISTRY", dir.filePath("registry.txt"));
    environment.insert("XDG_CONFIG_HOME", dir.path());
    environment.insert("ORMEL_AUTOMATION", script.fileName());
    // The script's first report comes once the main window shows; the splash's lines come before it.
    const auto rostrelShown = [](const QByteArray &line) {
        return !line.startsWith("splash\t") && !line.startsWith("progress\t");
    };
    const auto plainShown = [](const QByteArray &line) { return line == "shown"; };
    const QString plain = QDir(QCoreApplication::applicationDirPath()).filePath("plain_journal_program");

    std::printf("Start-up benchmark in %s: %d records, %.1f MB, %s, median of %d runs\n", qPrintable(dir.path()),
                records, double(bytes.size()) / 1e6, qPrintable(environment.value("QT_QPA_PLATFORM")), runs);
    // Once each first, so that both find the journal and their libraries in the page cache.
    Run(dir.filePath("rostrel"), {}, environment, rostrelShown);
    Run(plain, {journal, "--quit"}, environment, plainShown);
    std::vector<double> shown[2], ended[2];
    for (int i = 0; i < runs; ++i) {
        const TTimes own = Run(dir.filePath("rostrel"), {}, environment, rostrelShown);
        const TTimes reference = Run(plain, {journal, "--quit"}, environment, plainShown);
        shown[0].push_back(own.ShownMs);
        ended[0].push_back(own.EndedMs);
        shown[1].push_back(reference.ShownMs);
        ended[1].push_back(reference.EndedMs);
    }
    Row("start to main window shown", Median(shown[0]), Median(shown[1]));
    Row("start to clean end right after", Median(ended[0]), Median(ended[1]));
    return 0;
}
