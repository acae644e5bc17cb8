#include "tables/TableCells.h"

#include "Records.h"
#include "controls/StringGrid.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include <array>

namespace {
// Tables of tens of thousands of rows repeat the same small numbers: their texts are made once and shared.
constexpr unsigned SharedNumbers = 1024;

QString Decimal(unsigned value)
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> numbers(SharedNumbers);
        for (unsigned i = 0; i < SharedNumbers; ++i)
            numbers[i] = QString::number(i);
        return numbers;
    }();
    return value < SharedNumbers ? texts[value] : QString::number(value);
}

void AppendDecimal(QString &text, unsigned value, bool padded)
{
    if (padded && value < 10)
        text += QLatin1Char('0');
    text += Decimal(value);
}
} // namespace

QString DateTimeText(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute, unsigned second,
                     bool padded)
{
    const QChar date = FormatSettings.DateSeparator;
    const QChar time = FormatSettings.TimeSeparator;
    QString text;
    text.reserve(20);
    AppendDecimal(text, day, padded);
    text += date;
    AppendDecimal(text, month, padded);
    text += date;
    text += Decimal(year);
    text += QLatin1Char(' ');
    AppendDecimal(text, hour, padded);
    text += time;
    AppendDecimal(text, minute, padded);
    text += time;
    AppendDecimal(text, second, padded);
    return text;
}

// The 256 texts are made once for each decimal separator.
QString FrequencyText(quint8 code)
{
    static QChar separator;
    static std::array<QString, 256> texts;
    if (separator != FormatSettings.DecimalSeparator || texts[code].isNull()) {
        if (separator != FormatSettings.DecimalSeparator)
            texts.fill(QString());
        separator = FormatSettings.DecimalSeparator;
        texts[code] = FormatFloat(QStringLiteral("###.###"), double(static_cast<long double>(code) * 8 / 51));
    }
    return texts[code];
}

std::vector<QString> TuningRowTexts(const TLumbraTuningMessage &tuning)
{
    return {tuning.GetDeviceType(),
            Decimal(tuning.DeviceNumber),
            Decimal(tuning.TuningID),
            Trim(tuning.GetRecordName()),
            Decimal(tuning.TransducerID),
            DateTimeText(tuning.Day, tuning.Month, tuning.Year, tuning.Hour, tuning.Minute, tuning.Second, true),
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
                         image.BeginSecond, false),
            DateTimeText(image.EndDay, image.EndMonth, image.EndYear, image.EndHour, image.EndMinute,
                         image.EndSecond, false),
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
