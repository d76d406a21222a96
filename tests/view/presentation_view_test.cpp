// The magnified view of a drawing surface: the stretch it shows, its mouse
// in the surface's user units, and how it follows every change of the
// surface. (Its steps of magnification are tried by key in presentation_test.)
#include "view/presentation_view.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

namespace velnorit::view {
namespace {

constexpr RgbValue kGrey = rgb(228, 228, 228);
constexpr RgbValue kRed = rgb(250, 0, 0);
constexpr RgbValue kYellow = rgb(255, 255, 0);

// A surface of 2000 x 600 pixels, x from 0 to 100 units, y upwards from -3
// to 3, and an 800 x 600 view of it.
struct SurfaceAndView {
    SurfaceAndView() {
        surface.resize(2000, 600);
        surface.scale(0, 3, 100, -3);
        surface.setBackColor(kGrey);
        view.resize(800, 600);
    }
    DrawingSurface surface;
    PresentationView view{surface};
};

TEST(PresentationViewGeometry, ShowsTheStretchAroundItsCentreInsideTheSurface) {
    const struct {
        double magnification, centre, row, share;
        QRectF shown;
    } cases[] = {
        {2.5, 1000, 300, 0.12, {840, 300 - 0.12 * 240, 320, 240}},
        {2.5, 50, 300, 0.12, {0, 300 - 0.12 * 240, 320, 240}},      // kept inside at the left edge
        {2.5, 1990, 300, 0.12, {1680, 300 - 0.12 * 240, 320, 240}}, // and at the right edge
        {2.5, 1000, 10, 0.12, {840, 0, 320, 240}},                  // at the top
        {2.5, 1000, 590, 0.5, {840, 360, 320, 240}},                 // at the bottom
        {4.0, 1000, 300, 0.5, {900, 225, 200, 150}},
        {1.0, 1000, 300, 0.12, {600, 0, 800, 600}},                  // the whole height
        {0.5, 1000, 300, 0.12, {200, -300, 1600, 1200}},             // higher than the surface: centred
        {0.25, 1000, 300, 0.12, {-600, -900, 3200, 2400}},           // wider too
    };
    for (const auto& c : cases) {
        SurfaceAndView s;
        s.view.setMagnification(c.magnification);
        s.view.centreOn(c.centre);
        s.view.keepRow(c.row, c.share);
        SCOPED_TRACE(testing::Message() << c.magnification << " " << c.centre << " " << c.row);
        const QRectF shown = s.view.shownArea();
        EXPECT_DOUBLE_EQ(shown.left(), c.shown.left());
        EXPECT_DOUBLE_EQ(shown.top(), c.shown.top());
        EXPECT_DOUBLE_EQ(shown.width(), c.shown.width());
        EXPECT_DOUBLE_EQ(shown.height(), c.shown.height());

        // Both ways between the view's pixels, the surface's and its units.
        for (const QPointF viewPixel : {QPointF(0, 0), QPointF(400, 300), QPointF(799.5, 17.25), QPointF(3, 599)}) {
            const QPointF onSurface = s.view.surfacePixelAt(viewPixel);
            EXPECT_NEAR(onSurface.x(), shown.left() + viewPixel.x() / c.magnification, 1e-9);
            EXPECT_NEAR(onSurface.y(), shown.top() + viewPixel.y() / c.magnification, 1e-9);
            const QPointF back = s.view.viewPixelAt(onSurface);
            EXPECT_NEAR(back.x(), viewPixel.x(), 1e-9);
            EXPECT_NEAR(back.y(), viewPixel.y(), 1e-9);
            const QPointF user = s.view.userPointAt(viewPixel);
            EXPECT_DOUBLE_EQ(user.x(), s.surface.userXFromPixels(onSurface.x()));
            EXPECT_DOUBLE_EQ(user.y(), s.surface.userYFromPixels(onSurface.y()));
        }
    }
}

// A move straight to the widget, whatever lies on the screen there.
void sendMove(QWidget* widget, QPointF pixel, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, pixel, widget->mapToGlobal(pixel), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The view reports a mouse event at a pixel as the surface reports one at
// the surface's pixel beneath it: the same floats, bit for bit.
TEST(PresentationViewMouse, ReportsWhatTheSurfaceReportsBeneathIt) {
    SurfaceAndView s;
    s.surface.show();
    s.view.setMagnification(2.5);
    s.view.centreOn(1000); // shows from 840 on
    s.view.keepRow(300, 0.5);
    s.view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s.view));
    ASSERT_EQ(s.view.shownArea().topLeft(), QPointF(840, 180));
    QSignalSpy surfaceMoves(&s.surface, &DrawingSurface::mouseMove);
    QSignalSpy viewMoves(&s.view, &PresentationView::mouseMove);
    for (const QPoint surfacePixel : {QPoint(840, 180), QPoint(1001, 317), QPoint(1159, 419), QPoint(900, 300)}) {
        const QPointF viewPixel = s.view.viewPixelAt(surfacePixel);
        sendMove(&s.surface, surfacePixel);
        sendMove(&s.view, viewPixel);
        ASSERT_FALSE(surfaceMoves.isEmpty());
        ASSERT_FALSE(viewMoves.isEmpty());
        EXPECT_EQ(viewMoves.last()[2].toFloat(), surfaceMoves.last()[2].toFloat()) << surfacePixel.x();
        EXPECT_EQ(viewMoves.last()[3].toFloat(), surfaceMoves.last()[3].toFloat()) << surfacePixel.y();
    }
}

TEST(PresentationViewMouse, PressesAndReleasesAndAStrokeCutShortByAHide) {
    SurfaceAndView s;
    s.view.centreOn(1000);
    s.view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s.view));
    QSignalSpy downs(&s.view, &PresentationView::mouseDown);
    QSignalSpy ups(&s.view, &PresentationView::mouseUp);

    QTest::mousePress(&s.view, Qt::RightButton, Qt::ShiftModifier, QPoint(100, 100));
    QTest::mouseRelease(&s.view, Qt::RightButton, {}, QPoint(120, 100));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(downs[0][1].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0][2].toFloat(), static_cast<float>(s.view.userPointAt(QPointF(120, 100)).x()));

    // A double-click is one press and two releases, as on the surface.
    QTest::mousePress(&s.view, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseRelease(&s.view, Qt::LeftButton, {}, QPoint(30, 30));
    QMouseEvent secondPress(QEvent::MouseButtonDblClick, QPointF(30, 30), s.view.mapToGlobal(QPointF(30, 30)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s.view, &secondPress);
    QTest::mouseRelease(&s.view, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(ups.count(), 3);

    // Hidden with the button held: the stroke ends where the pointer was last.
    QTest::mousePress(&s.view, Qt::LeftButton, {}, QPoint(200, 200));
    sendMove(&s.view, QPointF(260, 240), Qt::LeftButton);
    s.view.hide();
    ASSERT_EQ(ups.count(), 4);
    EXPECT_EQ(ups.last()[0].value<Qt::MouseButton>(), Qt::LeftButton);
    const QPointF last = s.view.userPointAt(QPointF(260, 240));
    EXPECT_EQ(ups.last()[2].toFloat(), static_cast<float>(last.x()));
    EXPECT_EQ(ups.last()[3].toFloat(), static_cast<float>(last.y()));
    s.view.show();
    s.view.hide();
    EXPECT_EQ(ups.count(), 4) << "no button held any more";
}

// --- Following the surface

// Records the areas it is asked to paint.
class PaintRecordingView : public PresentationView {
public:
    using PresentationView::PresentationView;
    QRegion painted;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        ++paints;
        PresentationView::paintEvent(event);
    }
};

// The surface itself is never shown, as a graph covered by the view on the
// one screen there is: it never paints, and the view must follow it all
// the same.
struct ViewRepaint : ::testing::Test {
    ViewRepaint() {
        surface.resize(2000, 600);
        surface.scale(0, 3, 100, -3); // 20 pixels per unit across, 100 up
        surface.setBackColor(kGrey);
        view.resize(800, 600);
        view.centreOn(1000);       // units 42 to 58
        view.keepRow(300, 0.5);     // y from 1.2 to -1.2
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        forget();
    }
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void forget() {
        settle();
        view.painted = QRegion();
        view.paints = 0;
    }
    // Where a rectangle of the surface's pixels lies in the view.
    QRect inView(const QRectF& surfacePixels) const {
        return QRectF(view.viewPixelAt(surfacePixels.topLeft()), view.viewPixelAt(surfacePixels.bottomRight()))
            .toAlignedRect();
    }
    RgbValue shown(QPointF surfacePixel) {
        const QPoint at = view.viewPixelAt(surfacePixel).toPoint();
        return fromQColor(view.grab().toImage().pixelColor(at));
    }
    DrawingSurface surface;
    PaintRecordingView view{surface};
};

TEST_F(ViewRepaint, InkInViewRepaintsWhereItLiesAndInkElsewhereNothing) {
    surface.line(50, 0.5f, 51, -0.5f, kRed, LineMode::FilledBox); // pixels 1000..1020 x 250..350
    EXPECT_EQ(view.paints, 0) << "nothing is painted before the event loop runs";
    settle();
    ASSERT_GT(view.paints, 0);
    const QRect box = inView(QRectF(1000, 250, 20, 100));
    EXPECT_TRUE(view.painted.contains(box));
    EXPECT_TRUE(box.adjusted(-8, -8, 8, 8).contains(view.painted.boundingRect()));
    EXPECT_EQ(shown(QPointF(1010, 300)), kRed);

    forget();
    surface.line(10, 0.5f, 11, -0.5f, kRed, LineMode::FilledBox); // far left of the stretch shown
    settle();
    EXPECT_EQ(view.paints, 0);
}

TEST_F(ViewRepaint, ARedrawRepaintsTheWholeViewOnceAndInkAfterItOnlyItsPlace) {
    surface.cls();
    for (int i = 0; i < 2000; ++i)
        surface.pset(static_cast<float>(i % 100), static_cast<float>(i % 6) - 2.5f, kRed);
    settle();
    EXPECT_EQ(view.paints, 1);
    EXPECT_EQ(view.painted, QRegion(view.rect()));

    // The surface has not painted itself (it is not shown) and still waits
    // for a whole repaint: the view follows each operation all the same.
    forget();
    surface.setDrawWidth(3);
    surface.line(49, 1, 51, 1, kYellow);
    settle();
    const QRect segment = inView(QRectF(980, 200, 40, 1));
    EXPECT_TRUE(view.painted.contains(segment.adjusted(0, 1, 0, -1)));
    EXPECT_TRUE(segment.adjusted(-12, -12, 12, 12).contains(view.painted.boundingRect()));
    EXPECT_EQ(shown(QPointF(1000, 200)), kYellow);
}

TEST_F(ViewRepaint, DecorationsUndoAndTheShownOperationsFollow) {
    SurfaceRectangle* eraser = surface.addRectangle(45, 1, 10, 10, kRed);
    forget();
    eraser->setLeft(55);
    settle();
    EXPECT_TRUE(view.painted.contains(inView(QRectF(900, 200, 10, 10)).adjusted(1, 1, -1, -1)));
    EXPECT_TRUE(view.painted.contains(inView(QRectF(1100, 200, 10, 10)).adjusted(1, 1, -1, -1)));
    EXPECT_EQ(shown(QPointF(1100, 205)), kRed) << "the outline's left edge";

    surface.line(50, 0.5f, 51, -0.5f, kRed, LineMode::FilledBox);
    const std::size_t before = surface.drawing().size();
    surface.line(47, 0.5f, 48, -0.5f, kYellow, LineMode::FilledBox);
    forget();
    surface.truncateDrawing(before); // undo
    settle();
    EXPECT_GT(view.paints, 0);
    EXPECT_EQ(shown(QPointF(950, 300)), kGrey);

    surface.setShownOperations(0); // a step-by-step reveal at its start
    settle();
    EXPECT_EQ(shown(QPointF(1010, 300)), kGrey);
    surface.showAllOperations();
    settle();
    EXPECT_EQ(shown(QPointF(1010, 300)), kRed);
}

TEST_F(ViewRepaint, MovingOrMagnifyingTheViewRepaintsAllOfIt) {
    for (const auto& change : std::initializer_list<std::function<void()>>{
             [this] { view.shiftBy(20); }, [this] { view.magnify(); }, [this] { view.keepRow(250, 0.5); }}) {
        forget();
        change();
        settle();
        EXPECT_EQ(view.paints, 1);
        EXPECT_EQ(view.painted, QRegion(view.rect()));
    }
    forget();
    view.centreOn(view.centre()); // no change, no paint
    settle();
    EXPECT_EQ(view.paints, 0);
}

} // namespace
} // namespace velnorit::view
