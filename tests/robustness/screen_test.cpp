// The window on the screen it runs on: ctest runs this program once per
// screen, from 640 x 480 to 3840 x 2160 and at a device-pixel ratio of 2
// (see tests.cmake). On every screen the program starts, fills the screen,
// keeps what the layout places inside the panel, and shows a readable graph
// and list:
//
// - The graph's visible part (between the legend column and the right
//   column, above the pan bar) is at least 250 x 250 pixels and shows at
//   least 15 denominators side by side; the labels of the first denominators
//   lie inside it, uncovered.
// - The list shows at least 12 whole lines; of the start-up list it shows the
//   header and, of every record, the fraction and its accuracy without
//   scrolling; the rest of a line (Pell term, star) can be scrolled into view.
// - Every font keeps its point size, and so its size in pixels at the
//   screen's 96 dpi, whatever the screen's size or pixel ratio.
// - The window is painted at the screen's pixel ratio, and its drawing lies
//   where the layout puts it.
#include "../support/form_fixture.h"

#include "core/number_format.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace velnorit {
namespace {

using view::DrawingSurface;

constexpr int kSmallestGraphSide = 250;
constexpr double kFewestDenominatorsShown = 15;
constexpr int kFewestListLines = 12;
constexpr int kFirstLabelsChecked = 5;

constexpr int kSampledSpots = 20;

const QColor kGraphBackground(228, 228, 228);
constexpr view::RgbValue kDenominatorBlue = view::rgb(5, 0, 195);

class OnThisScreen : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const QScreen& s = *QGuiApplication::primaryScreen();
        std::printf("Screen %d x %d at device-pixel ratio %g\n", s.geometry().width(), s.geometry().height(),
                    s.devicePixelRatio());
    }

    OnThisScreen() { EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get())); }

    std::unique_ptr<shell::Form1> form = testing::startedForm();
    const view::FormControls& c = form->controls();
    const QScreen& screen = *QGuiApplication::primaryScreen();
    DrawingSurface& panel = *c.picContainer;
    DrawingSurface& graph = *c.picGraph;

    bool isSmallerThanTheArrangement() const {
        return screen.geometry().width() < 800 || screen.geometry().height() < 600;
    }

    QRect inPanel(const QWidget* child) const { return QRect(child->mapTo(&panel, QPoint(0, 0)), child->size()); }
    QRect panelRect() const { return QRect(QPoint(0, 0), panel.size()); }

    // The part of the graph not covered by the legend column, the right
    // column or the pan bar, in the panel's pixels.
    QRect visibleGraph() const {
        const int left = c.picLegende->geometry().right() + 1;
        const int right = std::min(c.Picture1->x(), c.Text5->x());
        return QRect(QPoint(left, 0), QPoint(right - 1, c.hscn->y() - 1)).intersected(inPanel(&graph));
    }

    // The control the user sees at a point of the panel.
    QWidget* shownAt(QPoint inPanelPixels) const {
        return QApplication::widgetAt(panel.mapToGlobal(inPanelPixels));
    }
};

TEST_F(OnThisScreen, StartsAndFillsTheScreen) {
    EXPECT_EQ(form->frameGeometry(), screen.geometry());
    EXPECT_EQ(form->geometry(), screen.geometry());
    EXPECT_EQ(form->state().n, 10001) << "the first graph is drawn";
    EXPECT_TRUE(QRect(QPoint(0, 0), c.clientArea->size()).contains(panel.geometry()));
    // Below 800 x 600 the window shows the arrangement of that size in a
    // scrolling client area; from there on the panel lies inside the window.
    if (isSmallerThanTheArrangement()) {
        auto* scroller = qobject_cast<QScrollArea*>(form->centralWidget());
        ASSERT_NE(scroller, nullptr);
        EXPECT_EQ(panel.size(), QSize(776, 520));
        EXPECT_GE(scroller->horizontalScrollBar()->maximum() + scroller->viewport()->width(),
                  c.clientArea->minimumWidth());
        EXPECT_GE(scroller->verticalScrollBar()->maximum() + scroller->viewport()->height(),
                  c.clientArea->minimumHeight());
    } else {
        EXPECT_TRUE(form->rect().contains(QRect(panel.mapTo(form.get(), QPoint(0, 0)), panel.size())));
    }
}

// Every item of the menu bar shows in full, none in an overflow menu.
TEST_F(OnThisScreen, ShowsTheWholeMenuBar) {
    const QMenuBar& bar = *form->menuBar();
    ASSERT_EQ(bar.actions().size(), 6); // the five of the window and "Extras"
    for (QAction* item : bar.actions()) {
        const QRect place = bar.actionGeometry(item);
        EXPECT_FALSE(place.isEmpty()) << item->text().toStdString();
        EXPECT_TRUE(bar.rect().contains(place)) << item->text().toStdString();
    }
}

