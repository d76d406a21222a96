#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velnorit::cli {

// An argument as it may stand in a one-line message on a terminal: control
// characters, bytes that are not UTF-8 and the characters that break or turn
// a line (U+0085, U+2028, U+2029, the bidirectional controls) become escapes
// such as \n, \x1b, \xff or \u202e, and so do the invisible ones (U+200B,
// U+00AD, U+FEFF, private use, non-characters); a backslash becomes \\.
// After maxCharacters characters (a byte that is not UTF-8 counts as one)
// the rest is left out and "…" stands for it.
std::string printableText(std::string_view bytes, std::size_t maxCharacters = std::string_view::npos);

} // namespace velnorit::cli
