#include "JournalSamples.h"
#include "ManagerFixture.h"
#include "RimShaftMessages.h"
#include "SampleJournal.h"
#include "SampleRandom.h"
#include "ZeltMessage.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

namespace {
class JournalRobustness : public testing::Test, public ManagerFixture {
public:
    std::unique_ptr<TOrmelDataManager> Reload() const
    {
        return std::unique_ptr<TOrmelDataManager>(
            NewObject<TOrmelDataManager>(&TOrmelDataManager::CreateFromFile, Journal));
    }
};

// Every record a manager holds, as its journal line.
QStringList RecordLines(const TOrmelDataManager &manager)
{
    QStringList lines;
    for (int i = 0; i < manager.TuningCount; ++i)
        lines << manager.TuningMessages[i]->FormatLine();
    for (int i = 0; i < manager.ImageCount; ++i)
        lines << manager.ImageMessages[i]->FormatLine();
    for (int i = 0; i < manager.ZeltCount; ++i)
        lines << manager.ZeltMessages[i]->FormatLine();
    for (int i = 0; i < manager.JDCount; ++i)
        lines << manager.JDMessages[i]->FormatLine();
    return lines;
}

qint64 Records(const TOrmelDataManager &manager)
{
    return qint64(manager.TuningCount) + manager.ImageCount + manager.ZeltCount + manager.JDCount;
}

struct TMutant {
    QByteArray Line;
    bool SurelyBroken;
    const char *How;
    // Broken in a number, which the reader finds before it looks for the record's keys; a broken picture is
    // found only when a record with new keys is made of it.
    bool BrokenInNumbers = false;
};

// Makes broken lines out of good ones. A sure break puts something no field can take into a checked numeric
// field or a picture, or cuts the line before its last checked number; the other changes (cuts, bytes
// overwritten or put in anywhere) may or may not leave a readable record.
class TMutator {
public:
    explicit TMutator(quint64 seed) : random_(seed) {}

    TMutant Mutate(const QByteArray &line)
    {
        const TLayout layout = LayoutOf(line);
        if (layout.Numbers > 0 && random_.Percent(40))
            return SureBreak(line, layout);
        return MaybeBreak(line);
    }

private:
    // Where the checked numbers after a line's fixed-width text begin, how many there are, and whether a
    // picture (whose digits pair up) or a data block (read as 108 pairs, a lone last digit being one) follows.
    struct TLayout {
        qsizetype From = 0;
        int Numbers = 0;
        bool Picture = false;
        bool Block = false;
    };

    static qsizetype NthBlank(const QByteArray &line, int n)
    {
        qsizetype at = -1;
        for (int i = 0; i < n && (at = line.indexOf(' ', at + 1)) >= 0; ++i) {
        }
        return at;
    }

    static TLayout LayoutOf(const QByteArray &line)
    {
        if (line.startsWith("01 00 "))
            return {NthBlank(line, 4) + 42, 13, true};
        if (line.startsWith("01 01 "))
            return {NthBlank(line, 5) + 42, 17, true};
        if (line.startsWith("0 1 "))
            return {NthBlank(line, 7) + 12, 12, false, true};
        if (line.startsWith("0 2 "))
            return {NthBlank(line, 7) + 12, 74, false};
        return {};
    }

    // Token `index` of the line from `from` on; runs of blanks separate tokens.
    static std::pair<qsizetype, qsizetype> Token(const QByteArray &line, qsizetype from, int index)
    {
        qsizetype begin = from;
        for (int i = 0;; ++i) {
            while (begin < line.size() && line[begin] == ' ')
                ++begin;
            qsizetype end = line.indexOf(' ', begin);
            end = end < 0 ? line.size() : end;
            if (i == index)
                return {begin, end};
            begin = end;
        }
    }

    char ForeignByte()
    {
        // Control characters (but no line end), the code page's unassigned byte, letters and high bytes.
        static const char bytes[] = {'\0', '\x01', '\t', '\x1A', '\x1F', '\x7F', '\x98', '\xFF', '\xC0', 'G', 'z', '-'};
        return random_.Pick(bytes);
    }

