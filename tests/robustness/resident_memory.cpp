#include "resident_memory.h"

#include <fstream>
#include <stdexcept>
#include <string>

#include <unistd.h>

namespace velnorit::testing {

std::size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t sizePages = 0;
    std::size_t residentPages = 0;
    if (!(statm >> sizePages >> residentPages)) throw std::runtime_error("/proc/self/statm cannot be read");
    return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

std::size_t peakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            std::size_t kilobytes = 0;
            if (status >> kilobytes) return kilobytes * 1024;
            break;
        }
        status.ignore(1 << 16, '\n');
    }
    throw std::runtime_error("/proc/self/status has no VmHWM");
}

} // namespace velnorit::testing
