#include "JournalSamples.h"
#include "ManagerFixture.h"
#include "RimShaftMessages.h"
#include "ZeltMessage.h"
#include "rtl/Codec1251.h"
#include "rtl/FormatSettings.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

namespace {
using Outcome = TOrmelDataManager::TLineOutcome;

QByteArray Written(const QString &line) { return ToCp1251(line); }

class JournalFormat : public testing::Test, public ManagerFixture {};
} // namespace

TEST_F(JournalFormat, EveryRecordKindIsReadAndWrittenBackByteForByte)
{
    const TuningLine tuning;
    const ImageLine image;
    const ZeltLine zelt;
    const RimLine rim;
    const ShaftLine shaft{.Number = 5};
    for (const QByteArray &line : {tuning.Line(), image.Line(), zelt.Line(), rim.Line(), shaft.Line()})
        ASSERT_EQ(Manager->ParseLine(line), Outcome::Added) << line.left(60).toStdString();

    const TLumbraTuningMessage *t = Manager->TuningMessages[0];
    EXPECT_EQ(t->DeviceType, "LUMBRA-C");
    EXPECT_EQ(t->RecordName, tuning.Name);
    EXPECT_EQ(t->Comments, tuning.Comments);
    EXPECT_EQ(t->Year, 2002);
    EXPECT_EQ(t->Month, 12);
    EXPECT_EQ(t->BitImage.Length(), 1458);
    EXPECT_EQ(Written(t->FormatLine()), tuning.Line());

    const TLumbraImageMessage *i = Manager->ImageMessages[0];
    EXPECT_EQ(i->TuningID, 7);
    EXPECT_EQ(i->BeginYear, 2003);
    EXPECT_EQ(i->EndYear, 2004);
    EXPECT_EQ(i->ControlMade, image.ControlMade);
    EXPECT_EQ(i->Conclusion, image.Conclusion);
    EXPECT_EQ(Written(i->FormatLine()), image.Line());

    const auto *z = Manager->ZeltMessages[0];
    EXPECT_EQ(z->DeviceKindText, "ZELT-T");
    EXPECT_EQ(z->Ints[5], 16);
    EXPECT_EQ(z->Real(23), zelt.Reals[23]);
    EXPECT_EQ(z->Text1, "ZELT-T 0042");
    EXPECT_EQ(Written(z->FormatLine()), zelt.Line());

    const auto *r = dynamic_cast<const TObodMessage *>(Manager->JDMessages[0]);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->HeaderText, "   WHEEL-7");
    EXPECT_EQ(r->HeaderNumber, 0x00ABCDEF);
    EXPECT_EQ(r->T19, 19);
    EXPECT_EQ(Written(r->FormatLine()), rim.Line());

    const auto *s = dynamic_cast<const TShaftMessage *>(Manager->JDMessages[1]);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Channels[6].K10, 69);
    EXPECT_EQ(Written(s->FormatLine()), shaft.Line());
}

TEST_F(JournalFormat, TextFieldsKeepTheirPlaces)
{
    // An empty comment still leaves the control-made text and the conclusion where the writer put them.
    ImageLine image;
    image.Comments.clear();
    image.Id = 1;
    ImageLine shortTexts = image;
    shortTexts.Id = 2;
    shortTexts.ControlMade.clear();
    shortTexts.Conclusion.clear();
    // A rim header text of fewer than 10 characters is written right-aligned and read with its blanks.
    RimLine rim;
    rim.Text = "AB";
    for (const QByteArray &line : {image.Line(), shortTexts.Line(), rim.Line()})
        ASSERT_EQ(Manager->ParseLine(line), Outcome::Added);
    EXPECT_EQ(Manager->ImageMessages[0]->Comments, "");
    EXPECT_EQ(Manager->ImageMessages[0]->ControlMade, image.ControlMade);
    EXPECT_EQ(Manager->ImageMessages[0]->Conclusion, image.Conclusion);
    EXPECT_EQ(Written(Manager->ImageMessages[0]->FormatLine()), image.Line());
    EXPECT_EQ(Manager->ImageMessages[1]->ControlMade, "");
    EXPECT_EQ(Written(Manager->ImageMessages[1]->FormatLine()), shortTexts.Line());
    EXPECT_EQ(Manager->JDMessages[0]->HeaderText, "        AB");
    EXPECT_EQ(Written(Manager->JDMessages[0]->FormatLine()), rim.Line());

    // A tuning's comment is the rest of the line, trimmed like every other text; one longer than its 100
    // characters cannot be held, so the line is no record.
    TuningLine tuning;
    tuning.Comments = QString(98, u'c') + "  tail";
    EXPECT_THROW(Manager->ParseLine(tuning.Line()), ERangeError);
    tuning.Comments = QString(98, u'c') + "  ";
    ASSERT_EQ(Manager->ParseLine(tuning.Line()), Outcome::Added);
    EXPECT_EQ(Manager->TuningMessages[0]->Comments, QString(98, u'c'));
}