    TMutant SureBreak(QByteArray line, const TLayout &layout)
    {
        const int number = random_.Below(layout.Numbers);
        const auto [begin, end] = Token(line, layout.From, number);
        switch (random_.Below(layout.Picture || layout.Block ? 4 : 3)) {
        case 0: {
            static const char *const huge[] = {"FFFFFFFFFFFF", "99999999999", "-1", "Z9", "1G"};
            line.replace(begin, end - begin, random_.Pick(huge));
            return {line, true, "a number that no field takes", true};
        }
        case 1:
            // Not the first byte: the reader trims control characters at a token's start.
            if (end - begin >= 2) {
                line[begin + 1 + random_.Below(int(end - begin - 1))] = ForeignByte();
                return {line, true, "a foreign byte inside a number", true};
            }
            [[fallthrough]];
        case 2: {
            const auto last = Token(line, layout.From, layout.Numbers - 1);
            return {line.left(layout.From + random_.Below(int(last.first - layout.From))), true,
                    "cut before its last number", true};
        }
        default: {
            const auto [pictureBegin, pictureEnd] = Token(line, layout.From, layout.Numbers);
            const int pairs = int(pictureEnd - pictureBegin) / 2;
            if (layout.Picture && (pairs == 0 || random_.Percent(30))) {
                line.remove(pictureEnd - 1, 1);
                return {line, true, "a picture of an odd number of digits"};
            }
            line[pictureBegin + random_.Below(pairs * 2)] = ForeignByte();
            return {line, true, "a foreign byte among the picture digits"};
        }
        }
    }

    TMutant MaybeBreak(QByteArray line)
    {
        switch (random_.Below(4)) {
        case 0:
            return {line.left(random_.Below(int(line.size()))), false, "cut anywhere"};
        case 1:
            for (int i = random_.Between(1, 4); i > 0; --i)
                line[random_.Below(int(line.size()))] = ForeignByte();
            return {line, false, "bytes overwritten"};
        case 2:
            for (int i = random_.Between(1, 3); i > 0; --i)
                line.insert(random_.Below(int(line.size()) + 1), ForeignByte());
            return {line, false, "bytes put in"};
        default: {
            const qsizetype blank = line.indexOf(' ', random_.Below(int(line.size())));
            if (blank >= 0)
                line.insert(blank, random_.Percent(50) ? "  " : " FFFFFFFFFFFFFFFF");
            return {line, false, "blanks or a huge token put in"};
        }
        }
    }

    TSampleRandom random_;
};

QList<QByteArray> RecordLinesOf(const QList<TSampleLine> &sample)
{
    QList<QByteArray> lines;
    for (const TSampleLine &line : sample)
        if (line.Kind != TSampleLineKind::Broken && line.Kind != TSampleLineKind::Duplicate)
            lines << line.Text;
    return lines;
}
} // namespace

TEST_F(JournalRobustness, TextsLongerThanTheirFieldsAreCutSoTheRecordIsReadBack)
{
    Manager = Load(CrLfLines({TuningLine().Line(), ImageLine().Line()}));
    ASSERT_EQ(Records(*Manager), 2);
    TLumbraTuningMessage *tuning = Manager->TuningMessages[0];
    TLumbraImageMessage *image = Manager->ImageMessages[0];
    // What the inspection window may set: names and texts of any length, a character beyond the code page,
    // a line break.
    const QString longName = QString::fromUtf8("Контроль сварного шва рельса, стык №12, канал 3");
    Manager->RenameMessage(tuning, longName);
    tuning->SetComments(QString(150, u'к'));
    Manager->RenameMessage(image, QString::fromUtf8("😀") + QString(45, u'и'));
    image->SetComments(QString::fromUtf8("Трещина\r\n") + QString(120, u'т'));
    image->SetControlMade(QString(70, u'Ж'));
    image->SetConclusion(QString::fromUtf8("Годен"));
    const QList<quint8> picture(image->BitImage.Data(), image->BitImage.Data() + image->BitImage.Length());
    Manager->SetModified(true);
    Manager.reset();

    Manager = Reload();
    EXPECT_EQ(Manager->ErrorCount, 0);
    ASSERT_EQ(Manager->TuningCount, 1);
    ASSERT_EQ(Manager->ImageCount, 1);
    tuning = Manager->TuningMessages[0];
    image = Manager->ImageMessages[0];
    EXPECT_EQ(tuning->RecordName, TrimRight(longName.left(40)));
    EXPECT_EQ(tuning->Comments, QString(100, u'к'));
    EXPECT_EQ(tuning->TransducerID, TuningLine().Transducer);
    EXPECT_EQ(image->RecordName, "?" + QString(39, u'и'));
    EXPECT_EQ(image->Comments, QString::fromUtf8("Трещина ") + QString(92, u'т'));
    EXPECT_EQ(image->ControlMade, QString(60, u'Ж'));
    EXPECT_EQ(image->Conclusion, QString::fromUtf8("Годен"));
    EXPECT_EQ(image->SizeX, ImageLine().SizeX);
    EXPECT_EQ(QList<quint8>(image->BitImage.Data(), image->BitImage.Data() + image->BitImage.Length()), picture);
    // Each fixed field takes exactly its width in the line.
    const ImageLine emptyTexts{.Name = "", .Comments = "", .ControlMade = "", .Conclusion = QString::fromUtf8("Годен")};
    EXPECT_EQ(ToCp1251(image->FormatLine()).size(), emptyTexts.Line().size());
}

