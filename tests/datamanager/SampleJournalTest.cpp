#include "DeviceKinds.h"
#include "ManagerFixture.h"
#include "RimShaftMessages.h"
#include "SampleJournal.h"
#include "ZeltMessage.h"
#include "rtl/Codec1251.h"

#include "QtPrint.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {
using Kind = TSampleLineKind;

class SampleJournal : public testing::Test, public ManagerFixture {};

QList<QByteArray> LinesOf(const QList<TSampleLine> &lines, std::initializer_list<Kind> kinds)
{
    QList<QByteArray> texts;
    for (const TSampleLine &line : lines)
        if (std::find(kinds.begin(), kinds.end(), line.Kind) != kinds.end())
            texts << line.Text;
    return texts;
}

bool HasCyrillic(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() < 0x0460; });
}
} // namespace

TEST(SampleJournalMaker, SameArgumentsGiveTheSameBytes)
{
    const QByteArray journal = SampleJournalBytes(MakeSampleJournal(400, 7));
    EXPECT_EQ(SampleJournalBytes(MakeSampleJournal(400, 7)), journal);
    EXPECT_NE(SampleJournalBytes(MakeSampleJournal(400, 8)), journal);
    EXPECT_TRUE(MakeSampleJournal(0, 7).isEmpty());

    // Every line ends with CR LF and holds no line break of its own.
    const QList<TSampleLine> lines = MakeSampleJournal(400, 7);
    EXPECT_EQ(journal.count("\r\n"), lines.size());
    EXPECT_EQ(journal.count('\n'), lines.size());
    EXPECT_EQ(journal.count('\r'), lines.size());
    EXPECT_EQ(CountSampleRecords(lines), 400);
    EXPECT_EQ(CountSampleLines(lines, Kind::Broken), 4);
    EXPECT_EQ(CountSampleLines(lines, Kind::Duplicate), 8);
    // Every text is one the code page holds: none lost a character to "?".
    EXPECT_FALSE(journal.contains('?'));

    // A small journal still holds one record of each kind, first.
    const QList<TSampleLine> small = MakeSampleJournal(7, 1);
    ASSERT_EQ(small.size(), 9);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(small[k].Kind, Kind(k));
}

TEST_F(SampleJournal, TheReaderFindsWhatTheMakerPutIn)
{
    const QList<TSampleLine> lines = MakeSampleJournal(1200, 3);
    Manager = Load(SampleJournalBytes(lines));

    EXPECT_EQ(Manager->TuningCount, CountSampleLines(lines, Kind::Tuning));
    EXPECT_EQ(Manager->ZeltCount, CountSampleLines(lines, Kind::Zelt));
    int images[3] = {};
    for (int i = 0; i < Manager->ImageCount; ++i)
        ++images[Manager->ImageMessages[i]->ImageType];
    EXPECT_EQ(images[0], CountSampleLines(lines, Kind::OrdinaryImage));
    EXPECT_EQ(images[1], CountSampleLines(lines, Kind::LevelImage));
    EXPECT_EQ(images[2], CountSampleLines(lines, Kind::ImpactImage));
    int rims = 0;
    for (int i = 0; i < Manager->JDCount; ++i)
        rims += dynamic_cast<const TObodMessage *>(Manager->JDMessages[i]) != nullptr;
    EXPECT_EQ(rims, CountSampleLines(lines, Kind::Rim));
    EXPECT_EQ(Manager->JDCount - rims, CountSampleLines(lines, Kind::Shaft));
    for (Kind kind : {Kind::Tuning, Kind::OrdinaryImage, Kind::LevelImage, Kind::ImpactImage, Kind::Zelt, Kind::Rim,
                      Kind::Shaft})
        EXPECT_GT(CountSampleLines(lines, kind), 10) << int(kind);

    // Every broken line is counted and kept as it was, and so is every other record under the keys of one
    // held; a line once more is dropped.
    const QList<QByteArray> broken = LinesOf(lines, {Kind::Broken});
    EXPECT_EQ(broken.size(), 12);
    EXPECT_EQ(Manager->ErrorCount, broken.size());
    const QList<QByteArray> recordLines = LinesOf(lines, {Kind::Tuning, Kind::OrdinaryImage, Kind::LevelImage,
                                                          Kind::ImpactImage, Kind::Zelt, Kind::Rim, Kind::Shaft});
    QList<QByteArray> kept;
    for (const QByteArray &line : LinesOf(lines, {Kind::Broken, Kind::Duplicate}))
        if (!recordLines.contains(line))
            kept << line;
    EXPECT_GT(kept.size(), broken.size());
    EXPECT_LT(kept.size(), LinesOf(lines, {Kind::Broken, Kind::Duplicate}).size());
    EXPECT_EQ(Manager->UnreadLines(), kept);
    EXPECT_EQ(Manager->TuningCount + Manager->ImageCount + Manager->ZeltCount + Manager->JDCount,
              CountSampleRecords(lines));

    // The lines are the writers' own: a rewrite gives back every record line byte for byte.
    Manager->SaveDataFile();
    const QList<QByteArray> expected = LinesOf(lines, {Kind::Tuning})
                                       + LinesOf(lines, {Kind::OrdinaryImage, Kind::LevelImage, Kind::ImpactImage})
                                       + LinesOf(lines, {Kind::Zelt}) + LinesOf(lines, {Kind::Rim, Kind::Shaft}) + kept;
    QByteArray rewritten = JournalBytes();
    ASSERT_TRUE(rewritten.endsWith("\r\n"));
    rewritten.chop(2);
    EXPECT_EQ(rewritten.replace("\r\n", "\n").split('\n'), expected);
}

