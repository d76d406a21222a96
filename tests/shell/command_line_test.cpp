// The window program's command line: --help, --version and one lesson file,
// everything else refused, Qt's own options included; without a display a
// German message.
#include "../support/run_process.h"

#include "core/version.h"
#include "shell/command_line.h"

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
    EXPECT_EQ(help.standardOutput.rfind("Aufruf: velnorit [--help | --version | [--] DATEI]\n", 0), 0u)
        << help.standardOutput;
    EXPECT_NE(help.standardOutput.find("zeigt die Version"), std::string::npos);
    EXPECT_NE(help.standardOutput.find("öffnet das Tafelbild DATEI"), std::string::npos);

    const ProcessResult version = velnorit({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.standardOutput, std::string("velnorit ") + kProgramVersion + "\n");
}

// Qt's options are arguments like any other; none opens a window.
TEST(WindowCommandLine, RefusesEveryOtherArgumentWithOneGermanLine) {
    struct Case {
        std::vector<std::string> arguments;
        std::string named; // what the line names
    };
    const std::vector<Case> refused = {
        {{"-reverse"}, "unbekanntes Argument \u201e-reverse\u201c"},
        {{"-platform", "offscreen"}, "unbekanntes Argument \u201e-platform\u201c"},
        {{"-style", "Windows"}, "unbekanntes Argument \u201e-style\u201c"},
        {{"--help", "--version"}, "unbekanntes Argument \u201e--help\u201c"},
        {{"--versio"}, "unbekanntes Argument \u201e--versio\u201c"},
        {{"a.velnorit", "b.velnorit"}, "\u201eb.velnorit\u201c, es kann nur eine Datei"},
        {{"--", "a.velnorit", "-b"}, "\u201e-b\u201c, es kann nur eine Datei"},
        {{"--"}, "fehlt die Datei"},
        {{""}, "der Dateiname ist leer"},
    };
    for (const Case& c : refused) {
        const ProcessResult result = velnorit(c.arguments);
        EXPECT_EQ(result.exitStatus, 2) << c.named;
        EXPECT_EQ(result.standardOutput, "") << c.named;
        EXPECT_EQ(lineCount(result.standardError), 1u) << result.standardError;
        EXPECT_NE(result.standardError.find(c.named), std::string::npos) << result.standardError;
    }
}

// One file, also one whose name starts with a dash after "--", is opened.
TEST(WindowCommandLine, TakesOneLessonFile) {
    const std::vector<std::pair<std::vector<const char*>, std::string>> accepted = {
        {{"velnorit"}, ""},
        {{"velnorit", "stunde.velnorit"}, "stunde.velnorit"},
        {{"velnorit", "/tmp/mit Leerzeichen.velnorit"}, "/tmp/mit Leerzeichen.velnorit"},
        {{"velnorit", "--", "-stunde.velnorit"}, "-stunde.velnorit"},
        {{"velnorit", "--", "--help"}, "--help"},
    };
    for (const auto& [argv, file] : accepted) {
        const shell::CommandLineRequest request = shell::readCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(request.kind, shell::CommandLineRequest::Kind::OpenWindow) << file;
        EXPECT_EQ(request.file, file);
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
