#pragma once

#include <cmath>
#include <cstdint>

// The arithmetic rules of the window's values that change a result:
// 16-bit Integer arithmetic, the conversions to Long and Single, Int towards minus
// infinity and the floating-point check of Double computations.
namespace velnorit {

using Integer = std::int16_t; // scroll-bar and option values
using Long = std::int32_t;    // entries of lowerNum

// Int(x): the greatest integer not above x (Int(-0.5) = -1). The result keeps
// the operand's kind, so a Single stays a Single.
inline double intPart(double x) { return std::floor(x); }
inline float intPart(float x) { return std::floor(x); }

// A Double stored where a Single is wanted (the coordinates of the drawing
// surfaces): rounded to the nearest Single.
constexpr float single(double value) { return static_cast<float>(value); }

// Operations on two Integer-typed operands: done in 16 bits, a result outside
// -32768..32767 raises the overflow error.
Integer integerAdd(Integer a, Integer b);
Integer integerMultiply(Integer a, Integer b);

// The same sum where the result is a Variant: leaving the Integer range is no
// error, the result widens to a Long (32767 + 1 gives the Long 32768).
Long variantIntegerSum(Integer a, Integer b);

// Conversion to Long: nearest integer, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4); outside the Long range the overflow error.
Long toLong(double x);

// Double computations with the floating-point check: an invalid operation
// (error 5), an overflow (error 6) or a division by zero (error 11) raises the
// run-time error before the result is used.
double checkedAdd(double a, double b);
double checkedMultiply(double a, double b);
double checkedDivide(double a, double b);
double checkedPower(double base, double exponent);
double checkedSquareRoot(double x);

} // namespace velnorit
