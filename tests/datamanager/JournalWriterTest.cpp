#include "DeviceKinds.h"
#include "FormatSettingsGuard.h"
#include "HexDigits.h"
#include "JournalText.h"
#include "ManagerFixture.h"
#include "RimShaftMessages.h"
#include "SampleJournal.h"
#include "ZeltMessage.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

#include "QtPrint.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
// The journal's lines as the general formatter writes them, field by field from each writer's format: the
// writer of the rewrite must give the same bytes.
QString Field(const QString &text, qsizetype width) { return FromCp1251(FieldBytes(text, width)); }

QString ReferenceLine(const TLumbraTuningMessage &m)
{
    return Format("%.2x %.2x %.4x %.4x %-40s %.4x %.2x %.4x %.4x %.2x %.4x %.2x%.2x %.2x %.2x %.2x %.2x %.2x %.2x "
                  "%s %-100s",
                  {DeviceCodes[1], MessageKinds[0], m.DeviceNumber, m.TuningID, Field(m.RecordName, RecordNameWidth),
                   m.TransducerID, m.Attenuation, m.StartPoint, m.EndPoint, m.Day, m.Month, m.Year / 100,
                   m.Year % 100, m.Hour, m.Minute, m.Second, m.Frequency, m.Amplitude, m.Period, m.BitImageToHex(),
                   Field(m.Comments, CommentsWidth)});
}

QString ReferenceLine(const TLumbraImageMessage &m)
{
    return Format("%.2x %.2x %.4x %.4x %.4x %-40s %.2x %.2x %.2x%.2x %.2x %.2x %.2x %.2x %.2x %.2x%.2x %.2x %.2x %.2x "
                  "%.4x %.4x %.2x %.2x %.2x %s %-100s %-60s %s",
                  {DeviceCodes[1], MessageKinds[1], m.DeviceNumber, m.ImageID, m.TuningID,
                   Field(m.RecordName, RecordNameWidth), m.BeginDay, m.BeginMonth, m.BeginYear / 100,
                   m.BeginYear % 100, m.BeginHour, m.BeginMinute, m.BeginSecond, m.EndDay, m.EndMonth,
                   m.EndYear / 100, m.EndYear % 100, m.EndHour, m.EndMinute, m.EndSecond, m.SizeX, m.SizeY, m.StepX,
                   m.StepY, m.ImageType, m.BitImageToHex(), Field(m.Comments, CommentsWidth),
                   Field(m.ControlMade, ControlMadeWidth), OneLine(m.Conclusion)});
}

QString ReferenceLine(const TCustomZeltMessage &m)
{
    const DecimalSeparatorScope pointSeparator(u'.');
    QString line = Format("%x 0", {0});
    for (const ZeltLineField &field : ZeltLineFields)
        line += field.IsInt ? Format(" %d", {m.Ints[field.Index]}) : Format(" %7.4f", {m.Real(field.Index)});
    return line + Format(" %20s %20s", {OneLine(m.Text1), OneLine(m.Text2)});
}

QString ReferenceHeader(const TCustomUDJDMessage &m, int kind)
{
    return Format("0 %d %.4x %.8x %.4x %.2x %.2x %10s",
                  {kind, m.HeaderWord1, quint32(m.HeaderNumber), m.HeaderWord2, m.HeaderByte1, m.HeaderByte2,
                   OneLine(m.HeaderText.left(TCustomUDJDMessage::HeaderTextWidth))});
}

QString ReferenceLine(const TCustomUDJDMessage &message)
{
    if (const auto *m = dynamic_cast<const TObodMessage *>(&message)) {
        QString line = ReferenceHeader(*m, 1)
                       + Format(" %.2d %.2d %.2d %.4x %.4x %.4x %.2x %.2x %.2d %.2d %.2d %.2x ",
                                {m->T9, m->T10, m->T11, m->T12, m->T13, m->T14, m->LevelOffset, m->Amplitude, m->T17,
                                 m->T18, m->T19, m->T20});
        const qsizetype blockAt = line.size();
        line.resize(blockAt + 2 * RimBlockSize);
        WriteHexBytes(line.data() + blockAt, m->Block.Data, RimBlockSize);
        return line;
    }
    const auto &m = dynamic_cast<const TShaftMessage &>(message);
    QString line = ReferenceHeader(m, 2) + Format(" %.2x %.2d %.2d %.2d ", {int(m.Flag), m.T10, m.T11, m.T12});
    for (const TShaftChannel &c : m.Channels.Data)
        line += Format("%.4x %.2x %.4x %.4x %.4x %.2x %.4x %.2d %.2d %.2d ",
                       {c.K1, c.K2, c.K3, c.K4, c.K5, c.K6, c.K7, c.K8, c.K9, c.K10});
    return line;
}

