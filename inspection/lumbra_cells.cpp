#include "lumbra_cells.h"

#include "controls/StringGrid.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"
#include "types_u.h"

namespace {
QString Decimal(unsigned value) { return QString::number(value); }

// Below ten with a leading "0".
QString TwoDigits(unsigned value) { return value < 10 ? QLatin1Char('0') + QString::number(value) : Decimal(value); }

QString DateTimeText(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute, unsigned second,
                     QString (*part)(unsigned))
{
    const QChar date = FormatSettings.DateSeparator;
    const QChar time = FormatSettings.TimeSeparator;
    return part(day) + date + part(month) + date + Decimal(year) + QLatin1Char(' ') + part(hour) + time +
           part(minute) + time + part(second);
}

// The frequency code counts steps of 8/51 MHz.
QString FrequencyText(unsigned code)
{
    return FormatFloat(QStringLiteral("###.###"), double(static_cast<long double>(code) * 8 / 51));
}
} // namespace

std::vector<QString> TuningRowTexts(const TLumbraTuningMessage &tuning)
{
    return {tuning.GetDeviceType(),
            Decimal(tuning.DeviceNumber),
            Decimal(tuning.TuningID),
            Trim(tuning.GetRecordName()),
            Decimal(tuning.TransducerID),
            DateTimeText(tuning.Day, tuning.Month, tuning.Year, tuning.Hour, tuning.Minute, tuning.Second, TwoDigits),
            FrequencyText(tuning.Frequency),
            Decimal(tuning.Amplitude),
            Decimal(tuning.Period),
            Decimal(tuning.StartPoint),
            Decimal(tuning.EndPoint),
            Decimal(tuning.Attenuation),
            tuning.GetComments()};
}

std::vector<QString> ImageRowTexts(const TLumbraImageMessage &image)
{
    return {image.GetDeviceType(),
            Decimal(image.DeviceNumber),
            Decimal(image.ImageID),
            Decimal(image.TuningID),
            Trim(image.GetRecordName()),
            DateTimeText(image.BeginDay, image.BeginMonth, image.BeginYear, image.BeginHour, image.BeginMinute,
                         image.BeginSecond, Decimal),
            DateTimeText(image.EndDay, image.EndMonth, image.EndYear, image.EndHour, image.EndMinute,
                         image.EndSecond, Decimal),
            Decimal(image.SizeX),
            Decimal(image.SizeY),
            Decimal(image.StepX),
            Decimal(image.StepY),
            Decimal(image.ImageType),
            image.GetComments(),
            image.GetControlMade(),
            image.GetConclusion()};
}

void FillGridRow(TStringGrid *grid, int row)
{
    TObject *record = grid->Objects(0, row);
    if (!record)
        return;
    if (grid->Tag() == 1)
        grid->SetRowTexts(row, TuningRowTexts(*static_cast<const TLumbraTuningMessage *>(record)));
    else
        grid->SetRowTexts(row, ImageRowTexts(*static_cast<const TLumbraImageMessage *>(record)));
}
