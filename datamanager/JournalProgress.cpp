#include "JournalProgress.h"

#include "PluginContract.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>
#include <utility>

namespace {
// Each text repaints the window that shows it: more often would slow the work it tells of.
constexpr qint64 TellEveryMs = 100;

std::function<int()> &Language()
{
    static std::function<int()> language;
    return language;
}

QString Text(TJournalProgress::TTask task, int percent)
{
    const bool russian = Language() && Language()() == 2;
    // Short: the splash has room for one line beside its own.
    const char *text = task == TJournalProgress::TTask::Reading
                           ? (russian ? "Чтение журнала: %1%" : "Reading the journal: %1%")
                           : (russian ? "Сохранение журнала: %1%" : "Saving the journal: %1%");
    return QString::fromUtf8(text).arg(percent);
}

void Publish(const QString &text)
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->setProperty(PluginProgressProperty, text);
}
} // namespace

TJournalProgress::TJournalProgress(TTask task) : task_(task) { Tell(0); }

TJournalProgress::~TJournalProgress() { Publish(QString()); }

void TJournalProgress::Advance(qint64 done, qint64 total)
{
    const int percent = total > 0 ? int(qBound<qint64>(0, done * 100 / total, qint64(100))) : 100;
    if (percent != percent_ && (percent == 100 || told_.elapsed() >= TellEveryMs))
        Tell(percent);
}

void TJournalProgress::SetLanguage(std::function<int()> language) { Language() = std::move(language); }

void TJournalProgress::Tell(int percent)
{
    percent_ = percent;
    told_.start();
    Publish(Text(task_, percent));
}
