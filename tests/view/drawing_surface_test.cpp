#include "view/drawing_surface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace velnorit::view {
namespace {

constexpr RgbValue kWhite = rgb(255, 255, 255);
constexpr RgbValue kBlack = rgb(0, 0, 0);
constexpr RgbValue kRed = rgb(255, 0, 0);
constexpr RgbValue kBlue = rgb(0, 0, 255);

RgbValue pixelAt(const QImage& image, int x, int y) { return fromQColor(image.pixelColor(x, y)); }

QImage rendered(DrawingSurface& surface) { return surface.grab().toImage(); }

// A surface of 200 x 100 pixels with one user unit per pixel, y downwards.
struct PixelSurface : ::testing::Test {
    PixelSurface() {
        surface.resize(200, 100);
        surface.scale(0, 0, 200, 100);
    }
    DrawingSurface surface;
};

// --- Coordinates and pen position

TEST(SurfaceScale, MapsUserUnitsToPixelsWithYUpwards) {
    DrawingSurface surface;
    surface.resize(400, 200);
    surface.scale(-2, 3, 6, -1); // 50 px per unit across, 50 px per unit up
    EXPECT_FLOAT_EQ(surface.scaleWidth(), 8);
    EXPECT_FLOAT_EQ(surface.scaleHeight(), -4);
    EXPECT_DOUBLE_EQ(surface.pixelsPerUnitX(), 50);
    EXPECT_DOUBLE_EQ(surface.pixelsPerUnitY(), -50);
    EXPECT_EQ(surface.toPixels(-2, 3), QPointF(0, 0));
    EXPECT_EQ(surface.toPixels(6, -1), QPointF(400, 200));
    EXPECT_EQ(surface.toPixels(0, 0), QPointF(100, 150));
    EXPECT_DOUBLE_EQ(surface.userXFromPixels(300), 4);
    EXPECT_DOUBLE_EQ(surface.userYFromPixels(50), 2);

    surface.setScaleWidth(4); // keeps the left edge
    surface.setScaleHeight(-2);
    EXPECT_EQ(surface.toPixels(-2, 3), QPointF(0, 0));
    EXPECT_EQ(surface.toPixels(2, 1), QPointF(400, 200));
}

TEST(SurfaceScale, InnerAreaLeavesOutTheContentsMargins) {
    DrawingSurface surface;
    surface.resize(220, 120);
    surface.setContentsMargins(10, 10, 10, 10);
    surface.scale(0, 0, 20, 10);
    EXPECT_EQ(surface.toPixels(0, 0), QPointF(10, 10));
    EXPECT_EQ(surface.toPixels(20, 10), QPointF(210, 110));
    EXPECT_DOUBLE_EQ(surface.userXFromPixels(110), 10);
}

double lineSpacingOf(const DrawingSurface& surface, float points) {
    QFont font(surface.font().family());
    font.setPointSizeF(points);
    return QFontMetricsF(font, &surface).lineSpacing();
}

TEST(SurfacePen, PrintMovesOneLineDownTheScreenAndBackToTheLeftEdge) {
    DrawingSurface surface;
    surface.resize(400, 200);
    surface.scale(-2, 3, 6, -1); // y upwards, 50 px per unit
    surface.setFontSize(12);
    surface.setCurrentX(1.5f);
    surface.setCurrentY(2);
    surface.print("Nenner");
    EXPECT_FLOAT_EQ(surface.currentX(), -2);
    EXPECT_NEAR(surface.currentY(), 2 - lineSpacingOf(surface, 12) / 50, 1e-5);

    surface.scale(0, 0, 400, 200); // y downwards, one unit per pixel
    surface.setCurrentY(10);
    surface.print("");
    EXPECT_NEAR(surface.currentY(), 10 + lineSpacingOf(surface, 12), 1e-4);
    ASSERT_EQ(surface.drawing().size(), 1u) << "an empty text draws nothing";
}

TEST(SurfacePen, PrintRecordsTheTextAtThePenAndNumbersWithATrailingBlank) {
    DrawingSurface surface;
    surface.setCurrentX(3);
    surface.setCurrentY(4);
    surface.setForeColor(kRed);
    surface.print("Zähler ∕ נ");
    surface.printNumber(5);
    surface.printNumber(-0.5);
    const RetainedDrawing& drawing = surface.drawing();
    ASSERT_EQ(drawing.size(), 3u);
    EXPECT_EQ(drawing.text(0), "Zähler ∕ נ");
    EXPECT_EQ(drawing[0].kind, OpKind::Text);
    EXPECT_EQ(drawing[0].color, kRed);
    EXPECT_FLOAT_EQ(drawing[0].x1, 3);
    EXPECT_FLOAT_EQ(drawing[0].y1, 4);
    EXPECT_EQ(drawing.text(1), " 5 ");
    EXPECT_EQ(drawing.text(2), "-.5 ");
}

TEST(SurfacePen, LineMovesThePenAndClsResetsItButKeepsTheScale) {
    DrawingSurface surface;
    surface.scale(-4.7f, 1.48f, 702, 0.75f);
    surface.line(1, 1, 2.5f, 0.9f, kBlack, LineMode::Box);
    EXPECT_FLOAT_EQ(surface.currentX(), 2.5f);
    EXPECT_FLOAT_EQ(surface.currentY(), 0.9f);
    EXPECT_EQ(surface.drawing()[0].kind, OpKind::Box);

    surface.cls();
    EXPECT_EQ(surface.drawing().size(), 0u);
    EXPECT_FLOAT_EQ(surface.currentX(), 0);
    EXPECT_FLOAT_EQ(surface.currentY(), 0);
    EXPECT_FLOAT_EQ(surface.scaleLeft(), -4.7f);
    EXPECT_FLOAT_EQ(surface.scaleHeight(), 0.75f - 1.48f);
}

TEST(SurfacePen, DrawWidthIsAtLeastOnePixel) {
    DrawingSurface surface;
    surface.setDrawWidth(0);
    EXPECT_EQ(surface.drawWidth(), 1);
    surface.setDrawWidth(3);
    surface.pset(1, 1, kBlack);
    EXPECT_EQ(surface.drawing()[0].width, 3);
}

// --- Painting

TEST_F(PixelSurface, LaterOperationsCoverEarlierOnes) {
    surface.setDrawWidth(3);
    surface.line(10, 50, 190, 50, kBlack);
    surface.setDrawWidth(1);
    surface.line(90, 40, 110, 60, kWhite, LineMode::FilledBox); // the eraser
    const QImage image = rendered(surface);
    EXPECT_EQ(pixelAt(image, 50, 50), kBlack);
    EXPECT_EQ(pixelAt(image, 50, 49), kBlack) << "a three-pixel pen";
    EXPECT_EQ(pixelAt(image, 100, 50), kWhite);
    EXPECT_EQ(pixelAt(image, 89, 50), kBlack);
}

TEST_F(PixelSurface, BoxesCirclesAndDotsLandOnTheirPixels) {
    surface.line(20, 20, 40, 30, kRed, LineMode::Box);
    surface.circle(100, 50, 20, kBlue);
    surface.pset(150, 80, kBlack);
    surface.setDrawWidth(2);
    surface.line(170, 20, 170, 20, kBlack); // a click of the free-hand pen
    surface.setDrawWidth(6);
    surface.line(180, 60, 180, 60, kBlack); // and of a wide one
    const QImage image = rendered(surface);

    EXPECT_EQ(pixelAt(image, 20, 20), kRed);
    EXPECT_EQ(pixelAt(image, 40, 30), kRed);
    EXPECT_EQ(pixelAt(image, 30, 30), kRed);
    EXPECT_EQ(pixelAt(image, 30, 25), kWhite) << "a box is not filled";

    EXPECT_EQ(pixelAt(image, 120, 50), kBlue);
    EXPECT_EQ(pixelAt(image, 100, 30), kBlue);
    EXPECT_EQ(pixelAt(image, 100, 50), kWhite) << "a circle is not filled";

    EXPECT_EQ(pixelAt(image, 150, 80), kBlack);
    EXPECT_EQ(pixelAt(image, 151, 80), kWhite);
    EXPECT_EQ(pixelAt(image, 150, 81), kWhite);

    EXPECT_EQ(pixelAt(image, 170, 20), kBlack) << "a segment of length zero leaves a dot";
    EXPECT_EQ(pixelAt(image, 171, 21), kBlack);
    EXPECT_EQ(pixelAt(image, 180, 60), kBlack);
    EXPECT_EQ(pixelAt(image, 182, 60), kBlack);
}

TEST_F(PixelSurface, InkStaysWhereItWasDrawnWhenTheScaleChanges) {
    surface.line(10, 10, 20, 20, kRed, LineMode::FilledBox);
    surface.scale(0, 0, 100, 50); // twice the pixels per unit
    surface.line(10, 10, 20, 20, kBlue, LineMode::FilledBox);
    surface.resize(300, 100); // and the surface grows
    const QImage image = rendered(surface);
    EXPECT_EQ(pixelAt(image, 15, 15), kRed);
    EXPECT_EQ(pixelAt(image, 30, 30), kBlue);
    EXPECT_EQ(pixelAt(image, 50, 50), kWhite);
    const RetainedDrawing& drawing = surface.drawing();
    EXPECT_NE(drawing.transform(0), drawing.transform(1));
}

TEST_F(PixelSurface, BackColorFillsWhatTheDrawingLeavesOpen) {
    surface.line(0, 0, 10, 10, kBlack, LineMode::FilledBox);
    surface.setBackColor(kBlue);
    const QImage image = rendered(surface);
    EXPECT_EQ(pixelAt(image, 5, 5), kBlack);
    EXPECT_EQ(pixelAt(image, 100, 50), kBlue);
}

TEST_F(PixelSurface, TextInkStaysInsideItsRecordedBounds) {
    surface.resize(700, 100);
    surface.scale(0, 0, 700, 100);
    const std::string texts[] = {" 1234 ", "Wägung MMM", "שלום עולם", "a\u0301\u0302\u0303e\u0308", "مرحبا",
                                 "Ågjpqy|"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        surface.cls();
        surface.setFontSize(14);
        surface.setCurrentX(20);
        surface.setCurrentY(30);
        surface.print(text);
        const QRect bounds = surface.drawing().pixelBounds(0).toAlignedRect();
        const QImage image = rendered(surface);
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (pixelAt(image, x, y) == kWhite) continue;
                ++inked;
                EXPECT_TRUE(bounds.contains(x, y)) << "ink at " << x << "," << y;
            }
        }
        EXPECT_GT(inked, 0);
    }
}

