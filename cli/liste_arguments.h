#pragma once

#include "core/far_records.h"
#include "core/target.h"

#include <optional>

#include <string>
#include <string_view>
#include <vector>

namespace velnorit::cli {

inline constexpr std::string_view kUsage =
    "Aufruf: velnorit-liste [--kettenbruch] [--bis N] [--format text|csv|json] WURZEL ABS NENNER [+|-]";

// The outcome of reading the command line: the list to print (with the
// continued fraction or without), the help text, the version, or a one-line
// German message for standard error.
struct ListeRequest {
    enum class Kind { List, Help, Version, Error } kind = Kind::Error;
    TargetControls controls;
    bool kettenbruch = false;
    std::optional<DenominatorLimit> limit; // --bis N; the window's 10000 without it
    enum class Format { Text, Csv, Json } format = Format::Text;
    std::string errorMessage;
};

// Options may stand anywhere before "--"; an argument that begins with "-"
// and a character other than a digit is an option ("-" alone is the sign,
// "-0" a number). Each of the three numbers may carry one leading "+" or "-":
// "+5" is 5, "-0" and "+0" are 0, "-1" is out of range. The values of
// --bis and --format follow as the next argument or after "=".
ListeRequest readArguments(const std::vector<std::string_view>& arguments);

std::string helpText();
std::string versionText();

} // namespace velnorit::cli
