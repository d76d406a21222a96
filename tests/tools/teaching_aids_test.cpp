// The list that points into the graph and "Schritt für Schritt", on the
// real window.
#include "shell/extras_commands.h"
#include "shell/lesson_document.h"
#include "tools_window.h"

#include "shell/teaching_aids.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <string>
#include <vector>

namespace velnorit {
namespace {

using testing::RecordedOp;
using testing::ToolsWindow;
using tools::GraphCursor;
using Position = tools::KeyboardCursor::Position;

std::size_t lineCount(const std::string& text) {
    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

bool sameOps(const std::vector<RecordedOp>& a, const std::vector<RecordedOp>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::memcmp(&a[i].op, &b[i].op, sizeof(view::DrawOp)) != 0 || a[i].text != b[i].text) return false;
    return true;
}

class TeachingAidsTest : public ToolsWindow {
protected:
    shell::TeachingAids& aids() { return form().teachingAids(); }
    GraphCursor& cursor() { return aids().cursor(); }
    tools::StepReveal& reveal() { return aids().reveal(); }
    std::string list() const { return c().Text5->crLfText(); }
    const std::vector<RecordPlace>& records() { return form().graphView().trace().recordPlaces(); }
    std::size_t steps() { return form().document().history().stepCount(); }

    // A click on a line of the list, scrolled into view first.
    void clickListLine(int line) {
        QPlainTextEdit& box = *c().Text5;
        QTextCursor at(box.document()->findBlockByNumber(line));
        box.setTextCursor(at);
        box.ensureCursorVisible();
        QApplication::processEvents();
        const QRect place = box.cursorRect(at);
        QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(place.left() + 20, place.center().y()));
        QApplication::processEvents(); // the list looks at a click once it has placed its text cursor
    }
    std::pair<std::string, std::string> readout() const { return {c().Text6->crLfText(), c().Text2->crLfText()}; }
    std::pair<std::string, std::string> pointerReadout(Position p) {
        move(pixelAt(p.n + 0.5, target() + (p.side == Side::Upper ? 0.05 : -0.05)));
        return readout();
    }
};

TEST(ListWindows, ARecordGoesToTheFirstWindowThatHoldsIt) {
    const std::pair<int, int> cases[] = {{1, 0},     {701, 0},     {702, 1},     {1201, 1},     {1202, 2},
                                         {5473, 10}, {9201, 17},   {9202, 18},   {9501, 18},    {10000, 19}};
    for (const auto& [n, window] : cases) EXPECT_EQ(GraphCursor::windowFor(n), window) << n;
}

// Lines counted from 0: the lower record of 1 on line 4, the upper one on
// 6, the upper record of 4 on 9 (the fifth record line), 9 lower on 15.
TEST_F(TeachingAidsTest, AClickOnARecordLineShowsThatRecord) {
    const std::string shownList = list();
    const struct {
        int line;
        Position record;
    } cases[] = {{4, {1, Side::Lower}}, {6, {1, Side::Upper}}, {9, {4, Side::Upper}}, {15, {9, Side::Lower}},
                 {30, {449, Side::Upper}}};
    for (const auto& c : cases) {
        cursor().goTo({300, Side::Lower});
        clickListLine(c.line);
        EXPECT_EQ(cursor().position(), c.record) << "line " << c.line;
        EXPECT_TRUE(cursor().marker().isVisible());
        const auto byList = readout();
        EXPECT_EQ(byList, pointerReadout(c.record)) << "line " << c.line;
    }
    EXPECT_EQ(list(), shownList) << "the list keeps its text";

    // A click into a selection (all of the list selected to copy it) places
    // the text cursor as it is released, and counts as well.
    form().cmdZeichnen_Click();
    QApplication::processEvents();
    c().Text5->selectAll();
    const QRect line15 = c().Text5->cursorRect(QTextCursor(c().Text5->document()->findBlockByNumber(15)));
    QTest::mouseClick(c().Text5->viewport(), Qt::LeftButton, {}, QPoint(line15.left() + 20, line15.center().y()));
    QApplication::processEvents();
    EXPECT_EQ(cursor().position(), (Position{9, Side::Lower}));

    // Header and blank lines point nowhere.
    form().cmdZeichnen_Click();
    cursor().goTo({300, Side::Lower});
    for (const int line : {0, 3, 5}) {
        clickListLine(line);
        EXPECT_EQ(cursor().position(), (Position{300, Side::Lower})) << line;
    }
}

// The record 754 lies after the first window: the x-axis bar switches to the
// window 501..1201, and that redraw is one step that undo takes back.
TEST_F(TeachingAidsTest, ARecordOutsideTheWindowSwitchesItAsTheBarWould) {
    const std::size_t before = steps();
    const auto place = std::find_if(records().begin(), records().end(), [](const RecordPlace& r) { return r.n == 754; });
    ASSERT_NE(place, records().end());
    clickListLine(place->line);
    EXPECT_EQ(c().vscMassX->value(), 1);
    EXPECT_EQ(c().Text1[1]->text(), "501");
    EXPECT_EQ(cursor().position(), (Position{754, Side::Upper}));
    EXPECT_EQ(steps(), before + 1);

    // In the window now: it stays. 449 lies before it: back to the first.
    clickListLine(place->line);
    EXPECT_EQ(c().vscMassX->value(), 1);
    EXPECT_EQ(steps(), before + 1);
    clickListLine(30);
    EXPECT_EQ(cursor().position(), (Position{449, Side::Upper}));
    EXPECT_EQ(c().vscMassX->value(), 0);
    EXPECT_EQ(steps(), before + 2);

    form().extras().undo();
    EXPECT_EQ(c().vscMassX->value(), 1);
    form().extras().undo();
    EXPECT_EQ(c().vscMassX->value(), 0);
    EXPECT_EQ(c().Text1[1]->text(), "1");
}

TEST_F(TeachingAidsTest, ReturnOnARecordLineGoesThereAndElsewhereTypes) {
    QPlainTextEdit& box = *c().Text5;
    box.setFocus();
    box.setTextCursor(QTextCursor(box.document()->findBlockByNumber(16)));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(cursor().position(), (Position{17, Side::Lower}));
    EXPECT_FALSE(box.document()->isModified()) << "no line break typed";

    // Return on the header types a line break; the list then no longer
    // matches the records, and its lines point nowhere until the next redraw.
    box.setTextCursor(QTextCursor(box.document()->findBlockByNumber(1)));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_TRUE(box.document()->isModified());
    clickListLine(10);
    EXPECT_EQ(cursor().position(), (Position{17, Side::Lower}));
    form().cmdZeichnen_Click();
    clickListLine(10);
    EXPECT_EQ(cursor().position(), (Position{5, Side::Upper}));
}

// --- "Schritt für Schritt"

TEST_F(TeachingAidsTest, RevealsDenominatorByDenominatorAndEndsAsAPlainRedraw) {
    const std::string fullList = list();
    stroke(near(0, 0.05), near(3, 0.1)); // on the board: the redraw of F9 wipes it, a change
    const std::size_t before = steps();

    c().cmdSchritte->trigger();
    ASSERT_TRUE(reveal().isRunning());
    EXPECT_EQ(steps(), before + 1) << "one step, the redraw's own";
    EXPECT_EQ(list(), resultListHeader()) << "no record before the window 1..701";
    EXPECT_EQ(graph().shownOperations(), 0u);
    EXPECT_EQ(reveal().shownUpTo(), 0);

    // 1 has a record on both sides: both lines appear, and the reveal waits.
    reveal().advance();
    EXPECT_EQ(reveal().shownUpTo(), 1);
    EXPECT_TRUE(reveal().isPaused());
    EXPECT_EQ(list(), fullList.substr(0, records()[1].end));
    EXPECT_EQ(graph().shownOperations(), form().graphView().trace().drawingSizeAfter(1));
    reveal().advance();
    EXPECT_EQ(reveal().shownUpTo(), 1) << "paused";

    // Leertaste continues, wherever the keyboard is: it types nothing.
    c().Text5->setFocus();
    QTest::keyClick(c().Text5, Qt::Key_Space);
    EXPECT_FALSE(reveal().isPaused());
    EXPECT_EQ(list(), fullList.substr(0, records()[1].end));
    std::size_t shownLines = lineCount(list());
    for (int n = 2; n <= 8; ++n) { // an upper record on each
        reveal().advance();
        EXPECT_EQ(reveal().shownUpTo(), n);
        EXPECT_TRUE(reveal().isPaused());
        EXPECT_EQ(lineCount(list()), shownLines + 1) << n;
        shownLines = lineCount(list());
        reveal().pauseOrContinue();
    }
    reveal().advance(); // 9: a lower record after a run of upper ones
    EXPECT_EQ(lineCount(list()), shownLines + 2);
    reveal().pauseOrContinue();
    reveal().advance(); // 10 has no record
    EXPECT_EQ(reveal().shownUpTo(), 10);
    EXPECT_FALSE(reveal().isPaused());
    EXPECT_EQ(graph().shownOperations(), form().graphView().trace().drawingSizeAfter(10));
    EXPECT_LT(lineCount(list()), lineCount(fullList));

    // Escape completes at once: the whole list, the whole drawing, and no
    // further step; then the very drawing and picture of a plain redraw.
    QTest::keyClick(c().Text5, Qt::Key_Escape);
    EXPECT_FALSE(reveal().isRunning());
    EXPECT_EQ(list(), fullList);
    EXPECT_TRUE(graph().showsAllOperations());
    EXPECT_EQ(steps(), before + 1);
    QApplication::processEvents();
    const std::vector<RecordedOp> revealed = opsSince(0);
    // The graph as far as the panel shows it (the focus ring lies in the panel).
    const QRect shown(0, 0, c().picContainer->width(), graph().height());
    const QImage revealedPicture = graph().grab(shown).toImage();
    form().Command1_Click();
    QApplication::processEvents();
    EXPECT_TRUE(sameOps(revealed, opsSince(0)));
    EXPECT_EQ(graph().grab(shown).toImage(), revealedPicture);
    EXPECT_EQ(list(), fullList);
}

TEST_F(TeachingAidsTest, RecordsBeforeTheWindowComeFirstAndThoseAfterItLast) {
    c().vscMassX->setValue(1); // 501..1201
    const std::string fullList = list();
    c().cmdSchritte->trigger();
    const auto firstInWindow =
        std::find_if(records().begin(), records().end(), [](const RecordPlace& r) { return r.n >= 501; });
    ASSERT_NE(firstInWindow, records().begin());
    EXPECT_EQ(list(), fullList.substr(0, std::prev(firstInWindow)->end));
    EXPECT_EQ(reveal().shownUpTo(), 500);
    EXPECT_EQ(graph().shownOperations(), form().graphView().trace().drawingSizeAfter(500));

    // Fastest pace, every pause continued: to the window's end, then all.
    for (int i = 0; i < 8; ++i) reveal().faster();
    int ticks = 0;
    while (reveal().isRunning() && ticks < 2000) {
        if (reveal().isPaused()) reveal().pauseOrContinue();
        const int shown = reveal().shownUpTo();
        reveal().advance();
        if (reveal().isRunning()) {
            EXPECT_LE(reveal().shownUpTo(), 1201);
            EXPECT_GT(reveal().shownUpTo(), shown);
        }
        ++ticks;
    }
    EXPECT_FALSE(reveal().isRunning());
    EXPECT_EQ(list(), fullList) << "the records after 1201 at the end";
    EXPECT_TRUE(graph().showsAllOperations());
}

TEST_F(TeachingAidsTest, PlusAndMinusDoubleAndHalveThePaceWithinBounds) {
    ASSERT_DOUBLE_EQ(reveal().pace(), 10);
    EXPECT_EQ(reveal().tickMilliseconds(), 100);
    c().cmdSchritte->trigger();
    QTest::keyClick(c().picGraph, Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(reveal().pace(), 20);
    EXPECT_EQ(reveal().tickMilliseconds(), 50);
    QTest::keyClick(c().picGraph, Qt::Key_Minus);
    QTest::keyClick(c().picGraph, Qt::Key_Minus);
    EXPECT_DOUBLE_EQ(reveal().pace(), 5);
    EXPECT_EQ(reveal().tickMilliseconds(), 200);
    EXPECT_TRUE(reveal().isRunning()) << "the pace keys do not complete it";
    for (int i = 0; i < 10; ++i) reveal().slower();
    EXPECT_DOUBLE_EQ(reveal().pace(), 1.25);
    EXPECT_EQ(reveal().tickMilliseconds(), 800);
    for (int i = 0; i < 20; ++i) reveal().faster();
    EXPECT_DOUBLE_EQ(reveal().pace(), 320);
    EXPECT_EQ(reveal().tickMilliseconds(), 25);
}

// Any other key, a mouse press and any redraw complete the reveal first;
// the key and the press then do what they do.
TEST_F(TeachingAidsTest, AnyOtherCommandCompletesTheRevealFirst) {
    const std::string fullList = list();
    c().cmdSchritte->trigger();
    c().picGraph->setFocus();
    cursor().goTo({5, Side::Lower});
    c().cmdSchritte->trigger();
    ASSERT_TRUE(reveal().isRunning());
    QTest::keyClick(c().picGraph, Qt::Key_Right);
    EXPECT_FALSE(reveal().isRunning());
    EXPECT_EQ(list(), fullList);
    EXPECT_EQ(cursor().position(), (Position{6, Side::Lower})) << "the key went on to the graph";

    c().cmdSchritte->trigger();
    const std::size_t drawn = form().graphView().trace().drawingSizeAfter(kLastDenominator);
    press(near(2, 0.05));
    release(near(2, 0.05));
    EXPECT_FALSE(reveal().isRunning());
    EXPECT_GT(opCount(), drawn) << "the pen drew its dot on the whole graph";
    EXPECT_TRUE(graph().showsAllOperations());

    c().cmdSchritte->trigger();
    QTest::keyClick(c().picGraph, Qt::Key_Shift); // a modifier alone is no command
    EXPECT_TRUE(reveal().isRunning());
    c().vscMaßstab->setValue(5); // redraws
    EXPECT_FALSE(reveal().isRunning());
    EXPECT_TRUE(graph().showsAllOperations());
    EXPECT_EQ(list(), fullList);
}

} // namespace
} // namespace velnorit
