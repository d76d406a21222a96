// "Präsentation" on the real window: where it opens, how much it
// magnifies, that it follows the window, that the pen and the keys work in
// it as in the window, and that Escape gives the window back as it was.
// Runs on one 1024 x 768 screen and again on two (presentation_tests_two_screens).
#include "shell/extras_commands.h"
#include "shell/keyboard_after_dialogs.h"
#include "shell/lesson_document.h"
#include "shell/presentation.h"
#include "shell/teaching_aids.h"
#include "tests/support/form_fixture.h"
#include "tests/tools/tools_window.h"
#include "view/graph_picture.h"

#include <QAccessible>
#include <QDialog>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <functional>
#include <vector>

namespace velnorit {
namespace {

using testing::ToolsWindow;
using Position = tools::KeyboardCursor::Position;

const QColor kGridLavender(185, 185, 235);

class PresentationTest : public ToolsWindow {
protected:
    ~PresentationTest() override {
        if (presentation().isOpen()) presentation().close();
    }
    shell::Presentation& presentation() { return form().presentation(); }
    shell::PresentationWindow& window() { return presentation().window(); }
    view::PresentationView& view() { return presentation().view(); }
    tools::GraphCursor& cursor() { return form().teachingAids().cursor(); }
    std::size_t steps() { return form().document().history().stepCount(); }

    void settle() {
        QApplication::processEvents();
        QApplication::processEvents();
    }
    // F11 as the menu entry's action; the window shown and with the keyboard.
    void open() {
        c().cmdPraesentation->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        settle();
    }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&window(), static_cast<Qt::Key>(k), modifiers);
        settle();
    }
    // Where a point of the graph (user units) lies in the view.
    QPointF inView(double x, double y) { return view().viewPixelAt(graph().toPixels(x, y)); }
    void toView(QEvent::Type type, QPointF pixel, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, pixel, view().mapToGlobal(pixel), button, held, Qt::NoModifier);
        QApplication::sendEvent(&view(), &event);
    }
    // What the screen shows of the presentation (its window's backing
    // store), and what painting it afresh gives.
    QImage onScreen() {
        return window().screen()->grabWindow(window().winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage afresh() { return window().grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The denominator in the middle of the view.
    int centreDenominator() { return static_cast<int>(std::floor(graph().userXFromPixels(view().centre()))); }
};

// The middles of the runs of a colour along a row of an image.
std::vector<double> runMiddles(const QImage& image, int y, const QColor& colour) {
    std::vector<double> middles;
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const bool in = x < image.width() && image.pixelColor(x, y) == colour;
        if (in && start < 0) start = x;
        if (!in && start >= 0) {
            middles.push_back((start + x - 1) / 2.0);
            start = -1;
        }
    }
    return middles;
}

TEST(PresentationScreens, AnotherScreenThanTheWindowsWhereThereIsOne) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_FALSE(screens.isEmpty());
    QScreen* first = screens.first();
    EXPECT_EQ(shell::Presentation::screenFor({}, nullptr), nullptr);
    EXPECT_EQ(shell::Presentation::screenFor({first}, first), first);
    EXPECT_EQ(shell::Presentation::screenFor({first}, nullptr), first);
    if (screens.size() == 2) {
        EXPECT_EQ(shell::Presentation::screenFor(screens, first), screens[1]);
        EXPECT_EQ(shell::Presentation::screenFor(screens, screens[1]), first);
    }
}

TEST_F(PresentationTest, OpensOverTheWholeScreenOnTheProjectorOrOverTheWindow) {
    const QRect formBefore = form().geometry();
    open();
    QScreen* expected = form().screen();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != form().screen()) expected = screen;
    EXPECT_EQ(window().screen(), expected);
    EXPECT_EQ(window().geometry(), expected->geometry());
    EXPECT_EQ(view().geometry(), window().rect());
    EXPECT_TRUE(window().isFullScreen());
    EXPECT_EQ(QApplication::activeWindow(), &window());
    EXPECT_EQ(form().geometry(), formBefore);
    EXPECT_EQ(window().windowTitle(), QString("Rationale Velnorit \u2013 Präsentation"));

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Präsentation des Graphen");
    EXPECT_TRUE(accessible->text(QAccessible::Description).contains("Escape")) << "it says how to leave";
    QAccessibleInterface* target = QAccessible::queryAccessibleInterface(&window().target());
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->text(QAccessible::Name), window().target().text()) << "a screen reader reads the target";
}

