#include "rtl/FloatDigits.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include <cmath>

namespace {
bool IsQuote(QChar c) { return c == u'\'' || c == u'"'; }

// What a picture asks of the number: placeholders before the point (and how many of them, counted from the
// first "0", always show a digit), placeholders after it (and how many, up to the last "0", always show one).
struct TPicture {
    int IntegerPlaces = 0;
    int MinIntegerDigits = 0;
    int MaxDecimals = 0;
    int MinDecimals = 0;
    bool Grouped = false;

    explicit TPicture(const QString &format)
    {
        bool afterPoint = false;
        int firstZero = -1;
        for (qsizetype i = 0; i < format.size(); ++i) {
            const QChar c = format[i];
            if (IsQuote(c)) {
                const qsizetype close = format.indexOf(c, i + 1);
                i = close < 0 ? format.size() : close;
            } else if (c == u'.') {
                afterPoint = true;
            } else if (c == u',' && !afterPoint) {
                Grouped = true;
            } else if ((c == u'0' || c == u'#') && !afterPoint) {
                if (c == u'0' && firstZero < 0)
                    firstZero = IntegerPlaces;
                ++IntegerPlaces;
            } else if (c == u'0' || c == u'#') {
                ++MaxDecimals;
                if (c == u'0')
                    MinDecimals = MaxDecimals;
            }
        }
        MinIntegerDigits = firstZero < 0 ? 0 : IntegerPlaces - firstZero;
    }
};
} // namespace

QString FormatFloat(const QString &format, double value)
{
    if (format.isEmpty() || !std::isfinite(value))
        return FloatToStr(value);
    const TPicture picture(format);
    TFloatDigits d = TFloatDigits::Of(value);
    d.RoundToDecimals(picture.MaxDecimals);

    QString integer = d.IntegerDigits().rightJustified(picture.MinIntegerDigits, u'0');
    QString fraction = d.FractionDigits(picture.MaxDecimals);
    while (fraction.size() > picture.MinDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    // A number shows at least one digit, even where every placeholder is optional.
    if (integer.isEmpty() && fraction.isEmpty() && picture.IntegerPlaces + picture.MaxDecimals > 0)
        integer = "0";

    const QChar separator = picture.Grouped ? FormatSettings.ThousandSeparator : QChar();
    // Digits are laid right-aligned onto the integer placeholders; the first one also takes any excess digits.
    auto integerDigitsFor = [&](int place) {
        const qsizetype last = integer.size() - picture.IntegerPlaces + place;
        const qsizetype first = place == 0 ? 0 : last;
        QString digits;
        for (qsizetype k = std::max<qsizetype>(first, 0); k <= last; ++k) {
            digits += integer[k];
            if (!separator.isNull() && k < integer.size() - 1 && (integer.size() - 1 - k) % 3 == 0)
                digits += separator;
        }
        return digits;
    };

    QString text = d.Negative && !d.IsZero() ? "-" : "";
    bool afterPoint = false;
    int integerPlace = 0;
    int decimalPlace = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (IsQuote(c)) {
            const qsizetype close = format.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            text += QStringView(format).mid(i + 1, end - i - 1);
            i = end;
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
            if (picture.IntegerPlaces == 0)
                text += GroupThousands(integer, separator);
            if (!fraction.isEmpty())
                text += FormatSettings.DecimalSeparator;
        } else if ((c == u'0' || c == u'#') && !afterPoint) {
            text += integerDigitsFor(integerPlace++);
        } else if (c == u'0' || c == u'#') {
            if (decimalPlace < fraction.size())
                text += fraction[decimalPlace];
            ++decimalPlace;
        } else if (c != u',' && c != u'.') {
            text += c;
        }
    }
    return text;
}