TEST_F(JournalFormat, YearsAndImageKinds)
{
    ImageLine kind2;
    kind2.Kind = 2;
    ASSERT_EQ(Manager->ParseLine(kind2.Line()), Outcome::Added);
    const TLumbraImageMessage *image = Manager->ImageMessages[0];
    EXPECT_EQ(image->TuningID, 0);
    ImageLine asKind1 = kind2;
    asKind1.Kind = 1;
    asKind1.Tuning = 0;
    EXPECT_EQ(Written(image->FormatLine()), asKind1.Line());

    auto second = NewManager();
    ASSERT_EQ(second->ParseLine(asKind1.Line()), Outcome::Added);
    EXPECT_EQ(second->ImageMessages[0]->FormatLine(), image->FormatLine());

    TuningLine tuning;
    tuning.Century = 0x13;
    tuning.YearInCentury = 0x63;
    ASSERT_EQ(Manager->ParseLine(tuning.Line()), Outcome::Added);
    EXPECT_EQ(Manager->TuningMessages[0]->Year, 1999);
    EXPECT_TRUE(Written(Manager->TuningMessages[0]->FormatLine()).contains(" 000C 1363 "));
}

TEST_F(JournalFormat, LinesWithoutRecords)
{
    EXPECT_EQ(Manager->ParseLine(" \t\r "), Outcome::Empty);
    EXPECT_EQ(Manager->ParseLine("2 0 1 2 3"), Outcome::Unknown);
    EXPECT_EQ(Manager->ParseLine("X 0 1 2 3"), Outcome::Unknown);
    EXPECT_EQ(Manager->ParseLine("0 3 1 2 3"), Outcome::Unknown);
    EXPECT_EQ(Manager->ParseLine("1 3 1 2 3"), Outcome::Unknown);
    TuningLine tuning;
    tuning.Id = 0;
    EXPECT_EQ(Manager->ParseLine(tuning.Line()), Outcome::Ignored);
    tuning.Name = "broken"; // the rest of a line numbered 0 is never read
    tuning.PictureHex = "XYZ";
    EXPECT_EQ(Manager->ParseLine(tuning.Line()), Outcome::Ignored);
    ImageLine image;
    image.Id = 0;
    EXPECT_EQ(Manager->ParseLine(image.Line()), Outcome::Ignored);

    // A Zelt integer that is no number is no line to take: a value made up for it would be written back.
    QByteArray zelt = ZeltLine().Line();
    zelt.replace("0 0 11 ", "0 0 x1 ");
    EXPECT_THROW(Manager->ParseLine(zelt), EConvertError);
    EXPECT_EQ(Manager->TuningCount + Manager->ImageCount + Manager->ZeltCount + Manager->JDCount, 0);
}

