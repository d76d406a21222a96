#include "view/drawing_surface.h"

#include "core/number_format.h"
#include "view/draw_op_painter.h"
#include "view/pixel_geometry.h"
#include "view/pointer_shapes.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <string>

namespace velnorit::view {

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent), drawing_(std::make_unique<RetainedDrawing>()), fonts_(this) {
    fonts_.reset(font());
    margins_ = contentsMargins();
    setMouseTracking(true);
    // paintEvent fills all it is asked to paint with the background colour.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DrawingSurface::~DrawingSurface() = default;

// --- Coordinate system

void DrawingSurface::scale(float x1, float y1, float x2, float y2) {
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleWidth_ = x2 - x1;
    scaleHeight_ = y2 - y1;
    transformSize_ = QSize(-1, -1);
}

void DrawingSurface::setScaleWidth(float width) {
    scaleWidth_ = width;
    transformSize_ = QSize(-1, -1);
}

void DrawingSurface::setScaleHeight(float height) {
    scaleHeight_ = height;
    transformSize_ = QSize(-1, -1);
}

QRectF DrawingSurface::innerRect() const { return QRectF(rect().marginsRemoved(margins_)); }

// A scale of width or height zero maps the whole axis onto its first pixel.
SurfaceTransform DrawingSurface::currentTransform() const {
    if (size() == transformSize_) return transform_;
    const QRectF inner = innerRect();
    transform_.left = scaleLeft_;
    transform_.top = scaleTop_;
    transform_.unitX = scaleWidth_ != 0 ? inner.width() / static_cast<double>(scaleWidth_) : 0.0;
    transform_.unitY = scaleHeight_ != 0 ? inner.height() / static_cast<double>(scaleHeight_) : 0.0;
    transformSize_ = size();
    return transform_;
}

QPointF DrawingSurface::toPixels(double x, double y) const {
    const SurfaceTransform transform = currentTransform();
    return innerRect().topLeft() + QPointF((x - transform.left) * transform.unitX, (y - transform.top) * transform.unitY);
}

double DrawingSurface::userXFromPixels(double px) const {
    const double unit = pixelsPerUnitX();
    return unit != 0 ? (px - innerRect().left()) / unit + scaleLeft_ : scaleLeft_;
}

double DrawingSurface::userYFromPixels(double py) const {
    const double unit = pixelsPerUnitY();
    return unit != 0 ? (py - innerRect().top()) / unit + scaleTop_ : scaleTop_;
}

double DrawingSurface::pixelsPerUnitX() const { return currentTransform().unitX; }

double DrawingSurface::pixelsPerUnitY() const { return currentTransform().unitY; }

// --- Drawing operations

void DrawingSurface::cls() {
    drawing_->clear();
    shownLimit_ = kAllOperations;
    currentX_ = 0;
    currentY_ = 0;
    invalidateAll();
    emit cleared();
}

void DrawingSurface::line(float x1, float y1, float x2, float y2, RgbValue color, LineMode mode) {
    DrawOp op;
    op.kind = mode == LineMode::Segment ? OpKind::Line : mode == LineMode::Box ? OpKind::Box : OpKind::FilledBox;
    op.color = color;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    const SurfaceTransform transform = currentTransform();
    record(op, {}, shapeBounds(op, transform), transform);
    currentX_ = x2;
    currentY_ = y2;
}

void DrawingSurface::circle(float x, float y, float radius, RgbValue color) {
    DrawOp op;
    op.kind = OpKind::Circle;
    op.color = color;
    op.x1 = x;
    op.y1 = y;
    op.x2 = radius;
    const SurfaceTransform transform = currentTransform();
    record(op, {}, shapeBounds(op, transform), transform);
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::pset(float x, float y, RgbValue color) {
    DrawOp op;
    op.kind = OpKind::Dot;
    op.color = color;
    op.x1 = x;
    op.y1 = y;
    const SurfaceTransform transform = currentTransform();
    record(op, {}, shapeBounds(op, transform), transform);
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::print(std::string_view utf8Text) {
    const SurfaceTransform transform = currentTransform();
    const SurfaceFonts::Sized& font = fonts_.at(fontSize_);
    if (!utf8Text.empty()) {
        DrawOp op;
        op.kind = OpKind::Text;
        op.color = foreColor_;
        op.x1 = currentX_;
        op.y1 = currentY_;
        op.fontSize = fontSize_;
        const QPointF topLeft = snapToPixel(mapToPixels(transform, currentX_, currentY_));
        record(op, utf8Text, textBounds(topLeft, countCharacters(utf8Text), font.characterWidth, font.lineHeight),
               transform);
    }
    // The next line starts at the left edge, one line further down the
    // screen whichever way the y axis runs.
    currentX_ = scaleLeft_;
    if (transform.unitY != 0) currentY_ += static_cast<float>(font.lineHeight / transform.unitY);
}

void DrawingSurface::printNumber(double value) {
    std::string text = strForm(value);
    text += ' ';
    print(text);
}

void DrawingSurface::truncateDrawing(std::size_t count) {
    drawing_->truncate(count);
    shownLimit_ = kAllOperations;
    invalidateAll();
}

void DrawingSurface::appendDrawing(const DrawingSlice& slice) {
    drawing_->append(slice);
    shownLimit_ = kAllOperations;
    invalidateAll();
}

// Only the operations that appear or disappear are painted again.
void DrawingSurface::setShownOperations(std::size_t count) {
    const std::size_t before = shownOperations();
    shownLimit_ = std::min(count, drawing_->size());
    invalidateOperations(std::min(before, shownLimit_), std::max(before, shownLimit_));
}

void DrawingSurface::showAllOperations() {
    const std::size_t before = shownOperations();
    shownLimit_ = kAllOperations;
    invalidateOperations(before, drawing_->size());
}

// Many operations at once (a whole redraw shown or hidden) repaint all.
void DrawingSurface::invalidateOperations(std::size_t from, std::size_t to) {
    constexpr std::size_t kFewOperations = 256;
    if (to - from > kFewOperations) {
        invalidateAll();
        return;
    }
    const QPointF origin = innerRect().topLeft();
    for (std::size_t i = from; i < to && !wholeWidgetPending_; ++i)
        invalidatePixels(drawing_->pixelBounds(i).translated(origin));
}

void DrawingSurface::record(const DrawOp& op, std::string_view text, const QRectF& pixelBounds,
                            const SurfaceTransform& transform) {
    DrawOp stored = op;
    stored.width = static_cast<std::uint8_t>(drawWidth_);
    drawing_->add(stored, text, pixelBounds, transform);
    invalidatePixels(pixelBounds.translated(innerRect().topLeft()));
}

// --- Pen and text state

// The recorded width is one byte; no pen of the program comes near 255.
void DrawingSurface::setDrawWidth(int pixels) { drawWidth_ = std::clamp(pixels, 1, 255); }

void DrawingSurface::setBackColor(RgbValue color) {
    const bool changed = color != backColor_;
    backColor_ = color;
    invalidateAll();
    if (changed) emit backColorChanged();
}

void DrawingSurface::setMousePointer(int shape) {
    if (shape == mousePointer_) return; // the eraser sets it on every move
    mousePointer_ = shape;
    switch (shape) {
    case kCrossPointer:
        setCursor(Qt::CrossCursor);
        break;
    case kSquarePointer:
        setCursor(squareInSquareCursor());
        break;
    default:
        unsetCursor();
        break;
    }
}

void DrawingSurface::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        fonts_.reset(font());
        invalidateAll();
    } else if (event->type() == QEvent::ContentsRectChange) {
        margins_ = contentsMargins();
        transformSize_ = QSize(-1, -1);
    }
    QWidget::changeEvent(event);
}

// --- Repainting

void DrawingSurface::invalidateAll() {
    wholeWidgetPending_ = true;
    update();
    if (changesWatched()) emit pixelsChanged(rect());
}

void DrawingSurface::invalidatePixels(const QRectF& pixels) {
    const bool watched = changesWatched();
    if (wholeWidgetPending_ && !watched) return;
    // Limited to the widget first: zoomed ink can lie far outside it.
    const QRectF visible = pixels.intersected(QRectF(rect()));
    if (!(visible.width() > 0 && visible.height() > 0)) return; // true for NaN too
    const QRect changed = toPixelRect(visible);
    if (!wholeWidgetPending_) update(changed);
    if (watched) emit pixelsChanged(changed);
}

// Nobody following the surface, the many operations of a redraw cost
// nothing extra.
bool DrawingSurface::changesWatched() const {
    static const QMetaMethod changed = QMetaMethod::fromSignal(&DrawingSurface::pixelsChanged);
    return isSignalConnected(changed);
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    wholeWidgetPending_ = false;
    QPainter painter(this);
    paintOnScreen(painter, event->rect());
}

void DrawingSurface::paintOnScreen(QPainter& painter, const QRect& exposed) {
    paintOperations(painter, exposed, shownLimit_);
    paintDecorations(painter, exposed);
}

void DrawingSurface::paintContent(QPainter& painter, const QRect& exposed) {
    paintOperations(painter, exposed, kAllOperations);
}

void DrawingSurface::paintOperations(QPainter& painter, const QRect& exposed, std::size_t limit) {
    painter.fillRect(exposed, toQColor(backColor_));
    const QPointF origin = innerRect().topLeft();
    const QRectF area = QRectF(exposed).translated(-origin);
    painter.save();
    painter.translate(origin);
    DrawOpPainter opPainter(painter, fonts_, area);
    for (const std::uint32_t index : drawing_->opsTouching(area)) {
        if (index >= limit) break; // in drawing order
        opPainter.paint((*drawing_)[index], drawing_->transform(index), drawing_->text(index));
    }
    painter.restore();
}

// --- Mouse

QPointF DrawingSurface::userPoint(const QMouseEvent* event) const {
    const QPointF pixel = event->position();
    return {userXFromPixels(pixel.x()), userYFromPixels(pixel.y())};
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    const QPointF point = userPoint(event);
    if (event->button() == Qt::LeftButton) leftPressedInside_ = true;
    emit mouseDown(event->button(), event->modifiers(), static_cast<float>(point.x()), static_cast<float>(point.y()));
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPointF point = userPoint(event);
    emit mouseMove(event->buttons(), event->modifiers(), static_cast<float>(point.x()), static_cast<float>(point.y()));
}

// The second press of a double-click is no new press: a double-click reports
// down, up, up, and one click, so that a marker or a pen dot is not set twice.
void DrawingSurface::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF point = userPoint(event);
    emit mouseUp(event->button(), event->modifiers(), static_cast<float>(point.x()), static_cast<float>(point.y()));
    if (event->button() != Qt::LeftButton || !leftPressedInside_) return;
    leftPressedInside_ = false;
    if (rect().contains(event->position().toPoint())) emit clicked();
}

} // namespace velnorit::view
