// Compares every numerator, record, star and accuracy of the scan with an
// independent exact computation, for irrational and rational targets alike.
#include "core/exact_target.h"
#include "core/scan.h"
#include "scan_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>

namespace velnorit {
namespace {

__extension__ typedef __int128 Int128;

int signOf(Int128 v) { return (v > 0) - (v < 0); }

// The sign of a + b*sqrt(w), by squaring where the two terms have opposite signs.
int signOfSurd(Int128 a, Int128 b, Int128 w) {
    if (b == 0 || w == 0) return signOf(a);
    if (a == 0 || signOf(a) == signOf(b)) return signOf(b);
    return signOf(a) * signOf(a * a - b * b * w);
}

struct Fraction {
    std::int64_t p;
    std::int64_t n;
};

// a/b < c/d for positive denominators.
bool less(const Fraction& a, const Fraction& c) { return Int128(a.p) * c.n < Int128(c.p) * a.n; }

struct Exact {
    int w, a, s, nn;

    // Decided without a square root or a division, so that a mistake in
    // the program's integer square root or floor division cannot recur
    // here: p/n <= t exactly when N p - s A n <= n sqrt(W), that is when
    // the left side is negative or its square is at most n^2 W.
    Int128 leftSide(std::int64_t p, std::int64_t n) const { return Int128(nn) * p - Int128(s) * a * n; }
    bool atMostTarget(std::int64_t p, std::int64_t n) const {
        const Int128 left = leftSide(p, n);
        return left < 0 || left * left <= Int128(n) * n * w;
    }
    bool onTarget(std::int64_t p, std::int64_t n) const {
        const Int128 left = leftSide(p, n);
        return left >= 0 && left * left == Int128(n) * n * w;
    }
    // floor(n t): the largest p with p/n <= t, walked to from a rough
    // estimate by exact comparisons alone.
    std::int64_t lowerNumerator(std::int64_t n) const {
        auto p = static_cast<std::int64_t>(std::llround(double(n) * (std::sqrt(double(w)) + s * a) / nn));
        while (!atMostTarget(p, n)) --p;
        while (atMostTarget(p + 1, n)) ++p;
        return p;
    }
    bool isIntegralTimes(std::int64_t n) const { return onTarget(lowerNumerator(n), n); }
    // The sign of (U/u - t) - (t - L/l), that is of
    // N(U l + L u) - 2 s A u l - 2 u l sqrt(W).
    int upperMinusLowerDistance(const Fraction& upper, const Fraction& lower) const {
        const Int128 ul = Int128(upper.n) * lower.n;
        const Int128 x = Int128(nn) * (Int128(upper.p) * lower.n + Int128(lower.p) * upper.n) - 2 * Int128(s) * a * ul;
        return signOfSurd(x, -2 * ul, w);
    }
    // t - p/n = (n sqrt(W) - u) / (N n) with u = N p - s A n.
    Int128 u(const Fraction& f) const { return Int128(nn) * f.p - Int128(s) * a * f.n; }
    int sideOf(const Fraction& f) const { return signOfSurd(-u(f), f.n, w); }
    // Whether m * |t - p/n| <= 1, i.e. N n - side m (n sqrt(W) - u) >= 0.
    bool withinOne(Int128 m, const Fraction& f) const {
        const int side = sideOf(f);
        return signOfSurd(Int128(nn) * f.n + side * m * u(f), -side * m * f.n, w) >= 0;
    }
    std::int64_t pell(const Fraction& f) const {
        const std::int64_t x = nn * f.p - s * a * f.n;
        return w * f.n * f.n - x * x;
    }
};

struct Expected {
    Side side;
    int n;
    Fraction fraction;
    bool improvement;
};

// The records of one target by exact comparison of fractions.
std::vector<Expected> exactRecords(const Exact& exact, const WindowState& state) {
    std::vector<Expected> expected;
    Fraction bestLower{-10000, 1};
    Fraction bestUpper{10000, 1};
    for (std::int64_t n = 1; n <= kLastDenominator; ++n) {
        const std::int64_t p = exact.lowerNumerator(n);
        const std::int64_t q = exact.isIntegralTimes(n) ? p : p + 1;
        EXPECT_EQ(state.lowerNum[n], p) << "n=" << n;
        EXPECT_EQ(*state.upperNum[n], q) << "n=" << n;
        if (state.lowerNum[n] != p || *state.upperNum[n] != q) return {};
        const Fraction lower{p, n}, upper{q, n};
        // A lower fraction is closer exactly when it is larger, an upper one when it is smaller.
        if (less(bestLower, lower)) {
            bestLower = lower;
            expected.push_back({Side::Lower, int(n), lower, exact.upperMinusLowerDistance(bestUpper, bestLower) > 0});
        }
        if (less(upper, bestUpper)) {
            bestUpper = upper;
            expected.push_back({Side::Upper, int(n), upper, exact.upperMinusLowerDistance(bestUpper, bestLower) < 0});
        }
    }
    return expected;
}

// Only the records and their stars: a scan reports 30,000 events otherwise.
struct RecordsWithStars : ScanListener {
    std::vector<Record> records;
    std::vector<bool> starred;
    void onRecord(const Record& r, const WindowState&) override {
        records.push_back(r);
        starred.push_back(false);
    }
    void onNoRecord(Side, const WindowState&) override {}
    void onAbsoluteImprovement(const Record&, const WindowState&) override { starred.back() = true; }
    void onStepEnd(const WindowState&) override {}
};

void checkAgainstExact(const testing::Target& t, WindowState& state) {
    const Exact exact{t.wurzel, t.abs, t.minus ? -1 : 1, t.nenner};
    SCOPED_TRACE(::testing::Message() << "W=" << t.wurzel << " A=" << t.abs << " N=" << t.nenner
                                      << (t.minus ? " -" : " +"));
    RecordsWithStars scan;
    runScan(state, testing::scanParametersFor(state, t), scan);
    const std::vector<Expected> expected = exactRecords(exact, state);
    ASSERT_FALSE(expected.empty());

    const std::vector<Record>& actual = scan.records;
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const Record& r = actual[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(::testing::Message() << "record " << i << " at n=" << e.n);
        ASSERT_EQ(r.side, e.side);
        ASSERT_EQ(r.n, e.n);
        ASSERT_EQ(r.numerator, e.fraction.p);
        ASSERT_EQ(r.pellAbsoluteTerm, exact.pell(e.fraction));
        ASSERT_EQ(scan.starred[i], e.improvement);
        const bool onTarget = exact.sideOf(e.fraction) == 0;
        ASSERT_EQ(r.hasAccuracy, !onTarget);
        if (onTarget) continue;
        // m is floor(1/d): m*d <= 1 < (m+1)*d, and every record has d < 1.
        const auto m = static_cast<std::int64_t>(r.accuracyDenominator);
        ASSERT_EQ(static_cast<double>(m), r.accuracyDenominator);
        ASSERT_GE(m, 1);
        ASSERT_TRUE(exact.withinOne(m, e.fraction)) << "m=" << m;
        ASSERT_FALSE(exact.withinOne(Int128(m) + 1, e.fraction)) << "m=" << m;
    }
}

// The accuracy of any fraction, also far from target as the readout meets it
// after a parameter change: floor(1/d) below d = 1, floor(d) from there on.
TEST(ScanProperty, AccuracyOfSingleFractions) {
    struct Case {
        testing::Target target;
        exact::Fraction fraction;
        std::optional<std::int64_t> m;
    };
    const Case cases[] = {
        {{5, 0, 2}, {2, 1}, 1},         // d = 0.882
        {{5, 0, 2}, {3, 1}, 1},         // d = 1.882
        {{5, 0, 2}, {5, 1}, 3},         // d = 3.882
        {{5, 0, 2}, {-1, 1}, 2},        // d = 2.118
        {{5, 0, 2}, {10, 9}, 144},      // d = 0.00693
        {{0, 29, 7}, {4, 1}, 7},        // d = 1/7 exactly
        {{0, 29, 7}, {58, 14}, std::nullopt},
        {{0, 29, 7}, {6, 1}, 1},        // d = 13/7
        {{2, 5, 1, true}, {-4, 1}, 2},  // d = 0.414
        {{2, 5, 1, true}, {-3, 1}, 1},  // d = 0.586
        {{9, 0, 1}, {7, 2}, 2},         // d = 1/2 exactly
        {{0, 0, 1}, {0, 5}, std::nullopt},
    };
    for (const Case& c : cases) {
        const exact::QuadraticTarget x(c.target.wurzel, c.target.abs, c.target.nenner, c.target.minus ? -1 : 1);
        EXPECT_EQ(x.accuracyDenominator(c.fraction), c.m)
            << "W=" << c.target.wurzel << " A=" << c.target.abs << " N=" << c.target.nenner << " at "
            << c.fraction.p << "/" << c.fraction.q;
    }
}

bool isSquare(int w) {
    for (int root = 0; root * root <= w; ++root)
        if (root * root == w) return true;
    return false;
}

// Targets where Doubles used to decide wrongly: n*target missing an integer,
// last digits of a large m, stars at near-ties and exact ties.
TEST(ScanProperty, KnownHardTargetsAgreeWithExactArithmetic) {
    auto state = std::make_unique<WindowState>();
    const testing::Target targets[] = {
        {1, 0, 49},  {0, 29, 7},  {64, 99, 53}, {5, 0, 2},  {99, 99, 1},       {53, 60, 33},
        {2, 1, 1, true}, {42, 0, 1}, {0, 11, 12}, {66, 76, 2, true}, {1, 0, 10},  {4, 0, 1},
        {0, 0, 1},   {99, 99, 99, true},
    };
    for (const testing::Target& t : targets) checkAgainstExact(t, *state);
}

// Every perfect square W (rational targets) and random W, A, N and sign.
TEST(ScanProperty, RandomTargetsAgreeWithExactArithmetic) {
    std::mt19937 random(20261209);
    auto state = std::make_unique<WindowState>();
    auto draw = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int i = 0; i < 3000; ++i) {
        int w = draw(0, 99);
        if (i % 3 == 0) { // a third of the cases on the ten squares 0, 1, 4, ..., 81
            const int root = i / 3 % 10;
            w = root * root;
        }
        const testing::Target t{w, draw(0, 99), draw(1, 99), draw(0, 1) == 1};
        checkAgainstExact(t, *state);
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) return;
    }
    EXPECT_TRUE(isSquare(0) && isSquare(81) && !isSquare(99));
}

} // namespace
} // namespace velnorit
