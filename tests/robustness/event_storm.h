#pragma once

#include "marker_texts.h"
#include "window_mouse.h"
#include "shell/form1.h"

#include <QPoint>

#include <array>
#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace velnorit::testing {

// What a storm did, to check that it reached what it was meant to reach.
struct StormTally {
    std::map<std::string, int> actions;               // how often each kind of action ran
    std::map<std::string, std::array<bool, 2>> barEnds; // each bar seen at its top/left and bottom/right end
    int graphEventsLeftOfWindow = 0;  // graph events at x <= nStart
    int graphEventsBeyondLast = 0;    // graph events at x > 10000
    int graphEventsOutside = 0;       // graph events outside the graph's own rectangle
    int shortestMarker = MarkerTexts::kLongest + 1; // characters of the marker texts set
    int longestMarker = -1;
    int longestStampedMarker = -1;    // the longest marker text stamped onto the graph
    int events = 0;
};

// Random user input against the real main window, reproducible from its seed:
// the scroll bars set to their ends and to random values, clicked on their
// arrows and tracks, dragged and wheeled; the option buttons, colour boxes,
// the button "Graphik" and the menu commands (except ending the program);
// mouse presses, moves, releases and double-clicks of every button on the
// graph, anywhere on it and beyond it, and on the whole window; keys for the
// control with the focus; marker texts set and typed.
//
// Pop-up menus and message boxes that the input opens are answered by a
// ModalWatch, which the caller keeps running alongside.
class EventStorm {
public:
    EventStorm(shell::Form1& form, unsigned seed);
    ~EventStorm();
    EventStorm(const EventStorm&) = delete;
    EventStorm& operator=(const EventStorm&) = delete;

    // Runs that many random actions, each one user event or gesture, letting
    // the window repaint every few actions.
    void run(int count);

    // Lets go of every mouse button the storm still holds.
    void releaseButtons();

    const StormTally& tally() const { return tally_; }

    std::vector<std::string> actionNames() const;

    // The last actions, oldest first, one a line.
    std::string recentActions() const;

private:
    using Action = void (EventStorm::*)();
    struct WeightedAction {
        const char* name;
        int weight;
        Action action;
    };

    const view::FormControls& c() const { return form_.controls(); }
    int uniform(int low, int high);
    bool oneIn(int n) { return uniform(1, n) == 1; }
    Qt::MouseButton randomButton();
    Qt::KeyboardModifiers randomModifiers();
    void log(std::string line);
    void noteBar(const char* name, const view::ValueScrollBar& bar);
    void noteAllBars();

    // The graph, with events sent straight to it.
    QPoint graphPoint();
    void noteGraphPoint(QPoint pixel);
    void sendToGraph(QEvent::Type type, QPoint pixel, Qt::MouseButton button);
    void graphMove();
    void graphPress();
    void graphRelease();
    void graphDoubleClick();

    // The window, through the window system, so each event reaches the
    // control under the pointer (or the one holding the mouse).
    QPoint windowPoint();
    void windowMove();
    void windowPress();
    void windowRelease();
    void windowClick();
    void windowDoubleClick();

    // Scroll bars.
    view::ValueScrollBar* randomBar(bool redrawing);
    void setBar(bool redrawing);
    void clickBar(bool redrawing);
    void dragBar(bool redrawing);
    void wheelBar(bool redrawing);
    void setParameterBar() { setBar(false); }
    void setViewBar() { setBar(true); }
    void clickParameterBar() { clickBar(false); }
    void clickViewBar() { clickBar(true); }
    void dragParameterBar() { dragBar(false); }
    void dragViewBar() { dragBar(true); }
    void wheelParameterBar() { wheelBar(false); }
    void wheelViewBar() { wheelBar(true); }
    void wheelListOrGraph();

    // Buttons, boxes and the keyboard.
    void clickSign();
    void clickTool();
    void clickColourBox();
    void setMarkerText();
    void typeIntoMarker();
    void pressKey();
    void clickGraphik();

    // Menu commands; the user lets go of the mouse to reach the menu.
    void menuAlles();
    void menuZeichnen();
    void menuInfo();
    void menuProgramm();
    void menuEinblenden();
    void menuAusblenden();

    void paintNow();
    void grabWindow();

    shell::Form1& form_;
    std::mt19937 random_;
    MarkerTexts markers_;
    std::vector<WeightedAction> actions_;
    int totalWeight_ = 0;
    Qt::MouseButtons graphHeld_;
    WindowMouse windowMouse_;
    QPoint lastWindowPoint_;
    StormTally tally_;
    std::deque<std::string> recent_;
};

} // namespace velnorit::testing
