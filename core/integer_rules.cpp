#include "core/integer_rules.h"

#include "core/runtime_error.h"

#include <limits>

namespace velnorit {

namespace {

Integer toCheckedInteger(std::int32_t wide) {
    if (wide < std::numeric_limits<Integer>::min() || wide > std::numeric_limits<Integer>::max())
        throw RuntimeError::overflow();
    return static_cast<Integer>(wide);
}

// A finite result passes; NaN is an invalid operation, infinity an overflow.
double checkedResult(double result) {
    if (std::isnan(result)) throw RuntimeError::invalidProcedureCall();
    if (std::isinf(result)) throw RuntimeError::overflow();
    return result;
}

} // namespace

Integer integerAdd(Integer a, Integer b) { return toCheckedInteger(std::int32_t{a} + b); }

Integer integerMultiply(Integer a, Integer b) { return toCheckedInteger(std::int32_t{a} * b); }

Long variantIntegerSum(Integer a, Integer b) { return std::int32_t{a} + b; }

Long toLong(double x) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(x);
    if (!(rounded >= std::numeric_limits<Long>::min() && rounded <= std::numeric_limits<Long>::max()))
        throw RuntimeError::overflow();
    return static_cast<Long>(rounded);
}

double checkedAdd(double a, double b) { return checkedResult(a + b); }

double checkedMultiply(double a, double b) { return checkedResult(a * b); }

double checkedDivide(double a, double b) {
    if (b == 0.0) {
        // 0/0 is reported as an overflow, any other number over zero as a
        // division by zero.
        if (a == 0.0 || std::isnan(a)) throw RuntimeError::overflow();
        throw RuntimeError::divisionByZero();
    }
    return checkedResult(a / b);
}

double checkedPower(double base, double exponent) { return checkedResult(std::pow(base, exponent)); }

double checkedSquareRoot(double x) {
    if (x < 0.0) throw RuntimeError::invalidProcedureCall();
    return checkedResult(std::sqrt(x));
}

} // namespace velnorit
