#pragma once

#include "core/result_list.h"
#include "core/window_state.h"
#include "tools/cursor_marker.h"
#include "tools/keyboard_cursor.h"
#include "view/form_controls.h"
#include "view/graph_view.h"

#include <QObject>
#include <QPointF>

namespace velnorit::tools {

class PointerTools;

// The keyboard cursor on the graph. The arrow keys, Strg with the arrow
// keys, Pos1 and Ende move it (the rules are KeyboardCursor's); each move
// shows the fraction it stands on as a pointer move to that bar would (the
// readout field and the accuracy box), frames the bar with a thin marker,
// pans the graph so that bar and field are in view, and tells a screen
// reader the new readout.
//
// A pointer moving over the graph takes over: the cursor goes where the
// pointer reads, and the marker goes away until the next key. A redraw or
// "Alles" wipes the marker too.
class GraphCursor : public QObject {
    Q_OBJECT

public:
    GraphCursor(const WindowState& state, const view::FormControls& controls, const view::GraphView& view,
                PointerTools& tools, QObject* parent = nullptr);

    KeyboardCursor::Position position() const { return cursor_.position(); }
    const CursorMarker& marker() const { return marker_; }

    // A key pressed while the graph has the keyboard: → ← (with Strg: to
    // the next or previous record) Pos1 Ende ↑ ↓ move the cursor and show
    // it; false for every other key.
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
    // Shows the cursor where it stands, as when Tab gives the graph the keyboard.
    void show();

    // Moves the cursor there (kept inside the visible window) and shows it.
    void goTo(KeyboardCursor::Position position);
    // The record of a list line: a record outside the visible window first
    // switches the window through the x-axis bar, as the user would.
    void goToRecord(const RecordPlace& place);

    // The point of the graph whose pointer readout is the cursor's: inside
    // its denominator's column, above the target for the upper side, below
    // it for the lower side.
    QPointF readoutPoint() const;

    // The value of the x-axis bar whose window holds denominator n: the
    // smallest, since neighbouring windows overlap.
    static Integer windowFor(int n);

    // A pointer move or press at (x, y) in the graph's user units, on the
    // graph or on a view of it: where it reads a fraction, the cursor
    // follows it and the marker goes.
    void followPointer(float x, float y);

signals:
    // The cursor has been shown where it stands now (after a key, a list
    // line, a goTo): readout, marker and panning are done.
    void shown();

private:
    void syncWindow();
    void frameBar();
    void panToCursor();

    const WindowState& state_;
    const view::FormControls& c_;
    const view::GraphView& view_;
    PointerTools& tools_;
    KeyboardCursor cursor_;
    CursorMarker marker_;
};

} // namespace velnorit::tools