TEST_F(JournalRobustness, ATuningCommentLongerThanItsFieldKeepsTheLineAsItWas)
{
    // The comment runs to the line end; cut to its 100 bytes it would lose its tail at the next rewrite.
    const QString comment = QString(98, u'к') + " " + QChar(0) + QString::fromUtf8(" хвост");
    const QByteArray line = TuningLine{.Comments = comment}.Line();
    Manager = Load(CrLfLines({TuningLine{.Id = 1}.Line(), line}));
    EXPECT_EQ(Manager->TuningCount, 1);
    EXPECT_EQ(Manager->ErrorCount, 1);
    Manager->SaveDataFile();
    EXPECT_EQ(JournalBytes(), CrLfLines({TuningLine{.Id = 1}.Line(), line}));
}

TEST_F(JournalRobustness, ThousandsOfMutatedLinesAreRecordsThatSurviveARewriteOrAreCountedAndKept)
{
    const QList<QByteArray> good = RecordLinesOf(MakeSampleJournal(200, 5));
    TMutator mutator(20240);
    QList<QByteArray> mutants, brokenInNumbers;
    int broken = 0, held = 0, kept = 0;
    for (int i = 0; i < 3000; ++i) {
        const TMutant mutant = mutator.Mutate(good[i % good.size()]);
        SCOPED_TRACE(testing::Message() << "mutant " << i << ", " << mutant.How << ": "
                                        << mutant.Line.left(120).toPercentEncoding(" ").toStdString());
        mutants << mutant.Line;
        if (mutant.BrokenInNumbers)
            brokenInNumbers << mutant.Line;
        // Alone in a journal the line is a record, or it is counted and kept as it was, or it is kept as a line
        // of an unknown kind, or it says nothing (blank, or numbered 0).
        // A new file for each: rewriting one file over and over would wait for the disk each time.
        const QString journal = QString("mutant-%1.txt").arg(i);
        Dir.Write(journal, mutant.Line + "\r\n");
        Manager.reset(NewObject<TOrmelDataManager>(&TOrmelDataManager::CreateFromFile, Dir.File(journal)));
        const qint64 records = Records(*Manager);
        const bool unread = !Manager->UnreadLines().isEmpty();
        ASSERT_LE(records + Manager->ErrorCount, 1);
        ASSERT_TRUE(Manager->ErrorCount == 0 || unread);
        ASSERT_TRUE(records == 0 || !unread);
        if (unread) {
            ASSERT_EQ(Manager->UnreadLines(), QList<QByteArray>{mutant.Line});
        }
        if (mutant.SurelyBroken) {
            ASSERT_EQ(Manager->ErrorCount, 1);
        }
        broken += Manager->ErrorCount;
        held += int(records);
        kept += unread;
        // A record is written back as a line that reads as the same record.
        if (records == 1) {
            const QStringList line = RecordLines(*Manager);
            const std::unique_ptr<TOrmelDataManager> again = NewManager();
            ASSERT_EQ(again->ParseLine(ToCp1251(line.front())), TOrmelDataManager::TLineOutcome::Added);
            ASSERT_EQ(RecordLines(*again), line);
        }
    }
    // The mutations reach every outcome.
    EXPECT_GT(broken, 1000);
    EXPECT_GT(held, 300);
    EXPECT_GE(kept, broken);

    // All together, after the good lines (so most mutants are duplicates of them): every line broken in its
    // numbers is counted and kept; a rewrite followed by a reload gives the same records and keeps the same
    // lines.
    QByteArray journal;
    for (const QByteArray &line : good + mutants)
        journal += line + "\r\n";
    Manager = Load(journal);
    EXPECT_GE(Manager->ErrorCount, brokenInNumbers.size());
    EXPECT_LE(Manager->ErrorCount, broken);
    for (const QByteArray &line : brokenInNumbers)
        ASSERT_TRUE(Manager->UnreadLines().contains(line)) << line.left(120).toPercentEncoding(" ").toStdString();
    EXPECT_GE(Records(*Manager), good.size());
    const QStringList lines = RecordLines(*Manager);
    const qint32 errors = Manager->ErrorCount;
    const QList<QByteArray> unreadLines = Manager->UnreadLines();
    Manager->SaveDataFile();
    const QByteArray rewritten = JournalBytes();
    Manager = Reload();
    EXPECT_EQ(RecordLines(*Manager), lines);
    EXPECT_EQ(Manager->ErrorCount, errors);
    EXPECT_EQ(Manager->UnreadLines(), unreadLines);
    Manager->SaveDataFile();
    EXPECT_EQ(JournalBytes(), rewritten);
}
