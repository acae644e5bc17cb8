#include "JournalFile.h"

#include "rtl/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
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
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        FileError("Cannot open file", fileName, file.errorString());
    if (file.write(line.data(), line.size()) != line.size() || file.write("\r\n", 2) != 2 || !file.flush())
        FileError("Cannot write file", fileName, file.errorString());
}

void RewriteJournal(const QString &fileName, const QByteArray &content)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        FileError("Cannot create file", fileName, file.errorString());
    if (file.write(content) != content.size() || !file.commit())
        FileError("Cannot write file", fileName, file.errorString());
}
