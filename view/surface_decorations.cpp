// Lines and rectangles above a surface's drawing, kept in pixels and read
// and written in the surface's user units.
#include "view/drawing_surface.h"

#include "view/pixel_geometry.h"

#include <QPainter>

#include <cmath>

namespace velnorit::view {

namespace {

QRectF lineBounds(QPointF from, QPointF to, int width) {
    const double margin = width + 1.0;
    return QRectF(from, to).normalized().adjusted(-margin, -margin, margin, margin);
}

// The outline's pixels: the rectangle at whole pixels, its size unchanged.
QRect outlinePixels(const QRectF& rect) {
    return QRect(static_cast<int>(std::floor(rect.x() + 0.5)), static_cast<int>(std::floor(rect.y() + 0.5)),
                 static_cast<int>(rect.width()), static_cast<int>(rect.height()));
}

} // namespace

// --- The surface's side

SurfaceLine* DrawingSurface::addLine(float x1, float y1, float x2, float y2, RgbValue color, int widthPixels) {
    lines_.push_back(std::unique_ptr<SurfaceLine>(
        new SurfaceLine(this, toPixels(x1, y1), toPixels(x2, y2), color, std::max(widthPixels, 1))));
    decorationOrder_.push_back(static_cast<int>(lines_.size() - 1));
    lines_.back()->invalidate();
    return lines_.back().get();
}

SurfaceRectangle* DrawingSurface::addRectangle(float left, float top, float widthPixels, float heightPixels,
                                               RgbValue border) {
    const QPointF topLeft = toPixels(left, top);
    rectangles_.push_back(std::unique_ptr<SurfaceRectangle>(new SurfaceRectangle(
        this, QRectF(topLeft.x(), topLeft.y(), std::round(widthPixels), std::round(heightPixels)), border)));
    decorationOrder_.push_back(~static_cast<int>(rectangles_.size() - 1));
    rectangles_.back()->invalidate();
    return rectangles_.back().get();
}

void DrawingSurface::paintDecorations(QPainter& painter, const QRect& exposed) const {
    const QRectF area = QRectF(exposed).adjusted(-256, -256, 256, 256);
    for (const int entry : decorationOrder_) {
        if (entry >= 0) {
            const SurfaceLine& line = *lines_[static_cast<std::size_t>(entry)];
            if (!line.visible_) continue;
            QPointF from = snapToPixel(line.from_);
            QPointF to = snapToPixel(line.to_);
            if (!clipSegment(from, to, area)) continue;
            painter.setPen(QPen(toQColor(line.color_), line.width_, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(from, to);
        } else {
            const SurfaceRectangle& rectangle = *rectangles_[static_cast<std::size_t>(~entry)];
            if (!rectangle.visible_) continue;
            const QRect outline = outlinePixels(rectangle.rect_);
            if (!outline.intersects(exposed)) continue;
            const OutlineBands bands = outlineBands(QRectF(outline), 1);
            for (int i = 0; i < bands.count; ++i) painter.fillRect(bands.bands[i], toQColor(rectangle.color_));
        }
    }
}

// --- SurfaceLine

SurfaceLine::SurfaceLine(DrawingSurface* surface, QPointF from, QPointF to, RgbValue color, int width)
    : surface_(surface), from_(from), to_(to), color_(color), width_(width) {}

float SurfaceLine::x1() const { return static_cast<float>(surface_->userXFromPixels(from_.x())); }
float SurfaceLine::y1() const { return static_cast<float>(surface_->userYFromPixels(from_.y())); }
float SurfaceLine::x2() const { return static_cast<float>(surface_->userXFromPixels(to_.x())); }
float SurfaceLine::y2() const { return static_cast<float>(surface_->userYFromPixels(to_.y())); }

void SurfaceLine::setX1(float x) {
    invalidate();
    from_.setX(surface_->toPixels(x, 0).x());
    invalidate();
}

void SurfaceLine::setY1(float y) {
    invalidate();
    from_.setY(surface_->toPixels(0, y).y());
    invalidate();
}

void SurfaceLine::setX2(float x) {
    invalidate();
    to_.setX(surface_->toPixels(x, 0).x());
    invalidate();
}

void SurfaceLine::setY2(float y) {
    invalidate();
    to_.setY(surface_->toPixels(0, y).y());
    invalidate();
}

void SurfaceLine::setBorderColor(RgbValue color) {
    if (color == color_) return;
    color_ = color;
    invalidate();
}

void SurfaceLine::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    surface_->invalidatePixels(lineBounds(from_, to_, width_));
}

void SurfaceLine::invalidate() {
    if (visible_) surface_->invalidatePixels(lineBounds(from_, to_, width_));
}

// --- SurfaceRectangle

SurfaceRectangle::SurfaceRectangle(DrawingSurface* surface, QRectF rect, RgbValue color)
    : surface_(surface), rect_(rect), color_(color) {}

float SurfaceRectangle::left() const { return static_cast<float>(surface_->userXFromPixels(rect_.left())); }
float SurfaceRectangle::top() const { return static_cast<float>(surface_->userYFromPixels(rect_.top())); }

float SurfaceRectangle::width() const {
    const double unit = std::abs(surface_->pixelsPerUnitX());
    return unit != 0 ? static_cast<float>(rect_.width() / unit) : 0.0f;
}

float SurfaceRectangle::height() const {
    const double unit = std::abs(surface_->pixelsPerUnitY());
    return unit != 0 ? static_cast<float>(rect_.height() / unit) : 0.0f;
}

void SurfaceRectangle::setLeft(float left) {
    invalidate();
    rect_.moveLeft(surface_->toPixels(left, 0).x());
    invalidate();
}

void SurfaceRectangle::setTop(float top) {
    invalidate();
    rect_.moveTop(surface_->toPixels(0, top).y());
    invalidate();
}

void SurfaceRectangle::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    surface_->invalidatePixels(QRectF(outlinePixels(rect_)));
}

void SurfaceRectangle::invalidate() {
    if (visible_) surface_->invalidatePixels(QRectF(outlinePixels(rect_)));
}

} // namespace velnorit::view
