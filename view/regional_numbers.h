#pragma once

#include <string>

namespace velnorit::view {

// The decimal separator of the user's regional settings (QLocale's default
// locale, which follows the system), as UTF-8.
std::string userDecimalSeparator();

// The text form of a number for a text box, with that separator.
std::string boxText(double value);

} // namespace velnorit::view
