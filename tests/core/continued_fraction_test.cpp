// The continued fraction of the target against hand-worked expansions, and
// its convergents and intermediate fractions against the records of the scan.
#include "core/classified_list.h"
#include "core/continued_fraction.h"
#include "core/continued_fraction_text.h"
#include "core/exact_target.h"
#include "core/far_continued_fraction_text.h"
#include "core/far_records.h"
#include "core/record_table.h"
#include "../support/target_controls.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

// With Abs = 0 both signs give the same number, and the header still shows
// the sign that was chosen.
TEST(ContinuedFraction, TheHeaderKeepsTheChosenSignBeforeAnAbsOfZero) {
    for (const auto& [plus, minus, start] :
         {std::tuple{TargetParameters{97, 0, 99, 1}, TargetParameters{97, 0, 99, -1}, "Ziel: (√97 - 0) / 99 "},
          std::tuple{TargetParameters{4, 0, 1, 1}, TargetParameters{4, 0, 1, -1}, "Ziel: (√4 - 0) / 1 "}}) {
        const std::vector<std::string> withPlus = continuedFractionLines(plus);
        const std::vector<std::string> withMinus = continuedFractionLines(minus);
        ASSERT_FALSE(withMinus.empty());
        EXPECT_EQ(withMinus[0].rfind(start, 0), 0u) << withMinus[0];
        std::string plusHeader = withMinus[0];
        plusHeader.replace(plusHeader.find(" - 0)"), 5, " + 0)");
        EXPECT_EQ(withPlus[0], plusHeader);
        EXPECT_TRUE(std::equal(withPlus.begin() + 1, withPlus.end(), withMinus.begin() + 1, withMinus.end()));
    }
}

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

    // The window shows the period whole.
    const std::string whole = continuedFractionHeadLines({97, 1, 97, 1}, true)[2];
    EXPECT_EQ(std::count(whole.begin(), whole.end(), ','), 750 + 2) << whole; // and two after the period
    EXPECT_EQ(whole.find("…"), std::string::npos);
    EXPECT_EQ(whole.substr(whole.size() - 20), "), Länge 751, ab a2");
}

// The list up to a last denominator below 10000: the scan's list cut before
// the first record line beyond it, without the blank line before that one.
std::string listUpTo(const std::string& list, int limit) {
    for (std::size_t at = list.find("\r\n  "); at != std::string::npos; at = list.find("\r\n  ", at + 1)) {
        const std::size_t slash = list.find("/ ", at);
        if ((list[at + 4] == '>' || list[at + 4] == '<') && std::stoi(list.substr(slash + 2)) > limit) {
            std::size_t end = at;
            while (list.compare(end - 2, 2, "\r\n") == 0) end -= 2;
            return list.substr(0, end);
        }
    }
    return list;
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
    std::mt19937 randomLimits(20261210);
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

                    // The records taken from the continued fraction are the
                    // scan's line for line, up to 10000 and up to any limit below.
                    EXPECT_EQ(recordListText(farRecords(target, {"10000"}), true), text);
                    const int limit = std::uniform_int_distribution<int>(1, 9999)(randomLimits);
                    EXPECT_EQ(recordListText(farRecords(target, {std::to_string(limit)}), true), listUpTo(text, limit))
                        << "N=" << limit;
                    std::vector<std::string> convergentLines;
                    for (const FarConvergent& c : farConvergents(target, {"10000"}))
                        convergentLines.push_back("  " + c.numerator + "/" + c.denominator + " " + c.value);
                    const std::vector<std::string> lines = continuedFractionLines(target);
                    EXPECT_EQ(convergentLines, std::vector<std::string>(lines.begin() + 4, lines.end()));
                    ++parameterSets;
                }
            }
        }
    }
    EXPECT_EQ(parameterSets, 3200);
}


// 10^e as digits (built without operator+, which GCC 12 wrongly warns about).
std::string tenToThe(std::size_t e) {
    std::string digits(e + 1, '0');
    digits[0] = '1';
    return digits;
}

// The sign of a + b sqrt(w) in big integers, by squaring where the terms differ in sign.
int signOfBigSurd(const mpz_class& a, const mpz_class& b, long w) {
    if (sgn(b) == 0) return sgn(a);
    if (sgn(a) == 0 || sgn(a) == sgn(b)) return sgn(b);
    return sgn(a) * sgn(mpz_class(a * a - b * b * w));
}

