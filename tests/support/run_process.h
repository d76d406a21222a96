#pragma once

#include <string>
#include <vector>

namespace velnorit::testing {

struct ProcessResult {
    int exitStatus = -1; // -1 when the process did not exit normally
    int signal = 0;      // the signal that ended it, if one did
    std::string standardOutput;
    std::string standardError;
};

// Where the program's standard output goes: collected, to /dev/full (every
// write fails with "no space"), closed, or into a pipe whose reader has
// already gone (writes fail with a broken pipe).
enum class StandardOutput { Collected, DevFull, Closed, ReadOnly, BrokenPipe };

// Runs a program with arguments, waits for it and collects both outputs.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         StandardOutput standardOutput = StandardOutput::Collected);

} // namespace velnorit::testing
