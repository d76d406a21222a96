// Compares the records of the floating-point scan with exact integer
// arithmetic for many irrational targets (W not a perfect square).
#include "core/scan.h"
#include "scan_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <cmath>
#include <random>

namespace velnorit {
namespace {

__extension__ typedef __int128 Int128;

std::int64_t integerSquareRoot(std::int64_t x) {
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(x)));
    while (r * r > x) --r;
    while ((r + 1) * (r + 1) <= x) ++r;
    return r;
}

std::int64_t floorDivide(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

struct Fraction {
    std::int64_t p;
    std::int64_t n;
};

// a/b < c/d for positive denominators.
bool less(const Fraction& a, const Fraction& c) { return Int128(a.p) * c.n < Int128(c.p) * a.n; }

struct Exact {
    int w, a, s, nn;

    // floor(n * (sqrt(W) + s*A) / N) = floor((floor(n*sqrt(W)) + n*s*A) / N)
    std::int64_t lowerNumerator(std::int64_t n) const {
        return floorDivide(integerSquareRoot(n * n * w) + n * s * a, nn);
    }
    // (U/u - t) > (t - L/l)  <=>  N(U l + L u) - 2 s A u l > 2 sqrt(W) u l
    bool upperFartherThanLower(const Fraction& upper, const Fraction& lower) const {
        const Int128 ul = Int128(upper.n) * lower.n;
        const Int128 x = Int128(nn) * (Int128(upper.p) * lower.n + Int128(lower.p) * upper.n) - 2 * Int128(s) * a * ul;
        if (x <= 0) return false;
        return x * x > 4 * Int128(w) * ul * ul;
    }
    std::int64_t pell(const Fraction& f) const {
        const std::int64_t x = nn * f.p - s * a * f.n;
        return w * f.n * f.n - x * x;
    }
};

bool isSquare(int w) { return integerSquareRoot(w) * integerSquareRoot(w) == w; }

TEST(ScanProperty, RecordsAgreeWithExactArithmetic) {
    std::mt19937 random(20261209);
    auto state = std::make_unique<WindowState>();
    int checked = 0;
    while (checked < 150) {
        const int w = std::uniform_int_distribution<int>(2, 99)(random);
        if (isSquare(w)) continue;
        const int a = std::uniform_int_distribution<int>(0, 99)(random);
        const int nn = std::uniform_int_distribution<int>(1, 99)(random);
        const bool minus = std::uniform_int_distribution<int>(0, 1)(random) == 1;
        const Exact exact{w, a, minus ? -1 : 1, nn};
        SCOPED_TRACE(::testing::Message() << "W=" << w << " A=" << a << " N=" << nn << (minus ? " -" : " +"));

        testing::ScanTrace trace;
        runScan(*state, testing::scanParametersFor(*state, {w, a, nn, minus}), trace);

        // The expected records, built with exact arithmetic. Whether a record
        // is an absolute improvement compares two distances; where they differ
        // by less than the Double resolution of target, the floating-point
        // scan cannot decide it and the case is not checked.
        struct Expected {
            Side side;
            int n;
            double pell;
            bool improvement;
            bool certain;
        };
        std::vector<Expected> expected;
        Fraction bestLower{-10000, 1};
        Fraction bestUpper{10000, 1};
        const long double target = (std::sqrt(static_cast<long double>(w)) + exact.s * a) / nn;
        auto certain = [&] {
            const long double margin = static_cast<long double>(bestUpper.p) / bestUpper.n +
                                       static_cast<long double>(bestLower.p) / bestLower.n - 2 * target;
            return std::abs(margin) > 1e-12L * std::max(1.0L, std::abs(target));
        };
        for (std::int64_t n = 1; n <= kLastDenominator; ++n) {
            const std::int64_t p = exact.lowerNumerator(n);
            ASSERT_EQ(state->lowerNum[n], p) << "n=" << n;
            ASSERT_EQ(*state->upperNum[n], p + 1) << "n=" << n;
            const Fraction lower{p, n}, upper{p + 1, n};
            if (n == 1 || less(bestLower, lower)) {
                bestLower = lower;
                expected.push_back({Side::Lower, static_cast<int>(n), static_cast<double>(exact.pell(lower)),
                                    exact.upperFartherThanLower(bestUpper, bestLower), certain()});
            }
            if (n == 1 || less(upper, bestUpper)) {
                bestUpper = upper;
                expected.push_back({Side::Upper, static_cast<int>(n), static_cast<double>(exact.pell(upper)),
                                    !exact.upperFartherThanLower(bestUpper, bestLower), certain()});
            }
        }

        std::vector<Record> actual;
        for (const testing::ScanEvent& e : trace.events)
            if (e.kind == testing::ScanEvent::Kind::Record) actual.push_back(e.record);
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < actual.size(); ++i) {
            ASSERT_EQ(actual[i].side, expected[i].side) << "record " << i;
            ASSERT_EQ(actual[i].n, expected[i].n) << "record " << i;
            ASSERT_EQ(actual[i].pellAbsoluteTerm, expected[i].pell) << "record " << i;
            if (expected[i].certain) {
                ASSERT_EQ(trace.isImprovement(actual[i].side, actual[i].n), expected[i].improvement)
                    << "record " << i << " at n=" << actual[i].n;
            }
            // m is the integer part of 1/d, give or take the rounding of the logarithm route.
            const double inverse = 1 / actual[i].distance;
            EXPECT_LE(actual[i].accuracyDenominator, inverse + 1e-6);
            EXPECT_GE(actual[i].accuracyDenominator, std::floor(inverse) - 1);
        }
        ++checked;
    }
}

} // namespace
} // namespace velnorit
