#include "Records.h"
#include "RimShaftMessages.h"
#include "ZeltMessage.h"
#include "rtl/FormatSettings.h"

#include "QtPrint.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {
QByteArray Bytes(const TDynArray<quint8> &bits)
{
    return QByteArray(reinterpret_cast<const char *>(bits.Data()), bits.Length());
}

std::unique_ptr<TLumbraTuningMessage> NewTuning()
{
    return std::unique_ptr<TLumbraTuningMessage>(NewObject<TLumbraTuningMessage>(&TLumbraTuningMessage::Create));
}

int destroyed = 0;
struct TProbeTuning : TLumbraTuningMessage {
    ~TProbeTuning() override { ++destroyed; }
};

ZeltMessageRecord ZeltRecord(double real29, double real4)
{
    ZeltMessageRecord record;
    record.Reals[29] = real29;
    record.Reals[4] = real4;
    return record;
}
} // namespace

TEST(LumbraMessage, SizeSettersResizeThePictureOnlyOnChange)
{
    auto tuning = NewTuning();
    EXPECT_TRUE(tuning->GetRecordName().isEmpty());
    EXPECT_EQ(tuning->BitImage.Length(), 0);

    tuning->SetWidth(10);
    tuning->SetHeight(3);
    EXPECT_EQ(tuning->BitImage.Length(), 3);
    tuning->HexToBitImage(QString("0102030405"));
    tuning->SetHeight(3); // the same value: a picture of another length stays as it is
    EXPECT_EQ(tuning->BitImage.Length(), 5);
    tuning->SetHeight(4); // 40 bits: the leading bytes are kept
    EXPECT_EQ(Bytes(tuning->BitImage), QByteArray("\x01\x02\x03\x04\x05", 5));
    tuning->SetWidth(16);
    tuning->SetHeight(1);
    EXPECT_EQ(Bytes(tuning->BitImage), QByteArray("\x01\x02", 2));
}

TEST(LumbraMessage, PictureHexadecimalText)
{
    auto tuning = NewTuning();
    tuning->HexToBitImage(QString("0aFf"));
    EXPECT_EQ(Bytes(tuning->BitImage), QByteArray("\x0a\xff", 2));
    EXPECT_EQ(tuning->BitImageToHex(), "0AFF");

    // An odd length stores the whole pairs, then fails.
    EXPECT_THROW(tuning->HexToBitImage(QString("ABC")), ERangeError);
    EXPECT_EQ(Bytes(tuning->BitImage), QByteArray("\xab", 1));
    // A bad pair fails; the pairs before it stay, those after it are not stored.
    EXPECT_THROW(tuning->HexToBitImage(QByteArrayView("12G45678")), EConvertError);
    EXPECT_EQ(Bytes(tuning->BitImage), QByteArray("\x12\x00\x00\x00", 4));
    EXPECT_THROW(tuning->HexToBitImage(QString(QChar(0x0430)) + "1"), EConvertError);
    // The length is set first, keeping the leading bytes; a bad pair stops the filling, and every byte from it
    // on keeps what it held.
    tuning->HexToBitImage(QString("0102030405"));
    EXPECT_THROW(tuning->HexToBitImage(QString("AAbbXX0000")), EConvertError);
    EXPECT_EQ(Bytes(tuning->BitImage), QByteArray("\xaa\xbb\x03\x04\x05", 5));
    EXPECT_THROW(tuning->HexToBitImage(QByteArrayView("11 2")), EConvertError);
    EXPECT_EQ(Bytes(tuning->BitImage), QByteArray("\x11\xbb", 2));
    // A journal byte outside ASCII is named as the journal's code page reads it, and by its value.
    try {
        tuning->HexToBitImage(QByteArrayView("12\xC1"
                                             "5"));
        ADD_FAILURE() << "a Cyrillic byte was read as a digit";
    } catch (const EConvertError &error) {
        EXPECT_EQ(error.Message(), QString::fromUtf8("'$Б5' is not a valid integer value (bytes 0xC1 0x35)"));
    }

    tuning->HexToBitImage(QString());
    EXPECT_EQ(tuning->BitImage.Length(), 0);
    EXPECT_EQ(tuning->BitImageToHex(), "");
}

