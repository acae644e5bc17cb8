// Journal benchmark (run by hand): journal_benchmark [--runs N] [--dir FOLDER] [records ...]
//
// For each record count (10,000 and 100,000 unless given) it writes a sample journal and times loading,
// appending and rewriting it, against a reference loop that only reads the file and decodes its picture
// digits. The first run of loading and of the reference starts with the journal evicted from the page cache;
// the repeated runs find it there. A rewrite is set against a plain write of the same bytes, once in memory
// and once to a file that is flushed and renamed into place.

#include "DataManager.h"
#include "HexDigits.h"
#include "JournalFile.h"
#include "SampleJournal.h"
#include "classes/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {
constexpr int AppendedRecords = 1000;
constexpr qint64 BlockSize = qint64(1) << 20;
// Picture tokens are the only tokens of a journal line this long.
constexpr qsizetype ShortestPicture = 200;

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()> &work)
{
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Megabytes(qint64 bytes) { return double(bytes) / 1e6; }

// Pushes the file's pages out of the page cache, so that the next read comes from the disk.
void Evict(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

qint64 StatusKilobytes(const char *field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Lets the high-water mark of the resident memory start again from the present size.
void ResetPeakMemory()
{
    QFile clearRefs("/proc/self/clear_refs");
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

// Reads the file as the loader does, in blocks, and decodes every picture token of every line; nothing else.
qint64 ReadAndDecodePictures(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QByteArray buffer;
    std::vector<quint8> picture;
    qint64 checksum = 0;
    for (bool atEnd = false; !atEnd;) {
        const qsizetype kept = buffer.size();
        buffer.resize(kept + BlockSize);
        const qint64 read = file.read(buffer.data() + kept, BlockSize);
        buffer.resize(kept + std::max<qint64>(read, 0));
        atEnd = read <= 0;
        const char *p = buffer.constData();
        const char *end = p + buffer.size();
        while (true) {
            const char *lineEnd = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
            if (!lineEnd && !atEnd)
                break;
            if (!lineEnd)
                lineEnd = end;
            for (const char *token = p; token < lineEnd;) {
                const char *blank = static_cast<const char *>(std::memchr(token, ' ', size_t(lineEnd - token)));
                const char *tokenEnd = blank ? blank : lineEnd;
                if (tokenEnd - token >= ShortestPicture) {
                    picture.resize(size_t(tokenEnd - token) / 2);
                    quint8 faults = 0;
                    for (size_t k = 0; k < picture.size(); ++k) {
                        const quint8 high = HexDigitValue(token[2 * k]);
                        const quint8 low = HexDigitValue(token[2 * k + 1]);
                        faults |= high | low;
                        picture[k] = quint8(high << 4 | low);
                    }
                    checksum += picture.back() + (faults & NotAHexDigit);
                }
                token = tokenEnd + 1;
            }
            p = lineEnd == end ? end : lineEnd + 1;
            if (p == end)
                break;
        }
        buffer.remove(0, p - buffer.constData());
    }
    return checksum;
}

std::unique_ptr<TOrmelDataManager> Load(const QString &path)
{
    return std::unique_ptr<TOrmelDataManager>(NewObject<TOrmelDataManager>(&TOrmelDataManager::CreateFromFile, path));
}

qint64 Records(const TOrmelDataManager &manager)
{
    return qint64(manager.TuningCount) + manager.ImageCount + manager.ZeltCount + manager.JDCount;
}

void Row(const char *what, double seconds, qint64 bytes, qint64 records)
{
    std::printf("  %-34s %9.1f ms %9.0f MB/s %11.0f records/s\n", what, seconds * 1e3, Megabytes(bytes) / seconds,
                double(records) / seconds);
}

struct TBenchJournal {
    qint64 Size = 0;
    qint64 Records = 0;
    qint64 Broken = 0;
    QList<QByteArray> Appended;
};

// Writes a journal of `records` records and keeps the lines of the records after them, whose keys are new to
// the journal, for appending.
bool WriteJournal(int records, const QString &path, TBenchJournal &journal)
{
    const QList<TSampleLine> sample = MakeSampleJournal(records + AppendedRecords, 1);
    QList<TSampleLine> journalLines;
    QList<QByteArray> &appended = journal.Appended;
    int kept = 0;
    for (const TSampleLine &line : sample) {
        const bool record = line.Kind != TSampleLineKind::Broken && line.Kind != TSampleLineKind::Duplicate;
        if (kept < records) {
            journalLines << line;
            kept += record;
        } else if (record) {
            appended << line.Text;
        }
    }
    const QByteArray bytes = SampleJournalBytes(journalLines);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    journal.Size = bytes.size();
    journal.Records = CountSampleRecords(journalLines);
    journal.Broken = CountSampleLines(journalLines, TSampleLineKind::Broken);
    std::printf("\n%d records: %.1f MB in %lld lines (%lld broken, %lld duplicate)\n", records,
                Megabytes(journal.Size), static_cast<long long>(journalLines.size()),
                static_cast<long long>(journal.Broken),
                static_cast<long long>(CountSampleLines(journalLines, TSampleLineKind::Duplicate)));
    return true;
}

bool Run(int records, int runs, const QString &folder)
{
    const QString path = QDir(folder).filePath(QString("journal-%1.txt").arg(records));
    TBenchJournal journal;
    if (!WriteJournal(records, path, journal))
        return false;
    const qint64 expected = journal.Records;
    const qint64 size = journal.Size;
    const QList<QByteArray> &appended = journal.Appended;
    // The first load starts as at a program start: memory not yet taken from the system, journal not cached.
    ::malloc_trim(0);
    const qint64 before = StatusKilobytes("VmRSS:");
    ResetPeakMemory();

    std::unique_ptr<TOrmelDataManager> manager;
    auto load = [&] {
        manager.reset();
        return Seconds([&] { manager = Load(path); });
    };
    qint64 checksum = 0;
    auto reference = [&] { return Seconds([&] { checksum += ReadAndDecodePictures(path); }); };

    Evict(path);
    const double coldLoad = load();
    const qint64 peak = StatusKilobytes("VmHWM:");
    const qint64 held = StatusKilobytes("VmRSS:");
    Evict(path);
    const double coldReference = reference();
    std::vector<double> loads, references;
    for (int i = 0; i < runs; ++i) {
        loads.push_back(load());
        references.push_back(reference());
    }
    Evict(path);
    const double evictedLoad = load();
    if (Records(*manager) != expected) {
        std::fprintf(stderr, "loaded %lld records instead of %lld\n", static_cast<long long>(Records(*manager)),
                     static_cast<long long>(expected));
        return false;
    }

    std::printf("  first run (journal evicted from the page cache, memory new to the process):\n");
    Row("load", coldLoad, size, expected);
    Row("reference: read, decode pictures", coldReference, size, expected);
    std::printf("  %-34s %9.2f\n", "load / reference", coldLoad / coldReference);
    std::printf("  repeated runs (median of %d; best load %.1f ms):\n", runs,
                *std::min_element(loads.begin(), loads.end()) * 1e3);
    Row("load", Median(loads), size, expected);
    Row("reference: read, decode pictures", Median(references), size, expected);
    std::printf("  %-34s %9.2f\n", "load / reference", Median(loads) / Median(references));
    Row("load, journal evicted once more", evictedLoad, size, expected);
    std::printf("  memory of the first load: %.0f MB before, peak %.0f MB, %.0f MB held after\n", before / 1e3,
                peak / 1e3, held / 1e3);

    qint64 appendedBytes = 0;
    const double appending = Seconds([&] {
        for (const QByteArray &line : appended) {
            manager->AddDataLine(line.constData(), qint32(line.size()));
            appendedBytes += line.size() + 2;
        }
    });
    if (Records(*manager) != expected + appended.size() || manager->ErrorCount != journal.Broken) {
        std::fprintf(stderr, "appending went wrong\n");
        return false;
    }
    Row(qPrintable(QString("append %1 records, one by one").arg(appended.size())), appending, appendedBytes,
        appended.size());

    std::vector<double> rewrites;
    for (int i = 0; i < runs; ++i)
        rewrites.push_back(Seconds([&] { manager->SaveDataFile(); }));
    const qint64 rewritten = QFileInfo(path).size();
    Row("rewrite (first run)", rewrites.front(), rewritten, Records(*manager));
    Row(qPrintable(QString("rewrite (median of %1)").arg(runs)), Median(rewrites), rewritten, Records(*manager));

    // The rewrite against a plain write of the same bytes: in memory (each run into memory new to it), and to
    // a file that is flushed and renamed into place.
    QFile journalFile(path);
    const QByteArray bytes = journalFile.open(QIODevice::ReadOnly) ? journalFile.readAll() : QByteArray();
    std::vector<double> formatted, copied, plainFiles;
    for (int i = 0; i < runs; ++i) {
        QByteArray memory;
        formatted.push_back(Seconds([&] {
            TJournalOutput output([&](QByteArrayView block) { memory.append(block); });
            manager->WriteJournal(output);
            output.Flush();
        }));
        if (memory != bytes) {
            std::fprintf(stderr, "the journal written in memory differs from the rewritten one\n");
            return false;
        }
        memory = QByteArray();
        copied.push_back(Seconds([&] {
            for (qsizetype at = 0; at < bytes.size(); at += BlockSize)
                memory.append(QByteArrayView(bytes).sliced(at, std::min<qsizetype>(BlockSize, bytes.size() - at)));
        }));
        plainFiles.push_back(Seconds([&] {
            TSaveFile file(path + ".plain");
            if (!file.OpenForWriting())
                return;
            for (qsizetype at = 0; at < bytes.size(); at += BlockSize)
                file.write(bytes.constData() + at, std::min<qsizetype>(BlockSize, bytes.size() - at));
            file.commit();
        }));
    }
    QFile::remove(path + ".plain");
    Row("rewrite in memory", Median(formatted), rewritten, Records(*manager));
    Row("reference: plain write in memory", Median(copied), rewritten, Records(*manager));
    std::printf("  %-34s %9.2f\n", "rewrite / reference, in memory", Median(formatted) / Median(copied));
    Row("reference: plain write, flush, rename", Median(plainFiles), rewritten, Records(*manager));
    std::printf("  %-34s %9.2f\n", "rewrite / reference, to the disk", Median(rewrites) / Median(plainFiles));

    manager = Load(path);
    if (Records(*manager) != expected + appended.size()) {
        std::fprintf(stderr, "the rewritten journal holds other records\n");
        return false;
    }
    std::printf("  (reference checksum %lld)\n", static_cast<long long>(checksum));
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    int runs = 5;
    QString folder;
    QList<int> counts;
    for (int i = 0; i < arguments.size(); ++i) {
        bool ok = true;
        if (arguments[i] == "--runs" && i + 1 < arguments.size())
            runs = arguments[++i].toInt(&ok);
        else if (arguments[i] == "--dir" && i + 1 < arguments.size())
            folder = arguments[++i];
        else
            counts << arguments[i].toInt(&ok);
        if (!ok || runs < 1 || (!counts.isEmpty() && counts.last() < 1)) {
            std::fprintf(stderr, "Usage: journal_benchmark [--runs N] [--dir FOLDER] [records ...]\n");
            return 2;
        }
    }
    if (counts.isEmpty())
        counts = {10000, 100000};
    QTemporaryDir temporary(folder.isEmpty() ? QDir::tempPath() + "/journal-benchmark-XXXXXX"
                                             : QDir(folder).filePath("journal-benchmark-XXXXXX"));
    if (!temporary.isValid()) {
        std::fprintf(stderr, "cannot create a folder for the journals\n");
        return 1;
    }
    std::printf("Journal benchmark in %s\n", qPrintable(temporary.path()));
    for (const int records : counts)
        if (!Run(records, runs, temporary.path()))
            return 1;
    return 0;
}