// Far beyond the scan, against the Stern-Brocot descent: the best fractions
// below and above an irrational target with denominators up to n are
// neighbours, and the next fraction between them, their mediant, is the
// next record of the side it lies on. Each m is checked by its definition
// m <= 1/d < m + 1, each star by comparing the two distances, all exactly.
TEST(FarRecords, AgreeWithTheSternBrocotDescentFarBeyond10000) {
    struct Case {
        TargetParameters target;
        std::string limit;
    };
    const Case cases[] = {
        {{61, 0, 1, 1}, "1000000000000"},
        {{5, 0, 2, 1}, tenToThe(60)},
        {{2, 5, 1, -1}, tenToThe(40)},
        {{97, 1, 97, 1}, tenToThe(30)},
        {{99, 99, 1, -1}, "987654321987654321987654321"},
        {{2, 0, 99, 1}, tenToThe(100)},
    };
    for (const Case& c : cases) {
        const TargetParameters& t = c.target;
        SCOPED_TRACE(::testing::Message() << "W=" << t.wurzel << " A=" << t.abs << " N=" << t.nenner << " bis "
                                          << c.limit);
        const long shift = t.sign * t.abs;
        // p/q - x has the sign of (N p - sA q) - q sqrt(W).
        auto u = [&](const mpz_class& p, const mpz_class& q) { return mpz_class(t.nenner * p - shift * q); };
        auto above = [&](const mpz_class& p, const mpz_class& q) { return signOfBigSurd(u(p, q), -q, t.wurzel) > 0; };

        const mpz_class root = sqrt(mpz_class(t.wurzel));
        const mpz_class floorOfX = (root + shift) / t.nenner - ((root + shift) % t.nenner < 0 ? 1 : 0);
        mpz_class lowP = floorOfX, lowQ = 1, highP = floorOfX + 1, highQ = 1;
        struct Expected {
            Side side;
            mpz_class p, q;
        };
        std::vector<Expected> expected{{Side::Lower, lowP, lowQ}, {Side::Upper, highP, highQ}};
        const mpz_class limit(c.limit);
        while (lowQ + highQ <= limit) {
            const mpz_class p = lowP + highP, q = lowQ + highQ;
            if (above(p, q)) highP = p, highQ = q;
            else lowP = p, lowQ = q;
            expected.push_back({above(p, q) ? Side::Upper : Side::Lower, p, q});
        }

        const std::vector<FarRecord> records = farRecords(t, {c.limit});
        ASSERT_EQ(records.size(), expected.size());
        const Expected* bestLower = nullptr;
        const Expected* bestUpper = nullptr;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const FarRecord& r = records[i];
            const Expected& e = expected[i];
            ASSERT_EQ(r.side, e.side) << i;
            ASSERT_EQ(r.numerator, e.p.get_str());
            ASSERT_EQ(r.denominator, e.q.get_str());
            const mpz_class uu = u(e.p, e.q);
            EXPECT_EQ(r.pellTerm, mpz_class(t.wurzel * e.q * e.q - uu * uu).get_str());
            // delta = |q sqrt(W) - u| and d = delta / (N q): m delta <= N q < (m + 1) delta.
            const int side = e.side == Side::Lower ? 1 : -1;
            const mpz_class m(r.accuracy), nq = t.nenner * e.q;
            EXPECT_GE(signOfBigSurd(nq + side * m * uu, -side * m * e.q, t.wurzel), 0) << r.accuracy;
            EXPECT_LT(signOfBigSurd(nq + side * (m + 1) * uu, -side * (m + 1) * e.q, t.wurzel), 0) << r.accuracy;
            (e.side == Side::Lower ? bestLower : bestUpper) = &e;
            // The star: the upper best farther from x than the lower one, or nearer.
            bool star = e.side == Side::Lower;
            if (bestLower && bestUpper) {
                const mpz_class both = bestLower->q * bestUpper->q;
                const int sign = signOfBigSurd(t.nenner * (bestLower->p * bestUpper->q + bestUpper->p * bestLower->q) -
                                                   2 * shift * both, -2 * both, t.wurzel);
                star = e.side == Side::Lower ? sign > 0 : sign < 0;
            }
            EXPECT_EQ(r.improvement, star) << r.numerator << "/" << r.denominator;
        }
    }
}

TEST(FarRecords, ReadsTheLastDenominator) {
    const std::string most = tenToThe(100);
    for (const auto& [text, digits] : std::vector<std::pair<std::string, std::string>>{
             {"1", "1"}, {"10000", "10000"}, {"007", "7"}, {most, most}, {std::string(1, '0').append(most), most}}) {
        const auto read = readDenominatorLimit(text);
        ASSERT_TRUE(std::holds_alternative<DenominatorLimit>(read)) << text;
        EXPECT_EQ(std::get<DenominatorLimit>(read).digits, digits);
    }
    for (const std::string& text : std::vector<std::string>{"", "0", "000", "-5", "+5", "1.5", "1e12", "10^12", " 5", "5 ", tenToThe(101),
                                   most.substr(0, 100).append("1"), std::string(102, '9')})
        EXPECT_TRUE(std::holds_alternative<std::string>(readDenominatorLimit(text))) << text;
}

