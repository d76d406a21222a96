// Lesson files in a real window, with real X input: a board saved with
// Strg+S, then changed and ended by "Programm beenden", comes back at the
// next start; the saved file opened by `velnorit DATEI` and through the
// desktop entry's %f shows the graph exactly as it was drawn.
//   lesson_file_scenario PROGRAM OUTPUT_FOLDER   (inside an X server)
#include "common_steps.h"
#include "drawing_frame.h"
#include "formula_panel.h"
#include "graph_on_screen.h"
#include "graph_geometry.h"
#include "menu_bar.h"
#include "pixel_search.h"
#include "screen_capture.h"
#include "x_input.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace velnorit::acceptance {
namespace {

QList<QPoint> path(QPoint from, QPoint to) { return QList<QPoint>{from} + pointsAlong(from, to, 6) + QList<QPoint>{to}; }

// The installed desktop entry with its Exec pointing at the program under
// test instead of `velnorit` on the search path, everything else as it is.
QString desktopEntryForTest(const QString& programPath, const QString& folder, CheckLog& log) {
    QFile source(QStringLiteral(VELNORIT_DESKTOP_ENTRY));
    if (!source.open(QIODevice::ReadOnly)) throw ScenarioAborted("cannot read " + source.fileName());
    QString entry = QString::fromUtf8(source.readAll());
    const QRegularExpression exec(QStringLiteral("^Exec=velnorit( .*)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = exec.match(entry);
    log.check(match.hasMatch() && match.captured(1).split(' ').contains("%f"),
              "the desktop entry passes a file: " + (match.hasMatch() ? match.captured(0) : QString("no Exec line")));
    entry.replace(exec, "Exec=\"" + programPath + "\"\\1");
    const QString copy = folder + "/lesson-desktop/" + QFileInfo(source.fileName()).fileName();
    QDir().mkpath(QFileInfo(copy).path());
    QFile out(copy);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(entry.toUtf8()) < 0)
        throw ScenarioAborted("cannot write " + copy);
    return copy;
}

// The process that shows the window, as the window tells X.
QString processOf(const QString& window) {
    QProcess xdotool;
    xdotool.start("xdotool", {"getwindowpid", window});
    xdotool.waitForFinished(10000);
    return QString::fromLatin1(xdotool.readAllStandardOutput()).trimmed();
}

bool waitForProcessEnd(const QString& pid, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (QFileInfo::exists("/proc/" + pid)) {
        if (clock.elapsed() > timeoutMs) return false;
        QThread::msleep(50);
    }
    return true;
}

void lessonFiles(const QString& programPath, const QString& folder, CheckLog& log) {
    const TestHome places(folder + "/lesson-home");
    const QString saved = places.path + "/Tafelbild.velnorit";

    // A board on another target: Wurzel one up, the minus sign, a stroke
    // of the pen, a slope line with its label and a marker.
    GraphOnScreen view;
    QImage drawn, unsaved;
    {
        ProgramUnderTest program(programPath);
        const QImage started = waitForStartedWindow(program);
        const FormulaPanel panel = FormulaPanel::locate(started);
        const DrawingFrame frame = DrawingFrame::locate(started);
        click(panel.wurzelUpArrow());
        click(panel.minusOption());
        click(panel.graphikButton());
        const QImage redrawn = waitForSettledScreen(
            [&](const QImage& s) { return differingPixels(started, s, s.rect()) > 1000; }, "the graph of the new target");
        const GraphGeometry graph = GraphGeometry::measure(redrawn, 1);
        // The measured height reaches a pixel or two into the scroll bar
        // below the graph, whose frame turns blue with the keyboard focus.
        view = {graph.visibleArea().adjusted(0, 0, 0, -3), panel.listInside(started.height() - 100).center()};
        click(frame.freehandOption());
        drag(path(graph.at(10.5, 0.68), graph.at(16.0, 0.50)));
        click(frame.slopeOption());
        drag(path(graph.at(10.5, 0.10), graph.at(17.5, 0.30)));
        click(frame.markerOption());
        click(graph.at(24.5, 0.62));
        click(frame.freehandOption());
        drawn = view.shown("the board");
        saveScreenshot(grabScreen(), folder + "/velnorit-lesson.png");

        // Strg+S asks for a name the first time; Return takes the one proposed.
        pressKeys({"ctrl+s"});
        if (!log.check(!waitForWindowNamed("^Tafelbild speichern unter$").isEmpty(),
                       "Strg+S opens the dialog \"Tafelbild speichern unter\""))
            return;
        bool closed = false;
        for (int attempt = 0; attempt < 5 && !closed; ++attempt) {
            pressKeys({"Return"});
            closed = waitUntilNoWindowNamed("^Tafelbild speichern unter$", 2000);
        }
        // The file is written once the dialog has closed.
        for (int wait = 0; wait < 100 && !QFile::exists(saved); ++wait) QThread::msleep(50);
        log.check(closed && QFile::exists(saved), "Return saves the board as " + saved);
        log.check(!waitForWindowNamed("^Rationale Velnorit – Tafelbild\\.velnorit$").isEmpty(),
                  "the title names the file");

        // One more stroke, never saved; two seconds later the program ends
        // at once by "Programm beenden".
        drag(path(graph.at(18.5, 0.68), graph.at(24.0, 0.50)));
        unsaved = view.shown("the board with one more stroke");
        log.check(differingPixels(drawn, unsaved, drawn.rect()) > 50, "the last stroke shows on the graph");
        QThread::msleep(2000);
        endFromMenuAndCheck(program, waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen"), log);
        log.check(places.copies().size() == 1,
                  "the unsaved board's recovery copy is kept (found: " + places.copies().join(", ") + ")");
    }

    // The next start offers the board back; accepted, it is the board as it
    // was two seconds before the end, the last stroke included.
    {
        ProgramUnderTest program(programPath);
        program.waitForMainWindow();
        const QString question = waitForWindowNamed("^Tafelbild wiederherstellen$", 20000);
        if (!log.check(!question.isEmpty(), "the next start asks \"Tafelbild wiederherstellen\"")) return;
        pressKeysInWindow(question, {"Return"});
        log.check(waitUntilNoWindowNamed("^Tafelbild wiederherstellen$"), "Return restores");
        samePixels(unsaved, view.shownLike(unsaved), "the restored graph is the one ended unsaved, pixel for pixel",
                   folder, "velnorit-lesson", log);
        endFromMenuAndCheck(program, waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen"), log);
    }
    // The restored board was not saved either: its copy goes, so that the
    // starts below begin with an empty state folder.
    places.removeCopies();

    // `velnorit DATEI`.
    {
        ProgramUnderTest program(programPath, {saved});
        waitForStartedWindow(program, "^Rationale Velnorit – Tafelbild\\.velnorit$");
        samePixels(drawn, view.shownLike(drawn), "velnorit DATEI shows the saved graph, pixel for pixel", folder,
                   "velnorit-lesson", log);
        endFromMenuAndCheck(program, waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen"), log);
        log.check(places.copies().isEmpty(), "an end with nothing unsaved leaves no copy");
    }

    // A double-click in a file manager: the desktop entry launched with the
    // file for its %f, here by GLib's own launcher, as the GNOME and Xfce
    // file managers do. The name has blanks and umlauts, as a teacher's do.
    const QString teacherFile = places.path + "/Stunde 7b – Brüche.velnorit";
    QFile::copy(saved, teacherFile);
    const QString entry = desktopEntryForTest(programPath, folder, log);
    // Its output into a file: the program outlives gio, and a pipe would
    // close under it.
    const QString output = folder + "/lesson-desktop/output.txt";
    QProcess gio;
    gio.setStandardOutputFile(output);
    gio.setStandardErrorFile(output);
    gio.start("gio", {"launch", entry, teacherFile});
    log.check(gio.waitForFinished(10000) && gio.exitStatus() == QProcess::NormalExit && gio.exitCode() == 0,
              "gio launch starts the desktop entry");
    const QString title = "^Rationale Velnorit – Stunde 7b – Brüche\\.velnorit$";
    const QString window = waitForWindowNamed(title, 20000);
    if (!log.check(!window.isEmpty(), "the window names the file given for %f")) return;
    const QString pid = processOf(window);
    const QString executable = QFileInfo("/proc/" + pid + "/exe").canonicalFilePath();
    log.check(!pid.isEmpty() && executable == QFileInfo(programPath).canonicalFilePath(),
              "the window is the program under test's: " + executable);
    samePixels(drawn, view.shownLike(drawn), "the desktop entry's %f shows the saved graph, pixel for pixel", folder,
               "velnorit-lesson", log);
    endFromMenu(title);
    log.check(waitForProcessEnd(pid, 10000), "\"Programm beenden\" ends it");
    QFile written(output);
    const QString errors = written.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(written.readAll()) : QString();
    log.check(errors.isEmpty(), "nothing on standard error" + (errors.isEmpty() ? QString() : ":\n" + errors));
    log.check(places.copies().isEmpty(), "an end with nothing unsaved leaves no copy");
}

} // namespace
} // namespace velnorit::acceptance

int main(int argc, char** argv) {
    return velnorit::acceptance::runScenario(argc, argv, velnorit::acceptance::lessonFiles);
}
