#pragma once

// The journal file: Windows-1251 bytes, one record a line.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>

struct XXH3_state_s;

using TJournalLineHandler = std::function<void(QByteArrayView line)>;

// Hands every line of bytes to `handler`, without its line end. CR LF, a bare LF and a bare CR each end a line;
// a last line needs no line end. Returns how many bytes were consumed: unless `atEnd`, a last line without
// line end (or ending in a CR that an LF may still follow) is left for the caller to complete.
qsizetype SplitJournalLines(QByteArrayView bytes, bool atEnd, const TJournalLineHandler &handler);

// A checksum of bytes handed over in pieces of any size (XXH3, 64 bits); it counts them too.
class TJournalChecksum {
public:
    TJournalChecksum() = default;
    TJournalChecksum(const TJournalChecksum &other);
    TJournalChecksum &operator=(const TJournalChecksum &other);
    ~TJournalChecksum();

    void Add(QByteArrayView bytes);
    qint64 Length() const { return length_; }
    quint64 Value() const;
    bool operator==(const TJournalChecksum &other) const
    {
        return length_ == other.length_ && Value() == other.Value();
    }

private:
    struct TFreeState {
        void operator()(XXH3_state_s *state) const;
    };
    // Made at the first bytes.
    std::unique_ptr<XXH3_state_s, TFreeState> state_;
    qint64 length_ = 0;
};

// What the file system tells of a file without reading it. Any write gives it a new status-change time.
struct TJournalFileState {
    quint64 Device = 0;
    quint64 Inode = 0;
    qint64 Size = -1;
    qint64 ModifiedNs = 0;
    qint64 ChangedNs = 0;
    bool operator==(const TJournalFileState &other) const = default;
};

// The journal file as this program last read or wrote it, so that a change by another hand can be told.
struct TJournalStamp {
    QString FileName; // empty: nothing is known
    bool Exists = false;
    TJournalFileState File;
    TJournalChecksum Bytes;
    // The file changed so short a time before it was stamped that a change made just after could keep all of
    // its times (file-system clocks are coarse): until its bytes are seen again, only they can tell.
    bool Settled = false;

    bool Knows(const QString &fileName) const;
};

// The clock of the change check, in nanoseconds since the epoch. Tests put another in its place to make a read
// take as long as they need.
extern qint64 (*JournalClock)();

// How far a read is: called after each block with the bytes read of the whole file.
using TReadProgress = std::function<void(qint64 done, qint64 total)>;

// Reads the journal in blocks and hands every line to `handler`; returns the stamp of what it read, whose
// checksum is taken in the same pass. `progress` hears of the bytes read. Raises EInOutError when the file
// cannot be opened or read.
TJournalStamp ReadJournalLines(const QString &fileName, const TJournalLineHandler &handler,
                               const TReadProgress &progress = {});

// The stamp of a journal that does not exist.
TJournalStamp MissingJournal(const QString &fileName);

// Whether the file is still as `stamp` knew it. A file that is gone is taken as unchanged: writing it again
// loses nothing. The file's bytes are read only when its status cannot tell; once they were seen unchanged,
// its status tells from then on. Raises EInOutError when the file cannot be read.
bool JournalUnchanged(TJournalStamp &stamp);

// Adds lines (each with its line end) where the journal ends, creating it when missing; a last line without
// line end is ended first. A failed write takes this program's bytes back out of the file, keeping what another
// program appended meanwhile, and raises EInOutError. A stamp that knows the file is brought up to date; after a
// failure it compares the file's bytes before it takes the file for unchanged.
void AppendJournalLines(const QString &fileName, QByteArrayView lines, TJournalStamp &stamp);

// The lines of a rewrite on their way to the file: a writer adds the bytes of a line to Bytes() and ends the
// line with EndLine(); each full block of lines goes on to `write`.
class TJournalOutput {
public:
    static constexpr qsizetype BlockSize = qsizetype(1) << 20;

    explicit TJournalOutput(std::function<void(QByteArrayView block)> write);
    QByteArray &Bytes() { return block_; }
    void EndLine()
    {
        block_.append("\r\n", 2);
        if (block_.size() >= BlockSize)
            Flush();
    }
    void AddLine(QByteArrayView line)
    {
        block_.append(line);
        EndLine();
    }
    // Hands on what is gathered.
    void Flush();

private:
    std::function<void(QByteArrayView block)> write_;
    QByteArray block_;
};

// Removes the new journals that rewrites of this journal left beside the file it names when their program was
// ended half-way; a new journal that a running program still writes is locked, and stays.
void RemoveJournalLeftovers(const QString &fileName);

// Replaces the journal as a whole by the lines that `writeLines` adds to its output. The lines go, block by
// block, to a new file beside the journal that takes its place only when complete, synced to the disk, and
// when `mayReplace` (called just before) raises nothing; so a failed rewrite (a write error, an exception from
// `writeLines` or `mayReplace`) leaves the old journal as it was, and so does a program ended half-way (its new
// file is left for RemoveJournalLeftovers). The folder is synced after the replacement, so the new journal
// outlasts a power cut. Returns the stamp of the new journal. Raises EInOutError.
TJournalStamp RewriteJournal(const QString &fileName, const std::function<void(TJournalOutput &)> &writeLines,
                             const std::function<void()> &mayReplace = {});