TEST_F(SampleJournal, RecordsLookLikeAnInstrumentsRecords)
{
    Manager = Load(SampleJournalBytes(MakeSampleJournal(600, 11)));

    QSet<quint32> tunings;
    int cyrillicNames = 0, comments = 0;
    for (int i = 0; i < Manager->TuningCount; ++i) {
        const TLumbraTuningMessage *t = Manager->TuningMessages[i];
        tunings.insert(quint32(t->DeviceNumber) << 16 | t->TuningID);
        EXPECT_EQ(t->BitImage.Length(), 1458);
        EXPECT_LE(ToCp1251(t->RecordName).size(), 40);
        EXPECT_LE(ToCp1251(t->Comments).size(), 100);
        EXPECT_TRUE(t->Month >= 1 && t->Month <= 12 && t->Day >= 1 && t->Day <= 31 && t->Year >= 1999);
        cyrillicNames += HasCyrillic(t->RecordName);
        comments += !t->Comments.isEmpty();
    }
    EXPECT_EQ(cyrillicNames, Manager->TuningCount);
    EXPECT_GT(comments, Manager->TuningCount / 2);

    QSet<int> levels;
    int defectLayers = 0, conclusions = 0;
    for (int i = 0; i < Manager->ImageCount; ++i) {
        const TLumbraImageMessage *image = Manager->ImageMessages[i];
        // An image refers to a tuning of its own instrument.
        EXPECT_TRUE(tunings.contains(quint32(image->DeviceNumber) << 16 | image->TuningID)) << image->ImageID;
        EXPECT_TRUE(HasCyrillic(image->RecordName));
        conclusions += HasCyrillic(image->Conclusion);
        const int bytes = image->BitImage.Length();
        switch (image->ImageType) {
        case 0:
            EXPECT_TRUE(bytes == 1800 || bytes == 3600);
            defectLayers += bytes == 3600;
            EXPECT_LE(image->SizeX, 120);
            break;
        case 1:
            ASSERT_EQ(bytes, 120 * 120);
            for (int p = 0; p < bytes; ++p) {
                const int level = image->BitImage[p];
                EXPECT_TRUE(level % 6 == 0 && level >= 6 && level <= 48) << level;
                levels.insert(level);
            }
            break;
        case 2:
            EXPECT_EQ(bytes, image->SizeX * image->SizeY);
            EXPECT_GE(image->SizeX, 3);
            EXPECT_GE(image->SizeY, 3);
            for (int p = 0; p < bytes; ++p)
                EXPECT_LE(image->BitImage[p], 85);
            break;
        default:
            ADD_FAILURE() << "image type " << int(image->ImageType);
        }
    }
    EXPECT_EQ(levels.size(), 8);
    EXPECT_GT(defectLayers, 0);
    EXPECT_GT(conclusions, 0);

    int defective = 0;
    for (int i = 0; i < Manager->JDCount; ++i)
        defective += Manager->JDMessages[i]->CheckDefect();
    EXPECT_GT(defective, 0);
    EXPECT_LT(defective, Manager->JDCount / 2);
}
