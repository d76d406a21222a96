#pragma once

#include <string>
#include <vector>

namespace velnorit::testing {

struct ProcessResult {
    int exitStatus = -1; // -1 when the process did not exit normally
    std::string standardOutput;
    std::string standardError;
};

// Runs a program with arguments, waits for it and collects both outputs.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments);

} // namespace velnorit::testing