// Numbers are set from single glyphs for speed; they must come out as Qt's
// own text drawing puts them, kerning included ("11").
TEST_F(PixelSurface, NumbersLookAsQtSetsThem) {
    surface.setFont(QFont("Times New Roman")); // as the program sets it
    surface.resize(400, 60);
    surface.scale(0, 0, 400, 60);
    for (const float points : {8.0f, 9.75f, 14.0f}) {
        SCOPED_TRACE(points);
        const char* number = "-1.11803398874989E-05 7117 ";
        surface.cls();
        surface.setFontSize(points);
        surface.setCurrentX(10);
        surface.setCurrentY(20);
        surface.print(number);

        QImage expected(400, 60, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QFont font(surface.font().family());
        font.setPointSizeF(points);
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(10, 20 + QFontMetricsF(font, &surface).ascent()), QString::fromLatin1(number));
        painter.end();
        EXPECT_EQ(rendered(surface).convertToFormat(QImage::Format_RGB32), expected);
    }
}

TEST_F(PixelSurface, DecorationsLieAboveTheDrawing) {
    surface.line(0, 0, 100, 100, kBlack, LineMode::FilledBox);
    SurfaceRectangle* eraser = surface.addRectangle(10, 10, 10, 10, kRed);
    surface.addLine(50, 0, 50, 99, kBlue, 1);
    const QImage image = rendered(surface);
    EXPECT_EQ(pixelAt(image, 10, 10), kRed);
    EXPECT_EQ(pixelAt(image, 19, 19), kRed);
    EXPECT_EQ(pixelAt(image, 15, 15), kBlack) << "the rectangle is open inside";
    EXPECT_EQ(pixelAt(image, 20, 20), kBlack) << "ten pixels wide, not eleven";
    EXPECT_EQ(pixelAt(image, 50, 70), kBlue);

    eraser->setVisible(false);
    EXPECT_EQ(pixelAt(rendered(surface), 10, 10), kBlack);
}

