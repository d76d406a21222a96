// The lesson as a document in a real window, with real X input: a change of
// the sign, of the y axis and of the x axis each leaves a recovery copy
// within two seconds, offered after kill -9; after a save a colour change
// marks the title and keeps a copy at "Programm beenden", while a board
// unchanged since the save has no mark and leaves no copy; saving onto a
// pipe leaves the window responsive with a message; a stroke held down for
// five seconds and then killed is offered back.
//   document_scenario PROGRAM OUTPUT_FOLDER   (inside an X server)
#include "common_steps.h"
#include "drawing_frame.h"
#include "formula_panel.h"
#include "graph_geometry.h"
#include "graph_on_screen.h"
#include "pixel_search.h"
#include "screen_capture.h"
#include "x_input.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <functional>

#include <sys/stat.h>

namespace velnorit::acceptance {
namespace {

const QString kMainWindow = "^Rationale Velnorit$";
const QString kRestoreQuestion = "^Tafelbild wiederherstellen$";

// Milliseconds until the state folder holds a copy, or -1 after `limitMs`.
qint64 millisecondsUntilACopy(const TestHome& home, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (home.copies().isEmpty()) {
        if (clock.elapsed() > limitMs) return -1;
        QThread::msleep(20);
    }
    return clock.elapsed();
}

// The window as the scenario finds it after start-up.
struct StartedWindow {
    QImage screen;
    FormulaPanel panel;
    DrawingFrame frame;
    GraphGeometry graph;
    GraphOnScreen view;
    QPoint listHeader; // the list's first line, no record: a click there only gives it the keyboard
};

StartedWindow locate(const QImage& started) {
    const FormulaPanel panel = FormulaPanel::locate(started);
    const GraphGeometry graph = GraphGeometry::measure(started, 1);
    // The measured height reaches a pixel or two into the scroll bar below
    // the graph, whose frame turns blue with the keyboard focus.
    const QRect list = panel.listInside(started.height() - 100);
    const GraphOnScreen view{graph.visibleArea().adjusted(0, 0, 0, -3), list.center()};
    return {started, panel, DrawingFrame::locate(started), graph, view, QPoint(list.center().x(), list.top() + 8)};
}

// Starts the program with a copy waiting, restores it with Return and
// checks that the graph is the one left behind; then ends it and clears the
// state folder for the next case.
void restoreAndCompare(const QString& programPath, const TestHome& home, const GraphOnScreen& view, const QImage& left,
                       const QString& what, const QString& folder, CheckLog& log) {
    ProgramUnderTest program(programPath);
    program.waitForMainWindow();
    const QString question = waitForWindowNamed(kRestoreQuestion, 20000);
    if (log.check(!question.isEmpty(), what + ": the next start offers the board back")) {
        pressKeysInWindow(question, {"Return"});
        log.check(waitUntilNoWindowNamed(kRestoreQuestion), what + ": Return restores");
        samePixels(left, view.shownLike(left), what + ": the restored graph is the one killed, pixel for pixel", folder,
                   "velnorit-document", log);
    }
    endFromMenu(kMainWindow + "|^Rationale Velnorit\\*$");
    home.removeCopies();
}

// A change that redraws, then kill -9 once its copy is there.
void changeAndKill(const QString& programPath, const TestHome& home, const QString& what,
                   const std::function<void(const StartedWindow&)>& change, const QString& folder, CheckLog& log) {
    QImage changed;
    GraphOnScreen view;
    {
        ProgramUnderTest program(programPath);
        const StartedWindow window = locate(waitForStartedWindow(program));
        view = window.view;
        change(window);
        waitForSettledScreen(
            [&](const QImage& s) { return differingPixels(window.screen, s, view.area) > 1000; }, what + " redrawn");
        // The change is on the screen: its copy follows within two seconds.
        const qint64 copyAfter = millisecondsUntilACopy(home, 2000);
        log.check(copyAfter >= 0, what + QString(": a recovery copy within two seconds (%1 ms)").arg(copyAfter));
        changed = view.shown(what);
        program.killHard();
    }
    restoreAndCompare(programPath, home, view, changed, what, folder, log);
}

// Saves with Strg+S and Return into the home folder as Tafelbild.velnorit.
bool saveWithStrgS(const TestHome& home, CheckLog& log) {
    pressKeys({"ctrl+s"});
    if (!log.check(!waitForWindowNamed("^Tafelbild speichern unter$").isEmpty(), "Strg+S asks for a name")) return false;
    bool closed = false;
    for (int attempt = 0; attempt < 5 && !closed; ++attempt) {
        pressKeys({"Return"});
        closed = waitUntilNoWindowNamed("^Tafelbild speichern unter$", 2000);
    }
    for (int wait = 0; wait < 100 && !QFile::exists(home.path + "/Tafelbild.velnorit"); ++wait) QThread::msleep(50);
    return log.check(closed && QFile::exists(home.path + "/Tafelbild.velnorit"), "Return saves Tafelbild.velnorit");
}

const QString kSavedTitle = "^Rationale Velnorit – Tafelbild\\.velnorit$";
const QString kSavedTitleMarked = "^Rationale Velnorit – Tafelbild\\.velnorit\\*$";

// After a save: two seconds without a change leave no mark and no copy; a
// colour marks the title, the colour chosen back clears the mark; a colour
// left chosen is kept as a copy when the program ends.
void colourAfterSave(const QString& programPath, const TestHome& home, CheckLog& log) {
    ProgramUnderTest program(programPath);
    const StartedWindow window = locate(waitForStartedWindow(program));
    if (!saveWithStrgS(home, log)) return;
    log.check(!waitForWindowNamed(kSavedTitle).isEmpty(), "the title names the file, without a mark");
    QThread::msleep(2000);
    log.check(home.copies().isEmpty() && !visibleWindowsNamed(kSavedTitle).isEmpty(),
              "a board unchanged since the save has no mark and no copy");
    click(window.frame.yellowBox());
    log.check(!waitForWindowNamed(kSavedTitleMarked).isEmpty(), "a colour after the save marks the title");
    click(window.frame.blueBox());
    log.check(!waitForWindowNamed(kSavedTitle).isEmpty(), "the colour chosen back clears the mark");
    click(window.frame.yellowBox());
    log.check(!waitForWindowNamed(kSavedTitleMarked).isEmpty(), "the colour again marks the title");
    endFromMenuAndCheck(program, waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen"), log);
    log.check(home.copies().size() == 1, "\"Programm beenden\" keeps the copy of the changed colour (found: " +
                                             home.copies().join(", ") + ")");
    home.removeCopies();
}

// The saved file opened again and ended at once: no mark, no copy.
void unchangedSinceOpening(const QString& programPath, const TestHome& home, CheckLog& log) {
    ProgramUnderTest program(programPath, {home.path + "/Tafelbild.velnorit"});
    waitForStartedWindow(program, kSavedTitle);
    QThread::msleep(2000);
    endFromMenuAndCheck(program, waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen"), log);
    log.check(home.copies().isEmpty(), "a board opened and not changed leaves no copy");
}

// "Tafelbild speichern unter …" onto a pipe that nobody reads: the window
// says why it does not write there, and takes the next command at once.
void saveOntoAPipe(const QString& programPath, const TestHome& home, CheckLog& log) {
    const QString pipe = home.path + "/rohr.velnorit";
    if (mkfifo(QFile::encodeName(pipe).constData(), 0600) != 0) throw ScenarioAborted("cannot make " + pipe);
    ProgramUnderTest program(programPath);
    const StartedWindow window = locate(waitForStartedWindow(program));
    pressKeys({"ctrl+shift+s"});
    if (!log.check(!waitForWindowNamed("^Tafelbild speichern unter$").isEmpty(), "Strg+Umschalt+S asks for a name"))
        return;
    pressKeys({"ctrl+a"});
    typeText(pipe);
    pressKeys({"Return"});
    // Qt's dialog asks first whether to replace what has that name.
    QString message = waitForWindowNamed("^Tafelbild speichern$", 1500);
    if (message.isEmpty()) {
        pressKeys({"alt+j"}); // "Ja"
        message = waitForWindowNamed("^Tafelbild speichern$", 5000);
    }
    if (!log.check(!message.isEmpty(), "saving onto a pipe says why it does not write there")) return;
    pressKeysInWindow(message, {"Return"});
    log.check(waitUntilNoWindowNamed("^Tafelbild speichern$"), "the message closes");
    // Responsive: the minus sign redraws the graph.
    click(window.panel.minusOption());
    const QImage after = waitForSettledScreen(
        [&](const QImage& s) { return differingPixels(window.screen, s, window.view.area) > 1000; },
        "the graph of the minus sign", 10000);
    log.check(differingPixels(window.screen, after, window.view.area) > 1000, "the window takes the next command");
    program.killHard();
    home.removeCopies();
}

// A stroke held down for five seconds, then kill -9: the board as drawn so
// far comes back. The pen's blue is no colour of the plotted graph.
void strokeHeldAndKilled(const QString& programPath, const TestHome& home, CheckLog& log) {
    const QColor pen(0, 0, 255);
    GraphOnScreen view;
    {
        ProgramUnderTest program(programPath);
        const StartedWindow window = locate(waitForStartedWindow(program));
        view = window.view;
        log.check(countOfColour(window.screen, pen, view.area) == 0, "the graph at start has no pen colour");
        const QPoint from = window.graph.at(10.5, 0.6);
        const QPoint to = window.graph.at(18.0, 0.4);
        pressAndHold(QList<QPoint>{from} + pointsAlong(from, to, 6) + QList<QPoint>{to});
        QThread::msleep(5000);
        log.check(!home.copies().isEmpty(), "after five seconds with the button held there is a copy");
        program.killHard();
        releaseButton();
    }
    ProgramUnderTest program(programPath);
    program.waitForMainWindow();
    const QString question = waitForWindowNamed(kRestoreQuestion, 20000);
    if (log.check(!question.isEmpty(), "the stroke held and killed: the next start offers the board back")) {
        pressKeysInWindow(question, {"Return"});
        log.check(waitUntilNoWindowNamed(kRestoreQuestion), "Return restores");
        movePointer(view.restingPointer);
        const QImage restored = waitForSettledScreen(
            [&](const QImage& s) { return countOfColour(s, pen, view.area) > 100; }, "the stroke restored", 10000);
        const int stroke = countOfColour(restored, pen, view.area);
        log.check(stroke > 100, QString("the restored graph holds the stroke (%1 pixels of the pen)").arg(stroke));
    }
    endFromMenu(kMainWindow + "|^Rationale Velnorit\\*$");
    home.removeCopies();
}

void documentScenario(const QString& programPath, const QString& folder, CheckLog& log) {
    const TestHome home(folder + "/document-home");
    changeAndKill(programPath, home, "the minus sign", [](const StartedWindow& w) { click(w.panel.minusOption()); },
                  folder, log);
    // The list hands the keyboard on to vscMaßstab, and six steps further on
    // to vscMassX (the axis labels and the accuracy box take the focus too).
    changeAndKill(
        programPath, home, "the y axis",
        [](const StartedWindow& w) {
            click(w.listHeader);
            pressKeys({"Tab", "Up"});
        },
        folder, log);
    changeAndKill(
        programPath, home, "the x axis",
        [](const StartedWindow& w) {
            click(w.listHeader);
            pressKeys({"Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Up"});
        },
        folder, log);
    colourAfterSave(programPath, home, log);
    unchangedSinceOpening(programPath, home, log);
    saveOntoAPipe(programPath, home, log);
    strokeHeldAndKilled(programPath, home, log);
}

} // namespace
} // namespace velnorit::acceptance

int main(int argc, char** argv) {
    return velnorit::acceptance::runScenario(argc, argv, velnorit::acceptance::documentScenario);
}
