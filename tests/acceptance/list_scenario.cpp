// The list in a real window: Tab leaves it for the zoom bar, which the arrow
// keys then move; a paste from a clipboard whose owner has ended changes
// nothing; and marker texts stamped on the graph never show over the list.
//   list_scenario PROGRAM OUTPUT_FOLDER   (inside an X server)
//   list_scenario --own-clipboard TEXT    (the helper that owns the clipboard)
#include "common_steps.h"
#include "drawing_frame.h"
#include "formula_panel.h"
#include "graph_geometry.h"
#include "pixel_search.h"
#include "screen_capture.h"
#include "x_input.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace velnorit::acceptance {
namespace {

QString shot(const QString& folder, const QString& name) { return folder + "/list-" + name + ".png"; }

// The helper: takes the clipboard with a text, says so, and ends a little
// later, leaving the clipboard without an owner.
int ownClipboardThenEnd(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    QGuiApplication::clipboard()->setText(QString::fromLocal8Bit(argv[2]));
    QTimer::singleShot(200, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    QTimer::singleShot(700, &application, &QCoreApplication::quit);
    return QGuiApplication::exec();
}

void runClipboardOwnerToItsEnd(const QString& text) {
    QProcess owner;
    owner.start(QCoreApplication::applicationFilePath(), {"--own-clipboard", text});
    if (!owner.waitForReadyRead(10000) || !owner.waitForFinished(10000))
        throw ScenarioAborted("the clipboard helper did not run");
}

void listScenario(const QString& programPath, const QString& folder, CheckLog& log) {
    ProgramUnderTest program(programPath);
    const QImage started = waitForStartedWindow(program);
    const FormulaPanel panel = FormulaPanel::locate(started);
    const DrawingFrame frame = DrawingFrame::locate(started);
    const GraphGeometry graph = GraphGeometry::measure(started, 1);
    const QRect list = panel.listInside(started.height() - 100);
    const QImage listAtStart = started.copy(list);

    // Tab leaves the list for vscMaßstab; its upper arrow key zooms in, which
    // redraws the graph. A tab typed into the list would change nothing there.
    click(list.center());
    pressKeys({"Tab", "Up"});
    const QImage zoomed = waitForSettledScreen(
        [&](const QImage& s) { return differingPixels(started, s, graph.visibleArea()) > 0; },
        "the graph zoomed by the up arrow key");
    saveScreenshot(zoomed, shot(folder, "1-zoomed"));
    const int zoomChanged = differingPixels(started, zoomed, graph.visibleArea());
    log.check(zoomChanged > 1000, QString("Tab leaves the list and the up arrow key zooms the graph (%1 pixels changed)")
                                      .arg(zoomChanged));
    log.check(zoomed.copy(list) == listAtStart, "the list is as it was: no tab was typed into it");

    // A paste from a clipboard whose owner has ended.
    runClipboardOwnerToItsEnd("Tafelbild");
    click(list.center());
    pressKeys({"ctrl+v"});
    // A crash comes a moment later, once the paste has asked for the data.
    log.check(!program.waitForEnd(2000), "a paste into the list from a vanished clipboard leaves the program running");
    if (!program.isRunning()) return;
    pressKeys({"Tab"}); // the text cursor leaves the list with the focus
    const QImage afterPaste = waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen");
    log.check(afterPaste.copy(list) == listAtStart, "the paste changed nothing in the list");

    // Wide marker texts stamped at the left, in the middle and at the right
    // of the graph, by hurried clicks (the readout field moves with the
    // pointer as the text is stamped): the list in front of the graph keeps
    // every pixel.
    click(frame.markerTextBox());
    pressKeys({"ctrl+a"});
    typeText("Wurzelziehen Wurzelziehen");
    click(frame.markerOption());
    const QRect area = graph.visibleArea();
    for (const double x : {0.1, 0.5, 0.8})
        for (const double y : {0.25, 0.5, 0.75}) {
            const QPoint at(area.left() + static_cast<int>(x * area.width()),
                            area.top() + static_cast<int>(y * area.height()));
            clickWhileMoving(at);
        }
    movePointer(QPoint(list.center().x(), list.bottom() + 10));
    const QImage stamped = waitForSettledScreen([](const QImage&) { return true; }, "the stamped graph");
    saveScreenshot(stamped, shot(folder, "2-stamped"));
    log.check(differingPixels(started, stamped, area) > 1000, "the marker texts are on the graph");
    const int overList = differingPixels(listAtStart, stamped.copy(list), listAtStart.rect());
    log.check(overList == 0, QString("nothing of the graph shows over the list (%1 pixels changed)").arg(overList));

    endFromMenuAndCheck(program, stamped, log);
}

} // namespace
} // namespace velnorit::acceptance

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--own-clipboard") == 0)
        return velnorit::acceptance::ownClipboardThenEnd(argc, argv);
    return velnorit::acceptance::runScenario(argc, argv, velnorit::acceptance::listScenario);
}
