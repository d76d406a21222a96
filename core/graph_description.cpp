#include "core/graph_description.h"

#include "core/number_format.h"
#include "core/result_list.h"
#include "core/window_state.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace velnorit {

namespace {

// Collects the records of the window and marks the improvements among them.
class WindowRecords : public ScanListener {
public:
    WindowRecords(int first, int last) : first_(first), last_(last) {}
    void onRecord(const Record& record, const WindowState&) override {
        if (record.n < first_ || record.n > last_) return;
        records_.push_back({record.side, static_cast<long long>(record.numerator), record.n, false});
    }
    void onNoRecord(Side, const WindowState&) override {}
    void onAbsoluteImprovement(const Record& record, const WindowState&) override {
        if (!records_.empty() && records_.back().denominator == record.n && records_.back().side == record.side)
            records_.back().improvement = true;
    }
    void onStepEnd(const WindowState&) override {}
    std::vector<WindowRecord> take() { return std::move(records_); }

private:
    int first_;
    int last_;
    std::vector<WindowRecord> records_;
};

// Whether (r + sA) / N with an integer r = sqrt(W) has a decimal form that the
// 15 digits of the text form show in full: after cancelling, the denominator
// holds only the factors 2 and 5, and the target (below 1000 in size) needs
// at most 12 places after the separator.
bool showsExactly(const TargetControls& controls, int sign) {
    const long long root = std::llround(std::sqrt(static_cast<double>(controls.wurzel)));
    if (root * root != controls.wurzel) return false;
    const long long numerator = root + sign * static_cast<long long>(controls.abs);
    long long denominator = controls.nenner / std::gcd(std::llabs(numerator), static_cast<long long>(controls.nenner));
    int twos = 0;
    int fives = 0;
    for (; denominator % 2 == 0; denominator /= 2) ++twos;
    for (; denominator % 5 == 0; denominator /= 5) ++fives;
    return denominator == 1 && std::max(twos, fives) <= 12;
}

std::string recordText(const WindowRecord& record) {
    std::string text = std::to_string(record.numerator) + "/" + std::to_string(record.denominator);
    text += record.side == Side::Lower ? " unten" : " oben";
    if (record.improvement) text += ", absolute Verbesserung";
    return text;
}

} // namespace

std::vector<WindowRecord> recordsInWindow(const TargetControls& controls, int first, int last) {
    WindowRecords records(first, last);
    scanFor(controls, records);
    return records.take();
}

std::string graphDescription(const TargetControls& controls, int first, int last,
                             const std::vector<WindowRecord>& records, std::string_view decimalSeparator) {
    // The sign and the value as computeTarget takes them.
    const int sign = controls.plusSelected ? 1 : -1;
    const double target = (std::sqrt(static_cast<double>(controls.wurzel)) + sign * controls.abs) / controls.nenner;
    std::string text = "Ziel (√" + std::to_string(controls.wurzel) + (sign > 0 ? " + " : " - ") +
                       std::to_string(controls.abs) + ") / " + std::to_string(controls.nenner) +
                       (showsExactly(controls, sign) ? " = " : " ≈ ") + textForm(target, decimalSeparator) + ". ";
    text += "Nenner " + std::to_string(first) + " bis " + std::to_string(last);
    if (last > kLastDenominator) text += ", berechnet bis " + std::to_string(kLastDenominator);
    text += ". ";
    if (records.empty()) return text + "Keine Rekorde in diesem Fenster.";
    text += std::to_string(records.size()) + (records.size() == 1 ? " Rekord" : " Rekorde") + " in diesem Fenster: ";
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0) text += "; ";
        text += recordText(records[i]);
    }
    return text + ".";
}

} // namespace velnorit
