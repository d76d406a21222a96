#pragma once

#include <cstdint>
#include <optional>

// Exact arithmetic on the target x = (sqrt(W) + s*A) / N with integer W, A,
// N > 0 and s in {-1, 0, +1}. Every answer is decided in integers (an integer
// square root, 128-bit products), so no rounding can flip a comparison.
namespace velnorit::exact {

__extension__ typedef __int128 Int128;

// The greatest integer r with r*r <= v, for v >= 0.
Int128 integerSquareRoot(Int128 v);

// floor(a / b) for b > 0, also for negative a.
Int128 floorDivide(Int128 a, Int128 b);

// The sign (-1, 0, +1) of a + b*sqrt(w), w >= 0.
int signOfSurd(Int128 a, Int128 b, std::int64_t w);

// A fraction p/q with q > 0.
struct Fraction {
    std::int64_t p = 0;
    std::int64_t q = 1;
};

class QuadraticTarget {
public:
    QuadraticTarget(int wurzel, int abs, int nenner, int sign);

    // floor(n*x) and whether n*x is an integer for n = 1, 2, 3, ... in turn,
    // each from the one before: one product and no division per step.
    class Multiples {
    public:
        explicit Multiples(const QuadraticTarget& x);
        // On to the next n. From n to n + 1, floor(n sqrt(W)) grows by
        // floor(sqrt(W)) or by one more, and the numerator
        // floor(n sqrt(W)) + n s A by that plus s A. Inline: the scan calls
        // it for every denominator.
        void next() {
            square_ += (2 * n_ + 1) * wurzel_;
            ++n_;
            root_ += rootStep_;
            std::int64_t carry = 0;
            if ((root_ + 1) * (root_ + 1) <= square_) {
                ++root_;
                carry = 1;
            }
            quotient_ += stepQuotient_;
            remainder_ += stepRemainder_ + carry;
            if (remainder_ >= nenner_) {
                remainder_ -= nenner_;
                ++quotient_;
            }
        }
        std::int64_t floorOfProduct() const { return quotient_; }
        bool isIntegral() const { return remainder_ == 0 && root_ * root_ == square_; }

    private:
        std::int64_t wurzel_, nenner_, n_ = 0;
        std::int64_t square_ = 0, root_ = 0;     // n^2 W and floor(n sqrt(W))
        std::int64_t rootStep_;                   // floor(sqrt(W))
        std::int64_t stepQuotient_, stepRemainder_; // s A + floor(sqrt(W)) divided by N
        std::int64_t quotient_ = 0, remainder_ = 0; // floor(n sqrt(W)) + n s A divided by N
    };

    // The sign of (a + b) - 2x: positive when the upper fraction of a pair
    // lying on both sides of x is farther from x than the lower one.
    int signOfSumMinusTwice(const Fraction& a, const Fraction& b) const;

    // The accuracy denominator of f: Int(10^|log10 d|) for the distance
    // d = |x - f|, that is floor(1/d) for d < 1 and floor(d) for d >= 1.
    // Empty when f equals x.
    std::optional<std::int64_t> accuracyDenominator(const Fraction& f) const;

private:
    std::int64_t wurzel_;
    std::int64_t signedAbs_; // s*A
    std::int64_t nenner_;
    std::int64_t rootOfSquare_; // sqrt(W) when W is a perfect square, else -1
};

} // namespace velnorit::exact
