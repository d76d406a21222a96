#pragma once

#include <string_view>

namespace velnorit::cli {

// Writes text to standard output, flushes and closes it, and checks each
// step, so that a full disk or a closed descriptor is noticed however short
// the text is. Returns the exit status: 0 when everything was written; 1
// otherwise, after a German message on standard error, except when the
// reader has gone away early (a broken pipe), which ends quietly.
int writeStandardOutput(std::string_view text);

} // namespace velnorit::cli
