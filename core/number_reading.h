#pragma once

#include <string_view>

namespace velnorit {

// Val: the number at the start of a text. Blanks, tabs and line feeds are
// skipped wherever they stand; then an optional sign, digits, a "." decimal
// point and an optional exponent (E or D) are read up to the first character
// that does not fit. A text without a leading number gives 0. Only "." is a
// decimal point, whatever the regional settings.
double val(std::string_view text);

} // namespace velnorit
