#pragma once

namespace velnorit {

// The accuracy 1/m of a fraction is computed exactly, see
// exact::QuadraticTarget::accuracyDenominator.

// The absolute term k of the Pell equation that the fraction p/n solves:
// k = W*n^2 - (N*p - s*A*n)^2. With target = (s*A + sqrt(W))/N the pair
// x = N*p - s*A*n, y = n solves x^2 - W*y^2 = -k. All terms are integers far
// below 2^53, so the Double result is exact.
double pellAbsoluteTerm(int wurzel, int nenner, int abs, int sign, double numerator, double denominator);

} // namespace velnorit
