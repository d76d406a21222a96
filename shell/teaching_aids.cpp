#include "shell/teaching_aids.h"

#include "shell/runtime_error_guard.h"
#include "shell/target_dialog.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace velnorit::shell {

TeachingAids::TeachingAids(WindowState& state, const view::FormControls& controls, view::GraphView& view,
                           tools::PointerTools& tools, std::function<void()> redrawAsGraphik, QWidget* window)
    : c_(controls), view_(view), redrawAsGraphik_(std::move(redrawAsGraphik)), window_(window),
      cursor_(state, controls, view, tools), reveal_(state, controls, view, redrawAsGraphik_) {
    c_.picGraph->installEventFilter(this);
    c_.Text5->installEventFilter(this);
    c_.Text5->viewport()->installEventFilter(this);
    connect(c_.cmdZiel, &QAction::triggered, this, guarded([this] { cmdZiel_Click(); }));
    connect(c_.cmdSchritte, &QAction::triggered, this, guarded([this] { cmdSchritte_Click(); }));
}

void TeachingAids::cmdZiel_Click() {
    const TargetChoice shown{c_.vscWurzel->value(), c_.vscAbs->value(), c_.vscNenner->value(), c_.minusSelected()};
    TargetDialog dialog(shown, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    const TargetChoice chosen = dialog.choice();
    // A bar whose value changes runs its change handler.
    c_.vscWurzel->setValue(chosen.wurzel);
    c_.vscAbs->setValue(chosen.abs);
    c_.vscNenner->setValue(chosen.nenner);
    // A new sign redraws by its own handler, with the new values already
    // set; else the graph is redrawn as "Graphik" does.
    if (chosen.minus != c_.minusSelected()) {
        c_.Option1[chosen.minus ? 1 : 0]->setChecked(true);
        return;
    }
    redrawAsGraphik_();
}

void TeachingAids::cmdSchritte_Click() { reveal_.start(); }

// A line that the user has typed into since the last redraw points nowhere.
const RecordPlace* TeachingAids::recordOnListLine(int line) const {
    if (c_.Text5->document()->isModified() || reveal_.isRunning()) return nullptr;
    const std::vector<RecordPlace>& places = view_.trace().recordPlaces();
    const auto found = std::lower_bound(places.begin(), places.end(), line,
                                        [](const RecordPlace& place, int l) { return place.line < l; });
    return found != places.end() && found->line == line ? &*found : nullptr;
}

void TeachingAids::goToListLine() {
    const RecordPlace* place = recordOnListLine(c_.Text5->textCursor().blockNumber());
    if (place == nullptr) return;
    const RecordPlace record = *place; // the switch of the window redraws and rewrites the places
    runHandler([this, &record] { cursor_.goToRecord(record); });
}

bool TeachingAids::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.picGraph) return graphEvent(event);
    if (watched == c_.Text5 || watched == c_.Text5->viewport()) return listEvent(event);
    return QObject::eventFilter(watched, event);
}

// The cursor's keys while the graph has the keyboard; Tab into the graph
// shows where the cursor stands.
bool TeachingAids::graphEvent(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        bool taken = false;
        runHandler([&] { taken = cursor_.keyPressed(key->key(), key->modifiers()); });
        return taken;
    }
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) runHandler([this] { cursor_.show(); });
    }
    return false;
}

// A click on a record's line (not the end of a selection), or Return with
// the text cursor on it; Return elsewhere types as ever. The click is
// looked at once the list has handled its release: a click into a
// selection places the text cursor only then.
bool TeachingAids::listEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<const QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        QTimer::singleShot(0, this, [this] {
            if (!c_.Text5->textCursor().hasSelection()) goToListLine();
        });
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!returnKey || key->modifiers() & ~Qt::KeypadModifier) return false;
        if (recordOnListLine(c_.Text5->textCursor().blockNumber()) == nullptr) return false;
        goToListLine();
        return true;
    }
    return false;
}

} // namespace velnorit::shell