// The panel's children, except the graph that is sixteen panels wide, lie
// inside the panel; the graph fills the panel's height above the pan bar.
TEST_F(OnThisScreen, KeepsEveryChildOfThePanelInside) {
    for (QWidget* child : {static_cast<QWidget*>(c.Frame1), static_cast<QWidget*>(c.Frame2),
                           static_cast<QWidget*>(c.Frame3), static_cast<QWidget*>(c.Text2),
                           static_cast<QWidget*>(c.Text5), static_cast<QWidget*>(c.Picture1),
                           static_cast<QWidget*>(c.picLegende), static_cast<QWidget*>(c.hscn)}) {
        const QRect g = child->geometry();
        EXPECT_GT(g.width(), 0) << child->metaObject()->className();
        EXPECT_GT(g.height(), 0) << child->metaObject()->className();
        EXPECT_TRUE(panelRect().contains(g)) << child->metaObject()->className() << " at " << g.x() << ", " << g.y();
    }
    EXPECT_EQ(c.Picture1->geometry().right(), panel.width() - 1);
    EXPECT_EQ(c.Text5->geometry().right(), panel.width() - 1);
    EXPECT_EQ(graph.x(), 0);
    EXPECT_EQ(graph.y(), 0);
    EXPECT_LE(graph.geometry().bottom(), c.hscn->y());
    EXPECT_EQ(graph.width(), 16 * panel.width());
}

// The formula panel keeps its size in twips on every screen, and with it
// every control on it.
TEST_F(OnThisScreen, KeepsTheFormulaPanelWhole) {
    for (QObject* object : c.Picture1->children()) {
        if (auto* control = qobject_cast<QWidget*>(object)) {
            EXPECT_TRUE(c.Picture1->rect().contains(control->geometry())) << control->metaObject()->className();
        }
    }
}

// The frames take a share of the panel while their contents keep their size
// in twips: on every screen (the smaller ones arranged as 800 x 600) nothing
// in them is cut off.
TEST_F(OnThisScreen, KeepsTheFramesWhole) {
    for (QGroupBox* frame : {c.Frame1, c.Frame2, c.Frame3}) {
        for (QObject* object : frame->children()) {
            if (auto* control = qobject_cast<QWidget*>(object)) {
                EXPECT_TRUE(frame->rect().contains(control->geometry()))
                    << frame->title().toStdString() << ": " << control->metaObject()->className();
            }
        }
    }
}

TEST_F(OnThisScreen, ShowsAReadableGraph) {
    const QRect shown = visibleGraph();
    EXPECT_GE(shown.width(), kSmallestGraphSide);
    EXPECT_GE(shown.height(), kSmallestGraphSide);
    EXPECT_GE(shown.width() / graph.pixelsPerUnitX(), kFewestDenominatorsShown);

    // The labels of the first denominators, as the glyphs' ink lies.
    const double nStart = form->state().nStart.value_or(0);
    const view::RetainedDrawing& drawing = graph.drawing();
    QFont labelFont(graph.font().family());
    labelFont.setWeight(graph.font().weight());
    int checked = 0;
    for (std::size_t i = 0; i < drawing.size() && checked < kFirstLabelsChecked; ++i) {
        const view::DrawOp& op = drawing[i];
        const std::string text(drawing.text(i));
        if (op.kind != view::OpKind::Text || op.color != kDenominatorBlue) continue;
        const double n = std::round(op.x1 - 0.1);
        if (n < nStart || text != strForm(n)) continue;

        labelFont.setPointSizeF(op.fontSize);
        const QFontMetricsF metrics(labelFont, &graph);
        const QPointF topLeft = graph.toPixels(op.x1, op.y1);
        const QRectF ink = metrics.tightBoundingRect(QString::fromStdString(text))
                               .translated(topLeft.x(), topLeft.y() + metrics.ascent())
                               .translated(graph.mapTo(&panel, QPoint(0, 0)));
        EXPECT_TRUE(QRectF(shown).contains(ink)) << "label of " << n;
        EXPECT_EQ(shownAt(ink.center().toPoint()), &graph) << "label of " << n << " covered";
        ++checked;
    }
    EXPECT_EQ(checked, kFirstLabelsChecked);
}

// A record line is "  >" or "  <", the fraction, six blanks, " 1/" and m
// (unless the fraction is exact), three blanks, the Pell term and perhaps a
// star: what must show is everything before those three blanks.
QString withoutPellTerm(const QString& line) {
    const qsizetype afterFraction = line.indexOf(QStringLiteral("      "));
    if (afterFraction < 0) return line; // a header line
    return line.left(line.indexOf(QStringLiteral("   "), afterFraction + 6));
}

TEST_F(OnThisScreen, ShowsAReadableList) {
    view::MultiLineBox& list = *c.Text5;
    ASSERT_TRUE(list.isVisible());
    const QFontMetrics metrics(list.font());
    EXPECT_GE(list.viewport()->height() / metrics.lineSpacing(), kFewestListLines);

    const QStringList lines = list.toPlainText().split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 20);
    int widest = 0;
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(withoutPellTerm(line)), list.viewport()->width()) << line.toStdString();
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    EXPECT_GE(list.horizontalScrollBar()->maximum() + list.viewport()->width(), widest)
        << "the widest line can be scrolled into view";
}

