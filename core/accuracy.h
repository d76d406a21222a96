#pragma once

namespace velnorit {

// The accuracy reached by a fraction at distance d > 0 from target, written as
// the unit fraction 1/m: e = ln(d) / ln(10), m = Int(10^|e|). This is in
// effect the integer part of 1/d, but formed through the logarithm, so it can
// be one less where 1/d lies within rounding distance of an integer.
double accuracyDenominator(double distance);

// The absolute term k of the Pell equation that the fraction p/n solves:
// k = W*n^2 - (N*p - s*A*n)^2. With target = (s*A + sqrt(W))/N the pair
// x = N*p - s*A*n, y = n solves x^2 - W*y^2 = -k. All terms are integers far
// below 2^53, so the Double result is exact.
double pellAbsoluteTerm(int wurzel, int nenner, int abs, int sign, double numerator, double denominator);

} // namespace velnorit
