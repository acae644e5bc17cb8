#pragma once

// A sample data journal made from a seed: every kind of record with plausible values and pictures, Cyrillic
// names and comments, images that refer to the tunings before them, and a few broken and duplicate lines.
// The same record count and seed always give the same bytes. Tests, benchmarks and the start script use it.

#include <QByteArray>
#include <QList>

enum class TSampleLineKind {
    Tuning,
    OrdinaryImage,
    LevelImage,
    ImpactImage,
    Zelt,
    Rim,
    Shaft,
    // The keys of a record before it, with the same or other content: the reader drops it.
    Duplicate,
    // A line the reader must count as an error: cut short, wrong digits, a value out of range, or values that
    // the record cannot be made of.
    Broken,
};

struct TSampleLine {
    TSampleLineKind Kind;
    QByteArray Text; // Windows-1251, without line end
};

// Which records a sample journal holds: every kind, or only tunings (half of them) and images, with broken and
// duplicate lines of these kinds only.
enum class TSampleMix { AllKinds, TuningsAndImages };

// `records` lines of distinct records, and about one broken line per hundred records and one duplicate per
// fifty among them. The first records are one of each kind of the mix (so a journal of seven or more records
// holds them all), and every broken or duplicate line comes after them.
QList<TSampleLine> MakeSampleJournal(int records, quint64 seed, TSampleMix mix = TSampleMix::AllKinds);

// The lines as a journal file: each one ended by CR LF.
QByteArray SampleJournalBytes(const QList<TSampleLine> &lines);
qsizetype CountSampleLines(const QList<TSampleLine> &lines, TSampleLineKind kind);
// Lines of the record kinds (neither broken nor duplicate).
qsizetype CountSampleRecords(const QList<TSampleLine> &lines);
