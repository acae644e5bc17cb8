#include "_udtypes.h"

#include "JournalText.h"
#include "rtl/FormatSettings.h"
#include "rtl/Math.h"
#include "rtl/SysUtils.h"

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

QString TCustomZeltMessage::FormatLine() const
{
    const DecimalSeparatorScope pointSeparator(u'.');
    QString line = Format("%x 0", {0});
    for (const ZeltLineField &field : ZeltLineFields)
        line += field.IsInt ? Format(" %d", {Ints[field.Index]}) : Format(" %7.4f", {Real(field.Index)});
    return line + Format(" %20s %20s", {OneLine(Text1), OneLine(Text2)});
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
