// Settings store benchmark (run by hand): settings_store_benchmark [--runs N] [--dir FOLDER] [records]
//
// Drives the inspection plug-in's real window in this process over a sample journal (1,000 records unless given)
// and counts, for each user action that reaches the settings store, how often the store file is rewritten and how
// long the action takes: opening the window, OK in the column criteria dialog (one criterion changed) and closing
// the window; first on an empty store, where every value is new, then again with the values stored. The
// reference, measured in the same run, is one rewrite of the same store for one changed value.
// FOLDER holds the store and the journal (a temporary folder unless given): put it on a slow disk to see what
// each rewrite, synced to the disk, costs there.

#include "BenchSession.h"
#include "controls/Edit.h"
#include "controls/PageControl.h"
#include "forms/ModalHook.h"
#include "mainwindow/LumbraWindow.h"
#include "registry/Registry.h"
#include "tables/CriteriaDialog.h"

#include "BenchTiming.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/inotify.h>
#include <unistd.h>
#include <vector>

namespace {
// Counts the rewrites of the store: each one is a finished file renamed (or, where there was none, linked) into
// its place.
class TRewriteCounter {
public:
    explicit TRewriteCounter(const QString &folder)
    {
        fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (fd_ >= 0)
            ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CREATE);
    }
    ~TRewriteCounter()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TRewriteCounter(const TRewriteCounter &) = delete;
    TRewriteCounter &operator=(const TRewriteCounter &) = delete;

    // The rewrites of registry.txt since the last call.
    int Take()
    {
        int count = 0;
        alignas(inotify_event) char buffer[16384];
        for (ssize_t size; fd_ >= 0 && (size = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char *at = buffer; at < buffer + size;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                if (event->len > 0 && qstrcmp(event->name, "registry.txt") == 0)
                    ++count;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return count;
    }

private:
    int fd_ = -1;
};

struct TAction {
    std::vector<double> Times;
    std::vector<int> Rewrites;
};

void Figure(const char *what, TAction &action, double reference)
{
    std::sort(action.Times.begin(), action.Times.end());
    std::sort(action.Rewrites.begin(), action.Rewrites.end());
    const double ms = action.Times[action.Times.size() / 2];
    std::printf("  %-32s %8.2f ms  %4d store rewrites   one rewrite %6.2f ms  (x%.1f)\n", what, ms,
                action.Rewrites[action.Rewrites.size() / 2], reference, ms / std::max(reference, 1e-3));
}

bool Run(int records, int runs, const QString &folder)
{
    const QString path = QDir(folder).filePath("ormeldata.txt");
    if (!WriteSampleJournal(records, path))
        return false;
    const TLumbraSession session(path);
    TfrmLumbra *form = frmLumbra;
    std::printf("%d records, settings store %s\n", records, qPrintable(QDir(folder).filePath("registry.txt")));

    TRewriteCounter rewrites(folder);
    const QString store = QDir(folder).filePath("registry.txt");
    // The dialog's user changes the tuning ID criterion's operand on every run, so each OK has a change to store.
    int value = 0;
    int written = 0;
    const TModalHookScope user([&value](const TModalRequest &request) {
        auto *dialog = dynamic_cast<TfrmGridCrit *>(request.Source);
        if (!dialog)
            return int(mrCancel);
        dialog->pcFields->SetActivePageIndex(2);
        dialog->pcFieldsChange(dialog);
        dialog->edDataValue->SetText(QString::number(++value));
        return int(mrOk);
    });
    for (const bool empty : {true, false}) {
        TAction open, criteria, close, single;
        for (int run = 0; run < runs; ++run) {
            if (empty)
                QFile::remove(store);
            rewrites.Take();
            open.Times.push_back(Milliseconds([] { TmpObj->DoConfigAction(nullptr); }));
            open.Rewrites.push_back(rewrites.Take());
            QApplication::processEvents();
            criteria.Times.push_back(Milliseconds([form] { form->EditCriteria(form->sgTunings); }));
            criteria.Rewrites.push_back(rewrites.Take());
            close.Times.push_back(Milliseconds([form] { form->Close(); }));
            close.Rewrites.push_back(rewrites.Take());
            QApplication::processEvents();
            single.Times.push_back(Milliseconds([&written] {
                TRegistry registry;
                registry.OpenKey(QStringLiteral("\\Software\\Kelmar\\OrmelSW\\Benchmark"), true);
                registry.WriteInteger("Written", ++written);
            }));
            single.Rewrites.push_back(rewrites.Take());
        }
        std::sort(single.Times.begin(), single.Times.end());
        const double reference = single.Times[single.Times.size() / 2];
        std::printf(empty ? " on an empty store:\n" : " with the values stored:\n");
        Figure("opening the window", open, reference);
        Figure("OK in the criteria dialog", criteria, reference);
        Figure("closing the window", close, reference);
    }
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int runs = 5;
    int records = 1000;
    QString dir;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == "--runs" && i + 1 < args.size())
            runs = args[++i].toInt(&ok);
        else if (args[i] == "--dir" && i + 1 < args.size())
            dir = args[++i];
        else
            records = args[i].toInt(&ok);
        if (!ok || runs < 1 || records < 1) {
            std::fprintf(stderr, "Usage: settings_store_benchmark [--runs N] [--dir FOLDER] [records]\n");
            return 2;
        }
    }
    QTemporaryDir temporary(dir.isEmpty() ? QDir::tempPath() + "/settings_store_benchmark-XXXXXX"
                                          : QDir(dir).filePath("settings_store_benchmark-XXXXXX"));
    qputenv("ORMEL_REGISTRY", QFile::encodeName(QDir(temporary.path()).filePath("registry.txt")));
    return Run(records, runs, temporary.path()) ? 0 : 1;
}
