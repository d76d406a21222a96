#pragma once

#include "core/scan.h"
#include "core/target.h"

#include <string>

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

// Builds the list during a scan, starting from the header.
class ResultListBuilder : public ScanListener {
public:
    ResultListBuilder();
    void onRecord(const Record& record, const WindowState& state) override;
    void onNoRecord(Side, const WindowState&) override {}
    void onAbsoluteImprovement(const Record& record, const WindowState& state) override;
    void onStepEnd(const WindowState&) override {}

    const std::string& text() const { return text_; }

protected:
    std::string text_;
};

// The scan of a redraw with these controls, run without a window at the
// start-up zoom. The records do not depend on the zoom.
void scanFor(const TargetControls& controls, ScanListener& listener);

// The list as a redraw with these controls writes it.
std::string resultListFor(const TargetControls& controls);

} // namespace velnorit