// --- The column index

TEST(RetainedDrawingIndex, FindsExactlyTheOperationsNearARectangleInDrawingOrder) {
    DrawingSurface surface;
    surface.resize(30000, 1000);
    surface.scale(0, 0, 30000, 1000);
    surface.line(0, 500, 30000, 500, kBlack); // an axis across everything
    for (int x = 0; x < 30000; x += 100) {
        surface.line(static_cast<float>(x), 100, static_cast<float>(x + 150), 120, kBlack);
        surface.setCurrentX(static_cast<float>(x));
        surface.setCurrentY(800);
        surface.printNumber(x);
    }
    surface.circle(15000, 300, 400, kRed); // reaches over several columns

    // Across the border of two columns at x = 15,104 and down to the axis.
    const RetainedDrawing& drawing = surface.drawing();
    const QRectF query(15090, 90, 30, 420);
    const std::vector<std::uint32_t> found = drawing.opsTouching(query);

    std::vector<std::uint32_t> expected;
    for (std::uint32_t i = 0; i < drawing.size(); ++i) {
        const QRectF& bounds = drawing.pixelBounds(i);
        if (bounds.left() < query.right() && query.left() < bounds.right() && bounds.top() < query.bottom() &&
            query.top() < bounds.bottom())
            expected.push_back(i);
    }
    EXPECT_EQ(found, expected);
    // The axis, the segments from 15,000 and 15,100 and the circle; not the
    // numbers further down.
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0], 0u);
    EXPECT_FLOAT_EQ(drawing[found[1]].x1, 15000);
    EXPECT_FLOAT_EQ(drawing[found[2]].x1, 15100);
    EXPECT_EQ(drawing[found[3]].kind, OpKind::Circle);

    const std::vector<std::uint32_t> axis = drawing.opsTouching(QRectF(29990, 495, 5, 10));
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_EQ(axis[0], 0u);
}

