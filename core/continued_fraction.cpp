#include "core/continued_fraction.h"

#include "core/exact_target.h"
#include "core/window_state.h"

#include <map>
#include <utility>

namespace velnorit {

namespace {

using exact::Int128;

// floor(a / b) for any b other than 0.
std::int64_t floorDivide(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(b > 0 ? exact::floorDivide(a, b) : exact::floorDivide(-Int128(a), -Int128(b)));
}

// Euclid's algorithm on numerator / denominator (denominator > 0).
void finiteTerms(std::int64_t numerator, std::int64_t denominator, ContinuedFraction& result) {
    while (denominator != 0) {
        const std::int64_t a = floorDivide(numerator, denominator);
        result.terms.push_back(a);
        const std::int64_t rest = numerator - a * denominator;
        numerator = denominator;
        denominator = rest;
    }
    result.periodStart = result.terms.size();
}

// The complete quotients x_k = (P + sqrt(D)) / Q with Q dividing D - P^2:
// a_k = floor(x_k), then P' = a_k Q - P and Q' = (D - P'^2) / Q. Only finitely
// many pairs (P, Q) occur, so a pair repeats; the period starts where it was
// first seen.
void periodicTerms(std::int64_t p, std::int64_t d, std::int64_t q, ContinuedFraction& result) {
    const auto root = static_cast<std::int64_t>(exact::integerSquareRoot(d));
    std::map<std::pair<std::int64_t, std::int64_t>, std::size_t> seen;
    while (true) {
        const auto [where, isNew] = seen.try_emplace({p, q}, result.terms.size());
        if (!isNew) {
            result.periodStart = where->second;
            return;
        }
        // floor((P + sqrt(D)) / Q) from the integer root: sqrt(D) lies strictly
        // between root and root + 1.
        const std::int64_t a = q > 0 ? floorDivide(p + root, q) : floorDivide(p + root + 1, q);
        result.terms.push_back(a);
        p = a * q - p;
        q = (d - p * p) / q;
    }
}

void addConvergents(ContinuedFraction& result) {
    Convergent before{0, 1}; // p_{-2} / q_{-2}
    Convergent last{1, 0};   // p_{-1} / q_{-1}
    for (std::size_t k = 0;; ++k) {
        const std::optional<std::int64_t> a = result.term(k);
        if (!a) return;
        const Convergent next{*a * last.p + before.p, *a * last.q + before.q};
        if (next.q > kLastDenominator) return;
        result.convergents.push_back(next);
        before = last;
        last = next;
    }
}

} // namespace

std::optional<std::int64_t> ContinuedFraction::term(std::size_t k) const {
    if (k < terms.size()) return terms[k];
    if (finite()) return std::nullopt;
    return terms[periodStart + (k - periodStart) % periodLength()];
}

ContinuedFraction continuedFractionOf(const TargetParameters& target) {
    ContinuedFraction result;
    const std::int64_t w = target.wurzel;
    const std::int64_t shift = static_cast<std::int64_t>(target.sign) * target.abs;
    const std::int64_t n = target.nenner;
    const auto root = static_cast<std::int64_t>(exact::integerSquareRoot(w));
    if (root * root == w) {
        finiteTerms(root + shift, n, result);
    } else {
        // (sqrt(W) + sA) / N = (sAN + sqrt(W N^2)) / N^2, and N^2 divides
        // W N^2 - (sAN)^2, as the recurrence needs.
        periodicTerms(shift * n, w * n * n, n * n, result);
    }
    addConvergents(result);
    return result;
}

FractionKind classifyFraction(const ContinuedFraction& fraction, std::int64_t p, std::int64_t q) {
    Convergent previous{1, 0};
    for (std::size_t k = 0; k < fraction.convergents.size(); ++k) {
        const Convergent& current = fraction.convergents[k];
        if (current.p == p && current.q == q) return FractionKind::Convergent;
        const std::optional<std::int64_t> nextTerm = fraction.term(k + 1);
        if (nextTerm && q > previous.q && (q - previous.q) % current.q == 0) {
            const std::int64_t j = (q - previous.q) / current.q;
            if (j < *nextTerm && p == previous.p + j * current.p) return FractionKind::Intermediate;
        }
        previous = current;
    }
    // Intermediate fractions of later convergents have denominators above
    // q_{k+1} > 10000.
    return FractionKind::Neither;
}

} // namespace velnorit
