#pragma once

#include <string>
#include <string_view>

namespace velnorit::cli {

// An argument as it may stand in a one-line message on a terminal: control
// characters, bytes that are not UTF-8 and the characters that break or turn
// a line (U+0085, U+2028, U+2029, the bidirectional controls) become escapes
// such as \n, \x1b, \xff or \u202e; a backslash becomes \\.
std::string printableText(std::string_view bytes);

} // namespace velnorit::cli
