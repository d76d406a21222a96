#pragma once

#include "core/target.h"

#include <string>
#include <string_view>
#include <vector>

namespace velnorit::cli {

inline constexpr std::string_view kUsage = "Aufruf: velnorit-liste [--kettenbruch] WURZEL ABS NENNER [+|-]";

// The outcome of reading the command line: the list to print (with the
// continued fraction or without), the help text, the version, or a one-line
// German message for standard error.
struct ListeRequest {
    enum class Kind { List, Help, Version, Error } kind = Kind::Error;
    TargetControls controls;
    bool kettenbruch = false;
    std::string errorMessage;
};

// Options may stand anywhere before "--"; an argument that begins with "-"
// and a character other than a digit is an option ("-" alone is the sign,
// "-0" a number). Each of the three numbers may carry one leading "+" or "-":
// "+5" is 5, "-0" and "+0" are 0, "-1" is out of range.
ListeRequest readArguments(const std::vector<std::string_view>& arguments);

std::string helpText();
std::string versionText();

} // namespace velnorit::cli
