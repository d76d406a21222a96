#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <system_error>

namespace velnorit {

namespace {

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// A number rounded to a number of significant digits:
// value = (negative ? -1 : 1) * d0.d1d2... * 10^exponent, digits without
// trailing zeros. Zero has no digits.
struct RoundedDecimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

template <typename Float>
RoundedDecimal roundToSignificantDigits(Float value, int significantDigits) {
    RoundedDecimal result;
    if (value == 0) return result;
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significantDigits - 1);
    (void)error; // a 64-character buffer holds every finite value at these precisions
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));

    std::size_t pos = 0;
    if (text[pos] == '-') {
        result.negative = true;
        ++pos;
    }
    const std::size_t exponentMark = text.find('e', pos);
    for (std::size_t i = pos; i < exponentMark; ++i)
        if (text[i] != '.') result.digits += text[i];
    std::from_chars(text.data() + exponentMark + 1 + (text[exponentMark + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), result.exponent);
    while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
    return result;
}

enum class Form { Str, Text };

std::string layout(const RoundedDecimal& number, int significantDigits, Form form, std::string_view separator) {
    std::string sign = number.negative ? "-" : (form == Form::Str ? " " : "");
    if (number.digits.empty()) return sign + "0";

    const std::string& digits = number.digits;
    const int exponent = number.exponent;
    if (exponent < -4 || exponent >= significantDigits) {
        std::string text = sign + digits.substr(0, 1);
        if (digits.size() > 1) text += std::string(separator) + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        if (exponentDigits.size() < 2) text += '0';
        return text + exponentDigits;
    }
    if (exponent < 0) {
        const std::string leadingZero = form == Form::Text ? "0" : "";
        return sign + leadingZero + std::string(separator) + std::string(static_cast<std::size_t>(-exponent - 1), '0') +
               digits;
    }
    const auto integerLength = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= integerLength) return sign + digits + std::string(integerLength - digits.size(), '0');
    return sign + digits.substr(0, integerLength) + std::string(separator) + digits.substr(integerLength);
}

// Whole Doubles below 10^15 are written with all their digits; this path
// gives the same text as the general one, only faster (the list and the graph
// print thousands of numerators on every redraw).
bool isPlainWholeNumber(double value) {
    return std::abs(value) < 1e15 && value == std::trunc(value);
}

std::string wholeNumberText(double value, Form form) {
    char buffer[24];
    std::size_t used = 0;
    if (value >= 0 && form == Form::Str) buffer[used++] = ' ';
    const auto result = std::to_chars(buffer + used, buffer + sizeof buffer, static_cast<std::int64_t>(value));
    return std::string(buffer, result.ptr);
}

// Non-finite values never reach a text in the program (the floating-point
// check raises the run-time error first); they get a readable marker instead
// of undefined digits.
std::string nonFiniteText(double value, Form form) {
    if (std::isnan(value)) return "-1.#IND";
    if (value < 0) return "-1.#INF";
    return form == Form::Str ? " 1.#INF" : "1.#INF";
}

} // namespace

std::string strForm(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value, Form::Str);
    if (isPlainWholeNumber(value)) return wholeNumberText(value, Form::Str);
    return layout(roundToSignificantDigits(value, kDoubleDigits), kDoubleDigits, Form::Str, ".");
}

std::string strFormSingle(float value) {
    if (!std::isfinite(value)) return nonFiniteText(value, Form::Str);
    return layout(roundToSignificantDigits(value, kSingleDigits), kSingleDigits, Form::Str, ".");
}

std::string textForm(double value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) return nonFiniteText(value, Form::Text);
    if (isPlainWholeNumber(value)) return wholeNumberText(value, Form::Text);
    return layout(roundToSignificantDigits(value, kDoubleDigits), kDoubleDigits, Form::Text, decimalSeparator);
}

std::string textFormSingle(float value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) return nonFiniteText(value, Form::Text);
    return layout(roundToSignificantDigits(value, kSingleDigits), kSingleDigits, Form::Text, decimalSeparator);
}

} // namespace velnorit
