#include "ZeltMessage.h"

#include "JournalLineWriter.h"
#include "JournalText.h"
#include "rtl/Math.h"

#include <cmath>

namespace {
constexpr long double PiExtended = 3.141592653589793238462643383279502884L;
} // namespace

double ArcSinDegrees(double x)
{
    if (!(x > -1))
        return -90;
    if (x >= 1)
        return 90;
    return double(std::asin(static_cast<long double>(x)) * 180 / PiExtended);
}

double TCustomZeltMessage::Real(int index) const
{
    RangeCheck(index, 0, 32);
    return index < 16 ? LowReals[index] : index == 16 ? Real16 : HighReals[index];
}

void TCustomZeltMessage::SetReal(int index, double value)
{
    RangeCheck(index, 0, 32);
    (index < 16 ? LowReals[index] : index == 16 ? Real16 : HighReals[index]) = value;
}

QString TCustomZeltMessage::FormatLine() const { return LineText(*this); }

void TCustomZeltMessage::WriteLine(QByteArray &out) const
{
    TJournalLineWriter line(out);
    line.Hex(0, 0).Blank().Dec(0);
    for (const ZeltLineField &field : ZeltLineFields) {
        line.Blank();
        if (field.IsInt)
            line.Dec(Ints[field.Index]);
        else
            line.Fixed74(Real(field.Index));
    }
    line.Blank().Text(OneLine(Text1), TextWidth).Blank().Text(OneLine(Text2), TextWidth);
}

TZeltMessage::TZeltMessage(const ZeltMessageRecord &record)
{
    SetDeviceCode(record.DeviceCode);
    SetDeviceKindText(record.DeviceKindText);
    for (const ZeltLineField &field : ZeltLineFields) {
        if (field.IsInt)
            SetInt(field.Index, record.Ints[field.Index]);
        else
            SetReal(field.Index, record.Reals[field.Index]);
    }
    SetText1(record.Text1);
    SetText2(record.Text2);

    AngleOfReal11 = ArcSinDegrees(Real(11) * Real(3));
    AngleOfReal16 = ArcSinDegrees(Real(16) * Real(3));
    AngleOfReal17 = ArcSinDegrees(Real(17) * Real(3));
    MultipleCount = Round(FloatDiv(Real(29), Real(4)));
    // Distance of Reals[29] from an even multiple of Reals[4]; an odd count is raised by one.
    const qint64 evenCount = MultipleCount % 2 ? qint64(MultipleCount) + 1 : MultipleCount;
    EvenRemainder = std::fabs(Real(29) - double(evenCount) * Real(4));
}
