#pragma once

// Floating-point operations that raise the original's errors instead of giving an infinity or a NaN.

// EZeroDivide for x / 0, EInvalidOp for 0 / 0 and operands that are not finite, EOverflow when the quotient is too large.
double FloatDiv(double dividend, double divisor);
// EZeroDivide for 0 (no logarithm), EInvalidOp for negative numbers, infinity and NaN.
double Log10(double value);
// number × numerator / denominator with a 64-bit intermediate, rounded half away from zero; -1 when the
// denominator is 0 or the result does not fit 32 bits, as the platform's multiply-divide answers.
int MulDiv(int number, int numerator, int denominator);
