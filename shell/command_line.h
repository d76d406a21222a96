#pragma once

#include <string>

namespace velnorit::shell {

// What the window program was asked for on its command line. It takes no
// options of its own beyond --help and --version, and Qt gets none either.
struct CommandLineRequest {
    enum class Kind { OpenWindow, Help, Version, Refused };
    Kind kind = Kind::OpenWindow;
    std::string refusal; // one German line for standard error, with Refused
};

CommandLineRequest readCommandLine(int argc, const char* const* argv);

std::string helpText();
std::string versionText();
// The line on standard error when no graphical session can be reached.
std::string noDisplayMessage();

} // namespace velnorit::shell
