#include "JournalFile.h"
#include "FileSizeLimit.h"
#include "JournalSamples.h"
#include "ManagerFixture.h"
#include "RimShaftMessages.h"
#include "ZeltMessage.h"
#include "rtl/Codec1251.h"

#include "QtPrint.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

namespace {
// A record that cannot be written: the rewrite stops half-way.
struct TUnwritableTuning : TLumbraTuningMessage {
    QString FormatLine() const override { throw EConvertError("cannot format this record"); }
};

QList<QByteArray> Split(const QByteArray &bytes, bool atEnd, qsizetype *consumed = nullptr)
{
    QList<QByteArray> lines;
    const qsizetype used = SplitJournalLines(bytes, atEnd, [&](QByteArrayView line) { lines << line.toByteArray(); });
    if (consumed)
        *consumed = used;
    return lines;
}

void Break(TOrmelDataManager &manager)
{
    manager.TuningMessages.SetLength(manager.TuningCount + 1);
    manager.TuningMessages[manager.TuningCount++] = new TUnwritableTuning;
    manager.SetModified(true);
}

class JournalFile : public testing::Test, public ManagerFixture {};
} // namespace

TEST(JournalLines, EveryKindOfLineEnd)
{
    using Lines = QList<QByteArray>;
    EXPECT_EQ(Split("a\r\nb\nc\rd", true), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(Split("a\r\n\r\n\n\rb\r\n", true), (Lines{"a", "", "", "", "b"}));
    EXPECT_EQ(Split("", true), Lines{});
    EXPECT_EQ(Split(QByteArray("a\0b\r\n", 5), true), Lines{QByteArray("a\0b", 3)});

    // In the middle of a file a line is handed on only when it is known to be complete.
    qsizetype consumed = 0;
    EXPECT_EQ(Split("a\r\nb\r", false, &consumed), Lines{"a"});
    EXPECT_EQ(consumed, 3);
    EXPECT_EQ(Split("a\nbc", false, &consumed), Lines{"a"});
    EXPECT_EQ(consumed, 2);
}

TEST_F(JournalFile, ReadingKeepsWhatItCannotUnderstand)
{
    const QByteArray broken = RimLine{.Amplitude = 0}.Line();
    // Lines of more than one read block, a CR LF split between blocks, every kind of line end.
    QByteArray journal = TuningLine().Line() + "\n" + ImageLine().Line() + "\r" + ZeltLine().Line() + "\r\n\r\n"
                         + broken + "\r\n" + "7 7 unknown" + "\n" + TuningLine{.Id = 0}.Line() + "\r\n"
                         + TuningLine().Line() + "\r\n";
    int tunings = 1;
    for (; journal.size() < (1 << 20) + 5000; ++tunings)
        journal += TuningLine{.Id = 100 + tunings}.Line() + "\r\n";
    journal += ShaftLine().Line();
    Manager = Load(journal);
    EXPECT_EQ(Manager->TuningCount, tunings);
    EXPECT_EQ(Manager->ImageCount, 1);
    EXPECT_EQ(Manager->ZeltCount, 1);
    EXPECT_EQ(Manager->JDCount, 1);
    EXPECT_EQ(Manager->ErrorCount, 1);
    EXPECT_EQ(Manager->UnreadLines(), (QList<QByteArray>{broken, "7 7 unknown", TuningLine{.Id = 0}.Line()}));
    EXPECT_FALSE(Manager->Modified);

    // Loading more does not clear what is there; errors add up.
    // (The same broken rim line would now be a duplicate of the shaft message, which has its keys.)
    Dir.Write("second.txt", CrLfLines({RimLine{.Number = 77, .Amplitude = 0}.Line(), ImageLine{.Id = 10}.Line()}));
    Manager->LoadDataFile(Dir.File("second.txt"));
    EXPECT_EQ(Manager->ImageCount, 2);
    EXPECT_EQ(Manager->ErrorCount, 2);
    EXPECT_EQ(Manager->DataFileName, Dir.File("second.txt"));

    // A missing journal is no error and is not created.
    Manager->LoadDataFile(Dir.File("missing.txt"));
    EXPECT_EQ(Manager->DataFileName, Dir.File("missing.txt"));
    EXPECT_FALSE(QFile::exists(Dir.File("missing.txt")));
}

TEST_F(JournalFile, AppendingNewRecords)
{
    const QByteArray tuning = TuningLine().Line();
    Manager->AddDataLine(tuning.constData(), qint32(tuning.size()));
    EXPECT_EQ(JournalBytes(), tuning + "\r\n");

    Manager->AddDataLine(tuning.constData(), qint32(tuning.size()));
    Manager->AddDataLine("1 0 0005", 8);
    EXPECT_EQ(Manager->ErrorCount, 1);
    EXPECT_EQ(JournalBytes(), tuning + "\r\n");

    // Only the first Len characters count; a line break inside a text would split the record in two.
    ImageLine image;
    image.Conclusion = "first\r\nsecond";
    const QByteArray imageLine = image.Line();
    Manager->AddDataLine(imageLine.constData(), qint32(imageLine.size() - 3));
    EXPECT_EQ(Manager->ImageMessages[0]->Conclusion, "first\r\nsec");
    QByteArray expected = imageLine.left(imageLine.size() - 3);
    expected.replace("\r\n", "  ");
    EXPECT_EQ(JournalBytes(), tuning + "\r\n" + expected + "\r\n");

    // A journal that cannot be written counts an error; the record is held all the same.
    Manager->DataFileName = Dir.File("no/such/folder/journal.txt");
    const QByteArray other = TuningLine{.Id = 2}.Line();
    Manager->AddDataLine(other.constData(), qint32(other.size()));
    EXPECT_EQ(Manager->ErrorCount, 2);
    EXPECT_EQ(Manager->TuningCount, 2);
}

TEST_F(JournalFile, AppendingAfterALastLineWithoutLineEnd)
{
    // Glued to the last line, the new record would be read as part of that line's comment.
    const QByteArray last = TuningLine{.Id = 1}.Line();
    Manager = Load(last);
    const QByteArray added = TuningLine{.Id = 2}.Line();
    Manager->AddDataLine(added.constData(), qint32(added.size()));
    EXPECT_EQ(JournalBytes(), last + "\r\n" + added + "\r\n");
    EXPECT_EQ(Load(JournalBytes())->TuningCount, 2);

    // A journal that ends with a line end of any kind gets none in between.
    for (const QByteArray &end : {QByteArray("\n"), QByteArray("\r")}) {
        Manager = Load(last + end);
        Manager->AddDataLine(added.constData(), qint32(added.size()));
        EXPECT_EQ(JournalBytes(), last + end + added + "\r\n");
    }
}

TEST_F(JournalFile, ARecordWhoseChangeRoutineFailsIsCountedAndWrittenBackOnce)
{
    const QByteArray tuning = TuningLine().Line();
    Dir.Write("ormeldata.txt", CrLfLines({tuning}));
    Manager->OnChangeData = [] { throw EConvertError("the subscriber failed"); };
    Manager->LoadDataFile(Journal);
    EXPECT_EQ(Manager->ErrorCount, 1);
    EXPECT_EQ(Manager->TuningCount, 1);
    EXPECT_TRUE(Manager->UnreadLines().isEmpty());
    Manager->SaveDataFile();
    EXPECT_EQ(JournalBytes(), CrLfLines({tuning}));
}

TEST_F(JournalFile, RewritingKeepsUnreadLinesAndOneLinePerRecord)
{
    const QByteArray broken = TuningLine{.Id = 3, .Attenuation = 0x100}.Line();
    const TuningLine first{.Id = 1};
    const TuningLine second{.Id = 2};
    ImageLine image;
    Manager = Load(CrLfLines({image.Line(), first.Line(), "", "1 7 strange kind", second.Line(), RimLine().Line(),
                          broken, ZeltLine().Line(), first.Line(), TuningLine{.Id = 0}.Line()}));
    ASSERT_EQ(Manager->TuningCount, 2);
    EXPECT_TRUE(Manager->DeleteTuning(Manager->TuningMessages[0]));
    TLumbraImageMessage *held = Manager->ImageMessages[0];
    Manager->RenameMessage(held, "Renamed");
    held->SetComments("one\r\ntwo");
    held->SetConclusion("line 1\r\nline 2\r\n");
    Manager->SaveDataFile();
    EXPECT_FALSE(Manager->Modified);

    image.Name = "Renamed";
    image.Comments = "one two";
    image.Conclusion = "line 1 line 2 ";
    EXPECT_EQ(JournalBytes(), CrLfLines({second.Line(), image.Line(), ZeltLine().Line(), RimLine().Line(),
                                     "1 7 strange kind", broken, TuningLine{.Id = 0}.Line()}));
    EXPECT_EQ(QDir(Dir.Path()).entryList(QDir::Files), QStringList{"ormeldata.txt"});

    auto reread = Load(JournalBytes());
    EXPECT_EQ(reread->ImageMessages[0]->Conclusion, "line 1 line 2");
    EXPECT_EQ(reread->TuningCount, 1);
    EXPECT_EQ(reread->ErrorCount, 1);

    // A journal that is a symbolic link stays one; the file it names is rewritten, with its permissions.
    QDir(Dir.Path()).mkdir("elsewhere");
    Dir.Write("elsewhere/journal.txt", CrLfLines({first.Line(), second.Line()}));
    QFile::setPermissions(Dir.File("elsewhere/journal.txt"), QFile::ReadOwner | QFile::WriteOwner);
    const QFileDevice::Permissions permissions = QFile::permissions(Dir.File("elsewhere/journal.txt"));
    ASSERT_TRUE(QFile::link(Dir.File("elsewhere/journal.txt"), Dir.File("link.txt")));
    Manager->ClearAll();
    Manager->LoadDataFile(Dir.File("link.txt"));
    Manager->DeleteTuning(Manager->TuningMessages[0]);
    Manager->SaveDataFile();
    EXPECT_TRUE(QFileInfo(Dir.File("link.txt")).isSymLink());
    EXPECT_EQ(Dir.Read("elsewhere/journal.txt"), CrLfLines({second.Line()}));
    EXPECT_EQ(QFile::permissions(Dir.File("elsewhere/journal.txt")), permissions);
    EXPECT_EQ(QDir(Dir.File("elsewhere")).entryList(QDir::Files), QStringList{"journal.txt"});
}

TEST_F(JournalFile, FailedRewriteLeavesTheOldJournal)
{
    const QByteArray journal = CrLfLines({TuningLine().Line(), ImageLine().Line()});
    Manager = Load(journal);
    Break(*Manager);
    EXPECT_THROW(Manager->SaveDataFile(), EConvertError);
    EXPECT_FALSE(Manager->Modified);
    EXPECT_EQ(JournalBytes(), journal);
    EXPECT_EQ(QDir(Dir.Path()).entryList(QDir::Files), QStringList{"ormeldata.txt"});

    // A full disk fails the rewrite instead of installing a cut-off journal.
    Manager->ClearTunings();
    Manager->ImageMessages[0]->SetComments(QString(90, u'x'));
    Manager->SetModified(true);
    {
        FileSizeLimit limit(journal.size() / 2);
        EXPECT_THROW(Manager->SaveDataFile(), EInOutError);
    }
    EXPECT_EQ(JournalBytes(), journal);
    EXPECT_EQ(QDir(Dir.Path()).entryList(QDir::Files), QStringList{"ormeldata.txt"});

    Manager->DataFileName = Dir.File("no/such/folder/journal.txt");
    EXPECT_THROW(Manager->SaveDataFile(), EInOutError);
}

TEST_F(JournalFile, FreeingAModifiedManagerRewritesTheJournal)
{
    Manager = Load(CrLfLines({TuningLine().Line(), ImageLine().Line()}));
    Manager->DeleteTuning(Manager->TuningMessages[0]);
    Manager.reset();
    EXPECT_EQ(JournalBytes(), CrLfLines({ImageLine().Line()}));

    // A rewrite that fails at that moment keeps the journal and says so on the standard error stream.
    const QByteArray journal = JournalBytes();
    Manager = Load(journal);
    Break(*Manager);
    testing::internal::CaptureStderr();
    Manager.reset();
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("cannot format this record"), std::string::npos) << reported;
    EXPECT_EQ(JournalBytes(), journal);
}
