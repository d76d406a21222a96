#include "../support/run_process.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

namespace velnorit {
namespace {

using testing::ProcessResult;

ProcessResult liste(const std::vector<std::string>& arguments,
                    testing::StandardOutput output = testing::StandardOutput::Collected) {
    return testing::runProcess(VELNORIT_LISTE_PATH, arguments, output);
}

const std::string kUsage =
    "Aufruf: velnorit-liste [--kettenbruch] [--bis N] [--format text|csv|json] WURZEL ABS NENNER [+|-]\n";

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
        {{"+-1", "0", "2"}, {"WURZEL", "»+-1«"}},
        {{"5", "0", "+"}, {"NENNER", "»+«"}},
        {{"99999999999", "0", "2"}, {"WURZEL", "»99999999999«"}},
        // Options: no abbreviations, no values, no short forms but -h.
        {{"-v", "5", "0", "2"}, {"Unbekannte Option: »-v«"}},
        {{"5", "0", "2", "--HELP"}, {"Unbekannte Option: »--HELP«"}},
        {{"-?"}, {"Unbekannte Option: »-?«"}},
        {{"--hel"}, {"Unbekannte Option: »--hel«"}},
        {{"--help=1"}, {"Unbekannte Option: »--help=1«"}},
        {{"--kettenbruch=ja", "5", "0", "2"}, {"Unbekannte Option"}},
        // The last denominator: a whole number from 1 to 10^100, as digits.
        {{"--bis", "0", "5", "0", "2"}, {"--bis", "1 bis 10^100", "»0«"}},
        {{"--bis", "-5", "5", "0", "2"}, {"--bis", "»-5«"}},
        {{"--bis=1.5", "5", "0", "2"}, {"--bis", "»1.5«"}},
        {{"--bis", "1e12", "5", "0", "2"}, {"--bis", "»1e12«"}},
        {{"--bis", "1" + std::string(100, '0') + "1", "5", "0", "2"}, {"--bis", "1 bis 10^100"}},
        {{"5", "0", "2", "--bis"}, {"--bis", "fehlt"}},
        {{"--bis=", "5", "0", "2"}, {"--bis", "»«"}},
        {{"--format", "xml", "5", "0", "2"}, {"--format", "text, csv oder json", "»xml«"}},
        {{"--format=CSV", "5", "0", "2"}, {"»CSV«"}},
        {{"5", "0", "2", "--format"}, {"--format"}},
        // After "--" nothing is an option.
        {{"--", "--help", "0", "2"}, {"WURZEL", "»--help«"}},
        // Control characters and escape sequences stay escaped, on one line.
        {{"5\n0", "0", "2"}, {"»5\\n0«"}},
        {{"\x1b[31mrot", "0", "2"}, {"»\\x1b[31mrot«"}},
        {{"--\x1b]0;Titel\x07"}, {"»--\\x1b]0;Titel\\x07«"}},
        {{"5", "0", "2", "\xc2\x9b\xe2\x80\xae\xff\\"}, {"»\\u009b\\u202e\\xff\\\\«"}},
        // Invisible characters are escaped too: "5<U+200B>" must not look like "5".
        {{"5\u200b", "0", "2"}, {"»5\\u200b«"}},
        {{"5", "\u00ad0", "2"}, {"»\\u00ad0«"}},
        {{"\ufeff5\u200c\u200d", "0", "2"}, {"»\\ufeff5\\u200c\\u200d«"}},
        {{"5\ue000\U0010fffd\ufdd0\uffff", "0", "2"}, {"»5\\ue000\\U0010fffd\\ufdd0\\uffff«"}},
        // A long argument is named by its first 40 characters.
        {{std::string(39, '7').append("\u00e4xyz"), "0", "2"}, {std::string("»").append(39, '7').append("\u00e4…«")}},
        {{std::string(100000, '9'), "0", "2"}, {std::string("»").append(40, '9').append("…«")}},
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
        EXPECT_LT(message.size(), 200u);
    }
}

