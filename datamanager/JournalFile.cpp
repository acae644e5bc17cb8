#include "JournalFile.h"

#include "classes/SaveFile.h"
#include "rtl/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {
constexpr qint64 BlockSize = TJournalOutput::BlockSize;

const char *Find(const char *from, const char *end, char c)
{
    const void *found = from < end ? std::memchr(from, c, size_t(end - from)) : nullptr;
    return found ? static_cast<const char *>(found) : end;
}

// The cause as the system names it: a device reports "Unknown error" for some failures whose errno is set.
QString Cause(const QFileDevice &file, int error)
{
    const QString reason = file.errorString();
    if (error != 0 && (reason.isEmpty() || reason == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(error));
    return reason;
}

[[noreturn]] void FileError(const char *what, const QString &fileName, const QString &cause)
{
    throw EInOutError(QString("%1 \"%2\": %3").arg(QLatin1String(what), QDir::toNativeSeparators(fileName), cause));
}

[[noreturn]] void FileError(const char *what, const QString &fileName, const QFileDevice &file)
{
    const int error = errno;
    FileError(what, fileName, Cause(file, error));
}

// A pipe or a device is no journal: opening it would wait for a writer, and reading it might never end.
void OpenJournal(QFile &file, const QString &fileName, QIODevice::OpenMode mode)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        FileError("Cannot open file", fileName, QStringLiteral("it is not a regular file"));
    errno = 0;
    if (!file.open(mode))
        FileError("Cannot open file", fileName, file);
}

// Asked afresh of the file system: an open file may answer from what it learnt earlier.
QDateTime ModificationTime(const QString &fileName) { return QFileInfo(fileName).lastModified(); }

TJournalStamp ExistingJournal(const QString &fileName)
{
    TJournalStamp stamp;
    stamp.FileName = fileName;
    stamp.Exists = true;
    return stamp;
}

// Reads the open file from its start in blocks; `block` gets each one.
void ReadBlocks(QFile &file, const QString &fileName, const std::function<void(QByteArray &buffer, bool atEnd)> &block)
{
    QByteArray buffer;
    bool atEnd = false;
    while (!atEnd) {
        const qsizetype kept = buffer.size();
        buffer.resize(kept + BlockSize);
        errno = 0;
        const qint64 read = file.read(buffer.data() + kept, BlockSize);
        if (read < 0)
            FileError("Cannot read file", fileName, file);
        buffer.resize(kept + read);
        atEnd = read == 0;
        block(buffer, atEnd);
    }
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

void TJournalChecksum::Mix(quint64 word)
{
    hash_ = (hash_ ^ word) * 0x100000001b3u;
    hash_ ^= hash_ >> 29;
}

void TJournalChecksum::Add(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    length_ += bytes.size();
    for (; p != end && tailBytes_ != 0; ++p) {
        tail_ |= quint64(quint8(*p)) << (8 * tailBytes_);
        if (++tailBytes_ == 8) {
            Mix(tail_);
            tail_ = 0;
            tailBytes_ = 0;
        }
    }
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        Mix(word);
    }
    for (; p != end; ++p)
        tail_ |= quint64(quint8(*p)) << (8 * tailBytes_++);
}

quint64 TJournalChecksum::Value() const
{
    TJournalChecksum last = *this;
    last.Mix(tail_ ^ quint64(tailBytes_) << 56);
    last.Mix(quint64(length_));
    return last.hash_;
}

bool TJournalStamp::Knows(const QString &fileName) const
{
    return !FileName.isEmpty() && QFileInfo(FileName).absoluteFilePath() == QFileInfo(fileName).absoluteFilePath();
}

TJournalStamp ReadJournalLines(const QString &fileName, const TJournalLineHandler &handler)
{
    QFile file(fileName);
    OpenJournal(file, fileName, QIODevice::ReadOnly);
    TJournalStamp stamp = ExistingJournal(fileName);
    qsizetype checked = 0;
    ReadBlocks(file, fileName, [&](QByteArray &buffer, bool atEnd) {
        stamp.Bytes.Add(QByteArrayView(buffer).sliced(checked));
        buffer.remove(0, SplitJournalLines(buffer, atEnd, handler));
        checked = buffer.size();
    });
    stamp.Modified = ModificationTime(fileName);
    return stamp;
}

TJournalStamp MissingJournal(const QString &fileName)
{
    TJournalStamp stamp;
    stamp.FileName = fileName;
    return stamp;
}

bool JournalUnchanged(const TJournalStamp &stamp)
{
    const QFileInfo info(stamp.FileName);
    if (!info.exists())
        return true;
    if (!stamp.Exists || info.size() != stamp.Bytes.Length() || info.lastModified() != stamp.Modified)
        return false;
    QFile file(stamp.FileName);
    OpenJournal(file, stamp.FileName, QIODevice::ReadOnly);
    TJournalChecksum bytes;
    ReadBlocks(file, stamp.FileName, [&](QByteArray &buffer, bool) {
        bytes.Add(buffer);
        buffer.resize(0);
    });
    return bytes == stamp.Bytes;
}

void AppendJournalLines(const QString &fileName, QByteArrayView lines, TJournalStamp &stamp)
{
    const bool known = stamp.Knows(fileName);
    QFile file(fileName);
    OpenJournal(file, fileName, QIODevice::ReadWrite | QIODevice::Unbuffered);
    const qint64 length = file.size();
    // A last line without line end would take the new line in as its own end: close it first.
    char last = '\n';
    if (length > 0 && !(file.seek(length - 1) && file.getChar(&last)))
        FileError("Cannot read file", fileName, file);
    const QByteArray lineEnd = "\r\n";
    const QByteArray head = last == '\n' || last == '\r' ? QByteArray() : lineEnd;
    errno = 0;
    if (!file.seek(length) || file.write(head) != head.size()
        || file.write(lines.data(), lines.size()) != lines.size()) {
        const int error = errno;
        // A cut line would be read as a broken record, or glue the next append to itself. Taken back, the file
        // holds what it held, only its time is new.
        const bool restored = file.resize(length);
        file.close();
        if (!known || !restored)
            stamp = {};
        else
            stamp.Modified = ModificationTime(fileName);
        errno = error;
        FileError("Cannot write file", fileName, file);
    }
    if (!known) {
        stamp = {};
        return;
    }
    stamp.Exists = true;
    stamp.Bytes.Add(head);
    stamp.Bytes.Add(lines);
    file.close();
    stamp.Modified = ModificationTime(fileName);
}

TJournalOutput::TJournalOutput(std::function<void(QByteArrayView block)> write) : write_(std::move(write))
{
    // A line of the longest kind (a level image) fits in what a block leaves over.
    block_.reserve(BlockSize + BlockSize / 4);
}

void TJournalOutput::Flush()
{
    write_(block_);
    block_.resize(0);
}

TJournalStamp RewriteJournal(const QString &fileName, const std::function<void(TJournalOutput &)> &writeLines)
{
    TSaveFile file(fileName);
    errno = 0;
    if (!file.OpenForWriting())
        FileError("Cannot create file", fileName, file);
    TJournalStamp stamp = ExistingJournal(fileName);
    // One block of lines at a time: a journal of any size needs no more memory than that.
    TJournalOutput output([&](QByteArrayView block) {
        errno = 0;
        if (file.write(block.data(), block.size()) != block.size())
            FileError("Cannot write file", fileName, file);
        stamp.Bytes.Add(block);
    });
    writeLines(output);
    output.Flush();
    errno = 0;
    if (!file.commit())
        FileError("Cannot write file", fileName, file);
    stamp.Modified = ModificationTime(fileName);
    return stamp;
}
