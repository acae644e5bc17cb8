#pragma once

#include "rtl/Exceptions.h"

#include <QString>
#include <initializer_list>
#include <variant>

// String and number routines with the conversion rules of the original run-time library.

// Removes every character whose code is below 33 at both ends (at one end for the Left/Right forms).
QString Trim(const QString &s);
QString TrimLeft(const QString &s);
QString TrimRight(const QString &s);

// Locale-aware upper-casing: Cyrillic letters change case as well as Latin ones.
QString AnsiUpperCase(const QString &s);
// Upper-casing of the ASCII letters a..z only.
QString UpperCase(const QString &s);
// Locale comparisons: < 0, 0, > 0. The Text form ignores letter case.
int AnsiCompareStr(const QString &a, const QString &b);
int AnsiCompareText(const QString &a, const QString &b);
bool SameText(const QString &a, const QString &b);

QString IntToStr(qint64 value);
// Upper-case hexadecimal, zero-padded to at least `digits` digits; a negative value of the 32-bit range
// shows its 32-bit pattern (-1 -> "FFFFFFFF").
QString IntToHex(qint64 value, int digits);
// Decimal, or hexadecimal after a "$" marker; blanks around are not allowed. A "$" value of eight digits
// with the top bit set comes out negative. Raises EConvertError "'x' is not a valid integer value".
int StrToInt(const QString &s);
int StrToIntDef(const QString &s, int defaultValue);
bool TryStrToInt(const QString &s, int &value);
// Uses FormatSettings.DecimalSeparator; an exponent ("1.5E3") is allowed, blanks around are not.
// Raises EConvertError "'x' is not a valid floating point value".
double StrToFloat(const QString &s);
bool TryStrToFloat(const QString &s, double &value);
// At most 15 significant digits, FormatSettings.DecimalSeparator, exponent form for very large/small values.
QString FloatToStr(double value);

// One argument of Format: an integer, a floating-point number or a text.
struct TVarRec {
    std::variant<qint64, double, QString> Value;
    TVarRec(int v) : Value(qint64(v)) {}
    TVarRec(unsigned v) : Value(qint64(v)) {}
    TVarRec(long v) : Value(qint64(v)) {} // qsizetype on 64-bit Linux
    TVarRec(qint64 v) : Value(v) {}
    TVarRec(double v) : Value(v) {}
    TVarRec(const QString &v) : Value(v) {}
    TVarRec(const char *v) : Value(QString::fromUtf8(v)) {}
};

// %d %u %x %s %f %e %g %n %% with index, width and precision ("%-40s", "%.4x", "%7.4f", "%20s", "%1:s").
// %x is upper-case; %.Nd and %.Nx pad with zeros to N digits; %.Ns cuts to N characters; %f and %n round
// halves away from zero and use FormatSettings. A directive that does not match its argument,
// or a missing argument, raises EConvertError "Format 'fmt' invalid or incompatible with argument".
QString Format(const QString &format, std::initializer_list<TVarRec> args);

// Picture formats: "0" digit, "#" optional digit, "." decimal point, "," thousands grouping; rounding half
// away from zero as the original does. ("###.###": 10.0390625 -> "10.039"; "#.###": 0.157 -> ".157";
// "#,###": 524288 -> "524,288".) Other characters, and text in quotes, are copied; a number shows at least
// one digit ("#.###": 0 -> "0"). Uses FormatSettings separators; an empty format gives FloatToStr.
QString FormatFloat(const QString &format, double value);

// Rounding of the original: halves go to the even neighbour; raises ERangeError beyond the int32 range
// (Round64/Trunc64 for the wide forms, which raise EInvalidOp beyond int64, as for NaN and infinity).
int Round(double value);
int Trunc(double value);
qint64 Round64(double value);
qint64 Trunc64(double value);

// Raises ERangeError "Range check error" unless low <= index <= high.
void RangeCheck(qint64 index, qint64 low, qint64 high);
