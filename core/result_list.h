#pragma once

#include "core/scan.h"
#include "core/target.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velnorit {

// The result list: the text of the list box after a redraw. Lines are
// separated by CR LF; the list ends without one after its last record.

// The three header lines, each ending in CR LF.
std::string resultListHeader();

// Appends the line of one record: a blank line first where the side changes,
// then "  >" or "  <", numerator "/" denominator, the accuracy " 1/m" when
// the distance is above 0, and the Pell term.
void appendRecordLine(std::string& list, const Record& record);

// The same from the Str forms of its numbers; accuracy empty for none.
struct RecordLine {
    Side side = Side::Lower;
    Side previousSide = Side::Lower;
    std::string numerator;
    std::string denominator;
    std::string accuracy;
    std::string pellTerm;
};
void appendRecordLine(std::string& list, const RecordLine& line);

// Appends the star of an absolute improvement to the last record line.
void appendImprovementStar(std::string& list);

// Where a record stands in the list: its denominator and side, the number
// of its line (0 for the first header line) and the end of its line in the
// text, star included. What points from a line of the list into the graph
// reads these, never the text.
struct RecordPlace {
    int n = 0;
    Side side = Side::Lower;
    int line = 0;
    std::size_t end = 0;
    bool operator==(const RecordPlace&) const = default;
};

// Builds the list during a scan, starting from the header, and keeps the
// place of every record line in list order.
class ResultListBuilder : public ScanListener {
public:
    ResultListBuilder();
    void onRecord(const Record& record, const WindowState& state) override;
    void onNoRecord(Side, const WindowState&) override {}
    void onAbsoluteImprovement(const Record& record, const WindowState& state) override;
    void onStepEnd(const WindowState&) override {}

    const std::string& text() const { return text_; }
    const std::vector<RecordPlace>& places() const { return places_; }
    std::vector<RecordPlace> takePlaces() { return std::move(places_); }

protected:
    std::string text_;

private:
    std::vector<RecordPlace> places_;
    int lineBreaks_ = 0; // CR LFs in text_ so far
};

// The scan of a redraw with these controls, run without a window at the
// start-up zoom. The records do not depend on the zoom.
void scanFor(const TargetControls& controls, ScanListener& listener);

// The list as a redraw with these controls writes it.
std::string resultListFor(const TargetControls& controls);

} // namespace velnorit
