#pragma once

#include <QString>
#include <string>

// The decimal digits of a finite double for the number-to-text routines: value = ±0.Digits × 10^Exponent,
// Digits without leading or trailing zeros (empty for zero). The digits are those of the shortest text that
// reads back as the same double, so 2.675 rounds to 2.68 as the user reads it, not to 2.67 as its binary
// value would.
struct TFloatDigits {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;

    static TFloatDigits Of(double value);

    bool IsZero() const { return Digits.empty(); }
    // Keeps at most `count` significant digits, rounding half away from zero (count <= 0 rounds to zero or
    // to one unit in the position above the first digit).
    void RoundToDigits(int count);
    void RoundToDecimals(int decimals) { RoundToDigits(Exponent + decimals); }
    // The digits before the decimal point ("" below 1) and exactly `count` digits after it.
    QString IntegerDigits() const;
    QString FractionDigits(int count) const;
};

// Inserts `separator` between groups of three digits from the right; a null separator groups nothing.
QString GroupThousands(const QString &digits, QChar separator);

// "NAN", "INF" or "-INF", as the original writes values that have no digits.
QString NonFiniteText(double value);

// At most `precision` significant digits, trailing zeros dropped, FormatSettings.DecimalSeparator; fixed
// notation unless the number needs more than `precision` integer digits or lies below 0.0001, then scientific
// ("1.5E20", "1E-5").
QString GeneralText(double value, int precision);