TEST_F(OnThisScreen, KeepsThePointSizesOfTheFonts) {
    struct Expected {
        const QWidget* control;
        double points;
        bool bold;
    };
    const Expected fonts[] = {{c.Text5, 12, false},      {c.Frame1, 11.25, true},     {c.Frame2, 11.25, true},
                              {c.Frame3, 11.25, true},   {c.Text1[0], 8.25, false},   {c.Text1[1], 8.25, false},
                              {c.txtWurzel, 14.25, true}, {c.txtNenner, 14.25, true}, {c.Option1[0], 9.75, false},
                              {c.Option1[1], 12, false}, {c.Option2[0], 9.75, false}, {c.Text3, 11.25, false},
                              {c.Text6, 12, true},       {c.picGraph, 9.75, false},   {c.picLegende, 9.75, false}};
    for (const Expected& e : fonts) {
        const QFont font = e.control->font();
        const char* name = e.control->metaObject()->className();
        EXPECT_DOUBLE_EQ(font.pointSizeF(), e.points) << name;
        EXPECT_EQ(font.bold(), e.bold) << name;
        EXPECT_EQ(QFontInfo(font).pixelSize(), std::lround(e.points * 96 / 72)) << name;
    }
    EXPECT_EQ(graph.fontSize(), 9.75f);
}

// A grab of the window has the screen's pixel ratio, and everything lies
// where the layout puts it: filled bars and boxes of the graph (where
// nothing is drawn over their middle) have their colours, empty spots of the
// graph its background, and so do the formula panel and the colour boxes
// (where the frame shows them).
TEST_F(OnThisScreen, PaintsAtThePixelRatioOfTheScreen) {
    const double ratio = screen.devicePixelRatio();
    const QImage window = form->grab().toImage();
    ASSERT_EQ(window.size(), form->size() * ratio);

    // Every device pixel of a window pixel.
    const auto expectColourAt = [&](QPoint inWindow, const QColor& colour, const char* what) {
        for (int dy = 0; dy < ratio; ++dy)
            for (int dx = 0; dx < ratio; ++dx)
                EXPECT_EQ(window.pixelColor(static_cast<int>(inWindow.x() * ratio) + dx,
                                            static_cast<int>(inWindow.y() * ratio) + dy),
                          colour)
                    << what << " at " << inWindow.x() << ", " << inWindow.y();
    };
    const QRect shown = visibleGraph().translated(panel.mapTo(form.get(), QPoint(0, 0)));
    const auto graphShowsAt = [&](QPoint inWindow) {
        return shown.contains(inWindow) && QApplication::widgetAt(form->mapToGlobal(inWindow)) == &graph;
    };

    const view::RetainedDrawing& drawing = graph.drawing();
    int boxes = 0;
    for (std::size_t i = 0; i < drawing.size() && boxes < kSampledSpots; ++i) {
        const view::DrawOp& op = drawing[i];
        if (op.kind != view::OpKind::FilledBox) continue;
        const QPointF corner1 = graph.toPixels(op.x1, op.y1);
        const QPointF corner2 = graph.toPixels(op.x2, op.y2);
        if (std::abs(corner2.x() - corner1.x()) < 3 || std::abs(corner2.y() - corner1.y()) < 3) continue;
        const QPoint middle = ((corner1 + corner2) / 2).toPoint();
        const std::vector<std::uint32_t> over = drawing.opsTouching(QRectF(middle - QPointF(1, 1), QSizeF(3, 3)));
        if (over.empty() || over.back() != i) continue;
        const QPoint at = graph.mapTo(form.get(), middle);
        if (!graphShowsAt(at)) continue;
        expectColourAt(at, view::toQColor(op.color), "filled box");
        ++boxes;
    }
    EXPECT_GE(boxes, 5);

    int blanks = 0;
    for (int y = shown.top() + 10; y < shown.bottom() && blanks < kSampledSpots; y += 23) {
        for (int x = shown.left() + 10; x < shown.right() && blanks < kSampledSpots; x += 17) {
            const QPoint inGraph = graph.mapFrom(form.get(), QPoint(x, y));
            if (!drawing.opsTouching(QRectF(inGraph - QPointF(4, 4), QSizeF(9, 9))).empty()) continue;
            if (!graphShowsAt(QPoint(x, y))) continue;
            expectColourAt(QPoint(x, y), kGraphBackground, "graph background");
            ++blanks;
        }
    }
    EXPECT_GE(blanks, 5);

    expectColourAt(c.Picture1->mapTo(form.get(), QPoint(3, 3)), QColor(240, 240, 240), "formula panel");
    for (const auto& [box, colour] : {std::pair{c.Picture2[3], QColor(235, 0, 0)},
                                      std::pair{c.Picture2[2], QColor(255, 255, 0)}}) {
        const QPoint centre = box->mapTo(form.get(), box->rect().center());
        if (QApplication::widgetAt(form->mapToGlobal(centre)) == box) {
            expectColourAt(centre, colour, "colour box");
        }
    }
}

} // namespace
} // namespace velnorit
