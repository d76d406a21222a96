// The continued fraction of the target against hand-worked expansions, and
// its convergents and intermediate fractions against the records of the scan.
#include "core/classified_list.h"
#include "core/continued_fraction.h"
#include "core/continued_fraction_text.h"
#include "core/exact_target.h"
#include "../support/target_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace velnorit {
namespace {

struct HandWorked {
    TargetParameters target;
    std::vector<std::int64_t> terms; // up to the end of the first period
    std::size_t periodStart;         // terms.size() when finite
    std::vector<std::int64_t> convergentDenominators;
    std::string expansionLine;
    std::string targetLine;
};

TEST(ContinuedFraction, HandWorkedExpansions) {
    const std::vector<std::int64_t> fibonacciLike{1, 2, 5, 12, 29, 70, 169, 408, 985, 2378, 5741};
    const HandWorked cases[] = {
        {{2, 0, 1, 1}, {1, 2}, 1, fibonacciLike, "Kettenbruch: [1; 2, 2, …]", "Ziel: (√2 + 0) / 1 ≈ 1.414213562373"},
        {{3, 0, 1, 1}, {1, 1, 2}, 1, {1, 1, 3, 4, 11, 15, 41, 56, 153, 209, 571, 780, 2131, 2911, 7953},
         "Kettenbruch: [1; 1, 2, 1, 2, …]", "Ziel: (√3 + 0) / 1 ≈ 1.732050807569"},
        {{5, 0, 2, 1}, {1, 8, 2}, 1, {1, 8, 17, 144, 305, 2584, 5473}, "Kettenbruch: [1; 8, 2, 8, 2, …]",
         "Ziel: (√5 + 0) / 2 ≈ 1.118033988750"},
        // The golden ratio is purely periodic.
        {{5, 1, 2, 1}, {1}, 0, {1, 1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 377, 610, 987, 1597, 2584, 4181, 6765},
         "Kettenbruch: [1; 1, …]", "Ziel: (√5 + 1) / 2 ≈ 1.618033988750"},
        // Negative: sqrt(2) - 5 = -4 + (sqrt(2) - 1).
        {{2, 5, 1, -1}, {-4, 2}, 1, fibonacciLike, "Kettenbruch: [-4; 2, 2, …]",
         "Ziel: (√2 - 5) / 1 ≈ -3.585786437627"},
        {{5, 3, 2, -1}, {-1, 1}, 1, {1, 1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 377, 610, 987, 1597, 2584, 4181, 6765},
         "Kettenbruch: [-1; 1, 1, …]", "Ziel: (√5 - 3) / 2 ≈ -0.381966011250"},
        // Rational targets: finite.
        {{9, 1, 3, 1}, {1, 3}, 2, {1, 3}, "Kettenbruch: [1; 3]", "Ziel: (√9 + 1) / 3 ≈ 1.333333333333"},
        {{1, 0, 2, 1}, {0, 2}, 2, {1, 2}, "Kettenbruch: [0; 2]", "Ziel: (√1 + 0) / 2 = 0.5"},
        {{4, 0, 1, 1}, {2}, 1, {1}, "Kettenbruch: [2]", "Ziel: (√4 + 0) / 1 = 2"},
        {{81, 2, 7, -1}, {1}, 1, {1}, "Kettenbruch: [1]", "Ziel: (√81 - 2) / 7 = 1"},
        {{0, 0, 1, 1}, {0}, 1, {1}, "Kettenbruch: [0]", "Ziel: (√0 + 0) / 1 = 0"},
        {{0, 3, 2, -1}, {-2, 2}, 2, {1, 2}, "Kettenbruch: [-2; 2]", "Ziel: (√0 - 3) / 2 = -1.5"},
        {{0, 99, 97, 1}, {1, 48, 2}, 3, {1, 48, 97}, "Kettenbruch: [1; 48, 2]", "Ziel: (√0 + 99) / 97 ≈ 1.020618556701"},
    };
    for (const HandWorked& c : cases) {
        SCOPED_TRACE(c.targetLine);
        const ContinuedFraction fraction = continuedFractionOf(c.target);
        EXPECT_EQ(fraction.terms, c.terms);
        EXPECT_EQ(fraction.periodStart, c.periodStart);
        std::vector<std::int64_t> denominators;
        for (const Convergent& convergent : fraction.convergents) denominators.push_back(convergent.q);
        EXPECT_EQ(denominators, c.convergentDenominators);
        const std::vector<std::string> lines = continuedFractionLines(c.target);
        ASSERT_GE(lines.size(), 4u + fraction.convergents.size());
        EXPECT_EQ(lines[0], c.targetLine);
        EXPECT_EQ(lines[1], c.expansionLine);
    }
}

TEST(ContinuedFraction, LinesOfTheDefaultStartAndOfALongPeriod) {
    EXPECT_EQ(joinLines(continuedFractionLines({5, 0, 2, 1}), "\n"),
              "Ziel: (√5 + 0) / 2 ≈ 1.118033988750\n"
              "Kettenbruch: [1; 8, 2, 8, 2, …]\n"
              "Periode: (8, 2), Länge 2, ab a1\n"
              "Näherungsbrüche bis zum Nenner 10000:\n"
              "  1/1 = 1\n"
              "  9/8 = 1.125\n"
              "  19/17 ≈ 1.117647058824\n"
              "  161/144 ≈ 1.118055555556\n"
              "  341/305 ≈ 1.118032786885\n"
              "  2889/2584 ≈ 1.118034055728\n"
              "  6119/5473 ≈ 1.118033985017");
    EXPECT_EQ(continuedFractionLines({1, 0, 2, 1})[2], "Endlich: das Ziel ist rational.");

    // The longest period of all parameter sets: 751 terms, cut after 30 in
    // both lines, the length given in full.
    const std::vector<std::string> lines = continuedFractionLines({97, 1, 97, 1});
    EXPECT_EQ(continuedFractionOf({97, 1, 97, 1}).periodLength(), 751u);
    EXPECT_LT(lines[1].size(), 200u);
    EXPECT_EQ(lines[2].substr(0, 13), "Periode: (1, ");
    EXPECT_NE(lines[2].find(", …), Länge 751, ab a2"), std::string::npos);
}

// Compares p/q with the target exactly: -1 below, 0 equal, +1 above.
int compareWithTarget(const TargetParameters& t, std::int64_t p, std::int64_t q) {
    using exact::Int128;
    // p/q - (sqrt(W) + sA)/N has the sign of (Np - sAq) - q sqrt(W).
    const Int128 left = Int128(t.nenner) * p - Int128(t.sign) * t.abs * q;
    const Int128 right2 = Int128(t.wurzel) * q * q;
    if (left < 0) return -1;
    const Int128 left2 = left * left;
    return left2 < right2 ? -1 : (left2 > right2 ? 1 : 0);
}

// Collects the records of a scan beside the classified list.
class RecordCollector : public ClassifiedListBuilder {
public:
    using ClassifiedListBuilder::ClassifiedListBuilder;
    std::set<std::tuple<Side, std::int64_t, std::int64_t>> records; // side, numerator, n
    void onRecord(const Record& record, const WindowState& state) override {
        ClassifiedListBuilder::onRecord(record, state);
        records.insert({record.side, static_cast<std::int64_t>(record.numerator), record.n});
    }
};

// The theory both ways over 3200 parameter sets, a tenth of them rational: every record is a
// convergent or an intermediate fraction, and every convergent with q <= 10000
// is a record of its side (both sides when it equals a rational target).
TEST(ContinuedFraction, RecordsAreConvergentsOrIntermediateFractions) {
    int parameterSets = 0;
    for (int w = 0; w <= 99; ++w) {
        for (int a : {0, 1, 13, 99}) {
            for (int n : {1, 2, 7, 99}) {
                for (bool minus : {false, true}) {
                    const TargetControls controls = testing::targetControls(w, a, n, minus);
                    const TargetParameters target = quadraticTargetFor(controls);
                    SCOPED_TRACE(::testing::Message() << "W=" << w << " A=" << a << " N=" << n << (minus ? " -" : " +"));
                    RecordCollector list(target);
                    scanFor(controls, list);
                    ASSERT_EQ(list.kinds().size(), list.records.size());
                    for (FractionKind kind : list.kinds()) ASSERT_NE(kind, FractionKind::Neither) << list.text();
                    const std::string& text = list.text();
                    EXPECT_EQ(text.find(" ?"), std::string::npos);

                    // A convergent is one record, or two when it is target itself;
                    // so many records are marked as convergents, no more.
                    std::size_t convergentRecords = 0;
                    for (const Convergent& c : continuedFractionOf(target).convergents) {
                        const int where = compareWithTarget(target, c.p, c.q);
                        convergentRecords += where == 0 ? 2 : 1;
                        const bool lowerRecord = list.records.count({Side::Lower, c.p, c.q}) > 0;
                        const bool upperRecord = list.records.count({Side::Upper, c.p, c.q}) > 0;
                        EXPECT_EQ(lowerRecord, where <= 0) << c.p << "/" << c.q;
                        EXPECT_EQ(upperRecord, where >= 0) << c.p << "/" << c.q;
                    }
                    EXPECT_EQ(std::count(list.kinds().begin(), list.kinds().end(), FractionKind::Convergent),
                              static_cast<std::ptrdiff_t>(convergentRecords));
                    ++parameterSets;
                }
            }
        }
    }
    EXPECT_EQ(parameterSets, 3200);
}

} // namespace
} // namespace velnorit
