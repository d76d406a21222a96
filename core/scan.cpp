#include "core/scan.h"

#include "core/accuracy.h"

#include <cmath>

namespace velnorit {

namespace {

// The best fractions so far and the side of the last record; they live only
// while one scan runs.
struct Bests {
    double lower = -10000;
    double upper = 10000;
    Side lastRecordSide = Side::Lower;
};

Record makeRecord(Side side, int n, double value, double numerator, double distance, Side previousSide,
                  const ScanParameters& p) {
    Record record;
    record.side = side;
    record.n = n;
    record.value = value;
    record.numerator = numerator;
    record.distance = distance;
    if (distance > 0) record.accuracyDenominator = accuracyDenominator(distance);
    record.pellAbsoluteTerm = pellAbsoluteTerm(p.wurzel, p.nenner, p.abs, p.scanSign, numerator, n);
    record.previousSide = previousSide;
    return record;
}

void lowerSide(WindowState& state, const ScanParameters& p, Bests& bests, ScanListener& listener) {
    const double target = p.target;
    const double lower = *state.lower;
    if (!(std::abs(target - lower) < std::abs(target - bests.lower))) {
        listener.onNoRecord(Side::Lower, state);
        return;
    }
    bests.lower = lower;
    const int n = *state.n;
    const Record record = makeRecord(Side::Lower, n, bests.lower, state.lowerNum[n], std::abs(target - bests.lower),
                                     bests.lastRecordSide, p);
    listener.onRecord(record, state);
    bests.lastRecordSide = Side::Lower;
    if ((bests.upper - target) > (target - bests.lower)) listener.onAbsoluteImprovement(record, state);
}

void upperSide(WindowState& state, const ScanParameters& p, Bests& bests, ScanListener& listener) {
    const double target = p.target;
    const double upper = *state.upper;
    if (!(std::abs(upper - target) < std::abs(target - bests.upper))) {
        listener.onNoRecord(Side::Upper, state);
        return;
    }
    bests.upper = upper;
    const int n = *state.n;
    const Record record = makeRecord(Side::Upper, n, bests.upper, *state.upperNum[n], std::abs(bests.upper - target),
                                     bests.lastRecordSide, p);
    listener.onRecord(record, state);
    bests.lastRecordSide = Side::Upper;
    if ((bests.upper - target) < (target - bests.lower)) listener.onAbsoluteImprovement(record, state);
}

} // namespace

void runScan(WindowState& state, const ScanParameters& p, ScanListener& listener) {
    Bests bests;
    const double target = p.target;
    for (Integer n = 1; n <= kLastDenominator; ++n) {
        state.n = n;
        const double x = checkedMultiply(n, target);
        const double lowerNumerator = intPart(x);
        const double upperNumerator = x > lowerNumerator ? lowerNumerator + 1 : lowerNumerator;
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

        lowerSide(state, p, bests, listener);
        upperSide(state, p, bests, listener);
        listener.onStepEnd(state);
    }
    state.n = static_cast<Integer>(kLastDenominator + 1);
}

} // namespace velnorit
