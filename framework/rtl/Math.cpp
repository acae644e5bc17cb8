#include "rtl/Math.h"

#include "rtl/SysUtils.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
[[noreturn]] void InvalidOp() { throw EInvalidOp("Invalid floating point operation"); }
[[noreturn]] void ZeroDivide() { throw EZeroDivide("Floating point division by zero"); }

constexpr double kInt64Limit = 9223372036854775808.0; // 2^63, exact in a double

qint64 ToInt64(double whole)
{
    if (!(whole >= -kInt64Limit && whole < kInt64Limit))
        InvalidOp();
    return static_cast<qint64>(whole);
}

int ToInt32(qint64 value)
{
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        throw ERangeError("Range check error");
    return static_cast<int>(value);
}
} // namespace

qint64 Round64(double value)
{
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return ToInt64(whole);
}

qint64 Trunc64(double value) { return ToInt64(std::trunc(value)); }

int Round(double value) { return ToInt32(Round64(value)); }

int Trunc(double value) { return ToInt32(Trunc64(value)); }

double FloatDiv(double dividend, double divisor)
{
    if (!std::isfinite(dividend) || !std::isfinite(divisor))
        InvalidOp();
    if (divisor == 0) {
        if (dividend == 0)
            InvalidOp();
        ZeroDivide();
    }
    const double quotient = dividend / divisor;
    if (std::isinf(quotient))
        throw EOverflow("Floating point overflow");
    return quotient;
}

double Log10(double value)
{
    if (!std::isfinite(value) || value < 0)
        InvalidOp();
    if (value == 0)
        ZeroDivide();
    return std::log10(value);
}

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const qint64 product = qint64(number) * numerator;
    qint64 quotient = product / denominator;
    const qint64 remainder = product % denominator;
    if (2 * std::llabs(remainder) >= std::llabs(qint64(denominator)))
        quotient += (product < 0) == (denominator < 0) ? 1 : -1;
    if (quotient < std::numeric_limits<qint32>::min() || quotient > std::numeric_limits<qint32>::max())
        return -1;
    return static_cast<int>(quotient);
}
