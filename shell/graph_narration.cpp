#include "shell/graph_narration.h"

#include "core/graph_description.h"
#include "view/accessible_controls.h"
#include "view/regional_numbers.h"

#include <QAccessible>

namespace velnorit::shell {

namespace {

// The readout's lines, as a screen reader reads them: one per line.
QString readoutOf(const view::FormControls& controls) { return controls.Text6->toPlainText(); }

} // namespace

GraphNarration::GraphNarration(view::GraphView& view, const view::FormControls& controls)
    : view_(view), controls_(controls), readout_(readoutOf(controls)) {
    view_.addRedrawListener(this);
    view::setSurfaceNarration(*controls_.picGraph, {[this] { return description(); }, [this] { return text(); }});
    connect(controls_.Text6, &QPlainTextEdit::textChanged, this, &GraphNarration::readoutChanged);
}

// Goes before the view and the controls: a screen reader that asks later
// gets no words from it.
GraphNarration::~GraphNarration() {
    view_.removeRedrawListener(this);
    view::setSurfaceNarration(*controls_.picGraph, {});
}

void GraphNarration::aboutToRedraw() {}

void GraphNarration::redrawn() {
    drawn_ = view_.drawnSettings();
    description_.reset();
    QAccessibleEvent event(controls_.picGraph, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString GraphNarration::description() const {
    if (!drawn_) return {};
    if (!description_) {
        const view::ViewSettings& s = *drawn_;
        const TargetControls target{s.plus, s.minus, s.wurzel, s.abs, s.nenner};
        // The window's labels: 500 m + 1 to 500 m + 701.
        const int first = 500 * s.xWindow + 1;
        const int last = first + 700;
        const std::vector<WindowRecord> records = recordsInWindow(target, first, last);
        description_ = QString::fromStdString(
            graphDescription(target, first, last, records, view::userDecimalSeparator()));
    }
    return *description_;
}

QString GraphNarration::text() const { return readout_; }

// The readout's whole text is replaced at once, as the readout writes it.
void GraphNarration::readoutChanged() {
    const QString old = readout_;
    readout_ = readoutOf(controls_);
    if (readout_ == old) return;
    QAccessibleTextUpdateEvent event(controls_.picGraph, 0, old, readout_);
    QAccessible::updateAccessibility(&event);
}

} // namespace velnorit::shell
