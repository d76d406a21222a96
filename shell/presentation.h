#pragma once

#include "shell/presentation_window.h"
#include "view/form_controls.h"
#include "view/graph_view.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>

class QScreen;

namespace velnorit::shell {

class TeachingAids;

// Extras › "Präsentation" (F11): the graph magnified over a whole screen,
// for the projector. With a second screen it opens there and the window
// stays on the first; with one screen it covers the window. Escape or F11
// returns to the window as it was: its place and size, the control that had
// the keyboard, what it shows.
//
// The view follows the window while it is open: it shows the stretch
// around the keyboard cursor (or around the denominator last under the
// window's pointer, or the step-by-step reveal's newest denominator), moves
// along when the window's graph is panned, and repaints whatever changes on
// the graph. Its mouse goes through the graph's own handlers (the window
// connects them), the keyboard cursor's keys to the cursor, the menus'
// shortcuts to their actions.
class Presentation : public QObject {
    Q_OBJECT

public:
    // The denominators' row (the target line) stands at this share of the
    // view's height from its top, so that the bars, the grid and the rows of
    // record dots below the target are in view.
    static constexpr double kTargetRowShare = 0.12;

    Presentation(const view::FormControls& controls, const view::GraphView& graph, TeachingAids& aids,
                 QWidget* mainWindow);
    ~Presentation() override;

    void toggle(); // "Präsentation"
    void open();
    void close();
    bool isOpen() const { return window_->isVisible(); }

    PresentationWindow& window() { return *window_; }
    view::PresentationView& view() { return window_->view(); }

    // The screen to present on: another than the window's where there is
    // one (the projector beside the laptop), else the window's own.
    static QScreen* screenFor(const QList<QScreen*>& screens, QScreen* windowScreen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centreOnDenominator(int n);
    void centreAtOpening();
    void followWindowPointer();
    void showReadout();
    void showTarget();

    const view::FormControls& c_;
    const view::GraphView& graph_;
    TeachingAids& aids_;
    QWidget* mainWindow_;
    std::unique_ptr<PresentationWindow> window_;

    // The main window as it was when the presentation opened.
    struct WindowBefore {
        QRect geometry;
        Qt::WindowStates states;
        QPointer<QWidget> focus;
    };
    WindowBefore before_;
};

} // namespace velnorit::shell
