#include "JournalSamples.h"
#include "ManagerFixture.h"
#include "RimShaftMessages.h"
#include "ZeltMessage.h"

#include "QtPrint.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
using Outcome = TOrmelDataManager::TLineOutcome;

int changes = 0;
int otherChanges = 0;
void CountChange() { ++changes; }
void CountOtherChange() { ++otherChanges; }

int destroyed = 0;
struct TProbeTuning : TLumbraTuningMessage {
    ~TProbeTuning() override { ++destroyed; }
};

template <class Message>
void Adopt(TDynArray<Message *> &list, qint32 &count, Message *message)
{
    list.SetLength(count + 1);
    list[count++] = message;
}


class DataManager : public testing::Test, public ManagerFixture {
protected:
    void Add(std::initializer_list<QByteArray> lines)
    {
        for (const QByteArray &line : lines)
            ASSERT_EQ(Manager->ParseLine(line), Outcome::Added) << line.left(60).toStdString();
    }
};
} // namespace

TEST_F(DataManager, FindersCompareTheirKeysExactly)
{
    Add({TuningLine{.Id = 4464}.Line(), ImageLine().Line(), ZeltLine().Line(), RimLine().Line()});
    EXPECT_EQ(Manager->FindTuning(5, 4464), Manager->TuningMessages[0]);
    EXPECT_EQ(Manager->FindTuning(5, 70000), nullptr); // 70000 mod 65536 is 4464
    EXPECT_EQ(Manager->FindTuning(5 + 65536, 4464), nullptr);
    EXPECT_EQ(Manager->FindImage(5, 9), Manager->ImageMessages[0]);
    EXPECT_EQ(Manager->FindImage(5, 7), nullptr);
    EXPECT_EQ(Manager->FindZeltMessage(11, 16, 15, 12, 14), Manager->ZeltMessages[0]);
    EXPECT_EQ(Manager->FindZeltMessage(11, 12, 13, 14, 15), nullptr);
    EXPECT_EQ(Manager->FindJDMessage(0x42, 0x1234, 0xABCDEF), Manager->JDMessages[0]);
    EXPECT_EQ(Manager->FindJDMessage(0x1234, 0x42, 0xABCDEF), nullptr);
}

TEST_F(DataManager, DeletingByIdentity)
{
    Add({TuningLine{.Id = 1}.Line(), TuningLine{.Id = 2}.Line(), TuningLine{.Id = 3}.Line(), ImageLine().Line(),
         ZeltLine().Line(), RimLine().Line()});
    Manager->OnChangeData = &CountChange;
    changes = 0;
    TLumbraTuningMessage *first = Manager->TuningMessages[0];
    TLumbraTuningMessage *middle = Manager->TuningMessages[1];
    TLumbraTuningMessage *last = Manager->TuningMessages[2];
    EXPECT_FALSE(Manager->Modified);

    EXPECT_TRUE(Manager->DeleteTuning(middle));
    EXPECT_EQ(Manager->TuningCount, 2);
    EXPECT_EQ(Manager->TuningMessages.Length(), 2);
    EXPECT_EQ(Manager->TuningMessages[0], first);
    EXPECT_EQ(Manager->TuningMessages[1], last);
    EXPECT_TRUE(Manager->Modified);
    EXPECT_FALSE(Manager->DeleteTuning(middle));
    EXPECT_EQ(Manager->TuningCount, 2);

    Manager->SetModified(false);
    std::unique_ptr<TLumbraTuningMessage> stranger(NewObject<TLumbraTuningMessage>(&TLumbraTuningMessage::Create));
    EXPECT_FALSE(Manager->DeleteTuning(stranger.get()));
    EXPECT_FALSE(Manager->Modified);

    EXPECT_TRUE(Manager->DeleteImage(Manager->ImageMessages[0]));
    EXPECT_TRUE(Manager->DeleteZeltMessage(Manager->ZeltMessages[0]));
    EXPECT_TRUE(Manager->DeleteJDMessage(Manager->JDMessages[0]));
    EXPECT_EQ(Manager->ImageCount + Manager->ZeltCount + Manager->JDCount, 0);
    EXPECT_EQ(changes, 0);

    // A deleted record may come again.
    EXPECT_EQ(Manager->ParseLine(TuningLine{.Id = 2}.Line()), Outcome::Added);
    EXPECT_EQ(Manager->ParseLine(RimLine().Line()), Outcome::Added);
}

