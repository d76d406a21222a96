#pragma once

#include <cstddef>

namespace velnorit::testing {

// The process's resident memory in bytes, from /proc/self/statm.
std::size_t residentBytes();

// The most the process has held resident so far (VmHWM of /proc/self/status).
std::size_t peakResidentBytes();

} // namespace velnorit::testing
