#include "core/continued_fraction_text.h"

#include "core/exact_target.h"
#include "core/window_state.h"

#include <algorithm>

namespace velnorit {

namespace {

using exact::Int128;

constexpr int kDecimals = 12;
constexpr std::size_t kMostTermsShown = 30;

Int128 powerOfTen(int exponent) {
    Int128 result = 1;
    for (int i = 0; i < exponent; ++i) result *= 10;
    return result;
}

std::string digits(Int128 value) {
    std::string text;
    do {
        text += static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    } while (value != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

std::string decimalText(bool negative, Int128 scaled, bool exact) {
    return roundedDecimalText(negative, digits(scaled), exact);
}

// p/q (q > 0) to 12 decimals, rounding halves away from zero.
std::string fractionDecimal(Int128 p, Int128 q) {
    const bool negative = p < 0;
    const Int128 magnitude = (negative ? -p : p) * powerOfTen(kDecimals);
    const Int128 rounded = (2 * magnitude + q) / (2 * q);
    return decimalText(negative, rounded, magnitude % q == 0);
}

// (sqrt(W) + c) / N for W not a square, to 12 decimals: with M = W 10^24,
// round(10^12 x) = floor((2 sqrt(M) + 2 c 10^12 + N) / (2 N)), and the floor
// does not change when 2 sqrt(M) is replaced by its integer part isqrt(4 M).
std::string irrationalDecimal(const TargetParameters& t) {
    const Int128 unit = powerOfTen(kDecimals);
    const Int128 twiceRoot = exact::integerSquareRoot(4 * Int128(t.wurzel) * unit * unit);
    const Int128 numerator = twiceRoot + 2 * Int128(t.sign) * t.abs * unit + t.nenner;
    const Int128 rounded = exact::floorDivide(numerator, 2 * Int128(t.nenner));
    const bool negative = rounded < 0;
    return decimalText(negative, negative ? -rounded : rounded, false);
}

std::string targetLine(const TargetParameters& t) {
    const int shift = t.sign * t.abs;
    // The sign as chosen, also before an Abs of 0: "(√97 - 0)" for "-".
    std::string line = "Ziel: (√" + std::to_string(t.wurzel) + (t.sign < 0 ? " - " : " + ") +
                       std::to_string(t.abs) + ") / " + std::to_string(t.nenner) + " ";
    const auto root = static_cast<int>(exact::integerSquareRoot(t.wurzel));
    if (root * root == t.wurzel) return line + fractionDecimal(root + shift, t.nenner);
    return line + irrationalDecimal(t);
}

// "a_from, a_from+1, ..." for count terms, cut after most terms with "…".
std::string termList(const ContinuedFraction& fraction, std::size_t from, std::size_t count,
                     std::size_t most = kMostTermsShown) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += ", ";
        if (i == most) return text + "…";
        text += std::to_string(*fraction.term(from + i));
    }
    return text;
}

std::string expansionLine(const ContinuedFraction& fraction) {
    std::string line = "Kettenbruch: [" + std::to_string(fraction.terms[0]);
    if (fraction.finite()) {
        if (fraction.terms.size() > 1) line += "; " + termList(fraction, 1, fraction.terms.size() - 1);
        return line + "]";
    }
    // The terms up to the end of the second period, then "…" (termList cuts
    // a long one itself).
    const std::size_t shown = fraction.terms.size() - 1 + fraction.periodLength();
    const std::string tail = termList(fraction, 1, shown);
    return line + "; " + tail + (shown > kMostTermsShown ? "]" : ", …]");
}

std::string periodLine(const ContinuedFraction& fraction, bool wholePeriod) {
    if (fraction.finite()) return "Endlich: das Ziel ist rational.";
    const std::size_t most = wholePeriod ? fraction.periodLength() : kMostTermsShown;
    return "Periode: (" + termList(fraction, fraction.periodStart, fraction.periodLength(), most) + "), Länge " +
           std::to_string(fraction.periodLength()) + ", ab a" + std::to_string(fraction.periodStart);
}

} // namespace

std::string roundedDecimalText(bool negative, std::string scaledDigits, bool exact) {
    constexpr std::size_t decimals = kDecimals;
    if (scaledDigits.size() <= decimals) scaledDigits.insert(0, decimals + 1 - scaledDigits.size(), '0');
    const std::size_t point = scaledDigits.size() - decimals;
    std::string fraction = scaledDigits.substr(point);
    if (exact) {
        while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    }
    std::string text = exact ? "= " : "≈ ";
    if (negative && scaledDigits.find_first_not_of('0') != std::string::npos) text += '-';
    text += scaledDigits.substr(0, point);
    if (!fraction.empty()) text += '.' + fraction;
    return text;
}

std::vector<std::string> continuedFractionHeadLines(const TargetParameters& target, bool wholePeriod) {
    const ContinuedFraction fraction = continuedFractionOf(target);
    return {targetLine(target), expansionLine(fraction), periodLine(fraction, wholePeriod)};
}

std::vector<std::string> continuedFractionLines(const TargetParameters& target) {
    const ContinuedFraction fraction = continuedFractionOf(target);
    std::vector<std::string> lines = continuedFractionHeadLines(target, false);
    lines.push_back("Näherungsbrüche bis zum Nenner " + std::to_string(kLastDenominator) + ":");
    for (const Convergent& c : fraction.convergents)
        lines.push_back("  " + std::to_string(c.p) + "/" + std::to_string(c.q) + " " + fractionDecimal(c.p, c.q));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const std::string& lineBreak) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? lineBreak : "") + lines[i];
    return text;
}

} // namespace velnorit