// One rule for a leading sign: each of the three numbers may carry one.
TEST(ListeCommand, ReadsSignedNumbersAndOptionsAnywhereBeforeTheirEnd) {
    const std::string plain = liste({"5", "0", "2", "+"}).standardOutput;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"+5", "-0", "+2"}, {"5", "+0", "2", "+"}, {"--", "5", "-0", "2", "+"},
          {"05", "00", "002"}}) {
        const ProcessResult result = liste(arguments);
        EXPECT_EQ(result.exitStatus, 0) << result.standardError;
        EXPECT_EQ(result.standardOutput, plain);
    }
    const std::string withFraction = liste({"--kettenbruch", "5", "0", "2", "+"}).standardOutput;
    EXPECT_EQ(liste({"5", "0", "--kettenbruch", "2"}).standardOutput, withFraction);
    EXPECT_EQ(liste({"-0", "0", "1", "-"}).exitStatus, 0);
}

TEST(ListeCommand, HelpAndVersion) {
    for (const char* option : {"--help", "-h"}) {
        const ProcessResult result = liste({"5", option, "--nonsense"});
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.standardOutput.substr(0, kUsage.size()), kUsage);
        EXPECT_EQ(result.standardError, "");
        for (const char* part : {"--kettenbruch", "--version", "--bis N", "--format F", "0 bis 99", "1 bis 99",
                                 "velnorit-liste 5 0 2 +", "velnorit-liste --kettenbruch 5 3 2 -",
                                 "velnorit-liste --bis 1000000000000 61 0 1 +"})
            EXPECT_NE(result.standardOutput.find(part), std::string::npos) << part;
    }
    const ProcessResult version = liste({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.standardOutput, std::string("velnorit-liste ") + VELNORIT_VERSION + "\n");
}

