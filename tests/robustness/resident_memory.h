#pragma once

#include <cstddef>

namespace velnorit::testing {

// The process's resident memory in bytes, from /proc/self/statm.
std::size_t residentBytes();

} // namespace velnorit::testing
