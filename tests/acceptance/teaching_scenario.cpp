// Teaching from the front in a real window at 1280 x 800, with real X input:
// the keyboard cursor on the graph, the list that points into the graph,
// "Ziel eingeben …" and "Schritt für Schritt".
//   teaching_scenario PROGRAM OUTPUT_FOLDER   (inside an X server)
#include "clipboard_text.h"
#include "common_steps.h"
#include "formula_panel.h"
#include "graph_geometry.h"
#include "pixel_search.h"
#include "readout_field.h"
#include "screen_capture.h"
#include "x_input.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <optional>

namespace velnorit::acceptance {
namespace {

QString shot(const QString& folder, const QString& name) { return folder + "/teaching-" + name + ".png"; }

// A record line of the list: "  > 10/ 9       1/ 144    5 *".
struct RecordLine {
    bool upper = false;
    QString numerator;
    int n = 0;
    QString accuracy; // m, empty for none
    QString pell;
};

std::optional<RecordLine> parseRecord(const QString& line) {
    static const QRegularExpression pattern(
        QStringLiteral("^  ([<>])\\s?(-?\\d+)/ (\\d+)      (?: 1/ (\\d+))?   (-?\\s?\\d+)"));
    const QRegularExpressionMatch m = pattern.match(line);
    if (!m.hasMatch()) return std::nullopt;
    return RecordLine{m.captured(1) == "<", m.captured(2), m.captured(3).toInt(), m.captured(4),
                      m.captured(5).remove(' ')};
}

QList<RecordLine> recordsOf(const QString& list) {
    QList<RecordLine> records;
    for (const QString& line : list.split('\n'))
        if (const std::optional<RecordLine> r = parseRecord(line)) records << *r;
    return records;
}

// The field's first and last line name the record's fraction, m and k.
bool fieldShowsRecord(const QString& field, const RecordLine& r) {
    const QStringList lines = field.split('\n');
    if (lines.size() != 5) return false;
    const QString numerator = r.numerator.startsWith('-') ? r.numerator : " " + r.numerator;
    const QString pell = r.pell.startsWith('-') ? r.pell : " " + r.pell;
    return lines[0] == numerator + " / " + QString::number(r.n) + " =" && lines[2] == "Ziel:" &&
           lines[4] == "Gen.: 1/ " + r.accuracy + "   " + pell;
}

// The lines of text in the list, found by their dark pixels: each line is
// a run of rows with ink, and lines follow at a fixed pitch.
struct ListLines {
    int count = 0;       // lines with ink
    int firstBottom = 0; // lowest ink row of the first line
    double pitch = 0;    // from the three header lines
    QPoint centreOf(int line, int x) const {
        return QPoint(x, static_cast<int>(firstBottom + line * pitch - pitch / 2 + 2));
    }
};

ListLines listLines(const QImage& screen, QRect list) {
    const QRect text(list.left(), list.top(), list.width() / 2, list.height());
    QList<int> bottoms;
    bool inLine = false;
    for (int y = text.top(); y <= text.bottom(); ++y) {
        bool ink = false;
        for (int x = text.left(); x <= text.right() && !ink; ++x) {
            const QColor c = screen.pixelColor(x, y);
            ink = c.red() < 100 && c.green() < 100 && c.blue() < 100;
        }
        if (!ink && inLine) bottoms << y - 1;
        inLine = ink;
    }
    ListLines lines;
    lines.count = static_cast<int>(bottoms.size());
    if (bottoms.size() >= 3) {
        lines.firstBottom = bottoms[0];
        lines.pitch = (bottoms[2] - bottoms[0]) / 2.0;
    }
    return lines;
}

// The readout field as the largest patch of a side's colour in the graph.
QRect fieldIn(const QImage& screen, QColor colour, QRect graph) {
    QRect largest;
    for (const QRect& patch : patchesOfColour(screen, colour, graph, 500))
        if (patch.width() * patch.height() > largest.width() * largest.height()) largest = patch;
    return largest;
}

QString fieldTextIn(const QImage& screen, QColor colour, QRect graph) {
    const QRect field = fieldIn(screen, colour, graph);
    if (field.isNull()) throw ScenarioAborted("no readout field in its colour");
    return copyTextOfBox(field.topLeft() + QPoint(12, 12));
}

QString listeOutput(const QString& programPath, const QStringList& arguments) {
    QProcess liste;
    liste.start(QFileInfo(programPath).dir().filePath("velnorit-liste"), arguments);
    if (!liste.waitForFinished(10000)) throw ScenarioAborted("velnorit-liste did not run");
    return QString::fromUtf8(liste.readAllStandardOutput());
}

void teaching(const QString& programPath, const QString& folder, CheckLog& log) {
    ProgramUnderTest program(programPath);
    const QImage started = waitForStartedWindow(program);
    const FormulaPanel panel = FormulaPanel::locate(started);
    const GraphGeometry graph = GraphGeometry::measure(started, 1);
    const QRect graphArea = graph.visibleArea();
    const QRect list = panel.listInside(started.height() - 100);
    const ListLines lines = listLines(started, list);
    if (!log.check(lines.count > 10 && lines.pitch > 10, QString("the list shows its lines (%1 at a pitch of %2)")
                                                             .arg(lines.count)
                                                             .arg(lines.pitch)))
        return;
    const int listX = list.left() + 30;
    const QList<RecordLine> records = recordsOf(copyTextOfBox(lines.centreOf(0, listX)));
    if (!log.check(records.size() > 20, QString("the list holds its records (%1)").arg(records.size()))) return;

    // A click on the graph at denominator 10, below the target; then → four
    // times: the readout of 14, lower side, as the pointer shows it there.
    click(graph.at(10.5, -0.3));
    pressKeys({"Right", "Right", "Right", "Right"});
    const QPoint corner14 = expectedReadoutCorner(graph, graph.at(14.5, -0.3));
    const QImage moved = waitForSettledScreen(
        [&](const QImage& s) { return readoutFieldFits(readoutFieldNear(s, kLowerSideRed, corner14), corner14); },
        "the readout of 14 after four times →");
    saveScreenshot(moved, shot(folder, "1-right-four-times"));
    const QString byKeys = copyTextOfBox(corner14 + QPoint(12, 12));
    log.check(byKeys.startsWith(" 15 / 14 =\n"), "→ four times reads 15/14 (reads: " + byKeys + ")");
    movePointer(graph.at(14.5, -0.3));
    waitForSettledScreen([](const QImage&) { return true; }, "the pointer's readout");
    const QString byPointer = copyTextOfBox(corner14 + QPoint(12, 12));
    log.check(byKeys == byPointer, "the keys show what the pointer shows on that bar (" + byPointer + ")");

    // Strg+→ three times from 14: the third record after it in the list.
    QList<RecordLine> after;
    for (const RecordLine& r : records)
        if (r.n > 14 && (after.isEmpty() || after.last().n != r.n)) after << r;
    click(graph.at(14.5, -0.3));
    pressKeys({"ctrl+Right", "ctrl+Right", "ctrl+Right"});
    const RecordLine& third = after[2];
    const QColor thirdColour = third.upper ? kUpperSideGrey : kLowerSideRed;
    const QImage jumped = waitForSettledScreen(
        [&](const QImage& s) { return !fieldIn(s, thirdColour, graphArea).isNull(); }, "the readout after Strg+→");
    saveScreenshot(jumped, shot(folder, "2-record-jumps"));
    const QString atThird = fieldTextIn(jumped, thirdColour, graphArea);
    log.check(fieldShowsRecord(atThird, third),
              QString("Strg+→ three times lands on the record of %1 (reads: %2)").arg(third.n).arg(atThird));

    // A click on the fifth record line of the list (line 9, counted from 0).
    const RecordLine& fifth = records[4];
    click(lines.centreOf(9, listX));
    const QColor fifthColour = fifth.upper ? kUpperSideGrey : kLowerSideRed;
    const QImage pointed = waitForSettledScreen(
        [&](const QImage& s) {
            const QRect f = fieldIn(s, fifthColour, graphArea);
            return !f.isNull() && f.left() < graph.at(fifth.n + 3, 0).x();
        },
        "the readout of the fifth record");
    saveScreenshot(pointed, shot(folder, "3-list-line"));
    const QString atFifth = fieldTextIn(pointed, fifthColour, graphArea);
    log.check(fieldShowsRecord(atFifth, fifth),
              QString("a click on the fifth record line shows the record of %1 (reads: %2)").arg(fifth.n).arg(atFifth));

    // Strg+T with 61, 0, 1: the list of velnorit-liste 61 0 1 +.
    pressKeys({"ctrl+t"});
    const QString dialog = waitForWindowNamed("^Ziel eingeben$");
    if (!log.check(!dialog.isEmpty(), "Strg+T opens the dialog \"Ziel eingeben\"")) return;
    pressKeysInWindow(dialog, {"6", "1", "Tab", "0", "Tab", "1", "Return"});
    log.check(waitUntilNoWindowNamed("^Ziel eingeben$"), "Return takes the values and closes it");
    const QImage sqrt61 = waitForSettledScreen(
        [&](const QImage& s) { return differingPixels(pointed, s, graphArea) > 1000; }, "the graph of √61");
    saveScreenshot(sqrt61, shot(folder, "4-sqrt61"));
    const QString expected = listeOutput(programPath, {"61", "0", "1", "+"}).trimmed();
    const QString shownList = copyTextOfBox(lines.centreOf(0, listX)).trimmed();
    log.check(shownList == expected, "the list is that of velnorit-liste 61 0 1 +");

    // "Graphik" for the reference, then F9: fewer records at first, more
    // after Leertaste, all after Escape, and the very picture of "Graphik".
    // The list's selection goes first (its text is black again), and the
    // focus ring at the button shows the click has arrived; "Graphik" draws
    // the graph and the list of √61 just as they are.
    pressKeys({"ctrl+Home"});
    const QImage deselected = waitForSettledScreen(
        [&](const QImage& s) { return listLines(s, list).count > 10; }, "the list without its selection");
    click(panel.graphikButton());
    const QRect button(panel.graphikButton() - QPoint(60, 30), QSize(120, 60));
    const QImage graphik = waitForSettledScreen(
        [&](const QImage& s) { return differingPixels(deselected, s, button) > 0; }, "the graph after \"Graphik\"");
    const int allLines = listLines(graphik, list).count;
    pressKeys({"F9"});
    const QImage first = waitForSettledScreen(
        [&](const QImage& s) {
            const int shown = listLines(s, list).count;
            return shown > 3 && shown < allLines;
        },
        "the first record revealed");
    saveScreenshot(first, shot(folder, "5-reveal-first"));
    const int firstLines = listLines(first, list).count;
    log.check(firstLines < allLines, QString("F9 shows fewer records at first (%1 of %2 lines)").arg(firstLines).arg(allLines));
    log.check(differingPixels(graphik, first, graphArea) > 1000, "and less of the graph");
    pressKeys({"space"});
    const QImage more = waitForSettledScreen(
        [&](const QImage& s) { return listLines(s, list).count > firstLines; }, "the next record after Leertaste");
    const int moreLines = listLines(more, list).count;
    log.check(moreLines > firstLines && moreLines < allLines,
              QString("Leertaste shows more (%1 lines)").arg(moreLines));
    pressKeys({"Escape"});
    const QImage all = waitForSettledScreen(
        [&](const QImage& s) { return listLines(s, list).count == allLines; }, "everything after Escape");
    saveScreenshot(all, shot(folder, "6-reveal-complete"));
    log.check(differingPixels(graphik, all, list) == 0, "Escape shows the whole list");
    const int graphDiffers = differingPixels(graphik, all, graphArea);
    log.check(graphDiffers == 0,
              QString("the graph equals that of \"Graphik\" pixel for pixel (%1 pixels differ)").arg(graphDiffers));

    endFromMenuAndCheck(program, all, log);
}

} // namespace
} // namespace velnorit::acceptance

int main(int argc, char** argv) { return velnorit::acceptance::runScenario(argc, argv, velnorit::acceptance::teaching); }
