// Child widgets of a surface, placed in its user units.
#include "view/drawing_surface.h"

#include <QVariant>

#include <algorithm>
#include <cmath>

namespace velnorit::view {

namespace {

// The exact pixel placement travels with the child, so it dies with it.
constexpr char kPlacementProperty[] = "velnoritSurfacePlacement";

// Position and size rounded each on its own, so that a child keeps its
// size in pixels wherever it is placed.
QRect roundedPlacement(const QRectF& pixels) {
    const auto whole = [](double value) {
        if (std::isnan(value)) return 0;
        return static_cast<int>(std::lround(std::clamp(value, -1.0e9, 1.0e9)));
    };
    return QRect(whole(pixels.x()), whole(pixels.y()), whole(pixels.width()), whole(pixels.height()));
}

} // namespace

QRectF DrawingSurface::childPixels(const QWidget* child) const {
    const QVariant stored = child->property(kPlacementProperty);
    if (stored.isValid()) {
        const QRectF pixels = stored.toRectF();
        if (roundedPlacement(pixels) == child->geometry()) return pixels;
    }
    return QRectF(child->geometry());
}

void DrawingSurface::setChildPixels(QWidget* child, const QRectF& pixels) {
    child->setProperty(kPlacementProperty, pixels);
    child->setGeometry(roundedPlacement(pixels));
}

void DrawingSurface::placeChild(QWidget* child, float left, float top, float width, float height) {
    const QPointF topLeft = toPixels(left, top);
    setChildPixels(child, QRectF(topLeft.x(), topLeft.y(), std::abs(width * pixelsPerUnitX()),
                                 std::abs(height * pixelsPerUnitY())));
}

void DrawingSurface::setChildLeft(QWidget* child, float left) {
    QRectF pixels = childPixels(child);
    pixels.moveLeft(toPixels(left, 0).x());
    setChildPixels(child, pixels);
}

void DrawingSurface::setChildTop(QWidget* child, float top) {
    QRectF pixels = childPixels(child);
    pixels.moveTop(toPixels(0, top).y());
    setChildPixels(child, pixels);
}

void DrawingSurface::setChildWidth(QWidget* child, float width) {
    QRectF pixels = childPixels(child);
    pixels.setWidth(std::abs(width * pixelsPerUnitX()));
    setChildPixels(child, pixels);
}

void DrawingSurface::setChildHeight(QWidget* child, float height) {
    QRectF pixels = childPixels(child);
    pixels.setHeight(std::abs(height * pixelsPerUnitY()));
    setChildPixels(child, pixels);
}

float DrawingSurface::childLeft(const QWidget* child) const {
    return static_cast<float>(userXFromPixels(childPixels(child).x()));
}

float DrawingSurface::childTop(const QWidget* child) const {
    return static_cast<float>(userYFromPixels(childPixels(child).y()));
}

float DrawingSurface::childWidth(const QWidget* child) const {
    const double unit = std::abs(pixelsPerUnitX());
    return unit != 0 ? static_cast<float>(childPixels(child).width() / unit) : 0.0f;
}

float DrawingSurface::childHeight(const QWidget* child) const {
    const double unit = std::abs(pixelsPerUnitY());
    return unit != 0 ? static_cast<float>(childPixels(child).height() / unit) : 0.0f;
}

} // namespace velnorit::view