TEST(LumbraMessage, BuiltFromRecordsWithFixedPictureSizes)
{
    const QByteArray digits = "00112233445566778899";
    TuningMessageRecord tuning;
    tuning.TuningID = 3;
    tuning.Year = 2002;
    tuning.BitImageHex = digits;
    tuning.Comments = QString(120, u'x');
    std::unique_ptr<TLumbraTuningMessage> fromTuning(
        NewObject<TLumbraTuningMessage>(&TLumbraTuningMessage::CreateFromRecord, tuning));
    EXPECT_EQ(fromTuning->Width, 108);
    EXPECT_EQ(fromTuning->Height, 108);
    EXPECT_EQ(fromTuning->BitImage.Length(), 10);
    EXPECT_EQ(fromTuning->Year, 2002);
    EXPECT_EQ(fromTuning->Comments.size(), 100);

    ImageMessageRecord image;
    image.ImageID = 4;
    image.StepX = 7;
    image.BitImageHex = QByteArrayView(digits).first(6);
    image.ControlMade = QString(70, u'y');
    std::unique_ptr<TLumbraImageMessage> fromImage(
        NewObject<TLumbraImageMessage>(&TLumbraImageMessage::CreateFromRecord, image));
    EXPECT_EQ(fromImage->Width, 120);
    EXPECT_EQ(fromImage->Height, 120);
    EXPECT_EQ(fromImage->BitImage.Length(), 3);
    EXPECT_EQ(fromImage->StepX, 7);
    EXPECT_EQ(fromImage->ControlMade.size(), 60);

    // A record whose picture cannot be read destroys the half-built object.
    tuning.BitImageHex = "ABC";
    destroyed = 0;
    EXPECT_THROW(NewObject<TProbeTuning>(&TLumbraTuningMessage::CreateFromRecord, tuning), ERangeError);
    EXPECT_EQ(destroyed, 1);
}

TEST(DataManagerBase, AbstractSlotsRaiseAndTheDestructorFreesEveryRecord)
{
    std::unique_ptr<TDataManager> manager(NewObject<TDataManager>(&TDataManager::Create));
    EXPECT_THROW(manager->ParseDataLine("1 0", 3), EAbstractError);
    EXPECT_THROW(manager->FindTuning(1, 1), EAbstractError);
    EXPECT_THROW(manager->ClearAll(), EAbstractError);
    manager->SetModified(true);
    manager->SaveDataFile();
    EXPECT_FALSE(manager->Modified);

    destroyed = 0;
    manager->TuningMessages.SetLength(2);
    manager->TuningMessages[0] = new TProbeTuning;
    manager->TuningMessages[1] = new TProbeTuning;
    manager->TuningCount = 2;
    EXPECT_THROW(manager->TuningMessages[2], ERangeError);
    manager.reset();
    EXPECT_EQ(destroyed, 2);
}

TEST(ZeltMessage, AnglesAndEvenRemainder)
{
    EXPECT_NEAR(ArcSinDegrees(0.5), 30, 1e-12);
    EXPECT_EQ(ArcSinDegrees(1), 90);
    EXPECT_EQ(ArcSinDegrees(-1.5), -90);
    EXPECT_EQ(ArcSinDegrees(std::numeric_limits<double>::quiet_NaN()), -90);

    ZeltMessageRecord record = ZeltRecord(25, 10);
    record.Reals[3] = 0.25;
    record.Reals[11] = 2;
    record.Reals[16] = 4;
    record.Reals[17] = -6;
    TZeltMessage even(record);
    EXPECT_NEAR(even.AngleOfReal11, 30, 1e-12);
    EXPECT_EQ(even.AngleOfReal16, 90);
    EXPECT_EQ(even.AngleOfReal17, -90);
    EXPECT_EQ(even.MultipleCount, 2); // 2.5 goes to the even neighbour
    EXPECT_EQ(even.EvenRemainder, 5);

    TZeltMessage roundedUp(ZeltRecord(35, 10));
    EXPECT_EQ(roundedUp.MultipleCount, 4);
    EXPECT_EQ(roundedUp.EvenRemainder, 5);
    TZeltMessage odd(ZeltRecord(31, 10));
    EXPECT_EQ(odd.MultipleCount, 3);
    EXPECT_EQ(odd.EvenRemainder, 9);

    EXPECT_THROW(TZeltMessage(ZeltRecord(5, 0)), Exception);
    EXPECT_THROW(TZeltMessage(ZeltRecord(0, 0)), Exception);
    EXPECT_THROW(TZeltMessage(ZeltRecord(1e12, 1)), Exception);
}

