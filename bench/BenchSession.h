#pragma once

// What the benchmarks that drive the inspection plug-in's windows share: their main, the sample journal they load
// and the plug-in registered on it.

#include "DataManager.h"
#include "SampleJournal.h"
#include "mainwindow/LumbraWindow.h"
#include "mlLangDispatcher.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>

// The benchmark's main: on the offscreen platform unless another is asked for, with a settings store of its own
// in a temporary folder, it reads "[--runs N] [COUNT]" from the command line (each one given replaces its
// default) and runs `run` (count, runs, the folder). The exit code: 2 with the usage told when an argument is not
// a number of at least 1, else 0 when the run succeeded.
inline int RunBenchmark(int argc, char **argv, int runs, int count, const char *usage,
                        const std::function<bool(int, int, const QString &)> &run)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    qputenv("ORMEL_REGISTRY", QDir(folder.path()).filePath("registry.txt").toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == "--runs" && i + 1 < args.size())
            runs = args[++i].toInt(&ok);
        else
            count = args[i].toInt(&ok);
        if (!ok || runs < 1 || count < 1) {
            std::fprintf(stderr, "Usage: %s\n", usage);
            return 2;
        }
    }
    return run(count, runs, folder.path()) ? 0 : 1;
}

// A sample journal of that many tunings and images, about half of each.
inline bool WriteSampleJournal(int records, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)
        && file.write(SampleJournalBytes(MakeSampleJournal(records, 1, TSampleMix::TuningsAndImages))) >= 0)
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The plug-in registered, as the host registers it, on the data manager of a journal, with a language dispatcher
// of its own; unregistered when the session ends.
class TLumbraSession {
public:
    explicit TLumbraSession(const QString &journal)
        : manager_(NewObject<TOrmelDataManager>(&TOrmelDataManager::CreateFromFile, journal)),
          dispatcher_(std::make_unique<TmlLangDispatcher>(nullptr))
    {
        TDataManager *shared = manager_.get();
        std::uint8_t isDataManager = 1;
        RegisterLumbra(nullptr, &isDataManager, &shared, dispatcher_.get());
    }
    ~TLumbraSession() { UnregisterLumbra(); }
    TLumbraSession(const TLumbraSession &) = delete;
    TLumbraSession &operator=(const TLumbraSession &) = delete;

    TDataManager *Manager() const { return manager_.get(); }

private:
    std::unique_ptr<TOrmelDataManager> manager_;
    std::unique_ptr<TmlLangDispatcher> dispatcher_;
};
