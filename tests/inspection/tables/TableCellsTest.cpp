#include "FormatSettingsGuard.h"
#include "Records.h"
#include "tables/TableCells.h"

#include <gtest/gtest.h>

namespace {
TLumbraTuningMessage Tuning()
{
    TLumbraTuningMessage tuning;
    tuning.DeviceType = "LUMBRA-C";
    tuning.DeviceNumber = 12;
    tuning.TuningID = 7;
    tuning.RecordName = " \tRail 5\r\n";
    tuning.TransducerID = 300;
    tuning.Day = 7;
    tuning.Month = 3;
    tuning.Year = 2005;
    tuning.Hour = 9;
    tuning.Minute = 5;
    tuning.Second = 0;
    tuning.Frequency = 51;
    tuning.Amplitude = 40;
    tuning.Period = 3;
    tuning.StartPoint = 10;
    tuning.EndPoint = 900;
    tuning.Attenuation = 6;
    tuning.Comments = "ok";
    return tuning;
}

TLumbraImageMessage Image()
{
    TLumbraImageMessage image;
    image.DeviceType = "LUMBRA-C";
    image.DeviceNumber = 12;
    image.ImageID = 4;
    image.TuningID = 7;
    image.RecordName = "  Weld ";
    image.BeginDay = 7;
    image.BeginMonth = 3;
    image.BeginYear = 2005;
    image.BeginHour = 9;
    image.BeginMinute = 5;
    image.BeginSecond = 0;
    image.EndDay = 17;
    image.EndMonth = 11;
    image.EndYear = 2006;
    image.EndHour = 23;
    image.EndMinute = 59;
    image.EndSecond = 58;
    image.SizeX = 120;
    image.SizeY = 100;
    image.StepX = 2;
    image.StepY = 3;
    image.ImageType = 1;
    image.Comments = "c";
    image.ControlMade = "Ivanov";
    image.Conclusion = "fit";
    return image;
}

std::vector<QString> Texts(const TRowTexts &row)
{
    std::vector<QString> texts;
    for (int col = 0; col < row.Count(); ++col)
        texts.push_back(row.At(col).toString());
    return texts;
}

void SetSeparators(QChar date, QChar time, QChar decimal)
{
    FormatSettings.DateSeparator = date;
    FormatSettings.TimeSeparator = time;
    FormatSettings.DecimalSeparator = decimal;
}
} // namespace

// Every column of both layouts: names trimmed, numbers plain, the tuning's date padded and the image's not, both
// with the separators of the moment, the frequency code in MHz with at most three decimals.
TEST(LumbraCells, RowsFollowTheColumnLayoutsAndTheLocaleSeparators)
{
    FormatSettingsGuard guard;
    SetSeparators(u'/', u':', u',');
    const TLumbraTuningMessage tuning = Tuning();
    EXPECT_EQ(Texts(TuningRowTexts(tuning)), (std::vector<QString>{"LUMBRA-C", "12", "7", "Rail 5", "300",
                                                            "07/03/2005 09:05:00", "8", "40", "3", "10", "900", "6",
                                                            "ok"}));
    EXPECT_EQ(Texts(ImageRowTexts(Image())),
              (std::vector<QString>{"LUMBRA-C", "12", "4", "7", "Weld", "7/3/2005 9:5:0", "17/11/2006 23:59:58",
                                    "120", "100", "2", "3", "1", "c", "Ivanov", "fit"}));

    TLumbraTuningMessage later = Tuning();
    later.Frequency = 64;
    later.Day = 10;
    later.Month = 12;
    later.Hour = 23;
    EXPECT_EQ(TuningRowTexts(later).At(6).toString(), "10,039");
    EXPECT_EQ(TuningRowTexts(later).At(5).toString(), "10/12/2005 23:05:00");

    SetSeparators(u'.', u':', u'.');
    EXPECT_EQ(TuningRowTexts(tuning).At(5).toString(), "07.03.2005 09:05:00");
    EXPECT_EQ(TuningRowTexts(later).At(6).toString(), "10.039");
    EXPECT_EQ(ImageRowTexts(Image()).At(5).toString(), "7.3.2005 9:5:0");
}