// A denominator at least 2.5 times as wide as in the window, measured on the
// grid lines painted: the start's magnification, give or take the pixel
// snapping of both pictures (up to half a percent).
TEST_F(PresentationTest, MagnifiesADenominatorAtLeastTwoAndAHalfTimesAndStepsWithTheKeys) {
    ASSERT_EQ(form().screen()->size(), QSize(1024, 768));
    cursor().goTo({20, Side::Lower});
    open();
    const QImage shown = view().grab().toImage();
    const int belowTarget = static_cast<int>(inView(20, target() - 0.5 * std::abs(graph().scaleHeight()) / 2).y());
    const std::vector<double> lines = runMiddles(shown, belowTarget, kGridLavender);
    ASSERT_GE(lines.size(), 10u) << "grid lines in view";
    const double inTheView = (lines.back() - lines.front()) / static_cast<double>(lines.size() - 1);
    const double inTheWindow = graph().pixelsPerUnitX();
    EXPECT_GE(inTheView / inTheWindow, 2.5) << inTheView << " px against " << inTheWindow;
    EXPECT_NEAR(inTheView / inTheWindow, view::PresentationView::kStartMagnification,
                0.005 * view::PresentationView::kStartMagnification);
    EXPECT_EQ(centreDenominator(), 20) << "around the keyboard cursor";

    // The graph's smallest text (its numbers) about 20 pixels high.
    const QFontMetricsF numbers(graph().font());
    EXPECT_GE(numbers.tightBoundingRect("0123456789").height() * view().magnification(), 18);

    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        double after;
    } steps[] = {{Qt::Key_Plus, Qt::ControlModifier, 4},
                 {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 5},
                 {Qt::Key_Minus, Qt::ControlModifier, 4},
                 {Qt::Key_Minus, Qt::ControlModifier, 3},
                 {Qt::Key_Minus, Qt::ControlModifier, 2.5}};
    for (const auto& step : steps) {
        key(step.key, step.modifiers);
        EXPECT_DOUBLE_EQ(view().magnification(), step.after);
    }
    EXPECT_EQ(centreDenominator(), 20) << "magnifying keeps the middle";
    for (int i = 0; i < 20; ++i) key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view().magnification(), 1);
    for (int i = 0; i < 20; ++i) key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view().magnification(), 6);
}

// After each change of the window the screen shows exactly what painting
// the presentation afresh shows, and the change is seen.
TEST_F(PresentationTest, FollowsStrokesUndoRedrawsPanningTheCursorAndTheReveal) {
    cursor().goTo({12, Side::Lower});
    open();
    const double t = target();
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"a stroke in the window", [&] { stroke(pixelAt(11.2, t - 0.05), pixelAt(13.4, t - 0.12)); }},
        {"undo", [&] { form().extras().undo(); }},
        {"redo", [&] { form().extras().redo(); }},
        {"the eraser's square", [&] {
             chooseTool(3);
             move(pixelAt(12.5, t - 0.1));
         }},
        {"a redraw with another zoom", [&] { c().vscMaßstab->setValue(5); }},
        {"the cursor moved in the window", [&] { cursor().goTo({15, Side::Upper}); }},
        {"panning the window", [&] { c().hscn->setValue(static_cast<Integer>(c().hscn->value() + 10)); }},
        {"the reveal's start", [&] { form().teachingAids().reveal().start(); }},
        {"the reveal's steps", [&] {
             for (int i = 0; i < 30; ++i) form().teachingAids().reveal().advance();
         }},
        {"the reveal completed", [&] { form().teachingAids().reveal().complete(); }},
        {"Alles", [&] { form().cmdAlles_Click(); }},
    };
    for (const auto& [what, change] : changes) {
        const QImage before = onScreen();
        change();
        settle();
        const QImage after = onScreen();
        EXPECT_TRUE(after != before) << what << ": nothing changed on the screen";
        EXPECT_TRUE(after == afresh()) << what << ": the screen does not show the change as painting afresh does";
    }
}