TEST(RetainedDrawingIndex, ClearKeepsTheStorageAndSharesTransforms) {
    DrawingSurface surface;
    surface.resize(3000, 100);
    for (int i = 0; i < 1000; ++i) surface.printNumber(i);
    const std::size_t bytes = surface.drawing().memoryBytes();
    EXPECT_GT(bytes, 1000 * sizeof(DrawOp));
    surface.cls();
    EXPECT_EQ(surface.drawing().memoryBytes(), bytes);
    EXPECT_TRUE(surface.drawing().opsTouching(QRectF(0, 0, 3000, 100)).empty());

    surface.pset(1, 1, kBlack);
    surface.pset(2, 2, kBlack);
    surface.setScaleWidth(2);
    surface.pset(1, 1, kBlack);
    EXPECT_EQ(surface.drawing()[0].transform, surface.drawing()[1].transform);
    EXPECT_NE(surface.drawing()[1].transform, surface.drawing()[2].transform);
}

// --- Repainting

// Records the areas it is asked to paint.
class PaintRecordingSurface : public DrawingSurface {
public:
    QRegion painted;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        ++paints;
        DrawingSurface::paintEvent(event);
    }
};

struct SurfaceRepaint : ::testing::Test {
    SurfaceRepaint() {
        surface.resize(400, 300);
        surface.scale(0, 0, 400, 300);
        surface.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&surface));
        settle();
    }
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void forget() {
        settle();
        surface.painted = QRegion();
        surface.paints = 0;
    }
    PaintRecordingSurface surface;
};

TEST_F(SurfaceRepaint, InkRepaintsOnlyWhatItTouched) {
    forget();
    surface.setDrawWidth(3);
    surface.line(100, 100, 120, 110, kBlack);
    EXPECT_EQ(surface.paints, 0) << "nothing is painted before the event loop runs";
    settle();
    ASSERT_GT(surface.paints, 0);
    const QRect painted = surface.painted.boundingRect();
    EXPECT_TRUE(painted.contains(QRect(99, 99, 23, 13)));
    EXPECT_TRUE(QRect(90, 90, 40, 30).contains(painted)) << painted.x() << "," << painted.y();
}

TEST_F(SurfaceRepaint, ClsRepaintsTheWholeSurfaceOnce) {
    forget();
    surface.cls();
    for (int i = 0; i < 1000; ++i) surface.pset(static_cast<float>(i % 400), static_cast<float>(i % 300), kBlack);
    settle();
    EXPECT_EQ(surface.paints, 1);
    EXPECT_EQ(surface.painted, QRegion(surface.rect()));

    forget();
    surface.pset(10, 10, kBlack); // after that paint, ink is local again
    settle();
    EXPECT_TRUE(QRect(0, 0, 20, 20).contains(surface.painted.boundingRect()));
}

