#pragma once

// The journal file: Windows-1251 bytes, one record a line.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

using TJournalLineHandler = std::function<void(QByteArrayView line)>;

// Hands every line of bytes to `handler`, without its line end. CR LF, a bare LF and a bare CR each end a line;
// a last line needs no line end. Returns how many bytes were consumed: unless `atEnd`, a last line without
// line end (or ending in a CR that an LF may still follow) is left for the caller to complete.
qsizetype SplitJournalLines(QByteArrayView bytes, bool atEnd, const TJournalLineHandler &handler);

// Reads the journal in blocks and hands every line to `handler`. Raises EInOutError when the file cannot be
// opened or read.
void ReadJournalLines(const QString &fileName, const TJournalLineHandler &handler);

// Adds one line and its CR LF at the end of the journal, creating it when missing; a last line without line end
// is ended first. Raises EInOutError.
void AppendJournalLine(const QString &fileName, QByteArrayView line);

using TJournalLineSink = std::function<void(QByteArrayView line)>;
// Replaces the journal as a whole by the lines that `writeLines` hands to its sink, each followed by CR LF. The
// lines go, block by block, to a temporary file beside the journal that takes its place only when complete,
// so a failed rewrite (a write error, or an exception from `writeLines`) leaves the old journal as it was.
// Raises EInOutError.
void RewriteJournal(const QString &fileName, const std::function<void(const TJournalLineSink &)> &writeLines);
