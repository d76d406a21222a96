#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace velnorit {

// x = (sqrt(W) + sign * A) / N with W >= 0 and N >= 1: the target of the
// parameters the last computeTarget used.
struct TargetParameters {
    int wurzel = 5;
    int abs = 0;
    int nenner = 2;
    int sign = 1;
};

struct Convergent {
    std::int64_t p = 0;
    std::int64_t q = 1;
};

// The regular continued fraction [a0; a1, a2, ...] of a target, computed in
// integers only.
//
// An irrational target (W not a perfect square) has an eventually periodic
// expansion: terms holds a0 up to the end of the first period, which begins
// at periodStart. A rational target has a finite expansion; terms holds all of
// it (the last term above 1 unless it is a0) and periodStart is terms.size().
struct ContinuedFraction {
    std::vector<std::int64_t> terms;
    std::size_t periodStart = 0;
    std::vector<Convergent> convergents; // p_k / q_k for every q_k <= 10000

    bool finite() const { return periodStart == terms.size(); }
    std::size_t periodLength() const { return terms.size() - periodStart; }
    // a_k for any k, running round the period; none past the end of a
    // finite expansion.
    std::optional<std::int64_t> term(std::size_t k) const;
};

ContinuedFraction continuedFractionOf(const TargetParameters& target);

// What a fraction p/q (q >= 1, lowest terms) is to the target: a convergent
// p_k/q_k, an intermediate fraction (p_{k-1} + j p_k) / (q_{k-1} + j q_k) with
// 0 < j < a_{k+1} and k >= 0, or neither. Decided for q <= 10000.
enum class FractionKind { Convergent, Intermediate, Neither };

FractionKind classifyFraction(const ContinuedFraction& fraction, std::int64_t p, std::int64_t q);

} // namespace velnorit
