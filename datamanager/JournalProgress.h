#pragma once

// How far a long read or write of the journal is, told to whoever shows the program's progress: the texts go
// to the application object's progress property of the plug-in contract, in the active language.

#include <QElapsedTimer>
#include <QtGlobal>
#include <functional>

class TJournalProgress {
public:
    enum class TTask { Reading, Saving };

    // Tells that the task begins (0 %).
    explicit TJournalProgress(TTask task);
    // Tells that the task is over: an empty text.
    ~TJournalProgress();
    TJournalProgress(const TJournalProgress &) = delete;
    TJournalProgress &operator=(const TJournalProgress &) = delete;

    // `done` of `total`; a new percentage is told, a few times a second at most, and always the last one.
    void Advance(qint64 done, qint64 total);

    // The language of the texts (1 English, 2 Russian), asked for each text; English until one is set.
    static void SetLanguage(std::function<int()> language);

private:
    void Tell(int percent);

    TTask task_;
    int percent_ = -1;
    QElapsedTimer told_;
};
