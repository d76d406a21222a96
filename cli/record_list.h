#pragma once

#include "core/target.h"

#include <string>

namespace velnorit::cli {

// The text of the list box after a redraw with these controls, with its CR LF
// line breaks.
std::string recordListFor(const TargetControls& controls);

// The same text for a terminal: each CR LF one line feed, and a final one.
std::string asTerminalLines(const std::string& list);

} // namespace velnorit::cli