TEST_F(PresentationTest, CentresOnTheCursorThePointerInTheWindowAndTheRevealAndPansAlong) {
    cursor().goTo({30, Side::Upper});
    open();
    EXPECT_EQ(centreDenominator(), 30);
    key(Qt::Key_Right);
    EXPECT_EQ(cursor().position(), (Position{31, Side::Upper})) << "→ in the view";
    EXPECT_EQ(centreDenominator(), 31);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(centreDenominator(), cursor().position().n) << "Strg+→";

    move(pixelAt(24.5, target() + 0.01)); // the window's pointer, on the laptop's screen
    EXPECT_EQ(centreDenominator(), 24);

    const double before = view().centre();
    const double graphLeft = graph().x();
    c().hscn->setValue(static_cast<Integer>(c().hscn->value() + 3));
    EXPECT_DOUBLE_EQ(view().centre(), before + (graphLeft - graph().x())) << "as far as the window panned";

    form().teachingAids().reveal().start();
    for (int i = 0; i < 5; ++i) form().teachingAids().reveal().advance();
    EXPECT_EQ(centreDenominator(), form().teachingAids().reveal().shownUpTo());
    form().teachingAids().reveal().complete();

    // A pointer in the view moves the cursor, not the view: it stays under the pen.
    const double centre = view().centre();
    toView(QEvent::MouseMove, inView(27.5, target() - 0.05), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(cursor().position(), (Position{27, Side::Lower}));
    EXPECT_DOUBLE_EQ(view().centre(), centre);
}

TEST_F(PresentationTest, AStrokeInTheViewIsOnTheBoardInTheHistoryInTheLessonAndTakenBackByStrgZ) {
    cursor().goTo({12, Side::Lower});
    open();
    const std::size_t opsBefore = opCount();
    const std::size_t stepsBefore = steps();
    const double t = target();
    const QPointF from = inView(11.3, t - 0.05);
    const QPointF to = inView(12.8, t - 0.15);
    toView(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    toView(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    toView(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    settle();

    // The pen's dot and one segment, at the user units of the view's pixels.
    const std::vector<testing::RecordedOp> ops = opsSince(opsBefore);
    ASSERT_EQ(ops.size(), 2u);
    const QPointF a = view().userPointAt(from);
    const QPointF b = view().userPointAt(to);
    EXPECT_EQ(ops[0].op.kind, view::OpKind::Dot);
    EXPECT_EQ(ops[0].op.x1, static_cast<float>(a.x()));
    EXPECT_EQ(ops[0].op.y1, static_cast<float>(a.y()));
    EXPECT_EQ(ops[1].op.kind, view::OpKind::Line);
    EXPECT_EQ(ops[1].op.x1, static_cast<float>(b.x()));
    EXPECT_EQ(ops[1].op.y1, static_cast<float>(b.y()));
    EXPECT_EQ(ops[1].op.x2, static_cast<float>(a.x()));
    EXPECT_EQ(ops[1].op.color, c().Picture2[view::kPenColourBox]->backColor());

    // The window's graph shows it, the history has it as one step, the
    // lesson and its recovery copy hold it.
    const QPointF onGraph = graph().toPixels(b.x(), b.y());
    const QImage graphPixels = graph().grab(QRect(onGraph.toPoint() - QPoint(4, 4), QSize(9, 9))).toImage();
    EXPECT_EQ(view::fromQColor(graphPixels.pixelColor(4, 4)), ops[1].op.color);
    EXPECT_EQ(steps(), stepsBefore + 1);
    EXPECT_EQ(form().document().history().stack().undoText(), "Freihand");
    const lesson::Lesson lesson = form().document().collect();
    ASSERT_GE(lesson.board.size(), 2u);
    EXPECT_EQ(lesson.board.back().x1, static_cast<float>(b.x()));
    EXPECT_EQ(lesson.board.back().y2, static_cast<float>(a.y()));
    form().document().recovery().writeNow();
    const lesson::LessonOrError copy = lesson::readLessonFile(form().document().recovery().copies().ownPath());
    ASSERT_TRUE(std::holds_alternative<lesson::Lesson>(copy));
    EXPECT_EQ(std::get<lesson::Lesson>(copy).board, lesson.board);

    key(Qt::Key_Z, Qt::ControlModifier); // Strg+Z in the view
    EXPECT_EQ(opCount(), opsBefore);
    EXPECT_EQ(steps(), stepsBefore + 1) << "the step is there to redo";
    EXPECT_FALSE(form().document().history().canUndo() &&
                 form().document().history().stack().undoText() == "Freihand");
}

// The keys of "Extras" work in the view: tools and colours by key, and F11
// leaves as Escape does.
TEST_F(PresentationTest, TheShortcutsOfExtrasWorkInTheView) {
    open();
    key(Qt::Key_F8);
    EXPECT_TRUE(c().Option2[3]->isChecked()) << "F8: Radierer";
    key(Qt::Key_F6);
    EXPECT_TRUE(c().Option2[1]->isChecked()) << "F6: Freihand";
    key(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(c().Picture2[view::kPenColourBox]->backColor(), view::rgb(255, 255, 0)) << "Strg+2: Gelb";
    key(Qt::Key_F11);
    EXPECT_FALSE(presentation().isOpen());
}

TEST_F(PresentationTest, EscapeGivesTheWindowBackAsItWas) {
    c().Text3->setFocus();
    settle();
    ASSERT_EQ(QApplication::focusWidget(), c().Text3);
    const QRect geometry = form().geometry();
    const Integer pan = c().hscn->value();
    open();
    EXPECT_NE(QApplication::focusWidget(), c().Text3);
    key(Qt::Key_Plus, Qt::ControlModifier);
    key(Qt::Key_Escape);
    EXPECT_FALSE(presentation().isOpen());
    EXPECT_FALSE(window().isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    EXPECT_EQ(QApplication::focusWidget(), c().Text3);
    EXPECT_EQ(form().geometry(), geometry);
    EXPECT_EQ(c().hscn->value(), pan);
    EXPECT_TRUE(form().isVisible());

    // The window manager's close button leaves as well; F11 opens again.
    open();
    window().close();
    settle();
    EXPECT_FALSE(presentation().isOpen());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    QTest::keyClick(&form(), Qt::Key_F11);
    settle();
    EXPECT_TRUE(presentation().isOpen());
}

// A dialog opened from the view ("Ziel eingeben …", Strg+T) gives the
// keyboard back to the view, not to the window below it.
TEST_F(PresentationTest, ADialogFromTheViewGivesTheKeyboardBackToIt) {
    new shell::KeyboardAfterDialogs(&form()); // as the program's start makes it
    open();
    testing::whileModalsOpen([&] { QTest::keyClick(&window(), Qt::Key_T, Qt::ControlModifier); },
                             [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    settle();
    EXPECT_EQ(QApplication::activeWindow(), &window());
    EXPECT_TRUE(presentation().isOpen());
}

// The readout in large type on its side's colour, the target as formula
// and value, each readable: at least 4.5:1.
TEST_F(PresentationTest, ReadoutAndTargetInLargeReadableType) {
    open();
    const view::LargeLabel& readout = window().readout();
    const view::LargeLabel& target = window().target();
    EXPECT_EQ(target.text(), view::worksheetTitle(form().graphView().drawnSettings()));
    EXPECT_EQ(target.text(), QString("Ziel = (\u221A5 + 0) / 2 = 1.118033988749895"));
    EXPECT_GE(view::contrastRatio(target.textColour(), target.background()), 4.5);

    const struct {
        Position at;
        QColor side;
    } sides[] = {{{9, Side::Lower}, QColor(240, 10, 10)}, {{9, Side::Upper}, QColor(140, 140, 140)}};
    for (const auto& s : sides) {
        cursor().goTo(s.at);
        settle();
        EXPECT_TRUE(readout.isVisible());
        EXPECT_EQ(readout.text(), c().Text6->toPlainText());
        EXPECT_EQ(readout.background(), s.side);
        EXPECT_GE(view::contrastRatio(readout.textColour(), readout.background()), 4.5)
            << readout.textColour().name().toStdString() << " on " << s.side.name().toStdString();
        EXPECT_GE(QFontMetricsF(readout.font()).capHeight(), 32);
        EXPECT_GE(QFontMetricsF(readout.font()).tightBoundingRect("0123456789").height(), 32);
        EXPECT_TRUE(window().rect().contains(readout.geometry()));
    }
    // The field's own design colour, before any move, reads as well.
    EXPECT_GE(view::contrastRatio(view::readableTextOn(QColor(192, 192, 255)), QColor(192, 192, 255)), 4.5);

    tools().hideReadout(); // the pointer on the legend
    settle();
    EXPECT_FALSE(readout.isVisible());

    setParameters(61, 0, 1);
    settle();
    EXPECT_TRUE(target.text().startsWith(QString("Ziel = (\u221A61 + 0) / 1 = 7.81"))) << target.text().toStdString();
}

} // namespace
} // namespace velnorit
