#pragma once

#include "core/target.h"

#include <string>
#include <string_view>
#include <vector>

namespace velnorit::cli {

inline constexpr std::string_view kUsage = "Aufruf: velnorit-liste WURZEL ABS NENNER [+|-]";

// The outcome of reading the command line: the list to print, the help text,
// or a one-line German message for standard error.
struct ListeRequest {
    enum class Kind { List, Help, Error } kind = Kind::Error;
    TargetControls controls;
    std::string errorMessage;
};

ListeRequest readArguments(const std::vector<std::string_view>& arguments);

std::string helpText();

} // namespace velnorit::cli