TEST_F(JournalFormat, BrokenLinesRaise)
{
    const auto broken = [this](const QByteArray &line) {
        EXPECT_THROW(Manager->ParseLine(line), Exception) << line.left(70).toStdString();
    };
    TuningLine tuning;
    tuning.Attenuation = 0x100;
    broken(tuning.Line());
    tuning.Attenuation = 0;
    broken(tuning.Line().replace(" 000C ", " 0x0C "));
    tuning.PictureHex = Picture(10) + "A"; // odd number of picture digits
    broken(tuning.Line());
    tuning.PictureHex = "0G";
    broken(tuning.Line());
    broken("1 0 0005");

    ImageLine image;
    image.SizeX = 0x10000;
    broken(image.Line());

    RimLine rim;
    rim.Number = qint32(0x80000000);
    broken(rim.Line());
    rim.Number = 1;
    rim.Amplitude = 0;
    broken(rim.Line());
    rim.Amplitude = 80;
    rim.Block = rim.Block.left(100);
    broken(rim.Line());
    rim.Block = "ZZ" + Picture(107);
    broken(rim.Line());
    rim.Block = Picture(108);
    rim.T9 = 256;
    broken(rim.Line());

    ShaftLine shaft;
    shaft.K[6][9] = 300;
    broken(shaft.Line());

    ZeltLine zelt;
    zelt.Reals[4] = 0;
    broken(zelt.Line());

    EXPECT_EQ(Manager->TuningCount + Manager->ImageCount + Manager->ZeltCount + Manager->JDCount, 0);
}

TEST_F(JournalFormat, ALineUnderTheKeysOfARecordHeldIsSkippedAndToldApartByItsContent)
{
    TuningLine tuning;
    ASSERT_EQ(Manager->ParseLine(tuning.Line()), Outcome::Added);
    EXPECT_EQ(Manager->ParseLine(tuning.Line()), Outcome::Duplicate);
    // Written otherwise, the same record: lower-case digits, no blanks at the end.
    EXPECT_EQ(Manager->ParseLine(tuning.Line().toLower().trimmed()), Outcome::Duplicate);
    tuning.Name = "Another name";
    EXPECT_EQ(Manager->ParseLine(tuning.Line()), Outcome::SameKeys);
    tuning.PictureHex = "bad"; // no record at all, but under keys held
    EXPECT_EQ(Manager->ParseLine(tuning.Line()), Outcome::SameKeys);
    EXPECT_EQ(Manager->ParseLine(TuningLine{.Device = 6}.Line()), Outcome::Added);

    // Rim and shaft messages share one key space.
    ASSERT_EQ(Manager->ParseLine(RimLine().Line()), Outcome::Added);
    EXPECT_EQ(Manager->ParseLine(ShaftLine().Line()), Outcome::SameKeys);
    ShaftLine otherShaft;
    otherShaft.Number = 5;
    EXPECT_EQ(Manager->ParseLine(otherShaft.Line()), Outcome::Added);

    ZeltLine zelt;
    ASSERT_EQ(Manager->ParseLine(zelt.Line()), Outcome::Added);
    EXPECT_EQ(Manager->ParseLine(zelt.Line()), Outcome::Duplicate);
    zelt.Ints[2] = 99; // not one of the five keys
    EXPECT_EQ(Manager->ParseLine(zelt.Line()), Outcome::SameKeys);
    zelt.Ints[3] = 99;
    EXPECT_EQ(Manager->ParseLine(zelt.Line()), Outcome::Added);

    // A kind 2 line is the kind 1 record with tuning number 0.
    ImageLine image{.Tuning = 0};
    ASSERT_EQ(Manager->ParseLine(image.Line()), Outcome::Added);
    image.Kind = 2;
    EXPECT_EQ(Manager->ParseLine(image.Line()), Outcome::Duplicate);
    image.Kind = 1;
    image.Tuning = 7;
    EXPECT_EQ(Manager->ParseLine(image.Line()), Outcome::SameKeys);

    EXPECT_EQ(Manager->TuningCount, 2);
    EXPECT_EQ(Manager->JDCount, 2);
    EXPECT_EQ(Manager->ZeltCount, 2);
    EXPECT_EQ(Manager->ImageCount, 1);
    EXPECT_EQ(Manager->ErrorCount, 0);
}
