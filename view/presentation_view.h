#pragma once

#include "view/drawing_surface.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

namespace velnorit::view {

// A magnified view of a drawing surface, for the projector: a stretch of
// the surface's pixels shown `magnification` times as large, uniformly, so
// that lines stay lines and text keeps its shape. It paints the surface's
// own screen painting (drawing and decorations) through a scaled painter:
// there is no copy of the drawing, and every change of the surface repaints
// the part of the view it touches.
//
// Its mouse events come out in the surface's user units, exactly as the
// surface reports its own (the same conversion from its pixels), so that
// whatever handles the surface's mouse can handle the view's.
class PresentationView : public QWidget {
    Q_OBJECT

public:
    // The steps of Strg++ and Strg+-, and the start: a denominator three
    // times as wide as in the window, so that it is at least 2.5 times as
    // wide whatever whole pixels the grid lines fall on, and the graph's
    // smallest text about 24 pixels high.
    static constexpr double kMagnifications[] = {1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
    static constexpr double kStartMagnification = 3.0;

    explicit PresentationView(DrawingSurface& surface, QWidget* parent = nullptr);
    ~PresentationView() override;

    DrawingSurface& surface() const { return surface_; }

    double magnification() const { return magnification_; }
    void setMagnification(double factor);
    // The next step up or down; false at the end of the steps.
    bool magnify();
    bool reduce();

    // Horizontally: the surface's pixel column in the middle of the view,
    // kept inside the surface where the view is narrower than it.
    void centreOn(double surfaceX);
    void shiftBy(double surfacePixels);
    double centre() const { return centreX_; }
    // Vertically: the whole height of the surface, centred, where the view
    // is high enough for it; else the stretch that shows the surface's
    // pixel row `row` at `share` of the view's height from its top (kept
    // inside the surface).
    void keepRow(double row, double share);

    // The stretch of the surface's pixels the view shows.
    QRectF shownArea() const;
    QPointF surfacePixelAt(QPointF viewPixel) const;
    QPointF viewPixelAt(QPointF surfacePixel) const;
    // In the surface's user units, as its own mouse events report them.
    QPointF userPointAt(QPointF viewPixel) const;

signals:
    // x and y in the surface's user units, as single-precision numbers.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x, float y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void surfaceChanged(const QRect& pixels);
    void showSurfacePointer();
    void viewChanged();

    DrawingSurface& surface_;
    double magnification_ = kStartMagnification;
    double centreX_ = 0;
    double keptRow_ = 0;
    double keptShare_ = 0.5;
    bool wholeViewPending_ = false;
    QMetaObject::Connection following_;
    int shownPointer_ = -1; // the surface's mouse pointer shape the view shows

    // Buttons pressed in the view and not yet released, and where the
    // pointer was last: a view hidden in the middle of a stroke ends it there.
    Qt::MouseButtons held_;
    QPointF lastUserPoint_;
};

} // namespace velnorit::view
