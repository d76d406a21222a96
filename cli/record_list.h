#pragma once

#include <string>

namespace velnorit::cli {

// The list box's text for a terminal: each CR LF one line feed, and a final one.
std::string asTerminalLines(const std::string& list);

} // namespace velnorit::cli
