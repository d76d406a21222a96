#pragma once

#include "core/window_state.h"
#include "view/form_controls.h"
#include "view/graph_view.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

namespace velnorit::tools {

// "Schritt für Schritt": the graph redrawn as "Graphik" redraws it, then
// shown one denominator of the visible window after the other. It is the
// one drawing of that redraw, shown on the screen up to the operations of
// the current denominator (the redraw noted where each one ends); the list
// shows its header and the records up to that denominator, those before
// the window at once and those after it at the end.
//
// A timer moves on at a pace a class can follow and stops at every new
// record in the window, whose line appears in the list at that moment.
// While it runs, Leertaste stops and continues, + and - double and halve
// the pace, Escape completes at once. Any other key, any mouse press and
// any redraw complete it first: then the graph shows the whole drawing, the
// very picture of a plain redraw, and the list the whole list.
class StepReveal : public QObject {
    Q_OBJECT

public:
    // redraw: the redraw of "Graphik", the step undo takes back.
    StepReveal(const WindowState& state, const view::FormControls& controls, const view::GraphView& view,
               std::function<void()> redraw, QObject* parent = nullptr);
    ~StepReveal() override;

    void start();
    void complete();

    bool isRunning() const { return running_; }
    bool isPaused() const { return paused_; }
    // The last denominator shown; one before the window's first at the start.
    int shownUpTo() const { return current_; }
    int lastInWindow() const { return last_; }

    // One tick of the timer: the next denominators, up to the next record.
    void advance();
    void pauseOrContinue();
    void faster();
    void slower();
    // Denominators per second: 10 at the start of a program run, kept
    // from one reveal to the next.
    double pace() const;
    int tickMilliseconds() const;

signals:
    // The denominators are shown up to n now, the window's first at least.
    void frontierShown(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showUpTo(int n);
    void applyPace();
    void finish();
    bool isRevealKey(int key) const;

    const WindowState& state_;
    const view::FormControls& c_;
    const view::GraphView& view_;
    std::function<void()> redraw_;
    QTimer timer_;

    bool running_ = false;
    bool paused_ = false;
    int first_ = 1;
    int last_ = 1;
    int current_ = 0;
    std::size_t nextRecord_ = 0; // the first record place after current_
    std::size_t listShown_ = 0;  // bytes of the list shown
    std::string list_;           // the whole list of the redraw
    int paceLevel_ = 0;          // pace 10 * 2^level denominators per second
};

} // namespace velnorit::tools
