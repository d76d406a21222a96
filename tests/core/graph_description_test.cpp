#include "core/graph_description.h"
#include "core/result_list.h"
#include "scan_support.h"

#include <gtest/gtest.h>

#include <optional>
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

// The records in a list line: "  >" or "  <", Str(p) "/" Str(q), ..., " *"
// at the end for an absolute improvement; none in any other line.
std::optional<WindowRecord> recordOfLine(const std::string& line) {
    if (line.size() < 4 || line.compare(0, 2, "  ") != 0 || (line[2] != '>' && line[2] != '<')) return std::nullopt;
    const std::string rest = line.substr(3);
    const std::size_t slash = rest.find('/');
    const bool starred = line.size() >= 2 && line.compare(line.size() - 2, 2, " *") == 0;
    return WindowRecord{line[2] == '>' ? Side::Lower : Side::Upper, std::stoll(rest.substr(0, slash)),
                        std::stoi(rest.substr(slash + 1)), starred};
}

// The records of a window are those of the list, line for line, with the
// star where the list has one; only those inside the window.
TEST(GraphDescription, TakesTheRecordsOfTheList) {
    for (const TargetControls& controls : {controlsFor(5, 0, 2), controlsFor(61, 0, 1), controlsFor(5, 3, 2, true),
                                           controlsFor(16, 0, 3)}) {
        std::vector<WindowRecord> fromList;
        const std::string list = resultListFor(controls) + "\r\n";
        for (std::size_t start = 0, end; (end = list.find("\r\n", start)) != std::string::npos; start = end + 2) {
            const std::optional<WindowRecord> record = recordOfLine(list.substr(start, end - start));
            if (record && record->denominator >= 501 && record->denominator <= 1201) fromList.push_back(*record);
        }
        EXPECT_FALSE(fromList.empty() && controls.wurzel != 16) << controls.wurzel;
        EXPECT_EQ(recordsInWindow(controls, 501, 1201), fromList) << controls.wurzel;
    }
}

} // namespace
} // namespace velnorit
