#pragma once

#include "view/colors.h"
#include "view/retained_drawing.h"
#include "view/surface_fonts.h"

#include <QWidget>

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

namespace velnorit::view {

class SurfaceLine;
class SurfaceRectangle;

enum class LineMode { Segment, Box, FilledBox };

// Mouse pointer shapes of a surface.
enum MousePointerShape { kDefaultPointer = 0, kCrossPointer = 2, kSquarePointer = 4 };

// A picture area: a widget with its own user coordinate system, a pen, and a
// retained drawing that stays until the next cls().
//
// Coordinates, radii and pen positions are single-precision user units.
// Scale (x1, y1)-(x2, y2) puts x1 at the left edge, x2 at the right edge, y1
// at the top edge and y2 at the bottom edge of the inner area, so y2 < y1
// makes y grow upwards.
//
// Every operation is recorded as it is called (see RetainedDrawing), together
// with the mapping to pixels in effect at that moment: like ink on paper, a
// drawing stays where it was drawn when the scale or the size changes later.
// Recording only marks the widget for repainting; nothing is painted until
// control returns to the event loop, and paintEvent paints only the
// operations that touch the exposed rectangle.
//
// Child widgets and decorations (lines and rectangles that lie above the
// retained drawing and below the child widgets) are placed in user units.
class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget* parent = nullptr);
    ~DrawingSurface() override;

    // --- Coordinate system
    void scale(float x1, float y1, float x2, float y2);
    void setScaleWidth(float width);   // keeps ScaleLeft
    void setScaleHeight(float height); // keeps ScaleTop
    float scaleLeft() const { return scaleLeft_; }
    float scaleTop() const { return scaleTop_; }
    float scaleWidth() const { return scaleWidth_; }
    float scaleHeight() const { return scaleHeight_; }

    // Conversions between user units and pixels of the inner area, with the
    // current scale and size.
    QPointF toPixels(double x, double y) const;
    double userXFromPixels(double px) const;
    double userYFromPixels(double py) const;
    double pixelsPerUnitX() const; // signed
    double pixelsPerUnitY() const; // signed

    // --- Drawing operations
    void cls();
    void line(float x1, float y1, float x2, float y2, RgbValue color, LineMode mode = LineMode::Segment);
    void circle(float x, float y, float radius, RgbValue color); // radius in units of the x axis
    void pset(float x, float y, RgbValue color);
    void print(std::string_view utf8Text); // the text as it stands
    void printNumber(double value);        // its Str form followed by one blank

    // --- Pen and text state
    float currentX() const { return currentX_; }
    float currentY() const { return currentY_; }
    void setCurrentX(float x) { currentX_ = x; }
    void setCurrentY(float y) { currentY_ = y; }
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);
    RgbValue foreColor() const { return foreColor_; }
    void setForeColor(RgbValue color) { foreColor_ = color; }
    RgbValue backColor() const { return backColor_; }
    void setBackColor(RgbValue color);
    float fontSize() const { return fontSize_; }
    void setFontSize(float points) { fontSize_ = points; }
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int shape);

    // --- The retained drawing, for painting and inspection
    const RetainedDrawing& drawing() const { return *drawing_; }

    // Cuts the drawing back to its first count operations, or adds recorded
    // ones again as they were drawn (undo and redo of the blackboard).
    void truncateDrawing(std::size_t count);
    void appendDrawing(const DrawingSlice& slice);

    // The background and the retained drawing inside the exposed rectangle
    // (widget pixels), with a painter whose origin is the widget's top-left
    // corner. The screen, the saved picture and the printer all paint so.
    void paintContent(QPainter& painter, const QRect& exposed);
    // What the screen shows inside the exposed rectangle: the background,
    // the operations shown so far and the decorations above them. The
    // surface paints itself so, and so does a magnified view of it through
    // a scaled painter.
    void paintOnScreen(QPainter& painter, const QRect& exposed);

    // On the screen only the first count operations of the drawing paint,
    // until showAllOperations() or the drawing changes (cls, truncate,
    // append); files and printers always get the whole drawing. Showing a
    // redraw step by step moves this limit.
    void setShownOperations(std::size_t count);
    void showAllOperations();
    bool showsAllOperations() const { return shownLimit_ == kAllOperations; }
    std::size_t shownOperations() const { return std::min(shownLimit_, drawing_->size()); }

    // --- Child widgets, placed in this surface's user units. The exact
    // placement is kept, so reading it back gives what was set (the widget's
    // own geometry is that placement rounded to whole pixels).
    void placeChild(QWidget* child, float left, float top, float width, float height);
    void setChildLeft(QWidget* child, float left);
    void setChildTop(QWidget* child, float top);
    void setChildWidth(QWidget* child, float width);
    void setChildHeight(QWidget* child, float height);
    float childLeft(const QWidget* child) const;
    float childTop(const QWidget* child) const;
    float childWidth(const QWidget* child) const;  // positive
    float childHeight(const QWidget* child) const; // positive

    // --- Decorations: owned by the surface, painted above the retained
    // drawing in the order they were added (later ones on top).
    SurfaceLine* addLine(float x1, float y1, float x2, float y2, RgbValue color, int widthPixels);
    SurfaceRectangle* addRectangle(float left, float top, float widthPixels, float heightPixels, RgbValue border);

