// Acceptance in a real window: drives the real program with real X input and
// judges it only by what the screen, the clipboard and the process show.
//   acceptance_scenario PROGRAM OUTPUT_FOLDER   (inside an X server)
#include "clipboard_text.h"
#include "common_steps.h"
#include "formula_panel.h"
#include "graph_geometry.h"
#include "menu_bar.h"
#include "pixel_search.h"
#include "readout_field.h"
#include "screen_capture.h"
#include "x_input.h"

namespace velnorit::acceptance {
namespace {

QString shot(const QString& folder, const QString& name) { return folder + "/acceptance-" + name + ".png"; }

// At least this share of the graph's pixels must differ for "the graph
// changed": a new target moves every bar, while a graph drawn again for the
// same target differs in no pixel.
constexpr double kChangedShare = 0.01;

// The field beside the pointer before its first move.
const QColor kStartFieldLavender(192, 192, 255);

void acceptance(const QString& programPath, const QString& folder, CheckLog& log) {
    ProgramUnderTest program(programPath);
    const QImage started = waitForStartedWindow(program);
    saveScreenshot(started, shot(folder, "1-start"));
    const FormulaPanel panel = FormulaPanel::locate(started);

    // Wurzel up by one arrow click. Abs and Nenner go up too, to 1 and 3:
    // with Abs at 0 the sign would not change the target, and with Nenner 2
    // the two signs' targets would differ by a whole number, which leaves
    // the bars around the target as they were.
    log.check(copyTextOfBox(panel.wurzelBox()) == "5", "the box of Wurzel shows 5 at start");
    click(panel.wurzelUpArrow());
    const QString wurzel = copyTextOfBox(panel.wurzelBox());
    log.check(wurzel == "6", "after a click on the upper arrow of vscWurzel the box shows 6 (shows " + wurzel + ")");
    click(panel.absUpArrow());
    const QString abs = copyTextOfBox(panel.absBox());
    log.check(abs == "1", "after a click on the upper arrow of vscAbs the box shows 1 (shows " + abs + ")");
    click(panel.nennerUpArrow());
    const QString nenner = copyTextOfBox(panel.nennerBox());
    log.check(nenner == "3", "after a click on the upper arrow of vscNenner the box shows 3 (shows " + nenner + ")");

    // "Graphik" draws the graph for (√6 + 1) / 3. The field beside the
    // pointer may still stand where it starts; its place is left out.
    const QImage beforeGraphik = waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen");
    const GraphGeometry graph = GraphGeometry::measure(beforeGraphik, 1);
    const QRect startField = boundingBoxOf(beforeGraphik, kStartFieldLavender, graph.visibleArea());
    click(panel.graphikButton());
    const QImage drawn = waitForSettledScreen(
        [&](const QImage& screen) {
            return differingPixels(beforeGraphik, screen, graph.visibleArea(), startField) > 0;
        },
        "the graph after \"Graphik\"");
    saveScreenshot(drawn, shot(folder, "2-graphik"));
    const GraphGeometry redrawn = GraphGeometry::measure(drawn, 1);
    const int graphPixels = redrawn.visibleArea().width() * redrawn.visibleArea().height();
    const int changedByGraphik = differingPixels(beforeGraphik, drawn, redrawn.visibleArea(), startField);
    log.check(changedByGraphik > kChangedShare * graphPixels,
              QString("\"Graphik\" draws the graph for the new target (%1 of %2 pixels changed)")
                  .arg(changedByGraphik)
                  .arg(graphPixels));

    // The field beside the pointer: below the target line red, above grey.
    // The lower point comes first: it lies clear of the field's place at
    // start, which would catch the pointer.
    const QPoint below = redrawn.at(9.4, -0.3);
    movePointer(below);
    const QPoint belowCorner = expectedReadoutCorner(redrawn, below);
    const QImage lowerShown = waitForSettledScreen(
        [&](const QImage& s) { return !readoutFieldNear(s, kLowerSideRed, belowCorner).isNull(); },
        "the red readout field below the target line");
    saveScreenshot(lowerShown, shot(folder, "3-readout-below"));
    const QRect lowerField = readoutFieldNear(lowerShown, kLowerSideRed, belowCorner);
    log.check(readoutFieldFits(lowerField, belowCorner),
              "below the target at denominator 9.4 the field is red " + describeField(lowerField, belowCorner));

    const QPoint above = redrawn.at(9.4, 0.3);
    movePointer(above);
    const QPoint aboveCorner = expectedReadoutCorner(redrawn, above);
    const QImage upperShown = waitForSettledScreen(
        [&](const QImage& s) { return !readoutFieldNear(s, kUpperSideGrey, aboveCorner).isNull(); },
        "the grey readout field above the target line");
    saveScreenshot(upperShown, shot(folder, "4-readout-above"));
    const QRect upperField = readoutFieldNear(upperShown, kUpperSideGrey, aboveCorner);
    log.check(readoutFieldFits(upperField, aboveCorner),
              "above the target at denominator 9.4 the field is grey " + describeField(upperField, aboveCorner));
    log.check(countOfColour(upperShown, kLowerSideRed, lowerField) < lowerField.width() * lowerField.height() / 10,
              "the red field is gone from its old place");

    // "-" draws the graph for (√6 - 1) / 3. The pointer leaves the graph over
    // the parameter panel, which hides the field: its place is left out.
    click(panel.minusOption());
    const QRect fieldPlace = upperField.adjusted(-2, -2, 2, 2);
    const QImage minus = waitForSettledScreen(
        [&](const QImage& s) { return differingPixels(upperShown, s, redrawn.visibleArea(), fieldPlace) > 0; },
        "the graph after \"-\"");
    saveScreenshot(minus, shot(folder, "5-minus"));
    const int changedBySign = differingPixels(upperShown, minus, redrawn.visibleArea(), fieldPlace);
    log.check(changedBySign > kChangedShare * graphPixels,
              QString("selecting \"-\" draws a different graph (%1 of %2 pixels changed)")
                  .arg(changedBySign)
                  .arg(graphPixels));

    // "Zum Programm", the item before "Extras", opens the description.
    const QList<QRect> items = menuBarItems(minus);
    if (!log.check(items.size() == 6, QString("the menu bar shows 6 items, the last \"Extras\" (found %1)").arg(items.size()))) return;
    click(items[4].center());
    const bool opened = !waitForWindowNamed("^Programmfunktion$").isEmpty();
    if (!log.check(opened, "\"Zum Programm\" opens the message box \"Programmfunktion\"")) return;
    // The box stands in the middle of the screen, over the graph.
    saveScreenshot(waitForSettledScreen(
                       [&](const QImage& s) { return differingPixels(minus, s, redrawn.visibleArea()) > 1000; },
                       "the message box"),
                   shot(folder, "6-message"));
    pressKeys({"Return"});
    log.check(waitUntilNoWindowNamed("^Programmfunktion$"), "Return closes the message box");
    log.check(program.isRunning(), "the program runs on after the message box");

    // "Extras" > "Kettenbruch …", the entry before the menu's last, "Handbuch"
    // (Up twice from the opened menu reaches it), opens the window of the
    // continued fraction; Return in its field N keeps it open, Escape closes it.
    click(items.last().center());
    pressKeys({"Up", "Up", "Return"});
    log.check(!waitForWindowNamed("^Kettenbruch$").isEmpty(), "\"Kettenbruch …\" opens the window \"Kettenbruch\"");
    pressKeys({"Return"});
    log.check(!waitForWindowNamed("^Kettenbruch$").isEmpty(), "Return in the field N keeps the window");
    pressKeys({"Escape"});
    log.check(waitUntilNoWindowNamed("^Kettenbruch$"), "Escape closes the window");

    endFromMenuAndCheck(program, waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen"), log);
}

} // namespace
} // namespace velnorit::acceptance

int main(int argc, char** argv) { return velnorit::acceptance::runScenario(argc, argv, velnorit::acceptance::acceptance); }
