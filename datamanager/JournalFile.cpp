#include "JournalFile.h"

#include "classes/SaveFile.h"
#include "rtl/Exceptions.h"

#include <QDir>
#include <QFile>
#include <cstring>

namespace {
constexpr qint64 BlockSize = qint64(1) << 20;

const char *Find(const char *from, const char *end, char c)
{
    const void *found = from < end ? std::memchr(from, c, size_t(end - from)) : nullptr;
    return found ? static_cast<const char *>(found) : end;
}

[[noreturn]] void FileError(const char *what, const QString &fileName, const QString &reason)
{
    throw EInOutError(QString("%1 \"%2\": %3").arg(QLatin1String(what), QDir::toNativeSeparators(fileName), reason));
}
} // namespace

qsizetype SplitJournalLines(QByteArrayView bytes, bool atEnd, const TJournalLineHandler &handler)
{
    const char *begin = bytes.data();
    const char *end = begin + bytes.size();
    const char *line = begin;
    const char *lf = Find(line, end, '\n');
    const char *cr = Find(line, end, '\r');
    while (true) {
        const char *eol = qMin(lf, cr);
        if (eol == end)
            break;
        const char *next = eol + 1;
        if (*eol == '\r') {
            if (next == end && !atEnd)
                break;
            if (next != end && *next == '\n')
                ++next;
        }
        handler(QByteArrayView(line, eol - line));
        line = next;
        if (lf < line)
            lf = Find(line, end, '\n');
        if (cr < line)
            cr = Find(line, end, '\r');
    }
    if (atEnd && line != end) {
        handler(QByteArrayView(line, end - line));
        line = end;
    }
    return line - begin;
}

void ReadJournalLines(const QString &fileName, const TJournalLineHandler &handler)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        FileError("Cannot open file", fileName, file.errorString());
    QByteArray buffer;
    bool atEnd = false;
    while (!atEnd) {
        const qsizetype kept = buffer.size();
        buffer.resize(kept + BlockSize);
        const qint64 read = file.read(buffer.data() + kept, BlockSize);
        if (read < 0)
            FileError("Cannot read file", fileName, file.errorString());
        buffer.resize(kept + read);
        atEnd = read == 0;
        buffer.remove(0, SplitJournalLines(buffer, atEnd, handler));
    }
}

void AppendJournalLine(const QString &fileName, QByteArrayView line)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite))
        FileError("Cannot open file", fileName, file.errorString());
    // A last line without line end would take the new line in as its own end: close it first.
    char last = '\n';
    if (file.size() > 0 && !(file.seek(file.size() - 1) && file.getChar(&last)))
        FileError("Cannot read file", fileName, file.errorString());
    const QByteArray lineEnd = "\r\n";
    const QByteArray head = last == '\n' || last == '\r' ? QByteArray() : lineEnd;
    if (!file.seek(file.size()) || file.write(head) != head.size() || file.write(line.data(), line.size()) != line.size()
        || file.write(lineEnd) != lineEnd.size() || !file.flush())
        FileError("Cannot write file", fileName, file.errorString());
}

void RewriteJournal(const QString &fileName, const std::function<void(const TJournalLineSink &)> &writeLines)
{
    TSaveFile file(fileName);
    if (!file.OpenForWriting())
        FileError("Cannot create file", fileName, file.errorString());
    // One block of lines at a time: a journal of any size needs no more memory than that.
    QByteArray block;
    block.reserve(BlockSize + BlockSize / 4);
    auto writeBlock = [&] {
        if (file.write(block) != block.size())
            FileError("Cannot write file", fileName, file.errorString());
        block.resize(0);
    };
    writeLines([&](QByteArrayView line) {
        block.append(line).append("\r\n", 2);
        if (block.size() >= BlockSize)
            writeBlock();
    });
    writeBlock();
    if (!file.commit())
        FileError("Cannot write file", fileName, file.errorString());
}
