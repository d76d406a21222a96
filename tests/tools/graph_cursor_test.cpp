// The keyboard cursor on the graph of the real window: keys move the
// readout exactly as a pointer on that bar would, the marker frames the
// bar above the drawing and never in it, the graph pans to the cursor, and
// a pointer takes over.
#include "tools_window.h"

#include "shell/teaching_aids.h"
#include "tools/graph_pan.h"
#include "view/graph_picture.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <string>
#include <vector>

namespace velnorit {
namespace {

using testing::ToolsWindow;
using tools::KeyboardCursor;
using Position = KeyboardCursor::Position;

struct Readout {
    std::string field;
    std::string accuracy;
    QColor colour;
    bool operator==(const Readout&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Readout& r) {
    return out << r.field << " | " << r.accuracy << " | " << r.colour.name().toStdString();
}

// The relative luminance and contrast ratio of the web's accessibility
// guidelines (WCAG 2).
double luminance(QColor colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}
double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class GraphCursorTest : public ToolsWindow {
protected:
    tools::GraphCursor& cursor() { return form().teachingAids().cursor(); }
    Readout readout() const {
        return {c().Text6->crLfText(), c().Text2->crLfText(), c().Text6->palette().color(QPalette::Base)};
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(c().picGraph, k, modifiers);
    }
    // What a pointer shows on the bar of n, on its side, at a height of its
    // own choosing (a third of the band's half height).
    Readout pointerOn(Position p) {
        const double half = yScale() / 100;
        move(pixelAt(p.n + 0.7, target() + (p.side == Side::Upper ? half / 3 : -half / 3)));
        return readout();
    }
};

TEST_F(GraphCursorTest, TheGraphTakesTheKeyboardByClickAndTab) {
    EXPECT_EQ(c().picGraph->focusPolicy(), Qt::StrongFocus);
    c().hscn->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(c().hscn, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c().picGraph) << "the graph follows hscn in the focus order";
    // Tab shows where the cursor stands: at the start the window's first
    // denominator, lower side.
    EXPECT_EQ(cursor().position(), (Position{1, Side::Lower}));
    EXPECT_TRUE(cursor().marker().isVisible());
    EXPECT_EQ(c().Text6->crLfText().substr(0, 8), " 1 / 1 =");
}

// Every key, and the readout it leads to compared with a real pointer move
// on that bar.
TEST_F(GraphCursorTest, KeysMoveTheReadoutAsAPointerOnThatBarWould) {
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Position expected;
    };
    // The start: lower records at 1, 9, 17, 161; upper ones at 1 to 8, 25, 42.
    const Step steps[] = {
        {Qt::Key_Right, Qt::NoModifier, {11, Side::Lower}},
        {Qt::Key_Right, Qt::NoModifier, {12, Side::Lower}},
        {Qt::Key_Up, Qt::NoModifier, {12, Side::Upper}},
        {Qt::Key_Right, Qt::ControlModifier, {17, Side::Lower}},
        {Qt::Key_Right, Qt::ControlModifier, {25, Side::Upper}},
        {Qt::Key_Right, Qt::ControlModifier, {42, Side::Upper}},
        {Qt::Key_Left, Qt::ControlModifier, {25, Side::Upper}},
        {Qt::Key_Down, Qt::NoModifier, {25, Side::Lower}},
        {Qt::Key_Left, Qt::NoModifier, {24, Side::Lower}},
        {Qt::Key_End, Qt::NoModifier, {701, Side::Lower}},
        {Qt::Key_Left, Qt::ControlModifier, {449, Side::Upper}},
        {Qt::Key_Home, Qt::NoModifier, {1, Side::Upper}},
        {Qt::Key_Left, Qt::NoModifier, {1, Side::Upper}},
        {Qt::Key_Right, Qt::ControlModifier, {2, Side::Upper}},
    };
    cursor().goTo({10, Side::Lower});
    for (const Step& step : steps) {
        key(step.key, step.modifiers);
        ASSERT_EQ(cursor().position(), step.expected) << "at " << step.expected.n;
        const Readout byKey = readout();
        const QPointF point = cursor().readoutPoint();
        EXPECT_EQ(static_cast<int>(std::floor(point.x())), step.expected.n);
        EXPECT_EQ(point.y() > target(), step.expected.side == Side::Upper);
        EXPECT_EQ(byKey, pointerOn(step.expected)) << "at " << step.expected.n;
        cursor().goTo(step.expected); // the pointer moved the cursor onto its own bar: the same one
    }
}

// 449 is the last record before 701 at the start (an upper one).
TEST_F(GraphCursorTest, StrgJumpsBetweenTheRecordsOfTheList) {
    const std::vector<RecordPlace>& records = form().graphView().trace().recordPlaces();
    std::vector<Position> inWindow;
    for (const RecordPlace& r : records)
        if (r.n <= 701 && (inWindow.empty() || inWindow.back().n != r.n)) inWindow.push_back({r.n, r.side});
    ASSERT_GT(inWindow.size(), 10u);
    EXPECT_EQ(inWindow[inWindow.size() - 1], (Position{449, Side::Upper}));
    cursor().goTo({1, Side::Upper});
    for (std::size_t i = 1; i < inWindow.size(); ++i) {
        key(Qt::Key_Right, Qt::ControlModifier);
        EXPECT_EQ(cursor().position(), inWindow[i]);
    }
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(cursor().position().n, 701) << "no record after 449: the cursor stops at the window's edge";
}

TEST_F(GraphCursorTest, TheMarkerFramesTheBarAboveTheDrawingAndNeverInIt) {
    const std::size_t drawn = opCount();
    cursor().goTo({9, Side::Lower});
    const tools::CursorMarker& marker = cursor().marker();
    ASSERT_TRUE(marker.isVisible());
    const std::array<float, 4> edges = marker.edges();
    EXPECT_LT(edges[0], 9.4f) << "left of the lower bar (n + 0.4 .. n + 0.8)";
    EXPECT_GT(edges[1], 9.8f);
    EXPECT_GT(edges[0], 9.0f);
    EXPECT_LT(edges[1], 10.0f) << "inside the column of 9";
    const double lowerValue = 10.0 / 9;
    EXPECT_GT(edges[2], target()) << "from just above the target line";
    EXPECT_LT(edges[3], lowerValue) << "to beyond the bar's end";
    EXPECT_EQ(opCount(), drawn) << "the marker is no drawing operation";

    // On the screen in its colour, in a saved picture not at all.
    const QColor colour = view::toQColor(tools::CursorMarker::kColour);
    EXPECT_GE(contrast(colour, QColor(228, 228, 228)), 4.5);
    const QImage screen = c().picContainer->grab().toImage();
    QImage saved(view::graphPanelSize(c()), QImage::Format_RGB32);
    QPainter painter(&saved);
    view::paintGraphPanel(painter, c());
    painter.end();
    const auto count = [&](const QImage& image) {
        int found = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) found += image.pixelColor(x, y) == colour ? 1 : 0;
        return found;
    };
    EXPECT_GT(count(screen), 20);
    EXPECT_EQ(count(saved), 0);

