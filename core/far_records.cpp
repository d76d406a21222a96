#include "core/far_records.h"

#include "core/continued_fraction_text.h"

#include <gmpxx.h>

#include <algorithm>
#include <utility>

namespace velnorit {

namespace {

const std::string kMostDigits = "1" + std::string(100, '0'); // 10^100

int signOf(const mpz_class& v) { return sgn(v); }

// x = (sqrt(W) + sA) / N in big integers, for fractions of any size.
class BigTarget {
public:
    explicit BigTarget(const TargetParameters& t)
        : wurzel_(t.wurzel), signedAbs_(t.sign * t.abs), nenner_(t.nenner) {
        const mpz_class root = sqrt(mpz_class(wurzel_));
        if (root * root == wurzel_) rootOfSquare_ = root;
    }

    // The sign of a + b sqrt(W).
    int signOfSurd(const mpz_class& a, const mpz_class& b) const {
        if (rootOfSquare_) return signOf(a + b * *rootOfSquare_);
        if (signOf(b) == 0) return signOf(a);
        if (signOf(a) == 0 || signOf(a) == signOf(b)) return signOf(b);
        return signOf(a) * signOf(mpz_class(a * a - b * b * wurzel_)); // opposite signs: the larger square decides
    }

    // u = N p - sA q: x - p/q = (q sqrt(W) - u) / (N q).
    mpz_class u(const mpz_class& p, const mpz_class& q) const { return nenner_ * p - signedAbs_ * q; }

    // k = W q^2 - u^2.
    mpz_class pellTerm(const mpz_class& p, const mpz_class& q) const {
        const mpz_class uu = u(p, q);
        return wurzel_ * q * q - uu * uu;
    }

    // The sign of a + b - 2x for fractions a = ap/aq, b = bp/bq.
    int signOfSumMinusTwice(const mpz_class& ap, const mpz_class& aq, const mpz_class& bp,
                            const mpz_class& bq) const {
        const mpz_class denominators = aq * bq;
        return signOfSurd(nenner_ * (ap * bq + bp * aq) - 2 * signedAbs_ * denominators, -2 * denominators);
    }