TEST_F(SurfaceRepaint, MovingADecorationRepaintsItsOldAndNewPlace) {
    SurfaceRectangle* eraser = surface.addRectangle(100, 100, 10, 10, kBlack);
    forget();
    eraser->setLeft(200);
    settle();
    EXPECT_TRUE(surface.painted.contains(QRect(100, 100, 10, 10)));
    EXPECT_TRUE(surface.painted.contains(QRect(200, 100, 10, 10)));
    EXPECT_FALSE(surface.painted.contains(QPoint(150, 105)));
    EXPECT_TRUE(QRect(95, 95, 120, 20).contains(surface.painted.boundingRect()));
}

// Showing a drawing step by step: the screen paints the first operations
// only and repaints just what appears; a file gets the whole drawing; any
// change of the drawing shows all of it again.
TEST_F(SurfaceRepaint, ShowsOnlyTheFirstOperationsOnTheScreen) {
    surface.line(10, 10, 50, 10, kRed, LineMode::FilledBox);   // 0
    surface.line(100, 100, 140, 140, kBlue, LineMode::FilledBox); // 1
    surface.line(300, 200, 340, 240, kBlack, LineMode::FilledBox); // 2
    forget();
    surface.setShownOperations(1);
    EXPECT_FALSE(surface.showsAllOperations());
    EXPECT_EQ(surface.shownOperations(), 1u);
    settle();
    EXPECT_TRUE(surface.painted.contains(QRect(101, 101, 38, 38)));
    EXPECT_FALSE(surface.painted.contains(QPoint(20, 20))) << "what stays is not painted again";
    QImage screen = rendered(surface);
    EXPECT_EQ(pixelAt(screen, 120, 120), kWhite);
    EXPECT_EQ(pixelAt(screen, 320, 220), kWhite);

    QImage file(surface.size(), QImage::Format_RGB32);
    QPainter painter(&file);
    surface.paintContent(painter, surface.rect());
    painter.end();
    EXPECT_EQ(pixelAt(file, 120, 120), kBlue);
    EXPECT_EQ(pixelAt(file, 320, 220), kBlack);

    forget();
    surface.setShownOperations(2);
    settle();
    EXPECT_TRUE(QRect(95, 95, 50, 50).contains(surface.painted.boundingRect()));
    screen = rendered(surface);
    EXPECT_EQ(pixelAt(screen, 120, 120), kBlue);
    EXPECT_EQ(pixelAt(screen, 320, 220), kWhite);
    surface.showAllOperations();
    EXPECT_EQ(pixelAt(rendered(surface), 320, 220), kBlack);

    const auto limitGoesBy = [this](const char* change, const std::function<void()>& act) {
        surface.setShownOperations(1);
        act();
        EXPECT_TRUE(surface.showsAllOperations()) << change;
    };
    limitGoesBy("append", [this] { surface.appendDrawing(surface.drawing().slice(2)); });
    limitGoesBy("truncate", [this] { surface.truncateDrawing(3); });
    QSignalSpy cleared(&surface, &DrawingSurface::cleared);
    limitGoesBy("cls", [this] { surface.cls(); });
    EXPECT_EQ(cleared.count(), 1);
}

// --- Decorations, children, pointer and mouse in user units

TEST(SurfaceDecorations, ReadBackInTheCurrentUserUnits) {
    DrawingSurface surface;
    surface.resize(400, 200);
    surface.scale(0, 4, 8, 0); // 50 px per unit, y upwards
    SurfaceRectangle* eraser = surface.addRectangle(2, 3, 10, 20, kBlack);
    EXPECT_EQ(eraser->pixelRect(), QRectF(100, 50, 10, 20));
    EXPECT_FLOAT_EQ(eraser->top(), 3) << "the upper edge on the screen";
    EXPECT_FLOAT_EQ(eraser->width(), 0.2f);
    EXPECT_FLOAT_EQ(eraser->height(), 0.4f);

    SurfaceLine* band = surface.addLine(1, 1, 3, 2, kBlack, 1);
    band->setX2(5);
    EXPECT_EQ(band->toPixels(), QPointF(250, 100));
    surface.scale(0, 0, 400, 200); // pixels as units: the decorations stay put
    EXPECT_FLOAT_EQ(band->x1(), 50);
    EXPECT_FLOAT_EQ(band->y2(), 100);
    EXPECT_FLOAT_EQ(eraser->left(), 100);
}

