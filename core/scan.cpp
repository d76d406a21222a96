#include "core/scan.h"

#include "core/accuracy.h"
#include "core/exact_target.h"

#include <cmath>

namespace velnorit {

namespace {

using exact::Fraction;

// The best fractions so far and the side of the last record; they live only
// while one scan runs. The records are decided on the exact fractions: a
// lower fraction is closer to target exactly when it is larger, an upper one
// when it is smaller, and the two sides compare through the sign of
// bestUpper + bestLower - 2*target.
struct Bests {
    Fraction lower{-10000, 1};
    Fraction upper{10000, 1};
    Side lastRecordSide = Side::Lower;
};

bool isLess(const Fraction& a, const Fraction& b) { return exact::Int128(a.p) * b.q < exact::Int128(b.p) * a.q; }

Record makeRecord(Side side, const Fraction& fraction, double value, const ScanParameters& p,
                  const exact::QuadraticTarget& x, Side previousSide) {
    Record record;
    record.side = side;
    record.n = static_cast<int>(fraction.q);
    record.value = value;
    record.numerator = static_cast<double>(fraction.p);
    const std::optional<std::int64_t> m = x.accuracyDenominator(fraction);
    record.distance = m ? std::abs(value - p.target) : 0;
    record.hasAccuracy = m.has_value();
    if (m) record.accuracyDenominator = static_cast<double>(*m);
    record.pellAbsoluteTerm = pellAbsoluteTerm(p.wurzel, p.nenner, p.abs, p.scanSign, record.numerator, record.n);
    record.previousSide = previousSide;
    return record;
}

void lowerSide(WindowState& state, const ScanParameters& p, const exact::QuadraticTarget& x, Bests& bests,
               ScanListener& listener) {
    const int n = *state.n;
    const Fraction lower{state.lowerNum[n], n};
    if (!isLess(bests.lower, lower)) {
        listener.onNoRecord(Side::Lower, state);
        return;
    }
    bests.lower = lower;
    const Record record = makeRecord(Side::Lower, lower, *state.lower, p, x, bests.lastRecordSide);
    listener.onRecord(record, state);
    bests.lastRecordSide = Side::Lower;
    if (x.signOfSumMinusTwice(bests.upper, bests.lower) > 0) listener.onAbsoluteImprovement(record, state);
}

void upperSide(WindowState& state, const ScanParameters& p, const exact::QuadraticTarget& x, Bests& bests,
               ScanListener& listener) {
    const int n = *state.n;
    const Fraction upper{static_cast<std::int64_t>(*state.upperNum[n]), n};
    if (!isLess(upper, bests.upper)) {
        listener.onNoRecord(Side::Upper, state);
        return;
    }
    bests.upper = upper;
    const Record record = makeRecord(Side::Upper, upper, *state.upper, p, x, bests.lastRecordSide);
    listener.onRecord(record, state);
    bests.lastRecordSide = Side::Upper;
    if (x.signOfSumMinusTwice(bests.upper, bests.lower) < 0) listener.onAbsoluteImprovement(record, state);
}

} // namespace

void runScan(WindowState& state, const ScanParameters& p, ScanListener& listener) {
    Bests bests;
    const double target = p.target;
    const exact::QuadraticTarget x(p.wurzel, p.abs, p.nenner, p.scanSign);
    exact::QuadraticTarget::Multiples multiple(x);
    for (Integer n = 1; n <= kLastDenominator; ++n) {
        state.n = n;
        // floor(n*target) and ceil(n*target), in integers: n*target in
        // Doubles can miss an integer by one unit in the last place.
        multiple.next();
        const double lowerNumerator = static_cast<double>(multiple.floorOfProduct());
        const double upperNumerator = multiple.isIntegral() ? lowerNumerator : lowerNumerator + 1;
        state.upperNum[n] = upperNumerator;
        state.lowerNum[n] = toLong(lowerNumerator);

        const double upper = checkedDivide(upperNumerator, n);
        const double lower = checkedDivide(lowerNumerator, n);
        state.upper = upper;
        state.lower = lower;

        const double bottomEdge = target - p.yScale / 100;
        const double topEdge = target + p.yScale / 100;
        state.lowerClip = lower < bottomEdge ? bottomEdge : lower;
        state.upperClip = upper > topEdge ? topEdge : upper;

        lowerSide(state, p, x, bests, listener);
        upperSide(state, p, x, bests, listener);
        listener.onStepEnd(state);
    }
    state.n = static_cast<Integer>(kLastDenominator + 1);
}

} // namespace velnorit