// The smallest solutions of x^2 - W y^2 = 1 and = -1 for every non-square W
// of the bar: exact, and no smaller y solves the equation (searched as far
// as 20000).
TEST(PellEquation, SmallestSolutionsForEveryNonSquareWurzel) {
    const PellSolutions sixtyOne = pellSolutionsOf(61);
    ASSERT_TRUE(sixtyOne.plusOne && sixtyOne.minusOne);
    EXPECT_EQ(sixtyOne.plusOne->x, "1766319049");
    EXPECT_EQ(sixtyOne.plusOne->y, "226153980");
    EXPECT_EQ(sixtyOne.minusOne->x, "29718");
    EXPECT_EQ(sixtyOne.minusOne->y, "3805");
    for (int w = 0; w <= 99; ++w) {
        SCOPED_TRACE(w);
        const PellSolutions solutions = pellSolutionsOf(w);
        const long root = mpz_class(sqrt(mpz_class(w))).get_si();
        if (root * root == w) {
            EXPECT_FALSE(solutions.plusOne || solutions.minusOne);
            continue;
        }
        ASSERT_TRUE(solutions.plusOne);
        EXPECT_EQ(solutions.minusOne.has_value(), continuedFractionOf({w, 0, 1, 1}).periodLength() % 2 == 1);
        for (const int right : {1, -1}) {
            const std::optional<PellSolution>& s = right == 1 ? solutions.plusOne : solutions.minusOne;
            const mpz_class x(s ? s->x : "0"), y(s ? s->y : "0");
            if (s) {
                EXPECT_EQ(mpz_class(x * x - w * y * y), right);
            }
            const long searched = s && y < 20000 ? y.get_si() : 20000;
            for (long smaller = 1; smaller < searched; ++smaller) {
                const mpz_class square = mpz_class(w) * smaller * smaller + right;
                ASSERT_FALSE(square >= 0 && mpz_perfect_square_p(square.get_mpz_t())) << smaller;
            }
        }
    }
    EXPECT_EQ(pellEquationLines({49, 0, 1, 1}, {})[0],
              "Pellsche Gleichung x² - 49·y² = 1: nur die triviale Lösung x = 1, y = 0, denn 49 ist eine Quadratzahl");
}

// The Pell lines name the records whose k is -1 or 1, with the x they give.
TEST(PellEquation, LinesNameTheRecordsThatSolveIt) {
    const auto lines = [](const TargetParameters& t, const std::string& limit) {
        return pellEquationLines(t, farRecords(t, {limit}));
    };
    EXPECT_EQ(lines({61, 0, 1, 1}, "1000000000000"),
              (std::vector<std::string>{
                  "Pellsche Gleichung x² - 61·y² = 1: kleinste Lösung x = 1766319049, y = 226153980",
                  "Pellsche Gleichung x² - 61·y² = -1: kleinste Lösung x = 29718, y = 3805",
                  "Rekorde mit k = -1 lösen x² - 61·y² = 1 mit x = p, y = n: 1766319049/226153980",
                  "Rekorde mit k = 1 lösen x² - 61·y² = -1 mit x = p, y = n: 29718/3805"}));
    EXPECT_EQ(lines({3, 0, 1, 1}, "100")[1],
              "Pellsche Gleichung x² - 3·y² = -1: keine Lösung, die Periode von √3 ist gerade");
    // 1 + sqrt(2) = [2; 2, 2, ...]: p/n gives x = p - n, and the convergents
    // solve the two equations in turn.
    const std::vector<std::string> shifted = lines({2, 1, 1, 1}, "100");
    ASSERT_EQ(shifted.size(), 4u);
    EXPECT_EQ(shifted[2], "Rekorde mit k = -1 lösen x² - 2·y² = 1 mit x = p - n, y = n: 5/2, 29/12, 169/70");
    EXPECT_EQ(shifted[3], "Rekorde mit k = 1 lösen x² - 2·y² = -1 mit x = p - n, y = n: 2/1, 12/5, 70/29");
    EXPECT_NE(lines({2, 5, 3, -1}, "100000").back().find("mit x = 3·p + 5·n, y = n: "), std::string::npos);
}

} // namespace
} // namespace velnorit