// The journal a rewrite of the manager should write.
QByteArray ReferenceJournal(const TOrmelDataManager &manager)
{
    QByteArray journal;
    auto addAll = [&journal](const auto &list, qint32 count) {
        for (qint32 i = 0; i < count; ++i)
            journal += ToCp1251(ReferenceLine(*list[i])) + "\r\n";
    };
    addAll(manager.TuningMessages, manager.TuningCount);
    addAll(manager.ImageMessages, manager.ImageCount);
    addAll(manager.ZeltMessages, manager.ZeltCount);
    addAll(manager.JDMessages, manager.JDCount);
    for (const QByteArray &line : manager.UnreadLines())
        journal += line + "\r\n";
    return journal;
}

class JournalWriter : public testing::Test, public ManagerFixture {};
} // namespace

TEST_F(JournalWriter, RewritesTheBytesTheGeneralFormatterWrites)
{
    // A locale whose decimal separator is a comma changes nothing in the journal.
    FormatSettingsGuard settings;
    FormatSettings.DecimalSeparator = u',';
    for (const quint64 seed : {1, 2, 3}) {
        Manager = Load(SampleJournalBytes(MakeSampleJournal(2000, seed)));
        ASSERT_TRUE(Manager->TuningCount && Manager->ImageCount && Manager->ZeltCount && Manager->JDCount > 1);
        Manager->SaveDataFile();
        ASSERT_EQ(JournalBytes(), ReferenceJournal(*Manager)) << "seed " << seed;
    }

    // Texts beyond the code page, line breaks, overlong texts, and numbers at the ends of their ranges.
    TLumbraTuningMessage *tuning = Manager->TuningMessages[0];
    tuning->SetRecordName(QString::fromUtf8("😀 Настройка\r\nвторая строка, длиннее сорока")
                          + QString::fromUtf8(" символов"));
    tuning->SetComments(QString::fromUtf8("€‰ ") + QString(120, u'к'));
    tuning->SetYear(65535);
    tuning->SetMonth(255);
    TLumbraImageMessage *image = Manager->ImageMessages[0];
    image->SetComments("");
    image->SetControlMade(QString::fromUtf8("Иванов\nПетров 😀"));
    image->SetConclusion(QString::fromUtf8("Годен 😀\r\n") + QString(300, u'з'));
    image->SetSizeX(65535);
    TZeltMessage *zelt = Manager->ZeltMessages[0];
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const double reals[] = {2.675, -0.00004, 0.00005, 1.00005, -123456.78905, 1e15, -1e-300, 0, -0.0, 9.99995,
                            nan, -infinity};
    for (int i = 0; i <= 32; ++i)
        zelt->SetReal(i, reals[i % std::size(reals)] * (i < 12 ? 1 : i));
    zelt->SetInt(0, std::numeric_limits<qint32>::min());
    zelt->SetInt(5, -1);
    zelt->SetInt(4, std::numeric_limits<qint32>::max());
    zelt->Text1 = QString::fromUtf8("😀\r\nТекст");
    zelt->Text2 = "";
    TCustomUDJDMessage *jd = Manager->JDMessages[0];
    jd->SetHeaderText(QString::fromUtf8("😀\nАБ"));
    jd->SetHeaderNumber(std::numeric_limits<qint32>::max());
    jd->SetHeaderWord1(0xFFFF);
    Manager->SaveDataFile();
    EXPECT_EQ(JournalBytes(), ReferenceJournal(*Manager));
    for (const TCustomUDJDMessage *message : {Manager->JDMessages[0], Manager->JDMessages[1]})
        EXPECT_EQ(ToCp1251(message->FormatLine()), ToCp1251(ReferenceLine(*message)));
}