TEST(ListeCommand, ContinuedFractionBeforeTheMarkedList) {
    const ProcessResult result = liste({"--kettenbruch", "5", "0", "2", "+"});
    EXPECT_EQ(result.exitStatus, 0);
    const std::string& out = result.standardOutput;
    EXPECT_EQ(out.substr(0, out.find("\n  Folge")),
              "Ziel: (√5 + 0) / 2 ≈ 1.118033988750\n"
              "Kettenbruch: [1; 8, 2, 8, 2, …]\n"
              "Periode: (8, 2), Länge 2, ab a1\n"
              "Näherungsbrüche bis zum Nenner 10000:\n"
              "  1/1 = 1\n  9/8 = 1.125\n  19/17 ≈ 1.117647058824\n  161/144 ≈ 1.118055555556\n"
              "  341/305 ≈ 1.118032786885\n  2889/2584 ≈ 1.118034055728\n  6119/5473 ≈ 1.118033985017\n"
              "Pellsche Gleichung x² - 5·y² = 1: kleinste Lösung x = 9, y = 4\n"
              "Pellsche Gleichung x² - 5·y² = -1: kleinste Lösung x = 2, y = 1\n"
              "Rekorde mit k = 1 lösen x² - 5·y² = -1 mit x = 2·p, y = n: 1/1, 19/17, 341/305, 6119/5473\n");
    for (const char* line : {"\n  > 1/ 1       1/ 8    1 * N\n", "\n  < 2/ 1       1/ 1   -11 Z\n",
                             "\n  < 9/ 8       1/ 143   -4 * N\n", "\n  > 10/ 9       1/ 144    5 * Z\n",
                             "\n  > 19/ 17       1/ 2584    1 * N\n", "\n  < 161/ 144       1/ 46367   -4 * N\n",
                             "\n  > 180/ 161       1/ 46368    5 * Z\n", "\n  > 341/ 305       1/ 832040    1 * N\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line;

    // Without the option, the marks and the fraction are left out, and the
    // list is the same line for line.
    std::string unmarked = out.substr(out.find("  Folge"));
    for (const char* mark : {" N\n", " Z\n"})
        for (std::size_t at; (at = unmarked.find(mark)) != std::string::npos;) unmarked.erase(at, 2);
    EXPECT_EQ(unmarked, liste({"5", "0", "2", "+"}).standardOutput);
}

// Up to the window's own last denominator, --bis gives the window's list
// byte for byte, with or without the continued fraction; beyond it the list
// goes on in the same form.
TEST(ListeCommand, BisContinuesTheWindowsList) {
    for (const std::vector<std::string>& target :
         {std::vector<std::string>{"5", "0", "2", "+"}, {"61", "0", "1", "+"}, {"4", "0", "1"}, {"2", "5", "1", "-"}}) {
        for (const bool kettenbruch : {false, true}) {
            std::vector<std::string> plain = target;
            if (kettenbruch) plain.insert(plain.begin(), "--kettenbruch");
            std::vector<std::string> bis = plain;
            bis.insert(bis.begin(), {"--bis", "10000"});
            std::vector<std::string> equals = plain;
            equals.insert(equals.begin(), {"--bis=010000", "--format=text"});
            const std::string window = liste(plain).standardOutput;
            EXPECT_EQ(liste(bis).standardOutput, window) << target[0];
            EXPECT_EQ(liste(equals).standardOutput, window) << target[0];
        }
    }
    const ProcessResult far = liste({"--bis", "1000000000000", "61", "0", "1", "+"});
    EXPECT_EQ(far.exitStatus, 0);
    const std::string window = liste({"61", "0", "1", "+"}).standardOutput;
    EXPECT_EQ(far.standardOutput.substr(0, window.size() - 1), window.substr(0, window.size() - 1));
    // The smallest solution of x² - 61 y² = 1 is an upper record with k = -1.
    EXPECT_NE(far.standardOutput.find("\n  < 1766319049/ 226153980       1/ 798920165762330039   -1 *\n"),
              std::string::npos);
}

// A failed write is an error however short the output; a reader that has
// gone ends the command quietly.
TEST(ListeCommand, WriteErrors) {
    struct Case {
        std::vector<std::string> arguments;
        testing::StandardOutput output;
    };
    const Case cases[] = {
        {{"5", "0", "2", "+"}, testing::StandardOutput::DevFull},
        {{"--version"}, testing::StandardOutput::DevFull},
        {{"--help"}, testing::StandardOutput::DevFull},
        {{"--kettenbruch", "5", "0", "2"}, testing::StandardOutput::DevFull},
        {{"--bis", "1000000000000", "61", "0", "1"}, testing::StandardOutput::DevFull},
        {{"--format", "csv", "5", "0", "2"}, testing::StandardOutput::DevFull},
        {{"--format", "json", "--kettenbruch", "5", "0", "2"}, testing::StandardOutput::Closed},
        {{"5", "0", "2", "+"}, testing::StandardOutput::Closed},
        {{"--version"}, testing::StandardOutput::Closed},
        {{"5", "0", "2", "+"}, testing::StandardOutput::ReadOnly},
    };
    for (const Case& c : cases) {
        const ProcessResult result = liste(c.arguments, c.output);
        SCOPED_TRACE(c.arguments[0]);
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.standardError.find("velnorit-liste: Die Ausgabe ließ sich nicht schreiben: "), 0u)
            << result.standardError;
        EXPECT_EQ(result.standardError.back(), '\n');
        EXPECT_EQ(result.standardError.find('\n'), result.standardError.size() - 1);
    }
    EXPECT_NE(liste({"5", "0", "2"}, testing::StandardOutput::DevFull).standardError.find("kein Platz"),
              std::string::npos);
    EXPECT_NE(liste({"5", "0", "2"}, testing::StandardOutput::Closed).standardError.find("geschlossen"),
              std::string::npos);
    const std::string readOnly = liste({"5", "0", "2"}, testing::StandardOutput::ReadOnly).standardError;
    EXPECT_NE(readOnly.find("lässt sich nicht beschreiben"), std::string::npos) << readOnly;
    EXPECT_EQ(readOnly.find("geschlossen"), std::string::npos) << readOnly;

    const ProcessResult killed = liste({"5", "0", "2"}, testing::StandardOutput::BrokenPipe);
    EXPECT_EQ(killed.signal, SIGPIPE);
    EXPECT_EQ(killed.standardError, "");
    // With SIGPIPE ignored (inherited from here), the write fails with EPIPE.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    const ProcessResult broken = liste({"5", "0", "2"}, testing::StandardOutput::BrokenPipe);
    std::signal(SIGPIPE, previous);
    EXPECT_EQ(broken.exitStatus, 1);
    EXPECT_EQ(broken.standardError, "");
}

} // namespace
} // namespace velnorit
