#include "resident_memory.h"

#include <fstream>
#include <stdexcept>

#include <unistd.h>

namespace velnorit::testing {

std::size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t sizePages = 0;
    std::size_t residentPages = 0;
    if (!(statm >> sizePages >> residentPages)) throw std::runtime_error("/proc/self/statm cannot be read");
    return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

} // namespace velnorit::testing
