// redraw: the y labels, the list header, the coordinate systems of graph and
// legend, the legend texts, then the scan with its marks and list lines.
#include "core/integer_rules.h"
#include "core/number_reading.h"
#include "core/result_list.h"
#include "core/scan.h"
#include "core/target.h"
#include "view/approximant_marks.h"
#include "view/graph_view.h"
#include "view/regional_numbers.h"

namespace velnorit::view {

namespace {

// Marks and list lines are made at the same points of each scan step.
class MarksAndList : public ScanListener {
public:
    MarksAndList(ScanListener& marks, ScanListener& list) : marks_(marks), list_(list) {}
    void onRecord(const Record& r, const WindowState& s) override {
        marks_.onRecord(r, s);
        list_.onRecord(r, s);
    }
    void onNoRecord(Side side, const WindowState& s) override { marks_.onNoRecord(side, s); }
    void onAbsoluteImprovement(const Record& r, const WindowState& s) override {
        list_.onAbsoluteImprovement(r, s);
        marks_.onAbsoluteImprovement(r, s);
    }
    void onStepEnd(const WindowState& s) override { marks_.onStepEnd(s); }

private:
    ScanListener& marks_;
    ScanListener& list_;
};

// The list box gets the list once the scan is over, or as far as it was
// written when a run-time error ends redraw early.
class ListWriter {
public:
    ListWriter(MultiLineBox& box, const ResultListBuilder& list) : box_(box), list_(list) {}
    ~ListWriter() { box_.setCrLfText(list_.text()); }
    ListWriter(const ListWriter&) = delete;
    ListWriter& operator=(const ListWriter&) = delete;

private:
    MultiLineBox& box_;
    const ResultListBuilder& list_;
};

// The edge value rounded down to four decimals.
double edgeLabel(double edge) { return intPart(checkedMultiply(edge, 10000)) / 10000; }

void printLegend(DrawingSurface& legend, double t, double ys) {
    struct Entry {
        double y;
        float x;
        const char* text;
    };
    const Entry entries[] = {
        {t, -1.0f, "Nenner =>"},
        {t - 0.0068 * ys, -2.3f, "absolut besser"},
        {t - 0.0062 * ys, -3.0f, "kleinste ob. Schr.(n)"},
        {t - 0.0073 * ys, -3.0f, "größte unt. Schr.(n)"},
    };
    for (const Entry& e : entries) {
        legend.setCurrentY(single(e.y));
        legend.setCurrentX(e.x);
        legend.print(e.text);
    }
    legend.setCurrentY(single(t + ys * 0.01 * 0.15));
    legend.setCurrentX(-2.9f);
    legend.printNumber(t);
}

// Tells the listener before and after, also when a run-time error ends
// redraw early.
class ListenerNotice {
public:
    explicit ListenerNotice(RedrawListener* listener) : listener_(listener) {
        if (listener_ != nullptr) listener_->aboutToRedraw();
    }
    ~ListenerNotice() {
        if (listener_ != nullptr) listener_->redrawn();
    }
    ListenerNotice(const ListenerNotice&) = delete;
    ListenerNotice& operator=(const ListenerNotice&) = delete;

private:
    RedrawListener* listener_;
};

} // namespace

void GraphView::redraw() {
    drawnSettings_ = settings();
    const ListenerNotice notice(listener_);
    const int scanSign = optionSign(controls_.plusSelected(), controls_.minusSelected());
    const double t = valueOf(state_.target);
    const double ys = state_.yScale;

    controls_.Text1[2]->setUtf8(boxText(edgeLabel(checkedAdd(t, -(ys / 100)))));
    controls_.Text1[0]->setUtf8(boxText(edgeLabel(checkedAdd(t, ys / 100))));

    ResultListBuilder list; // starts with the header
    ListWriter writeListWhenDone(*controls_.Text5, list);

    state_.nStart = val(controls_.Text1[1]->utf8());
    const double nStart = *state_.nStart;

    DrawingSurface& graph = *controls_.picGraph;
    graph.cls();
    graph.scale(single(nStart - 5.7), single(t + ys / 100), single(nStart + 701), single(t - ys / 100));
    graph.setDrawWidth(1);

    DrawingSurface& legend = *controls_.picLegende;
    legend.cls();
    legend.scale(-3.0f, single(t + ys / 100), 1.0f, single(t - ys / 100));

    printLegend(legend, t, ys);

    ScanParameters parameters;
    parameters.target = t;
    parameters.yScale = ys;
    parameters.scanSign = scanSign;
    parameters.wurzel = controls_.vscWurzel->value();
    parameters.abs = controls_.vscAbs->value();
    parameters.nenner = controls_.vscNenner->value();

    ApproximantMarks marks(graph, t, ys, nStart);
    MarksAndList marksAndList(marks, list);
    runScan(state_, parameters, marksAndList);
}

} // namespace velnorit::view
