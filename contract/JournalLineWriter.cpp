#include "JournalLineWriter.h"

#include "HexDigits.h"
#include "JournalText.h"
#include "rtl/Codec1251.h"
#include "rtl/FloatDigits.h"

#include <cmath>

void TJournalLineWriter::Pad(qsizetype blanks)
{
    if (blanks > 0)
        out_.append(blanks, ' ');
}

TJournalLineWriter &TJournalLineWriter::Hex(quint32 value, int digits)
{
    char text[8];
    int count = 0;
    do {
        text[7 - count++] = UpperHexDigits[value & 15];
        value >>= 4;
    } while (value != 0);
    if (digits > count)
        out_.append(digits - count, '0');
    out_.append(text + 8 - count, count);
    return *this;
}

TJournalLineWriter &TJournalLineWriter::Dec(qint64 value, int digits)
{
    quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    char text[20];
    int count = 0;
    do {
        text[19 - count++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        out_.append('-');
    if (digits > count)
        out_.append(digits - count, '0');
    out_.append(text + 20 - count, count);
    return *this;
}

TJournalLineWriter &TJournalLineWriter::Fixed74(double value)
{
    constexpr int Width = 7;
    constexpr int Decimals = 4;
    if (!std::isfinite(value))
        return Text(NonFiniteText(value), Width);
    // The digits of the formatter's fixed notation, taken straight from the rounded decimal digits.
    TFloatDigits d = TFloatDigits::Of(value);
    d.RoundToDecimals(Decimals);
    const int digits = int(d.Digits.size());
    auto digit = [&](int at) { return at >= 0 && at < digits ? d.Digits[size_t(at)] : '0'; };
    const bool negative = d.Negative && !d.IsZero();
    const int integerDigits = qMax(d.Exponent, 1);
    Pad(Width - (negative + integerDigits + 1 + Decimals));
    if (negative)
        out_.append('-');
    if (d.Exponent <= 0)
        out_.append('0');
    for (int i = 0; i < d.Exponent; ++i)
        out_.append(digit(i));
    out_.append('.');
    for (int i = 0; i < Decimals; ++i)
        out_.append(digit(d.Exponent + i));
    return *this;
}

TJournalLineWriter &TJournalLineWriter::Text(const QString &text, int width)
{
    Pad(width - text.size());
    out_.append(ToCp1251(text));
    return *this;
}

TJournalLineWriter &TJournalLineWriter::Field(const QString &text, qsizetype width)
{
    const QByteArray bytes = FieldBytes(text, width);
    out_.append(bytes);
    Pad(width - bytes.size());
    return *this;
}

TJournalLineWriter &TJournalLineWriter::HexBytes(const quint8 *bytes, qsizetype count)
{
    const qsizetype at = out_.size();
    out_.resize(at + 2 * count);
    WriteHexBytes(out_.data() + at, bytes, count);
    return *this;
}