    // The pointer takes over, and a redraw wipes the marker.
    move(pixelAt(20.5, target() + 0.05));
    EXPECT_FALSE(marker.isVisible());
    EXPECT_EQ(cursor().position(), (Position{20, Side::Upper}));
    key(Qt::Key_Right);
    EXPECT_EQ(cursor().position(), (Position{21, Side::Upper}));
    EXPECT_TRUE(marker.isVisible());
    form().cmdZeichnen_Click();
    EXPECT_FALSE(marker.isVisible());
}

// The bar and the field stay where the class sees them; the window of
// denominators never changes by the cursor.
TEST_F(GraphCursorTest, PansToKeepBarAndFieldInViewWithinTheWindow) {
    const auto inView = [&] {
        const tools::SeenStretch seen = tools::seenStretch(c());
        const double left = c().picGraph->x() + graph().toPixels(cursor().position().n, 0).x();
        const double fieldRight = c().picGraph->x() + c().Text6->geometry().right();
        return left >= seen.left && fieldRight <= seen.right;
    };
    ASSERT_EQ(c().hscn->value(), 0);
    for (const int n : {5, 60, 300, 650, 120, 1}) {
        cursor().goTo({n, Side::Lower});
        EXPECT_TRUE(inView()) << n << " pan " << c().hscn->value();
        EXPECT_EQ(c().vscMassX->value(), 0);
    }
    EXPECT_EQ(c().hscn->value(), 0) << "back at the start";
    key(Qt::Key_End);
    EXPECT_EQ(cursor().position().n, 701);
    EXPECT_GT(c().hscn->value(), 700);
    key(Qt::Key_Right);
    EXPECT_EQ(cursor().position().n, 701);
    EXPECT_EQ(c().vscMassX->value(), 0);

    // A step that stays in view does not pan.
    cursor().goTo({300, Side::Upper});
    const Integer pan = c().hscn->value();
    key(Qt::Key_Right);
    EXPECT_EQ(c().hscn->value(), pan);
}

// The last window ends at 10000, whose readout comes from its left edge.
TEST_F(GraphCursorTest, StopsAt10000InTheLastWindow) {
    c().vscMassX->setValue(19);
    ASSERT_EQ(state().nStart, 9501.0);
    cursor().goTo({9600, Side::Lower});
    key(Qt::Key_End);
    EXPECT_EQ(cursor().position().n, 10000);
    EXPECT_EQ(c().Text6->crLfText().substr(0, 16), " 11180 / 10000 =");
    key(Qt::Key_Right);
    EXPECT_EQ(cursor().position().n, 10000);
    key(Qt::Key_Home);
    EXPECT_EQ(cursor().position().n, 9501);
}

// Every move tells a screen reader: the graph, which has the keyboard, reads
// the readout as its text and reports the new text.
std::vector<std::pair<QObject*, QAccessible::Event>>* seenEvents = nullptr;
void rememberEvent(QAccessibleEvent* event) {
    if (seenEvents != nullptr) seenEvents->emplace_back(event->object(), event->type());
}

TEST_F(GraphCursorTest, EveryMoveUpdatesTheAccessibleReadout) {
    std::vector<std::pair<QObject*, QAccessible::Event>> events;
    seenEvents = &events;
    QAccessible::installUpdateHandler(rememberEvent);
    QAccessible::setActive(true);
    const auto graphText = [this] {
        QAccessibleInterface* graph = QAccessible::queryAccessibleInterface(c().picGraph);
        return graph != nullptr && graph->textInterface() != nullptr ? graph->textInterface()->text(0, -1) : QString();
    };
    cursor().goTo({9, Side::Lower});
    EXPECT_EQ(graphText(), " 10 / 9 =\n 1.11111111111111\nZiel:\n 1.11803398874989\nGen.: 1/ 144    5");
    key(Qt::Key_Up);
    QAccessible::installUpdateHandler(nullptr);
    seenEvents = nullptr;

    EXPECT_EQ(graphText(), " 11 / 9 =\n 1.22222222222222\nZiel:\n 1.11803398874989\nGen.: 1/ 9   -79");
    // Events go out only where an accessibility bridge is active, which the
    // offscreen test screen may not have.
    if (!QAccessible::isActive()) GTEST_SKIP() << "no accessibility bridge on this platform";
    const auto count = [&](QObject* object, QAccessible::Event type) {
        return std::count(events.begin(), events.end(), std::make_pair(object, type));
    };
    EXPECT_GE(count(c().picGraph, QAccessible::TextUpdated), 2);
}

} // namespace
} // namespace velnorit
