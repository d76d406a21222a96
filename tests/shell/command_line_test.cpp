// The window program's command line: --help and --version, everything else
// refused, Qt's own options included; without a display a German message.
#include "../support/run_process.h"

#include "core/version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace velnorit {
namespace {

using testing::ProcessResult;

ProcessResult velnorit(const std::vector<std::string>& arguments) {
    return testing::runProcess(VELNORIT_PROGRAM_PATH, arguments);
}

std::size_t lineCount(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(WindowCommandLine, AnswersHelpAndVersionInGerman) {
    const ProcessResult help = velnorit({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.standardError, "");
    EXPECT_EQ(help.standardOutput.rfind("Aufruf: velnorit [--help | --version]\n", 0), 0u) << help.standardOutput;
    EXPECT_NE(help.standardOutput.find("zeigt die Version"), std::string::npos);

    const ProcessResult version = velnorit({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.standardOutput, std::string("velnorit ") + kProgramVersion + "\n");
}

// Qt's options are arguments like any other; none opens a window.
TEST(WindowCommandLine, RefusesEveryOtherArgumentWithOneGermanLine) {
    const std::vector<std::vector<std::string>> refused = {
        {"-reverse"}, {"-platform", "offscreen"}, {"-style", "Windows"}, {"datei.txt"}, {"--help", "--version"},
        {"--versio"}};
    for (const std::vector<std::string>& arguments : refused) {
        const ProcessResult result = velnorit(arguments);
        EXPECT_EQ(result.exitStatus, 2) << arguments[0];
        EXPECT_EQ(result.standardOutput, "") << arguments[0];
        EXPECT_EQ(lineCount(result.standardError), 1u) << result.standardError;
        EXPECT_NE(result.standardError.find("unbekanntes Argument \u201e" + arguments[0] + "\u201c"), std::string::npos)
            << result.standardError;
    }
}

// Without a display the toolkit cannot start; the user learns why in German,
// with status 1. Qt's environment variables still count.
TEST(WindowCommandLine, NeedsAGraphicalSession) {
    const std::string message =
        "velnorit: Das Programm braucht eine grafische Sitzung, es wurde aber keine Anzeige gefunden.\n";
    for (const char* platform : {"", "xcb", "nonexistent"}) {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        if (*platform == '\0') unsetenv("QT_QPA_PLATFORM");
        else setenv("QT_QPA_PLATFORM", platform, 1);
        const ProcessResult result = velnorit({});
        EXPECT_EQ(result.exitStatus, 1) << platform;
        EXPECT_EQ(result.standardError, message) << platform;
    }
}

} // namespace
} // namespace velnorit