TEST(SurfaceChildren, PlacementRoundTripsInUserUnits) {
    DrawingSurface surface;
    surface.resize(400, 200);
    surface.scale(0, 4, 8, 0);
    QPushButton button(&surface);
    surface.placeChild(&button, 1.234f, 3.5f, 2.345f, 0.5f);
    EXPECT_EQ(button.geometry(), QRect(62, 25, 117, 25)); // 61.7, 25, 117.25 x 25, each rounded
    EXPECT_FLOAT_EQ(surface.childLeft(&button), 1.234f);
    EXPECT_FLOAT_EQ(surface.childTop(&button), 3.5f);
    EXPECT_FLOAT_EQ(surface.childWidth(&button), 2.345f);
    EXPECT_FLOAT_EQ(surface.childHeight(&button), 0.5f);

    surface.setChildTop(&button, 1);
    surface.setChildWidth(&button, 1);
    EXPECT_EQ(button.geometry(), QRect(62, 150, 50, 25));

    button.move(0, 0); // moved by other means: the widget's own place counts
    EXPECT_FLOAT_EQ(surface.childLeft(&button), 0);
    EXPECT_FLOAT_EQ(surface.childTop(&button), 4);

    surface.scale(0, 0, 800, 400); // two units per pixel; the child keeps its pixels
    EXPECT_EQ(button.pos(), QPoint(0, 0));
    EXPECT_FLOAT_EQ(surface.childWidth(&button), 100);
}

TEST(SurfacePointer, ShapesFollowTheirNumbers) {
    DrawingSurface surface;
    surface.setMousePointer(kCrossPointer);
    EXPECT_EQ(surface.cursor().shape(), Qt::CrossCursor);
    surface.setMousePointer(kSquarePointer);
    EXPECT_EQ(surface.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(surface.cursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(surface.cursor().pixmap().size(), QSize(32, 32));
    surface.setMousePointer(kDefaultPointer);
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(surface.mousePointer(), kDefaultPointer);
}

TEST(SurfaceMouse, ReportsUserUnitsAndClicks) {
    DrawingSurface surface;
    surface.resize(400, 200);
    surface.scale(-2, 3, 6, -1); // 50 px per unit, y upwards
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    QSignalSpy downs(&surface, &DrawingSurface::mouseDown);
    QSignalSpy moves(&surface, &DrawingSurface::mouseMove);
    QSignalSpy ups(&surface, &DrawingSurface::mouseUp);
    QSignalSpy clicks(&surface, &DrawingSurface::clicked);

    QTest::mousePress(&surface, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 150));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(downs[0][1].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(downs[0][2].toFloat(), 0);
    EXPECT_FLOAT_EQ(downs[0][3].toFloat(), 0);

    QTest::mouseMove(&surface, QPoint(125, 100));
    ASSERT_GE(moves.count(), 1);
    EXPECT_FLOAT_EQ(moves.last()[2].toFloat(), 0.5f);
    EXPECT_FLOAT_EQ(moves.last()[3].toFloat(), 1);

    QTest::mouseRelease(&surface, Qt::LeftButton, {}, QPoint(125, 100));
    ASSERT_EQ(ups.count(), 1);
    EXPECT_FLOAT_EQ(ups[0][2].toFloat(), 0.5f);
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(&surface, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(downs[1][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1) << "only the left button clicks";

    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, QPoint(450, 10));
    EXPECT_EQ(ups.count(), 3);
    EXPECT_FLOAT_EQ(ups.last()[2].toFloat(), 7) << "the pointer left the surface";
    EXPECT_EQ(clicks.count(), 1) << "released outside: no click";

    // A double-click, as the window system delivers it (press, release,
    // double-click in place of the second press, release), is one press with
    // two releases and one click.
    const QPoint place(30, 30);
    QTest::mousePress(&surface, Qt::LeftButton, {}, place);
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, place);
    QMouseEvent secondPress(QEvent::MouseButtonDblClick, QPointF(place), surface.mapToGlobal(QPointF(place)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&surface, &secondPress);
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, place);
    EXPECT_EQ(downs.count(), 4);
    EXPECT_EQ(ups.count(), 5);
    EXPECT_EQ(clicks.count(), 2);
}

} // namespace
} // namespace velnorit::view
