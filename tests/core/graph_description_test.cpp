#include "core/graph_description.h"
#include "core/result_list.h"
#include "scan_support.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace velnorit {
namespace {

TargetControls controlsFor(int wurzel, int abs, int nenner, bool minus = false) {
    return testing::targetControls(wurzel, abs, nenner, minus);
}

// The target's value: "=" only where the shown digits are the whole value,
// decided in integers, "≈" wherever they are cut.
TEST(GraphDescription, SaysTheTargetAsFormulaAndValue) {
    struct Case {
        TargetControls controls;
        std::string opening;
    };
    const std::vector<Case> cases = {
        {controlsFor(5, 0, 2), "Ziel (√5 + 0) / 2 ≈ 1,11803398874989. "},
        {controlsFor(5, 3, 2, true), "Ziel (√5 - 3) / 2 ≈ -0,381966011250105. "},
        {controlsFor(9, 1, 2), "Ziel (√9 + 1) / 2 = 2. "},
        {controlsFor(1, 0, 8), "Ziel (√1 + 0) / 8 = 0,125. "},
        {controlsFor(4, 0, 3), "Ziel (√4 + 0) / 3 ≈ 0,666666666666667. "},
        {controlsFor(0, 0, 1), "Ziel (√0 + 0) / 1 = 0. "},
        {controlsFor(0, 99, 64, true), "Ziel (√0 - 99) / 64 = -1,546875. "},
    };
    for (const Case& c : cases) {
        const std::string text = graphDescription(c.controls, 1, 701, {}, ",");
        EXPECT_EQ(text.substr(0, c.opening.size()), c.opening) << text;
    }
}

TEST(GraphDescription, NamesTheWindowAndItsRecords) {
    const TargetControls start = controlsFor(5, 0, 2);
    EXPECT_EQ(graphDescription(start, 1, 701, {{Side::Lower, 1, 1, true}}, "."),
              "Ziel (√5 + 0) / 2 ≈ 1.11803398874989. Nenner 1 bis 701. 1 Rekord in diesem Fenster: "
              "1/1 unten, absolute Verbesserung.");
    EXPECT_EQ(graphDescription(start, 9501, 10201, {{Side::Upper, -3, 2, false}, {Side::Lower, 7, 5, false}}, "."),
              "Ziel (√5 + 0) / 2 ≈ 1.11803398874989. Nenner 9501 bis 10201, berechnet bis 10000. "
              "2 Rekorde in diesem Fenster: -3/2 oben; 7/5 unten.");
    EXPECT_EQ(graphDescription(start, 501, 1201, {}, "."),
              "Ziel (√5 + 0) / 2 ≈ 1.11803398874989. Nenner 501 bis 1201. Keine Rekorde in diesem Fenster.");
}

// The records of a window are those of the list, line for line, with the
// star where the list has one; only those inside the window.
TEST(GraphDescription, TakesTheRecordsOfTheList) {
    const std::regex line(R"(  ([<>]) ?(-?\d+)/ (\d+) .*?( \*)?)");
    for (const TargetControls& controls : {controlsFor(5, 0, 2), controlsFor(61, 0, 1), controlsFor(5, 3, 2, true),
                                           controlsFor(16, 0, 3)}) {
        std::vector<WindowRecord> fromList;
        const std::string list = resultListFor(controls);
        std::size_t start = 0;
        for (std::size_t end; (end = list.find("\r\n", start)) != std::string::npos || start < list.size();
             start = end + 2) {
            if (end == std::string::npos) end = list.size();
            std::smatch m;
            const std::string text = list.substr(start, end - start);
            if (!std::regex_match(text, m, line)) continue;
            const int n = std::stoi(m[3]);
            if (n >= 501 && n <= 1201)
                fromList.push_back({m[1] == ">" ? Side::Lower : Side::Upper, std::stoll(m[2]), n, m[4].matched});
        }
        EXPECT_EQ(recordsInWindow(controls, 501, 1201), fromList) << controls.wurzel;
    }
}

} // namespace
} // namespace velnorit
