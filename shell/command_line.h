#pragma once

#include <string>

namespace velnorit::shell {

// What the window program was asked for on its command line: --help,
// --version, or a window, with at most one lesson file to open ("--" lets a
// file name start with a dash). Qt gets no options from it.
struct CommandLineRequest {
    enum class Kind { OpenWindow, Help, Version, Refused };
    Kind kind = Kind::OpenWindow;
    std::string refusal; // one German line for standard error, with Refused
    std::string file;    // OpenWindow: the lesson file to open, or empty
};

CommandLineRequest readCommandLine(int argc, const char* const* argv);

std::string helpText();
std::string versionText();
// The line on standard error when no graphical session can be reached.
std::string noDisplayMessage();

} // namespace velnorit::shell