TEST(ZeltMessage, TextsAreCutAndRealsAlwaysUseAPoint)
{
    ZeltMessageRecord record = ZeltRecord(25, 10);
    record.Text1 = "1234567890123456789012345";
    record.Reals[0] = -1.5;
    TZeltMessage message(record);
    EXPECT_EQ(message.Text1, "12345678901234567890");
    EXPECT_EQ(message.Real(0), -1.5);

    const QChar saved = FormatSettings.DecimalSeparator;
    FormatSettings.DecimalSeparator = u',';
    const QString line = message.FormatLine();
    EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
    FormatSettings.DecimalSeparator = saved;
    EXPECT_TRUE(line.startsWith("0 0 0 0 0 0 0 0 0  0.0000  0.0000  0.0000  0.0000")) << line.toStdString();
    EXPECT_TRUE(line.contains("-1.5000")) << line.toStdString();
    EXPECT_FALSE(line.contains(u','));
}

TEST(RimMessage, LevelAndDefect)
{
    RimMessageRecord record;
    record.LevelOffset = 6;
    record.Amplitude = 80;
    TObodMessage reference(record);
    EXPECT_EQ(reference.LevelDb, 6);
    EXPECT_FALSE(reference.CheckDefect());

    record.Amplitude = 81;
    TObodMessage above(record);
    EXPECT_NEAR(above.LevelDb, 6.1079, 1e-4);
    EXPECT_TRUE(above.CheckDefect());

    record.Amplitude = 40;
    EXPECT_NEAR(TObodMessage(record).LevelDb, 6 - 6.0206, 1e-4);
    record.Amplitude = 0;
    EXPECT_THROW(TObodMessage{record}, Exception);

    record.Amplitude = 80;
    record.Header.HeaderText = "ABCDEFGHIJKL";
    EXPECT_TRUE(TObodMessage(record).FormatLine().startsWith("0 1 0000 00000000 0000 00 00 ABCDEFGHIJ 00"));
}

TEST(ShaftMessage, FirstDefectiveChannelGivesTheCode)
{
    struct Fault {
        int Channel, K2, K6;
    };
    ShaftMessageRecord record;
    // Sound channels: channel 0 at or below its limit, the others at or above theirs.
    auto defectCode = [&record](std::initializer_list<Fault> faults) {
        for (int i = 0; i < ShaftChannelCount; ++i) {
            record.Channels[i].K2 = i == 0 ? 0 : 50;
            record.Channels[i].K6 = 40;
        }
        for (const Fault &fault : faults) {
            record.Channels[fault.Channel].K2 = quint8(fault.K2);
            record.Channels[fault.Channel].K6 = quint8(fault.K6);
        }
        return TShaftMessage(record).DefectCode;
    };
    EXPECT_EQ(defectCode({}), 0);
    EXPECT_EQ(defectCode({{0, 50, 40}}), 1);
    EXPECT_EQ(defectCode({{0, 40, 50}}), 0);
    EXPECT_EQ(defectCode({{3, 40, 50}}), 5);
    EXPECT_EQ(defectCode({{6, 10, 50}}), 6);
    EXPECT_EQ(defectCode({{5, 10, 50}, {4, 10, 50}}), 4); // channel 4 comes first

    record.T9 = 5;
    TShaftMessage flagged(record);
    EXPECT_TRUE(flagged.Flag);
    EXPECT_TRUE(flagged.FormatLine().contains(" 01 00 00 00 ")) << flagged.FormatLine().toStdString();
    EXPECT_TRUE(flagged.FormatLine().endsWith(' '));
}
