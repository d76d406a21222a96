#include "core/result_list.h"
#include "scan_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velnorit {
namespace {

std::string listFor(const testing::Target& target) {
    return resultListFor(testing::targetControls(target.wurzel, target.abs, target.nenner, target.minus));
}

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2)
        lines.push_back(text.substr(start, pos - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST(ResultList, BeginsAsTheWorkedExampleOfTheDefaultStart) {
    const std::vector<std::string> lines = splitCrLf(listFor({}));
    const std::vector<std::string> expected = {
        "  Folge max/min(n)",
        "  und erreichte Genauigkeit",
        "  (* = absolute Verbesserung)",
        "",
        "  > 1/ 1       1/ 8    1 *",
        "",
        "  < 2/ 1       1/ 1   -11",
        "  < 3/ 2       1/ 2   -16",
        "  < 4/ 3       1/ 4   -19",
        "  < 5/ 4       1/ 7   -20",
        "  < 6/ 5       1/ 12   -19 *",
        "  < 7/ 6       1/ 20   -16 *",
        "  < 8/ 7       1/ 40   -11 *",
        "  < 9/ 8       1/ 143   -4 *",
        "",
        "  > 10/ 9       1/ 144    5 *",
        "  > 19/ 17       1/ 2584    1 *",
    };
    ASSERT_GE(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    EXPECT_NE(lines.back(), "") << "the list ends without CR LF";
    EXPECT_EQ(listFor({}).find('\n'), listFor({}).find("\r\n") + 1) << "only CR LF breaks lines";
}

TEST(ResultList, AnIntegralTargetHasTwoRecordsWithoutAccuracy) {
    const std::string gaps(6 + 3, ' ');
    EXPECT_EQ(listFor({4, 0, 1}), resultListHeader() + "\r\n  > 2/ 1" + gaps + " 0 *" + "\r\n\r\n  < 2/ 1" + gaps + " 0");
}

TEST(ResultList, ARationalTargetEndsWithItsExactFractions) {
    const std::vector<std::string> lines = splitCrLf(listFor({1, 0, 2}));
    EXPECT_EQ(lines.back(), "  < 1/ 2" + std::string(6 + 3, ' ') + " 0");
    for (const std::string& line : lines) EXPECT_EQ(line.find("/ 3 "), std::string::npos) << line;
}

// Lines that Doubles used to get wrong: a rational target whose n*target
// misses the integer, a tie of the two sides, the last digits of large m and
// stars at near-ties.
TEST(ResultList, PrintsExactRecordsStarsAndAccuracies) {
    struct Case {
        testing::Target target;
        std::string line;
    };
    const std::string gaps(6 + 3, ' ');
    const Case cases[] = {
        {{1, 0, 49}, "  > 1/ 49" + gaps + " 0 *"},
        {{1, 0, 49}, "  < 1/ 49" + gaps + " 0"},
        {{0, 11, 12}, "  > 5/ 6       1/ 12   -36"},
        {{0, 11, 12}, "  < 1/ 1       1/ 12   -1 *"},
        {{0, 29, 7}, "  < 29/ 7" + gaps + " 0"},
        {{5, 0, 2}, "  > 6119/ 5473       1/ 267914296    1 *"},
        {{99, 99, 1}, "  < 867241/ 7960       1/ 1260879919   -1 *"},
        {{53, 60, 33}, "  < 18553/ 9100       1/ 39789149397   -1 *"},
        {{2, 1, 1, true}, "  < 3363/ 8119       1/ 93222357   -2"},
        {{42, 0, 1}, "  > 56700/ 8749       1/ 23622300    42 *"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines = splitCrLf(listFor(c.target));
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << c.line;
    }
    // 1/49 is reached once from each side, and nothing follows.
    const std::vector<std::string> lines = splitCrLf(listFor({1, 0, 49}));
    EXPECT_EQ(lines.back(), "  < 1/ 49" + gaps + " 0");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("  >", 0) == 0; }),
              2);
}

TEST(ResultList, ANegativeNumeratorHasNoLeadingBlank) {
    const std::vector<std::string> lines = splitCrLf(listFor({2, 5, 1, true}));
    EXPECT_EQ(lines[4].substr(0, 8), "  >-4/ 1");
    EXPECT_EQ(lines[6].substr(0, 8), "  <-3/ 1");
}

// Every record line is found through its place alone: the line number, the
// side mark, the denominator, and the text up to the place's end is the list
// as far as that record (its star included).
TEST(ResultList, KeepsThePlaceOfEveryRecordLine) {
    const testing::Target targets[] = {{}, {4, 0, 1}, {1, 0, 2}, {2, 5, 1, true}, {61, 0, 1}, {99, 99, 1}};
    for (const testing::Target& target : targets) {
        ResultListBuilder list;
        scanFor(testing::targetControls(target.wurzel, target.abs, target.nenner, target.minus), list);
        const std::string& text = list.text();
        const std::vector<std::string> lines = splitCrLf(text);
        const std::size_t recordLines = static_cast<std::size_t>(std::count_if(
            lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("  >", 0) == 0 || l.rfind("  <", 0) == 0; }));
        ASSERT_EQ(list.places().size(), recordLines) << target.wurzel;
        int previousLine = 3;
        for (const RecordPlace& place : list.places()) {
            ASSERT_LT(static_cast<std::size_t>(place.line), lines.size());
            const std::string& line = lines[static_cast<std::size_t>(place.line)];
            EXPECT_GT(place.line, previousLine);
            previousLine = place.line;
            EXPECT_EQ(line.substr(0, 3), place.side == Side::Lower ? "  >" : "  <") << line;
            EXPECT_NE(line.find("/ " + std::to_string(place.n) + " "), std::string::npos) << line;
            ASSERT_LE(place.end, text.size());
            EXPECT_TRUE(place.end == text.size() || text.compare(place.end, 2, "\r\n") == 0) << line;
            EXPECT_EQ(text.compare(place.end - line.size(), line.size(), line), 0) << line;
        }
        EXPECT_EQ(list.places().back().end, text.size());
    }
    // The worked example: line 5 holds the lower record of n = 1, line 7 the
    // upper one, line 16 the lower record of n = 9 (counted from 1).
    ResultListBuilder start;
    scanFor(testing::targetControls(5, 0, 2), start);
    ASSERT_GE(start.places().size(), 10u);
    EXPECT_EQ(start.places()[0], (RecordPlace{1, Side::Lower, 4, start.places()[0].end}));
    EXPECT_EQ(start.places()[1], (RecordPlace{1, Side::Upper, 6, start.places()[1].end}));
    EXPECT_EQ(start.places()[9], (RecordPlace{9, Side::Lower, 15, start.places()[9].end}));
}

} // namespace
} // namespace velnorit
