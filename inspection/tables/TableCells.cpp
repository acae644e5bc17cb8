#include "tables/TableCells.h"

#include "Records.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include <array>

namespace {
constexpr int MaxColumns = 15;

// The number and date texts of one row, written one after the other into one buffer that the row's texts are
// then copied from, so that a row costs one allocation, its own block.
class TCellWriter {
public:
    QStringView Decimal(unsigned value)
    {
        const int start = used_;
        Digits(value, false);
        return View(start);
    }
    // See DateTimeText.
    QStringView DateTime(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute,
                         unsigned second, bool padded)
    {
        const char16_t date = FormatSettings.DateSeparator.unicode();
        const char16_t time = FormatSettings.TimeSeparator.unicode();
        const int start = used_;
        Digits(day, padded);
        Put(date);
        Digits(month, padded);
        Put(date);
        Digits(year, false);
        Put(u' ');
        Digits(hour, padded);
        Put(time);
        Digits(minute, padded);
        Put(time);
        Digits(second, padded);
        return View(start);
    }

private:
    void Put(char16_t c) { buffer_[size_t(used_++)] = c; }
    void Digits(unsigned value, bool padded)
    {
        char16_t digits[10];
        int count = 0;
        do {
            digits[count++] = char16_t(u'0' + value % 10);
            value /= 10;
        } while (value != 0);
        if (padded && count < 2)
            Put(u'0');
        while (count > 0)
            Put(digits[--count]);
    }
    QStringView View(int start) const { return QStringView(buffer_.data() + start, used_ - start); }

    // Room for the twelve numbers and two dates of the widest row.
    std::array<char16_t, 256> buffer_;
    int used_ = 0;
};

using TCells = std::array<QStringView, MaxColumns>;

TRowTexts Packed(const TCells &cells, int count)
{
    return TRowTexts::Packed(count, [&](int col) { return cells[size_t(col)]; });
}

// The texts that follow the separators. A row made anew writes every text; one kept has the others already.
void TuningFormatted(const TLocaleValues &values, TCellWriter &writer, const QString &frequency, TCells &cells)
{
    const TMoment &m = values.First;
    cells[5] = writer.DateTime(m.Day, m.Month, m.Year, m.Hour, m.Minute, m.Second, true);
    cells[6] = frequency;
}

void ImageFormatted(const TLocaleValues &values, TCellWriter &writer, TCells &cells)
{
    const TMoment &b = values.First;
    const TMoment &e = values.Second;
    cells[5] = writer.DateTime(b.Day, b.Month, b.Year, b.Hour, b.Minute, b.Second, false);
    cells[6] = writer.DateTime(e.Day, e.Month, e.Year, e.Hour, e.Minute, e.Second, false);
}

TCells Kept(const TRowTexts &row, int count)
{
    TCells cells;
    for (int col = 0; col < count; ++col)
        cells[size_t(col)] = row.At(col);
    return cells;
}
} // namespace

QString DateTimeText(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute, unsigned second,
                     bool padded)
{
    TCellWriter writer;
    return writer.DateTime(day, month, year, hour, minute, second, padded).toString();
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

TRowTexts TuningRowTexts(const TLumbraTuningMessage &tuning)
{
    const QString deviceType = tuning.GetDeviceType();
    const QString name = Trim(tuning.GetRecordName());
    const QString comments = tuning.GetComments();
    const QString frequency = FrequencyText(tuning.Frequency);
    TCellWriter writer;
    TCells cells;
    cells[0] = deviceType;
    cells[1] = writer.Decimal(tuning.DeviceNumber);
    cells[2] = writer.Decimal(tuning.TuningID);
    cells[3] = name;
    cells[4] = writer.Decimal(tuning.TransducerID);
    TuningFormatted(TuningLocaleValues(tuning), writer, frequency, cells);
    cells[7] = writer.Decimal(tuning.Amplitude);
    cells[8] = writer.Decimal(tuning.Period);
    cells[9] = writer.Decimal(tuning.StartPoint);
    cells[10] = writer.Decimal(tuning.EndPoint);
    cells[11] = writer.Decimal(tuning.Attenuation);
    cells[12] = comments;
    return Packed(cells, 13);
}

TRowTexts ImageRowTexts(const TLumbraImageMessage &image)
{
    const QString deviceType = image.GetDeviceType();
    const QString name = Trim(image.GetRecordName());
    const QString comments = image.GetComments();
    const QString controlMade = image.GetControlMade();
    const QString conclusion = image.GetConclusion();
    TCellWriter writer;
    TCells cells;
    cells[0] = deviceType;
    cells[1] = writer.Decimal(image.DeviceNumber);
    cells[2] = writer.Decimal(image.ImageID);
    cells[3] = writer.Decimal(image.TuningID);
    cells[4] = name;
    ImageFormatted(ImageLocaleValues(image), writer, cells);
    cells[7] = writer.Decimal(image.SizeX);
    cells[8] = writer.Decimal(image.SizeY);
    cells[9] = writer.Decimal(image.StepX);
    cells[10] = writer.Decimal(image.StepY);
    cells[11] = writer.Decimal(image.ImageType);
    cells[12] = comments;
    cells[13] = controlMade;
    cells[14] = conclusion;
    return Packed(cells, 15);
}

TLocaleValues TuningLocaleValues(const TLumbraTuningMessage &t)
{
    return {{t.Year, t.Day, t.Month, t.Hour, t.Minute, t.Second}, {}, t.Frequency};
}

TLocaleValues ImageLocaleValues(const TLumbraImageMessage &i)
{
    return {{i.BeginYear, i.BeginDay, i.BeginMonth, i.BeginHour, i.BeginMinute, i.BeginSecond},
            {i.EndYear, i.EndDay, i.EndMonth, i.EndHour, i.EndMinute, i.EndSecond},
            0};
}

TRowTexts TuningRowTexts(const TLocaleValues &values, const TRowTexts &row)
{
    const QString frequency = FrequencyText(values.Frequency);
    TCellWriter writer;
    TCells cells = Kept(row, 13);
    TuningFormatted(values, writer, frequency, cells);
    return Packed(cells, 13);
}

TRowTexts ImageRowTexts(const TLocaleValues &values, const TRowTexts &row)
{
    TCellWriter writer;
    TCells cells = Kept(row, 15);
    ImageFormatted(values, writer, cells);
    return Packed(cells, 15);
}
