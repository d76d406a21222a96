#include "core/result_list.h"

#include "core/number_format.h"

#include <cmath>
#include <memory>

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

ResultListBuilder::ResultListBuilder() : text_(resultListHeader()) {}

void ResultListBuilder::onRecord(const Record& record, const WindowState&) { appendRecordLine(text_, record); }

void ResultListBuilder::onAbsoluteImprovement(const Record&, const WindowState&) { appendImprovementStar(text_); }

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
