#include "core/accuracy.h"

#include "core/integer_rules.h"

#include <cmath>

namespace velnorit {

double pellAbsoluteTerm(int wurzel, int nenner, int abs, int sign, double numerator, double denominator) {
    const double x = nenner * numerator - static_cast<double>(sign) * abs * denominator;
    return checkedAdd(wurzel * denominator * denominator, -(x * x));
}

} // namespace velnorit
