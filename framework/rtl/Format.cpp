#include "rtl/FloatDigits.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include <cmath>
#include <limits>

namespace {
struct TDirective {
    bool LeftAlign = false;
    int Width = 0;
    int Precision = -1;
    char16_t Type = 0;
};

class TFormatter {
public:
    TFormatter(const QString &format, std::initializer_list<TVarRec> args) : format_(format), args_(args) {}
    QString Run();

private:
    [[noreturn]] void Fail() const
    {
        throw EConvertError(QString("Format '%1' invalid or incompatible with argument").arg(format_));
    }
    int ReadNumber(qsizetype &i) const;
    const TVarRec &NextArg();
    qint64 IntArg();
    double FloatArg();
    QString Convert(const TDirective &directive);

    const QString &format_;
    std::initializer_list<TVarRec> args_;
    size_t next_ = 0;
};

QString WithSign(bool negative, const QString &digits) { return negative ? "-" + digits : digits; }

QString FixedText(double value, int decimals, QChar thousands)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    TFloatDigits d = TFloatDigits::Of(value);
    d.RoundToDecimals(decimals);
    const QString integer = d.IntegerDigits();
    QString text = GroupThousands(integer.isEmpty() ? "0" : integer, thousands);
    if (decimals > 0)
        text += FormatSettings.DecimalSeparator + d.FractionDigits(decimals);
    return WithSign(d.Negative && !d.IsZero(), text);
}

// "d.dddE+ddd": `precision` significant digits, a signed exponent of at least three digits.
QString ScientificText(double value, int precision)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    TFloatDigits d = TFloatDigits::Of(value);
    d.RoundToDigits(precision);
    const int exponent = d.IsZero() ? 0 : d.Exponent - 1;
    QString mantissa = QString::fromStdString(d.Digits).leftJustified(precision, u'0');
    if (mantissa.isEmpty())
        mantissa = "0";
    QString text = mantissa.left(1);
    if (mantissa.size() > 1)
        text += FormatSettings.DecimalSeparator + mantissa.mid(1);
    text += exponent < 0 ? "E-" : "E+";
    text += QString::number(std::abs(exponent)).rightJustified(3, u'0');
    return WithSign(d.Negative && !d.IsZero(), text);
}

// Negative values of the 32-bit range show as their 32-bit pattern, as the original's integers do.
quint64 AsUnsigned(qint64 value)
{
    if (value < 0 && value >= std::numeric_limits<qint32>::min())
        return static_cast<quint32>(static_cast<qint32>(value));
    return static_cast<quint64>(value);
}

int TFormatter::ReadNumber(qsizetype &i) const
{
    qint64 number = 0;
    while (i < format_.size() && format_[i].isDigit() && format_[i].unicode() < 128) {
        number = number * 10 + (format_[i].unicode() - u'0');
        if (number > std::numeric_limits<qint16>::max())
            Fail();
        ++i;
    }
    return static_cast<int>(number);
}

const TVarRec &TFormatter::NextArg()
{
    if (next_ >= args_.size())
        Fail();
    return args_.begin()[next_++];
}

qint64 TFormatter::IntArg()
{
    const auto *v = std::get_if<qint64>(&NextArg().Value);
    if (!v)
        Fail();
    return *v;
}

double TFormatter::FloatArg()
{
    const auto *v = std::get_if<double>(&NextArg().Value);
    if (!v)
        Fail();
    return *v;
}

QString TFormatter::Convert(const TDirective &directive)
{
    switch (directive.Type) {
    case u'd': {
        const qint64 v = IntArg();
        const QString digits = QString::number(v < 0 ? 0 - quint64(v) : quint64(v));
        return WithSign(v < 0, digits.rightJustified(directive.Precision, u'0'));
    }
    case u'u':
        return QString::number(AsUnsigned(IntArg())).rightJustified(directive.Precision, u'0');
    case u'x':
        return IntToHex(IntArg(), directive.Precision);
    case u's': {
        const auto *v = std::get_if<QString>(&NextArg().Value);
        if (!v)
            Fail();
        return directive.Precision >= 0 ? v->left(directive.Precision) : *v;
    }
    case u'f':
        return FixedText(FloatArg(), directive.Precision >= 0 ? directive.Precision : 2, QChar());
    case u'n':
        return FixedText(FloatArg(), directive.Precision >= 0 ? directive.Precision : 2, FormatSettings.ThousandSeparator);
    case u'e':
        return ScientificText(FloatArg(), directive.Precision > 0 ? directive.Precision : 15);
    case u'g':
        return GeneralText(FloatArg(), directive.Precision > 0 ? directive.Precision : 15);
    default:
        Fail();
    }
}

QString TFormatter::Run()
{
    QString result;
    qsizetype i = 0;
    while (i < format_.size()) {
        const qsizetype percent = format_.indexOf(u'%', i);
        if (percent < 0) {
            result += QStringView(format_).mid(i);
            break;
        }
        result += QStringView(format_).mid(i, percent - i);
        i = percent + 1;
        if (i < format_.size() && format_[i] == u'%') {
            result += u'%';
            ++i;
            continue;
        }
        TDirective directive;
        const qsizetype numberStart = i;
        const int number = ReadNumber(i);
        if (i < format_.size() && format_[i] == u':') {
            next_ = number;
            ++i;
        } else {
            i = numberStart;
        }
        if (i < format_.size() && format_[i] == u'-') {
            directive.LeftAlign = true;
            ++i;
        }
        directive.Width = ReadNumber(i);
        if (i < format_.size() && format_[i] == u'.') {
            ++i;
            directive.Precision = ReadNumber(i);
        }
        if (i >= format_.size())
            Fail();
        directive.Type = format_[i++].toLower().unicode();
        const QString text = Convert(directive);
        result += directive.LeftAlign ? text.leftJustified(directive.Width) : text.rightJustified(directive.Width);
    }
    return result;
}
} // namespace

QString Format(const QString &format, std::initializer_list<TVarRec> args) { return TFormatter(format, args).Run(); }
