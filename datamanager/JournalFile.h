#pragma once

// The journal file: Windows-1251 bytes, one record a line.

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <functional>

using TJournalLineHandler = std::function<void(QByteArrayView line)>;

// Hands every line of bytes to `handler`, without its line end. CR LF, a bare LF and a bare CR each end a line;
// a last line needs no line end. Returns how many bytes were consumed: unless `atEnd`, a last line without
// line end (or ending in a CR that an LF may still follow) is left for the caller to complete.
qsizetype SplitJournalLines(QByteArrayView bytes, bool atEnd, const TJournalLineHandler &handler);

// A checksum of bytes handed over in pieces of any size; it counts them too.
class TJournalChecksum {
public:
    void Add(QByteArrayView bytes);
    qint64 Length() const { return length_; }
    quint64 Value() const;
    bool operator==(const TJournalChecksum &other) const
    {
        return length_ == other.length_ && Value() == other.Value();
    }

private:
    void Mix(quint64 word);

    quint64 hash_ = 0xcbf29ce484222325u;
    quint64 tail_ = 0;
    int tailBytes_ = 0;
    qint64 length_ = 0;
};

// The journal file as this program last read or wrote it, so that a change by another hand can be told.
struct TJournalStamp {
    QString FileName; // empty: nothing is known
    bool Exists = false;
    QDateTime Modified;
    TJournalChecksum Bytes;

    bool Knows(const QString &fileName) const;
};

// Reads the journal in blocks and hands every line to `handler`; returns the stamp of what it read. Raises
// EInOutError when the file cannot be opened or read.
TJournalStamp ReadJournalLines(const QString &fileName, const TJournalLineHandler &handler);

// The stamp of a journal that does not exist.
TJournalStamp MissingJournal(const QString &fileName);

// Whether the file is still as `stamp` knew it. A file that is gone is taken as unchanged: writing it again
// loses nothing. Raises EInOutError when the file cannot be read.
bool JournalUnchanged(const TJournalStamp &stamp);

// Adds lines (each with its line end) at the end of the journal, creating it when missing; a last line without
// line end is ended first. A failed write takes the file back to its length before and raises EInOutError.
// A stamp that knows the file is brought up to date.
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

// Replaces the journal as a whole by the lines that `writeLines` adds to its output. The lines go, block by
// block, to a temporary file beside the journal that takes its place only when complete, so a failed rewrite
// (a write error, or an exception from `writeLines`) leaves the old journal as it was. Returns the stamp of
// the new journal. Raises EInOutError.
TJournalStamp RewriteJournal(const QString &fileName, const std::function<void(TJournalOutput &)> &writeLines);