signals:
    // x and y in user units, as single-precision numbers.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x, float y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void clicked(); // press and release of the left button inside the surface
    void backColorChanged(); // setBackColor with another colour
    void cleared(); // cls() has wiped the drawing
    // The pixels in this rectangle (widget pixels) look different at the
    // next paint: ink drawn or taken away, a decoration moved, the
    // background changed, more or fewer operations shown. Reported at every
    // change, also while the whole widget already waits for its repaint, so
    // that a second view of the surface can follow it.
    void pixelsChanged(const QRect& pixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class SurfaceLine;
    friend class SurfaceRectangle;

    void changeEvent(QEvent* event) override;
    void record(const DrawOp& op, std::string_view text, const QRectF& pixelBounds, const SurfaceTransform& transform);
    void paintDecorations(QPainter& painter, const QRect& exposed) const;
    void paintOperations(QPainter& painter, const QRect& exposed, std::size_t limit);
    void invalidateOperations(std::size_t from, std::size_t to);
    QPointF userPoint(const QMouseEvent* event) const;
    // A child's placement in pixels: the one last set here, unless the child
    // has been moved or resized since by other means.
    QRectF childPixels(const QWidget* child) const;
    void setChildPixels(QWidget* child, const QRectF& pixels);

    // Ink added after the last full invalidation repaints only the area it
    // touched; everything recorded while the whole widget is already marked
    // adds no further work.
    void invalidatePixels(const QRectF& pixels);
    void invalidateAll();
    bool changesWatched() const;
    SurfaceTransform currentTransform() const;
    QRectF innerRect() const;

    float scaleLeft_ = 0;
    float scaleTop_ = 0;
    float scaleWidth_ = 1;
    float scaleHeight_ = 1;
    float currentX_ = 0;
    float currentY_ = 0;
    int drawWidth_ = 1;
    RgbValue foreColor_ = 0;
    RgbValue backColor_ = rgb(255, 255, 255);
    float fontSize_ = 9.75f;
    int mousePointer_ = kDefaultPointer;
    bool wholeWidgetPending_ = false;
    bool leftPressedInside_ = false;

    // contentsMargins() and contentsRect() are too slow to ask for every
    // operation: the margins are kept here, and the mapping in effect is
    // computed again only when the scale, the size or the margins change.
    QMargins margins_;
    mutable SurfaceTransform transform_;
    mutable QSize transformSize_{-1, -1}; // the size transform_ was computed for; invalid after any change

    std::unique_ptr<RetainedDrawing> drawing_;
    static constexpr std::size_t kAllOperations = static_cast<std::size_t>(-1);
    std::size_t shownLimit_ = kAllOperations;
    mutable SurfaceFonts fonts_;
    std::vector<std::unique_ptr<SurfaceLine>> lines_;
    std::vector<std::unique_ptr<SurfaceRectangle>> rectangles_;
    std::vector<int> decorationOrder_; // >= 0: index into lines_, < 0: ~index into rectangles_
};

// A straight line above a surface's drawing (the rubber band of the slope
// tool, the strokes of the root sign). Its ends are read and written in the
// surface's user units and kept in pixels, like a child control.
class SurfaceLine {
public:
    float x1() const;
    float y1() const;
    float x2() const;
    float y2() const;
    void setX1(float x);
    void setY1(float y);
    void setX2(float x);
    void setY2(float y);
    RgbValue borderColor() const { return color_; }
    void setBorderColor(RgbValue color);
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    QPointF toPixels() const { return to_; }

private:
    friend class DrawingSurface;
    SurfaceLine(DrawingSurface* surface, QPointF from, QPointF to, RgbValue color, int width);
    void invalidate();

    DrawingSurface* surface_;
    QPointF from_;
    QPointF to_;
    RgbValue color_;
    int width_;
    bool visible_ = true;
};

// A rectangle outline of fixed pixel size above a surface's drawing (the
// eraser square). Left and Top are in the surface's user units, Top being the
// upper edge on the screen; Width and Height are positive user-unit sizes.
class SurfaceRectangle {
public:
    float left() const;
    float top() const;
    float width() const;
    float height() const;
    void setLeft(float left);
    void setTop(float top);
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    RgbValue borderColor() const { return color_; }
    QRectF pixelRect() const { return rect_; }

private:
    friend class DrawingSurface;
    SurfaceRectangle(DrawingSurface* surface, QRectF rect, RgbValue color);
    void invalidate();

    DrawingSurface* surface_;
    QRectF rect_;
    RgbValue color_;
    bool visible_ = true;
};

} // namespace velnorit::view