TEST_F(DataManager, RenameAndDeviceTypeChangeOnlyHeldRecords)
{
    Add({TuningLine().Line(), ImageLine().Line()});
    TLumbraTuningMessage *tuning = Manager->TuningMessages[0];
    TLumbraImageMessage *image = Manager->ImageMessages[0];
    Manager->RenameMessage(tuning, QString::fromUtf8("Новое имя"));
    Manager->RenameMessage(image, "Image 2");
    Manager->SetMessageDeviceType(image, "OTHER");
    EXPECT_EQ(tuning->GetRecordName(), QString::fromUtf8("Новое имя"));
    EXPECT_EQ(image->GetRecordName(), "Image 2");
    EXPECT_EQ(image->GetDeviceType(), "OTHER");
    EXPECT_EQ(tuning->GetDeviceType(), "LUMBRA-C");
    EXPECT_FALSE(Manager->Modified);

    std::unique_ptr<TLumbraImageMessage> stranger(NewObject<TLumbraImageMessage>(&TLumbraImageMessage::Create));
    Manager->RenameMessage(stranger.get(), "ignored");
    Manager->SetMessageDeviceType(stranger.get(), "ignored");
    EXPECT_EQ(stranger->GetRecordName(), "");
    EXPECT_EQ(stranger->GetDeviceType(), "");
}

TEST_F(DataManager, ClearsFreeEveryRecordOnce)
{
    destroyed = 0;
    Adopt(Manager->TuningMessages, Manager->TuningCount, static_cast<TLumbraTuningMessage *>(new TProbeTuning));
    Adopt(Manager->TuningMessages, Manager->TuningCount, static_cast<TLumbraTuningMessage *>(new TProbeTuning));
    Manager->ClearTunings();
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(Manager->TuningCount, 0);
    EXPECT_EQ(Manager->TuningMessages.Length(), 0);
    Manager.reset();
    EXPECT_EQ(destroyed, 2);

    Manager = Load(CrLfLines({TuningLine().Line(), ImageLine().Line(), ZeltLine().Line(), ShaftLine().Line(), "9 9"}));
    Manager->ClearImages();
    EXPECT_EQ(Manager->ImageCount, 0);
    EXPECT_EQ(Manager->TuningCount, 1);
    Manager->ClearAll();
    EXPECT_EQ(Manager->TuningCount + Manager->ImageCount + Manager->ZeltCount + Manager->JDCount, 0);
    EXPECT_EQ(Manager->JDMessages.Length(), 0);
    EXPECT_TRUE(Manager->UnreadLines().isEmpty());
    EXPECT_EQ(Manager->ParseLine(TuningLine().Line()), Outcome::Added);
}

TEST_F(DataManager, ChangeRoutineHearsEveryRecordAdded)
{
    Manager->OnChangeData = &CountChange;
    changes = otherChanges = 0;
    Add({TuningLine().Line(), ImageLine().Line(), ZeltLine().Line(), RimLine().Line(),
         ShaftLine{.Number = 9}.Line()});
    EXPECT_EQ(changes, 5);
    EXPECT_FALSE(Manager->ParseDataLine(TuningLine().Line().constData(), -1));
    EXPECT_EQ(Manager->ParseLine(TuningLine().Line()), Outcome::Duplicate);
    EXPECT_EQ(Manager->ParseLine(TuningLine{.Id = 0}.Line()), Outcome::Ignored);
    EXPECT_THROW(Manager->ParseLine("1 0 5 5"), Exception);
    EXPECT_EQ(changes, 5);

    Manager->OnChangeData = &CountOtherChange;
    EXPECT_TRUE(Manager->ParseDataLine(TuningLine{.Id = 8}.Line().constData(), 100000));
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(otherChanges, 1);
}
