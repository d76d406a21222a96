#include "core/exact_target.h"

#include <cmath>

namespace velnorit::exact {

namespace {

int signOf(Int128 v) { return (v > 0) - (v < 0); }

// The scan's values (n^2 W below 10^10) stay in 64 bits, where a Double
// estimate is within one of the root and the corrections are cheap.
std::int64_t smallSquareRoot(std::int64_t v) {
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(v)));
    while (r > 0 && r * r > v) --r;
    while ((r + 1) * (r + 1) <= v) ++r;
    return r;
}

std::int64_t floorDivide64(std::int64_t a, std::int64_t b) {
    std::int64_t quotient = a / b;
    if (a % b != 0 && a < 0) --quotient;
    return quotient;
}

constexpr std::int64_t kSmall = std::int64_t(1) << 52;

} // namespace

Int128 integerSquareRoot(Int128 v) {
    if (v < kSmall) return smallSquareRoot(static_cast<std::int64_t>(v));
    // A long double estimate is within a few units of the root for every
    // value the program forms; the two loops make it exact.
    auto r = static_cast<Int128>(std::sqrt(static_cast<long double>(v)));
    while (r > 0 && r * r > v) --r;
    while ((r + 1) * (r + 1) <= v) ++r;
    return r;
}

Int128 floorDivide(Int128 a, Int128 b) {
    Int128 quotient = a / b;
    if (a % b != 0 && a < 0) --quotient;
    return quotient;
}

int signOfSurd(Int128 a, Int128 b, std::int64_t w) {
    if (b == 0 || w == 0) return signOf(a);
    if (a == 0 || signOf(a) == signOf(b)) return signOf(b);
    // Opposite signs: the larger square decides.
    const Int128 difference = a * a - b * b * w;
    return signOf(a) * signOf(difference);
}

QuadraticTarget::QuadraticTarget(int wurzel, int abs, int nenner, int sign)
    : wurzel_(wurzel), signedAbs_(static_cast<std::int64_t>(sign) * abs), nenner_(nenner), rootOfSquare_(-1) {
    const Int128 root = integerSquareRoot(wurzel);
    if (root * root == wurzel) rootOfSquare_ = static_cast<std::int64_t>(root);
}

QuadraticTarget::Multiples::Multiples(const QuadraticTarget& x)
    : wurzel_(x.wurzel_), nenner_(x.nenner_), rootStep_(smallSquareRoot(x.wurzel_)),
      stepQuotient_(floorDivide64(x.signedAbs_ + rootStep_, x.nenner_)),
      stepRemainder_(x.signedAbs_ + rootStep_ - stepQuotient_ * x.nenner_) {}

// a/qa + b/qb - 2(sqrt(W) + sA)/N has the sign of
// N(a qb + b qa) - 2 sA qa qb - 2 qa qb sqrt(W).
int QuadraticTarget::signOfSumMinusTwice(const Fraction& a, const Fraction& b) const {
    const Int128 denominators = Int128(a.q) * b.q;
    const Int128 rational = Int128(nenner_) * (Int128(a.p) * b.q + Int128(b.p) * a.q) - 2 * signedAbs_ * denominators;
    return signOfSurd(rational, -2 * denominators, wurzel_);
}

// x - p/q = (q sqrt(W) - u) / (N q) with u = N p - sA q.
std::optional<std::int64_t> QuadraticTarget::accuracyDenominator(const Fraction& f) const {
    const Int128 u = Int128(nenner_) * f.p - Int128(signedAbs_) * f.q;
    const Int128 q = f.q;
    const Int128 nq = Int128(nenner_) * f.q;
    const int side = signOfSurd(-u, q, wurzel_); // the sign of q sqrt(W) - u
    if (side == 0) return std::nullopt;

    // delta = |q sqrt(W) - u| = side*(q sqrt(W) - u) > 0, and d = delta / (N q).
    auto floorOfSurd = [&](Int128 a, Int128 b, Int128 c) { // floor((a + b sqrt(W)) / c), c > 0
        const Int128 root = integerSquareRoot(b * b * wurzel_);
        const Int128 floorOfRoot = b >= 0 ? root : (root * root == b * b * wurzel_ ? -root : -root - 1);
        return static_cast<std::int64_t>(floorDivide(a + floorOfRoot, c));
    };
    const bool atLeastOne = signOfSurd(-side * u - nq, side * q, wurzel_) >= 0;
    if (atLeastOne) return floorOfSurd(-side * u, side * q, nq);

    // floor(N q / delta).
    if (rootOfSquare_ >= 0) return static_cast<std::int64_t>(nq / (side * (q * rootOfSquare_ - u)));
    // 1 / (q sqrt(W) - u) = (q sqrt(W) + u) / k with k = W q^2 - u^2, never 0 here.
    const Int128 k = Int128(wurzel_) * q * q - u * u;
    const Int128 scale = side * signOf(k) * nq;
    return floorOfSurd(scale * u, scale * q, k < 0 ? -k : k);
}

} // namespace velnorit::exact
