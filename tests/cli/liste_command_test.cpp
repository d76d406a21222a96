#include "../support/run_process.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velnorit {
namespace {

using testing::ProcessResult;

ProcessResult liste(const std::vector<std::string>& arguments) {
    return testing::runProcess(VELNORIT_LISTE_PATH, arguments);
}

const std::string kUsage = "Aufruf: velnorit-liste WURZEL ABS NENNER [+|-]\n";

TEST(ListeCommand, PrintsTheListOfTheDefaultStartWithLineFeeds) {
    const ProcessResult result = liste({"5", "0", "2", "+"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    const std::string& out = result.standardOutput;
    const std::string begin = "  Folge max/min(n)\n"
                              "  und erreichte Genauigkeit\n"
                              "  (* = absolute Verbesserung)\n"
                              "\n"
                              "  > 1/ 1       1/ 8    1 *\n"
                              "\n"
                              "  < 2/ 1       1/ 1   -11\n";
    EXPECT_EQ(out.substr(0, begin.size()), begin);
    EXPECT_EQ(out.find('\r'), std::string::npos);
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out.back(), '\n');
    EXPECT_NE(out[out.size() - 2], '\n') << "exactly one final line feed";

    // The sign defaults to +.
    EXPECT_EQ(liste({"5", "0", "2"}).standardOutput, out);
}

TEST(ListeCommand, TakesTheMinusSign) {
    const ProcessResult result = liste({"2", "5", "1", "-"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.standardOutput.find("\n  >-4/ 1 "), std::string::npos);
    EXPECT_NE(result.standardOutput.find("\n  <-3/ 1 "), std::string::npos);
}

TEST(ListeCommand, RejectsBadInputWithAGermanMessageAndTheUsage) {
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> messageParts;
    };
    const Case cases[] = {
        {{}, {"WURZEL", "0 bis 99"}},
        {{"5", "0"}, {"NENNER", "1 bis 99"}},
        {{"5", "0", "2", "+", "7"}, {"»7«"}},
        {{"fünf", "0", "2"}, {"WURZEL", "0 bis 99", "»fünf«"}},
        {{"5", "1.5", "2"}, {"ABS", "0 bis 99", "»1.5«"}},
        {{"100", "0", "2"}, {"WURZEL", "0 bis 99", "»100«"}},
        {{"5", "-1", "2"}, {"ABS", "0 bis 99"}},
        {{"5", "0", "0"}, {"NENNER", "1 bis 99", "»0«"}},
        {{"5", "0", "2", "*"}, {"Vorzeichen", "+ oder -", "»*«"}},
        {{"5", "0", "2", ""}, {"Vorzeichen"}},
    };
    for (const Case& c : cases) {
        const ProcessResult result = liste(c.arguments);
        SCOPED_TRACE(result.standardError);
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.standardOutput, "");
        const std::size_t firstLineEnd = result.standardError.find('\n');
        ASSERT_NE(firstLineEnd, std::string::npos);
        const std::string message = result.standardError.substr(0, firstLineEnd);
        for (const std::string& part : c.messageParts) EXPECT_NE(message.find(part), std::string::npos) << part;
        EXPECT_EQ(result.standardError.substr(firstLineEnd + 1), kUsage);
    }
}

TEST(ListeCommand, HelpPrintsTheUsage) {
    const ProcessResult result = liste({"--help"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardOutput.substr(0, kUsage.size()), kUsage);
    EXPECT_EQ(result.standardError, "");
}

} // namespace
} // namespace velnorit
