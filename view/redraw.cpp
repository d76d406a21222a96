// redraw: the y labels, the list header, the coordinate systems of graph and
// legend, the legend texts, then the scan with its marks and list lines.
#include "core/integer_rules.h"
#include "core/number_reading.h"
#include "core/result_list.h"
#include "core/scan.h"
#include "core/target.h"
#include "view/approximant_marks.h"
#include "view/graph_view.h"
#include "view/graph_window.h"
#include "view/regional_numbers.h"

namespace velnorit::view {

using namespace graph_window;

namespace {

// The edge labels show four decimals.
constexpr double kEdgeLabelUnit = 10000;
// The legend's texts: "Nenner =>" at the target's height, the others a
// fraction of yScale below it; x is where each text starts.
constexpr float kNennerTextX = -1.0f;
constexpr float kImprovementTextX = -2.3f;
constexpr double kImprovementTextDrop = 0.0068;
constexpr double kUpperTextDrop = 0.0062;
constexpr double kLowerTextDrop = 0.0073;
// The target's value in the legend stands 0.15 percent of yScale above it.
constexpr double kPercent = 0.01;
constexpr double kValueRisePercent = 0.15;

// Marks and list lines are made at the same points of each scan step; the
// trace notes the drawing's size after each step.
class MarksAndList : public ScanListener {
public:
    MarksAndList(ScanListener& marks, ScanListener& list, const DrawingSurface& graph, RedrawTrace& trace)
        : marks_(marks), list_(list), graph_(graph), trace_(trace) {}
    void onRecord(const Record& r, const WindowState& s) override {
        marks_.onRecord(r, s);
        list_.onRecord(r, s);
    }
    void onNoRecord(Side side, const WindowState& s) override { marks_.onNoRecord(side, s); }
    void onAbsoluteImprovement(const Record& r, const WindowState& s) override {
        list_.onAbsoluteImprovement(r, s);
        marks_.onAbsoluteImprovement(r, s);
    }
    void onStepEnd(const WindowState& s) override {
        marks_.onStepEnd(s);
        trace_.stepDone(s.n.value_or(0), graph_.drawing().size());
    }

private:
    ScanListener& marks_;
    ScanListener& list_;
    const DrawingSurface& graph_;
    RedrawTrace& trace_;
};

// The list box gets the list once the scan is over, or as far as it was
// written when a run-time error ends redraw early; the trace the places of
// its record lines.
class ListWriter {
public:
    ListWriter(MultiLineBox& box, const ResultListBuilder& list, RedrawTrace& trace)
        : box_(box), list_(list), trace_(trace) {}
    ~ListWriter() {
        box_.setCrLfText(list_.text());
        trace_.setRecordPlaces(list_.places());
    }
    ListWriter(const ListWriter&) = delete;
    ListWriter& operator=(const ListWriter&) = delete;

private:
    MultiLineBox& box_;
    const ResultListBuilder& list_;
    RedrawTrace& trace_;
};

// The edge value rounded down to four decimals.
double edgeLabel(double edge) { return intPart(checkedMultiply(edge, kEdgeLabelUnit)) / kEdgeLabelUnit; }

void printLegend(DrawingSurface& legend, double t, double ys) {
    struct Entry {
        double y;
        float x;
        const char* text;
    };
    const Entry entries[] = {
        {t, kNennerTextX, "Nenner =>"},
        {t - kImprovementTextDrop * ys, kImprovementTextX, "absolut besser"},
        {t - kUpperTextDrop * ys, kLegendLeft, "kleinste ob. Schr.(n)"},
        {t - kLowerTextDrop * ys, kLegendLeft, "größte unt. Schr.(n)"},
    };
    for (const Entry& e : entries) {
        legend.setCurrentY(single(e.y));
        legend.setCurrentX(e.x);
        legend.print(e.text);
    }
    legend.setCurrentY(single(t + ys * kPercent * kValueRisePercent));
    legend.setCurrentX(kLegendValueX);
    legend.printNumber(t);
}

// Tells the listener before and after, also when a run-time error ends
// redraw early.
class ListenerNotice {
public:
    explicit ListenerNotice(const std::vector<RedrawListener*>& listeners) : listeners_(listeners) {
        for (RedrawListener* listener : listeners_) listener->aboutToRedraw();
    }
    ~ListenerNotice() {
        for (RedrawListener* listener : listeners_) listener->redrawn();
    }
    ListenerNotice(const ListenerNotice&) = delete;
    ListenerNotice& operator=(const ListenerNotice&) = delete;

private:
    const std::vector<RedrawListener*>& listeners_;
};

} // namespace

void GraphView::redraw() {
    drawnSettings_ = settings();
    const ListenerNotice notice(listeners_);
    const int scanSign = optionSign(controls_.plusSelected(), controls_.minusSelected());
    const double t = valueOf(state_.target);
    const double ys = state_.yScale;

    const double halfHeight = ys / kHalfHeights;
    controls_.Text1[2]->setUtf8(boxText(edgeLabel(checkedAdd(t, -halfHeight))));
    controls_.Text1[0]->setUtf8(boxText(edgeLabel(checkedAdd(t, halfHeight))));

    ResultListBuilder list; // starts with the header
    ListWriter writeListWhenDone(*controls_.Text5, list, trace_);

    state_.nStart = val(controls_.Text1[1]->utf8());
    const double nStart = *state_.nStart;

    DrawingSurface& graph = *controls_.picGraph;
    graph.cls();
    graph.scale(single(nStart - kLeftMargin), single(t + halfHeight), single(nStart + kRightEdge),
                single(t - halfHeight));
    graph.setDrawWidth(1);

    DrawingSurface& legend = *controls_.picLegende;
    legend.cls();
    legend.scale(kLegendLeft, single(t + halfHeight), kLegendRight, single(t - halfHeight));

    printLegend(legend, t, ys);

    ScanParameters parameters;
    parameters.target = t;
    parameters.yScale = ys;
    parameters.scanSign = scanSign;
    parameters.wurzel = controls_.vscWurzel->value();
    parameters.abs = controls_.vscAbs->value();
    parameters.nenner = controls_.vscNenner->value();

    ApproximantMarks marks(graph, t, ys, nStart);
    trace_.begin(graph.drawing().size());
    MarksAndList marksAndList(marks, list, graph, trace_);
    runScan(state_, parameters, marksAndList);
}

} // namespace velnorit::view
