#pragma once

#include "core/continued_fraction.h"
#include "core/scan.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The records of a target for denominators far beyond the window's 10000,
// up to 10^100, taken from the continued fraction: the records of one side
// are the convergents and intermediate fractions that lie on that side, so
// the work grows with the number of records, not with the last denominator.
// Every number is exact; it leaves this header as decimal digits, so that
// the big-integer library stays inside the implementation.
namespace velnorit {

// The last denominator as decimal digits without leading zeros, 1 to 10^100.
struct DenominatorLimit {
    std::string digits;
};

// Reads a last denominator typed by a user: digits only, at least 1 and at
// most 10^100. Otherwise the German reason, one sentence without a full stop.
std::variant<DenominatorLimit, std::string> readDenominatorLimit(std::string_view text);

// One record, as the list writes it. Numbers are decimal, "-" before a
// negative one.
struct FarRecord {
    Side side = Side::Lower;
    std::string numerator;
    std::string denominator;
    std::string accuracy; // m of the accuracy 1/m; empty when the fraction is the target
    std::string pellTerm; // k = W n^2 - (N p - s A n)^2
    bool improvement = false;
    FractionKind kind = FractionKind::Convergent; // never Neither
};

// The records of both sides for the denominators 1 to limit, in the order of
// the scan: by denominator, the lower side first.
std::vector<FarRecord> farRecords(const TargetParameters& target, const DenominatorLimit& limit);

// A convergent p/q with its value, "= 1.125" or "≈ 1.117647058824".
struct FarConvergent {
    std::string numerator;
    std::string denominator;
    std::string value;
};

// The convergents with denominators up to limit.
std::vector<FarConvergent> farConvergents(const TargetParameters& target, const DenominatorLimit& limit);

// The smallest solutions x, y > 0 of x^2 - W y^2 = 1 and, where one exists,
// of x^2 - W y^2 = -1, from the period of sqrt(W). For a square W (also 0)
// only the trivial solution x = 1, y = 0 exists, and both are empty.
struct PellSolution {
    std::string x;
    std::string y;
};
struct PellSolutions {
    std::optional<PellSolution> plusOne;
    std::optional<PellSolution> minusOne;
};
PellSolutions pellSolutionsOf(int wurzel);

} // namespace velnorit
