#include "core/result_list.h"

#include "core/number_format.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace velnorit {

namespace {
constexpr const char* kCrLf = "\r\n";
}

std::string resultListHeader() {
    std::string header = std::string("  Folge max/min(n)") + kCrLf;
    header += std::string("  und erreichte Genauigkeit") + kCrLf;
    header += std::string("  (* = absolute Verbesserung)") + kCrLf;
    return header;
}

void appendRecordLine(std::string& list, const RecordLine& line) {
    if (line.previousSide != line.side) list += kCrLf;
    list += kCrLf;
    list += line.side == Side::Lower ? "  >" : "  <";
    list += line.numerator;
    list += '/';
    list += line.denominator;
    list += "      ";
    if (!line.accuracy.empty()) {
        list += " 1/";
        list += line.accuracy;
    }
    list += "   ";
    list += line.pellTerm;
}

void appendRecordLine(std::string& list, const Record& record) {
    appendRecordLine(list, {record.side, record.previousSide, strForm(record.n * record.value), strForm(record.n),
                            record.hasAccuracy ? strForm(record.accuracyDenominator) : std::string(),
                            strForm(record.pellAbsoluteTerm)});
}

void appendImprovementStar(std::string& list) { list += " *"; }

ResultListBuilder::ResultListBuilder() : text_(resultListHeader()) {
    lineBreaks_ = static_cast<int>(std::count(text_.begin(), text_.end(), '\n'));
}

// The line breaks before a record line are those of the text so far and the
// one or two its own append starts with.
void ResultListBuilder::onRecord(const Record& record, const WindowState&) {
    const std::size_t from = text_.size();
    appendRecordLine(text_, record);
    lineBreaks_ += static_cast<int>(std::count(text_.begin() + static_cast<std::ptrdiff_t>(from), text_.end(), '\n'));
    places_.push_back({record.n, record.side, lineBreaks_, text_.size()});
}

void ResultListBuilder::onAbsoluteImprovement(const Record&, const WindowState&) {
    appendImprovementStar(text_);
    if (!places_.empty()) places_.back().end = text_.size();
}

void scanFor(const TargetControls& controls, ScanListener& listener) {
    auto state = std::make_unique<WindowState>(); // two arrays of 10001 entries
    computeTarget(*state, controls);
    ScanParameters parameters;
    parameters.target = *state->target;
    parameters.yScale = 100 / std::pow(1.4, 3); // the start-up zoom
    parameters.scanSign = optionSign(controls.plusSelected, controls.minusSelected);
    parameters.wurzel = controls.wurzel;
    parameters.abs = controls.abs;
    parameters.nenner = controls.nenner;
    runScan(*state, parameters, listener);
}

std::string resultListFor(const TargetControls& controls) {
    ResultListBuilder list;
    scanFor(controls, list);
    return list.text();
}

} // namespace velnorit
