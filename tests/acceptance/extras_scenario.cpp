// The menu "Extras" in a real window, with real X input: undo and redo by
// their keys and from the opened menu, the tool and colour keys, saving the
// picture through the save dialog, printing to a file, and the keyboard
// back in the window after each dialog (there is no window manager).
//   extras_scenario PROGRAM OUTPUT_FOLDER   (inside an X server)
#include "common_steps.h"
#include "drawing_frame.h"
#include "graph_geometry.h"
#include "graph_on_screen.h"
#include "menu_bar.h"
#include "pixel_search.h"
#include "screen_capture.h"
#include "x_input.h"

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QLineF>
#include <QThread>

namespace velnorit::acceptance {
namespace {

const QColor kPenBlue(0, 0, 255);
const QColor kPenRed(235, 0, 0);
const QColor kPenYellow(255, 255, 0);
const QColor kSlopeLabel(0, 0, 220);

QList<QPoint> path(QPoint from, QPoint to) { return QList<QPoint>{from} + pointsAlong(from, to, 6) + QList<QPoint>{to}; }

// No pixel of the colour along the line.
bool lineGone(const QImage& screen, QColor colour, QPoint from, QPoint to) {
    for (const QPoint p : pointsAlong(from, to, 8))
        if (countOfColour(screen, colour, around(p, 2)) != 0) return false;
    return true;
}

void extras(const QString& programPath, const QString& folder, CheckLog& log) {
    // The program's home, so that the save dialog proposes a folder of the
    // test's own, with every place a desktop program may keep something in
    // it: after the run it holds only the files saved on purpose.
    const QString home = TestHome(folder + "/extras-home").path;

    ProgramUnderTest program(programPath);
    const QImage started = waitForStartedWindow(program);
    const GraphGeometry graph = GraphGeometry::measure(started, 1);
    const DrawingFrame frame = DrawingFrame::locate(started);
    const QPoint strokeStart = graph.at(10.5, 0.68), strokeEnd = graph.at(16.0, 0.50);
    const QPoint secondStart = graph.at(18.5, 0.68), secondEnd = graph.at(24.0, 0.50);

    // Undo and redo by their keys.
    click(frame.freehandOption());
    drag(path(strokeStart, strokeEnd));
    waitForSettledScreen([&](const QImage& s) { return lineDrawnIn(s, kPenBlue, strokeStart, strokeEnd); },
                         "the blue stroke");
    pressKeys({"ctrl+z"});
    waitForSettledScreen([&](const QImage& s) { return lineGone(s, kPenBlue, strokeStart, strokeEnd); },
                         "the stroke taken back by Strg+Z");
    log.check(true, "Strg+Z takes the stroke back");
    pressKeys({"ctrl+y"});
    waitForSettledScreen([&](const QImage& s) { return lineDrawnIn(s, kPenBlue, strokeStart, strokeEnd); },
                         "the stroke again after Strg+Y");
    log.check(true, "Strg+Y brings it again");
    pressKeys({"ctrl+z", "ctrl+shift+z"});
    const QImage redone = waitForSettledScreen(
        [&](const QImage& s) { return lineDrawnIn(s, kPenBlue, strokeStart, strokeEnd); }, "Strg+Umschalt+Z");
    log.check(lineDrawnIn(redone, kPenBlue, strokeStart, strokeEnd), "Strg+Umschalt+Z redoes as well");

    // Colour and tool keys: red by Strg+3, the pen by F6; the eraser by F8
    // wipes it out again.
    pressKeys({"ctrl+3", "F6"});
    drag(path(secondStart, secondEnd));
    const QImage red = waitForSettledScreen(
        [&](const QImage& s) { return lineDrawnIn(s, kPenRed, secondStart, secondEnd); }, "the red stroke");
    log.check(lineDrawnIn(red, kPenRed, secondStart, secondEnd), "Strg+3 and F6 draw a red free-hand stroke");
    pressKeys({"F8"});
    // Close steps, so that the small square passes over every point.
    drag(QList<QPoint>{secondStart} + pointsAlong(secondStart, secondEnd, 40) + QList<QPoint>{secondEnd});
    const QImage erased = waitForSettledScreen(
        [&](const QImage& s) { return countOfColour(s, kPenRed, QRect(secondStart, secondEnd).normalized()) == 0; },
        "the red stroke erased");
    log.check(lineGone(erased, kPenRed, secondStart, secondEnd), "F8 erases");

    // Strg+2 yellow and F7 the marker; F5 the slope line with its label.
    const QPoint markerClick = graph.at(25.0, 0.62);
    pressKeys({"ctrl+2", "F7"});
    click(markerClick);
    const QImage marked = waitForSettledScreen(
        [&](const QImage& s) { return countOfColour(s, kPenYellow, around(markerClick, 60)) >= 40; }, "the marker");
    log.check(countOfColour(marked, kPenYellow, around(markerClick, 60)) >= 40, "Strg+2 and F7 stamp a yellow marker");
    const QPoint slopeStart = graph.at(10.5, 0.10), slopeEnd = graph.at(17.5, 0.30);
    const int labelBefore = countOfColour(marked, kSlopeLabel, around(slopeEnd, 120));
    pressKeys({"ctrl+1", "F5"});
    drag(path(slopeStart, slopeEnd));
    const QImage sloped = waitForSettledScreen(
        [&](const QImage& s) { return countOfColour(s, kSlopeLabel, around(slopeEnd, 120)) >= 20; }, "the slope label");
    log.check(countOfColour(sloped, kSlopeLabel, around(slopeEnd, 120)) >= 20 &&
                  lineDrawnIn(sloped, QColor(0, 0, 0), slopeStart, slopeEnd),
              "Strg+1 and F5 draw a black slope line with its label");
    pressKeys({"ctrl+4", "F6"});
    drag(path(secondStart, secondEnd));
    const QImage blue = waitForSettledScreen(
        [&](const QImage& s) { return lineDrawnIn(s, kPenBlue, secondStart, secondEnd); }, "the blue stroke");
    log.check(lineDrawnIn(blue, kPenBlue, secondStart, secondEnd), "Strg+4 draws blue again");

    // "Rückgängig" from the opened menu "Extras", the sixth item of the bar.
    const QList<QRect> items = menuBarItems(blue);
    if (!log.check(items.size() == 6, QString("the menu bar shows 6 items (found %1)").arg(items.size()))) return;
    click(items[5].center());
    waitForSettledScreen([&](const QImage& s) { return differingPixels(blue, s, s.rect()) > 500; }, "the open menu");
    pressKeys({"Down", "Return"});
    const QImage undone = waitForSettledScreen(
        [&](const QImage& s) { return lineGone(s, kPenBlue, secondStart, secondEnd); }, "the stroke undone by the menu");
    log.check(lineDrawnIn(undone, kPenBlue, strokeStart, strokeEnd), "\"Rückgängig\" from the menu undoes one step");
    saveScreenshot(undone, folder + "/velnorit-extras.png");

    // "Bild exportieren …": the dialog proposes the name from the parameters.
    pressKeys({"ctrl+e"});
    const bool dialog = !waitForWindowNamed("^Bild exportieren$").isEmpty();
    if (!log.check(dialog, "Strg+E opens the dialog \"Bild exportieren\"")) return;
    // Like the print dialog below, the file dialog takes the keys only once
    // it has the input focus, which a slow (sanitizer) build gives it late.
    bool exported = false;
    for (int attempt = 0; attempt < 5 && !exported; ++attempt) {
        pressKeys({"Return"});
        exported = waitUntilNoWindowNamed("^Bild exportieren$", 2000);
    }
    log.check(exported, "Return saves and closes the dialog");
    const QString saved = home + "/velnorit-W5-A0-N2-plus.png";
    QImage picture;
    for (int wait = 0; wait < 50 && picture.isNull(); ++wait) {
        if (QFile::exists(saved)) picture.load(saved);
        if (picture.isNull()) QThread::msleep(100);
    }
    log.check(!picture.isNull() && countOfColour(picture, QColor(228, 228, 228), picture.rect()) > 10000,
              "the picture is saved as " + saved);

    // Without a window manager nothing gives the keyboard back when a dialog
    // closes but the program itself: after each dialog closed by a key, the
    // next key must reach the window without a click in between.
    // "Drucken …" after the export dialog: Return prints to the file the
    // dialog proposes, print.pdf in the home.
    const QString window = QStringLiteral("^Rationale Velnorit");
    log.check(waitForKeyboardIn(window), "after the export dialog the window has the keyboard");
    pressKeys({"ctrl+p"});
    const bool printDialog = !waitForWindowNamed("^Drucken", 5000).isEmpty();
    log.check(printDialog, "after the export dialog, Strg+P opens the dialog \"Drucken\" without a click");
    if (printDialog) {
        // The dialog takes the keys only once it has the input focus, which
        // a slow (sanitizer) build gives it some time after it shows.
        bool closed = false;
        for (int attempt = 0; attempt < 5 && !closed; ++attempt) {
            pressKeys({"Return"});
            closed = waitUntilNoWindowNamed("^Drucken", 2000);
        }
        log.check(closed, "Return prints and closes it");
    }
    const QString printed = home + "/print.pdf";
    QByteArray pdf;
    for (int wait = 0; wait < 50 && !pdf.startsWith("%PDF-"); ++wait) {
        QFile file(printed);
        if (file.open(QIODevice::ReadOnly)) pdf = file.read(5);
        if (!pdf.startsWith("%PDF-")) QThread::msleep(100);
    }
    log.check(pdf.startsWith("%PDF-"), "the worksheet is printed to " + printed);

    // After the print dialog Strg+Z takes the slope line back, label and all.
    log.check(waitForKeyboardIn(window), "after the print dialog the window has the keyboard");
    pressKeys({"ctrl+z"});
    const QImage unsloped = waitForSettledScreen(
        [&](const QImage& s) { return countOfColour(s, kSlopeLabel, around(slopeEnd, 120)) == labelBefore; },
        "the slope line undone after the print dialog");
    log.check(countOfColour(unsloped, kSlopeLabel, around(slopeEnd, 120)) == labelBefore,
              "after the print dialog, Strg+Z reaches the window without a click");

    // After the message box "Information", closed by Return, Strg+Y brings
    // the slope line again.
    click(items[2].center());
    const bool information = !waitForWindowNamed("^Programmiert von$").isEmpty();
    if (log.check(information, "\"Information\" opens its message box")) {
        bool closed = false;
        for (int attempt = 0; attempt < 5 && !closed; ++attempt) {
            pressKeys({"Return"});
            closed = waitUntilNoWindowNamed("^Programmiert von$", 2000);
        }
        log.check(closed, "Return closes it");
    }
    log.check(waitForKeyboardIn(window), "after the message box the window has the keyboard");
    pressKeys({"ctrl+y"});
    const QImage resloped = waitForSettledScreen(
        [&](const QImage& s) { return countOfColour(s, kSlopeLabel, around(slopeEnd, 120)) >= 20; },
        "the slope line redone after the message box");
    log.check(countOfColour(resloped, kSlopeLabel, around(slopeEnd, 120)) >= 20,
              "after the message box, Strg+Y reaches the window without a click");

    endFromMenuAndCheck(program, waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen"), log);

    QStringList left;
    QDirIterator entries(home, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) left << QDir(home).relativeFilePath(entries.next());
    // The board was drawn on and never saved, so its recovery copy stays for
    // the next start, in the state folder; nothing else may be there.
    const QRegularExpression recoveryCopy(QStringLiteral("^\\.local/state/velnorit/wiederherstellung-[^/]+\\.velnorit$"));
    const QStringList copies = left.filter(recoveryCopy);
    QStringList others = left;
    for (const char* folder : {".local", ".local/state", ".local/state/velnorit"}) others.removeAll(folder);
    for (const QString& copy : copies) others.removeAll(copy);
    log.check(copies.size() == 1, "the unsaved board's recovery copy is kept (found: " + left.join(", ") + ")");
    others.sort();
    log.check(others == QStringList{QFileInfo(printed).fileName(), QFileInfo(saved).fileName()},
              "the home holds nothing else but the saved picture and the printed worksheet (found: " +
                  left.join(", ") + ")");
}

} // namespace
} // namespace velnorit::acceptance

int main(int argc, char** argv) { return velnorit::acceptance::runScenario(argc, argv, velnorit::acceptance::extras); }
