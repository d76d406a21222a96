#include "core/number_reading.h"

#include <cstring>
#include <charconv>
#include <string>

namespace velnorit {

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The longest prefix of text (blanks already removed) that has the form
// [sign] digits [. digits] [(E|D) [sign] digits], with at least one digit in
// the mantissa; the exponent is taken only when it has a digit.
std::string numberPrefix(const std::string& text) {
    std::size_t pos = 0;
    std::string number;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) number += text[pos++];
    bool mantissaDigit = false;
    while (pos < text.size() && isDigit(text[pos])) {
        number += text[pos++];
        mantissaDigit = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        number += text[pos++];
        while (pos < text.size() && isDigit(text[pos])) {
            number += text[pos++];
            mantissaDigit = true;
        }
    }
    if (!mantissaDigit) return {};
    if (pos < text.size() && std::strchr("EeDd", text[pos]) != nullptr) {
        std::string exponent = "e";
        std::size_t exponentPos = pos + 1;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-'))
            exponent += text[exponentPos++];
        if (exponentPos < text.size() && isDigit(text[exponentPos])) {
            while (exponentPos < text.size() && isDigit(text[exponentPos])) exponent += text[exponentPos++];
            number += exponent;
        }
    }
    return number;
}

} // namespace

double val(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text)
        if (!isSkipped(c)) compact += c;

    std::string number = numberPrefix(compact);
    if (number.empty()) return 0.0;
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.erase(0, 1);
    }
    double value = 0.0;
    // from_chars rounds correctly; a value beyond the Double range comes back
    // as out of range and is read as 0, like any text that is not a number.
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc{}) return 0.0;
    return negative ? -value : value;
}

} // namespace velnorit
