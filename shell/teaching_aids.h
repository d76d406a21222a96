#pragma once

#include "core/result_list.h"
#include "core/window_state.h"
#include "tools/graph_cursor.h"
#include "tools/step_reveal.h"
#include "view/form_controls.h"
#include "view/graph_view.h"

#include <QObject>

#include <functional>

namespace velnorit::tools {
class PointerTools;
}

namespace velnorit::shell {

// What a teacher in front of the class steers with the keyboard: the
// keyboard cursor on the graph, the list that points into the graph (a
// click on a record's line, or Return on it, takes the cursor to that
// record), "Ziel eingeben …" and "Schritt für Schritt" of the menu "Extras".
class TeachingAids : public QObject {
    Q_OBJECT

public:
    // redrawAsGraphik: what the button "Graphik" does.
    TeachingAids(WindowState& state, const view::FormControls& controls, view::GraphView& view,
                 tools::PointerTools& tools, std::function<void()> redrawAsGraphik, QWidget* window);

    tools::GraphCursor& cursor() { return cursor_; }
    tools::StepReveal& reveal() { return reveal_; }

    // "Ziel eingeben …": the dialog, and on OK the scroll bars and the sign
    // set through their own handlers, then the graph redrawn.
    void cmdZiel_Click();
    // "Schritt für Schritt".
    void cmdSchritte_Click();

    // The record on a line of the list (0 the first line), as long as the
    // list is the one the last redraw wrote; else none.
    const RecordPlace* recordOnListLine(int line) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool graphEvent(QEvent* event);
    bool listEvent(QEvent* event);
    void goToListLine();

    const view::FormControls& c_;
    view::GraphView& view_;
    std::function<void()> redrawAsGraphik_;
    QWidget* window_;
    tools::GraphCursor cursor_;
    tools::StepReveal reveal_;
};

} // namespace velnorit::shell
