#include "core/scan.h"
#include "scan_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Counts heap allocations, to show that a scan allocates nothing. The
// replaced operators pair malloc with free, which the compiler cannot see.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
static std::atomic<long> allocationCount{0};
void* operator new(std::size_t size) {
    ++allocationCount;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace velnorit {
namespace {

using testing::ScanEvent;
using testing::ScanTrace;
using testing::Target;

std::vector<int> denominators(const std::vector<Record>& records, std::size_t count) {
    std::vector<int> result;
    for (std::size_t i = 0; i < records.size() && i < count; ++i) result.push_back(records[i].n);
    return result;
}

class Scan : public ::testing::Test {
protected:
    std::unique_ptr<WindowState> state = std::make_unique<WindowState>();
    ScanTrace trace;

    void scan(const Target& target, double yScale = 100 / std::pow(1.4, 3)) {
        runScan(*state, testing::scanParametersFor(*state, target, yScale), trace);
    }
};

TEST_F(Scan, FindsTheRecordsOfTheDefaultStart) {
    scan({});
    EXPECT_EQ(denominators(trace.records(Side::Lower), 5), (std::vector<int>{1, 9, 17, 161, 305}));
    EXPECT_EQ(denominators(trace.records(Side::Upper), 16),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 25, 42, 59, 76, 93, 110, 127, 144}));

    const Record lower1 = trace.records(Side::Lower)[0];
    EXPECT_EQ(lower1.numerator, 1);
    EXPECT_NEAR(lower1.distance, 0.118, 0.001);
    EXPECT_EQ(lower1.accuracyDenominator, 8);
    EXPECT_EQ(lower1.pellAbsoluteTerm, 1);
    EXPECT_TRUE(trace.isImprovement(Side::Lower, 1));

    const Record upper1 = trace.records(Side::Upper)[0];
    EXPECT_EQ(upper1.numerator, 2);
    EXPECT_NEAR(upper1.distance, 0.882, 0.001);
    EXPECT_EQ(upper1.accuracyDenominator, 1);
    EXPECT_EQ(upper1.pellAbsoluteTerm, -11);
    EXPECT_FALSE(trace.isImprovement(Side::Upper, 1));

    const Record lower9 = trace.records(Side::Lower)[1];
    EXPECT_EQ(lower9.numerator, 10);
    EXPECT_EQ(lower9.accuracyDenominator, 144);
    EXPECT_EQ(lower9.pellAbsoluteTerm, 5);
    EXPECT_TRUE(trace.isImprovement(Side::Lower, 9));
}

TEST_F(Scan, ReportsEachStepInOrder) {
    scan({});
    using K = ScanEvent::Kind;
    std::vector<std::pair<K, Side>> step1, step2, step5;
    for (const ScanEvent& e : trace.events) {
        if (e.n == 1) step1.emplace_back(e.kind, e.side);
        if (e.n == 2) step2.emplace_back(e.kind, e.side);
        if (e.n == 5) step5.emplace_back(e.kind, e.side);
    }
    EXPECT_EQ(step1, (std::vector<std::pair<K, Side>>{{K::Record, Side::Lower},
                                                      {K::Improvement, Side::Lower},
                                                      {K::Record, Side::Upper},
                                                      {K::StepEnd, Side::Lower}}));
    EXPECT_EQ(step2, (std::vector<std::pair<K, Side>>{
                         {K::NoRecord, Side::Lower}, {K::Record, Side::Upper}, {K::StepEnd, Side::Lower}}));
    EXPECT_EQ(step5, (std::vector<std::pair<K, Side>>{{K::NoRecord, Side::Lower},
                                                      {K::Record, Side::Upper},
                                                      {K::Improvement, Side::Upper},
                                                      {K::StepEnd, Side::Lower}}));
    EXPECT_EQ(trace.events.back().kind, K::StepEnd);
    EXPECT_EQ(trace.events.back().n, 10000);
}

TEST_F(Scan, LeavesTheWindowStateOfTheLastStep) {
    EXPECT_FALSE(state->upperNum[0].has_value());
    scan({});
    EXPECT_EQ(*state->n, 10001);
    EXPECT_FALSE(state->upperNum[0].has_value()); // entry 0 is never written
    EXPECT_EQ(state->lowerNum[0], 0);
    for (int n = 1; n <= kLastDenominator; ++n)
        ASSERT_EQ(*state->upperNum[n] - state->lowerNum[n], 1) << "n = " << n;
    EXPECT_EQ(*state->upper, *state->upperNum[10000] / 10000);
    EXPECT_EQ(*state->lower, state->lowerNum[10000] / 10000.0);
    EXPECT_EQ(state->lowerNum[10000], 11180);
}

TEST_F(Scan, ClipsOnlyTheDrawingValues) {
    const double yScale = 100 / std::pow(1.4, 30); // the largest zoom
    scan({}, yScale);
    // n = 10000: 11180/10000 lies 3.4e-5 below target, inside the band of
    // +-4.13e-5; the upper 11181/10000 lies 6.6e-5 above, outside it.
    const double target = *state->target;
    EXPECT_EQ(*state->lowerClip, *state->lower);
    EXPECT_EQ(*state->upperClip, target + yScale / 100);
    EXPECT_GT(*state->upper, *state->upperClip);
}

TEST_F(Scan, AnIntegralTargetHasOnlyTheRecordsOfTheFirstDenominator) {
    scan({4, 0, 1});
    ASSERT_EQ(trace.records(Side::Lower).size(), 1u);
    ASSERT_EQ(trace.records(Side::Upper).size(), 1u);
    for (Side side : {Side::Lower, Side::Upper}) {
        const Record r = trace.records(side)[0];
        EXPECT_EQ(r.n, 1);
        EXPECT_EQ(r.distance, 0);
        EXPECT_EQ(r.pellAbsoluteTerm, 0);
    }
    EXPECT_TRUE(trace.isImprovement(Side::Lower, 1));
    EXPECT_FALSE(trace.isImprovement(Side::Upper, 1)); // 0 < 0 fails
    for (int n = 1; n <= kLastDenominator; ++n) ASSERT_EQ(*state->upperNum[n], 2.0 * n);
}

TEST_F(Scan, ARationalTargetStopsAtItsDenominator) {
    scan({1, 0, 2});
    for (Side side : {Side::Lower, Side::Upper}) {
        const std::vector<Record> records = trace.records(side);
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records.back().n, 2);
        EXPECT_EQ(records.back().distance, 0);
    }
}

TEST_F(Scan, RoundsANegativeTargetTowardsMinusInfinity) {
    scan({2, 5, 1, true});
    EXPECT_EQ(state->lowerNum[1], -4);
    EXPECT_EQ(*state->upperNum[1], -3);
    EXPECT_EQ(trace.records(Side::Upper)[0].numerator, -3);
    // k = W n^2 - (N p - s A n)^2 = 2 - (-3 + 5)^2
    EXPECT_EQ(trace.records(Side::Upper)[0].pellAbsoluteTerm, -2);
}

TEST_F(Scan, AllocatesNothing) {
    struct Silent : ScanListener {
        void onRecord(const Record&, const WindowState&) override {}
        void onNoRecord(Side, const WindowState&) override {}
        void onAbsoluteImprovement(const Record&, const WindowState&) override {}
        void onStepEnd(const WindowState&) override {}
    } silent;
    const ScanParameters p = testing::scanParametersFor(*state, {});
    const long before = allocationCount.load();
    runScan(*state, p, silent);
    EXPECT_EQ(allocationCount.load(), before);
}

} // namespace
} // namespace velnorit