    // floor(1/d) for the distance d = |x - p/q| when 0 < d < 1 (every record
    // is closer than 1); empty when d = 0. With delta = |q sqrt(W) - u|,
    // 1/d = N q / delta, and for W not a square
    // N q / delta = N q |q sqrt(W) + u| / |k|.
    std::optional<mpz_class> accuracy(const mpz_class& p, const mpz_class& q) const {
        const mpz_class uu = u(p, q);
        const mpz_class nq = nenner_ * q;
        if (rootOfSquare_) {
            const mpz_class delta = abs(mpz_class(q * *rootOfSquare_ - uu));
            if (delta == 0) return std::nullopt;
            return mpz_class(nq / delta);
        }
        const mpz_class k = wurzel_ * q * q - uu * uu; // never 0: sqrt(W) is irrational
        // floor(side (nq q sqrt(W) + nq u) / |k|), side the sign of q sqrt(W) + u;
        // sqrt(S) with S = W (nq q)^2 lies strictly between isqrt(S) and isqrt(S) + 1.
        const int side = signOfSurd(uu, q);
        const mpz_class scaledRoot = sqrt(mpz_class(wurzel_ * (nq * q) * (nq * q)));
        const mpz_class floorOfNumerator = side > 0 ? mpz_class(scaledRoot + nq * uu) : mpz_class(-scaledRoot - 1 - nq * uu);
        mpz_class m;
        mpz_fdiv_q(m.get_mpz_t(), floorOfNumerator.get_mpz_t(), mpz_class(abs(k)).get_mpz_t());
        return m;
    }

private:
    long wurzel_;
    long signedAbs_;
    long nenner_;
    std::optional<mpz_class> rootOfSquare_;
};

struct Candidate {
    Side side;
    mpz_class p, q;
    FractionKind kind;
};

// The records of both sides by denominator. After a0/1 below, the chain k
// (k = 0, 1, ...) holds (p_{k-1} + j p_k) / (q_{k-1} + j q_k) for
// j = 1..a_{k+1}, on the side of p_{k-1}/q_{k-1}: above for an even k, below
// for an odd one; its last member is the convergent p_{k+1}/q_{k+1}. Each
// chain's denominators lie above the ones before. A finite expansion ends at
// p_k/q_k = x, which is then the record of the other side at the same
// denominator too.
std::vector<Candidate> candidates(const ContinuedFraction& fraction, const mpz_class& limit) {
    std::vector<Candidate> result;
    mpz_class beforeP = 1, beforeQ = 0; // p_{k-1} / q_{k-1}
    mpz_class lastP = static_cast<long>(fraction.terms[0]), lastQ = 1;
    result.push_back({Side::Lower, lastP, lastQ, FractionKind::Convergent});
    for (std::size_t k = 0;; ++k) {
        const Side side = k % 2 == 0 ? Side::Upper : Side::Lower;
        const std::optional<std::int64_t> next = fraction.term(k + 1);
        if (!next) {
            // x itself, reached last by the chain before; the lower side comes first.
            const auto at = side == Side::Lower ? result.end() - 1 : result.end();
            result.insert(at, {side, lastP, lastQ, FractionKind::Convergent});
            return result;
        }
        for (std::int64_t j = 1; j <= *next; ++j) {
            const mpz_class q = beforeQ + j * lastQ;
            if (q > limit) return result;
            result.push_back({side, beforeP + j * lastP, q,
                              j == *next ? FractionKind::Convergent : FractionKind::Intermediate});
        }
        beforeP = std::exchange(lastP, mpz_class(*next * lastP + beforeP));
        beforeQ = std::exchange(lastQ, mpz_class(*next * lastQ + beforeQ));
    }
}

// p/q (q > 0) to 12 decimals, rounding halves away from zero.
std::string decimalValue(const mpz_class& p, const mpz_class& q) {
    mpz_class unit;
    mpz_ui_pow_ui(unit.get_mpz_t(), 10, 12);
    const mpz_class magnitude = abs(p) * unit;
    const mpz_class rounded = (2 * magnitude + q) / (2 * q);
    return roundedDecimalText(p < 0, rounded.get_str(), magnitude % q == 0);
}

} // namespace

std::variant<DenominatorLimit, std::string> readDenominatorLimit(std::string_view text) {
    const std::string reason = "N muss eine ganze Zahl von 1 bis 10^100 sein";
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return reason;
    text.remove_prefix(std::min(text.find_first_not_of('0'), text.size()));
    if (text.empty()) return reason;
    if (text.size() > kMostDigits.size() || (text.size() == kMostDigits.size() && text > kMostDigits)) return reason;
    return DenominatorLimit{std::string(text)};
}

std::vector<FarRecord> farRecords(const TargetParameters& target, const DenominatorLimit& limit) {
    const BigTarget x(target);
    const std::vector<Candidate> found = candidates(continuedFractionOf(target), mpz_class(limit.digits));
    std::vector<FarRecord> records;
    records.reserve(found.size());
    const Candidate* bestLower = nullptr;
    const Candidate* bestUpper = nullptr;
    for (const Candidate& c : found) {
        FarRecord record;
        record.side = c.side;
        record.numerator = c.p.get_str();
        record.denominator = c.q.get_str();
        if (const std::optional<mpz_class> m = x.accuracy(c.p, c.q)) record.accuracy = m->get_str();
        record.pellTerm = x.pellTerm(c.p, c.q).get_str();
        record.kind = c.kind;
        // An absolute improvement is closer than the best of the other side
        // so far; before the first upper record every lower one is.
        if (c.side == Side::Lower) {
            bestLower = &c;
            record.improvement = !bestUpper || x.signOfSumMinusTwice(bestUpper->p, bestUpper->q, c.p, c.q) > 0;
        } else {
            bestUpper = &c;
            record.improvement = bestLower && x.signOfSumMinusTwice(c.p, c.q, bestLower->p, bestLower->q) < 0;
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<FarConvergent> farConvergents(const TargetParameters& target, const DenominatorLimit& limit) {
    std::vector<FarConvergent> result;
    for (const Candidate& c : candidates(continuedFractionOf(target), mpz_class(limit.digits))) {
        // A rational target's last convergent stands on both sides.
        const bool repeated = !result.empty() && result.back().denominator == c.q.get_str() &&
                              result.back().numerator == c.p.get_str();
        if (c.kind == FractionKind::Convergent && !repeated)
            result.push_back({c.p.get_str(), c.q.get_str(), decimalValue(c.p, c.q)});
    }
    return result;
}

// sqrt(W) = [a0; a1, ..., ar] with a period of length r from a1: p_{r-1}, q_{r-1}
// solves x^2 - W y^2 = (-1)^r, and for an odd r, p_{2r-1}, q_{2r-1} solves the
// equation with 1. These are the smallest solutions.
PellSolutions pellSolutionsOf(int wurzel) {
    const ContinuedFraction fraction = continuedFractionOf({wurzel, 0, 1, 1});
    PellSolutions solutions;
    if (fraction.finite()) return solutions;
    const std::size_t r = fraction.periodLength();
    mpz_class beforeP = 0, beforeQ = 1, lastP = 1, lastQ = 0; // p_{-2}/q_{-2}, p_{-1}/q_{-1}
    for (std::size_t k = 0; k < 2 * r; ++k) {
        const long a = static_cast<long>(*fraction.term(k));
        beforeP = std::exchange(lastP, mpz_class(a * lastP + beforeP));
        beforeQ = std::exchange(lastQ, mpz_class(a * lastQ + beforeQ));
        if (k + 1 == r) {
            (r % 2 == 0 ? solutions.plusOne : solutions.minusOne) = PellSolution{lastP.get_str(), lastQ.get_str()};
            if (r % 2 == 0) return solutions;
        }
    }
    solutions.plusOne = PellSolution{lastP.get_str(), lastQ.get_str()};
    return solutions;
}

} // namespace velnorit
