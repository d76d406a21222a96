#include "core/accuracy.h"

#include "core/integer_rules.h"

#include <cmath>

namespace velnorit {

double accuracyDenominator(double distance) {
    const double e = checkedDivide(std::log(distance), std::log(10.0));
    return intPart(checkedPower(10.0, std::abs(e)));
}

double pellAbsoluteTerm(int wurzel, int nenner, int abs, int sign, double numerator, double denominator) {
    const double x = nenner * numerator - static_cast<double>(sign) * abs * denominator;
    return checkedAdd(wurzel * denominator * denominator, -(x * x));
}

} // namespace velnorit
