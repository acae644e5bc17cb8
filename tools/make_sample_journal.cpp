// Writes a sample data journal: make_sample_journal <path> [records] [seed]

#include "SampleJournal.h"

#include <QFile>
#include <QString>
#include <cstdio>
#include <exception>

namespace {
constexpr int DefaultRecords = 300;
constexpr int MostRecords = 1000000;
constexpr quint64 DefaultSeed = 1;

int Usage()
{
    std::fprintf(stderr,
                 "Usage: make_sample_journal <path> [records] [seed]\n"
                 "Writes a sample data journal of <records> records (%d if not given, at most %d) made from\n"
                 "<seed> (%llu if not given): the same numbers always give the same file.\n",
                 DefaultRecords, MostRecords, static_cast<unsigned long long>(DefaultSeed));
    return 2;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 4)
        return Usage();
    bool ok = true;
    const int records = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt(&ok) : DefaultRecords;
    if (!ok || records < 0 || records > MostRecords)
        return Usage();
    const quint64 seed = argc > 3 ? QString::fromLocal8Bit(argv[3]).toULongLong(&ok) : DefaultSeed;
    if (!ok)
        return Usage();

    const QString path = QString::fromLocal8Bit(argv[1]);
    try {
        const QList<TSampleLine> lines = MakeSampleJournal(records, seed);
        QFile file(path);
        const QByteArray bytes = SampleJournalBytes(lines);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
            || !file.flush()) {
            std::fprintf(stderr, "make_sample_journal: cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
            return 1;
        }
        std::printf("%s: %lld records, %lld broken and %lld duplicate lines, %lld bytes\n", argv[1],
                    static_cast<long long>(CountSampleRecords(lines)),
                    static_cast<long long>(CountSampleLines(lines, TSampleLineKind::Broken)),
                    static_cast<long long>(CountSampleLines(lines, TSampleLineKind::Duplicate)),
                    static_cast<long long>(bytes.size()));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make_sample_journal: %s\n", error.what());
        return 1;
    }
    return 0;
}
