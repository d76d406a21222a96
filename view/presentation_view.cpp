#include "view/presentation_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace velnorit::view {

namespace {

// Where `wanted` would put a stretch of `length` that must stay inside
// 0..whole; centred on the whole where the stretch is longer.
double placeInside(double wanted, double length, double whole) {
    if (length >= whole) return (whole - length) / 2;
    return std::clamp(wanted, 0.0, whole - length);
}

} // namespace

PresentationView::PresentationView(DrawingSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // paintEvent fills all it is asked to paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PresentationView::~PresentationView() { disconnect(following_); }

// --- Magnification and the stretch shown

void PresentationView::setMagnification(double factor) {
    if (!(factor > 0) || factor == magnification_) return;
    magnification_ = factor;
    viewChanged();
}

bool PresentationView::magnify() {
    for (const double step : kMagnifications)
        if (step > magnification_) {
            setMagnification(step);
            return true;
        }
    return false;
}

bool PresentationView::reduce() {
    for (auto step = std::rbegin(kMagnifications); step != std::rend(kMagnifications); ++step)
        if (*step < magnification_) {
            setMagnification(*step);
            return true;
        }
    return false;
}

void PresentationView::centreOn(double surfaceX) {
    if (surfaceX == centreX_) return;
    centreX_ = surfaceX;
    viewChanged();
}

void PresentationView::shiftBy(double surfacePixels) {
    if (surfacePixels == 0) return;
    centreX_ += surfacePixels;
    viewChanged();
}

void PresentationView::keepRow(double row, double share) {
    if (row == keptRow_ && share == keptShare_) return;
    keptRow_ = row;
    keptShare_ = share;
    viewChanged();
}

QRectF PresentationView::shownArea() const {
    const double width = this->width() / magnification_;
    const double height = this->height() / magnification_;
    const double left = placeInside(centreX_ - width / 2, width, surface_.width());
    const double top = placeInside(keptRow_ - keptShare_ * height, height, surface_.height());
    return {left, top, width, height};
}

QPointF PresentationView::surfacePixelAt(QPointF viewPixel) const {
    return shownArea().topLeft() + viewPixel / magnification_;
}

QPointF PresentationView::viewPixelAt(QPointF surfacePixel) const {
    return (surfacePixel - shownArea().topLeft()) * magnification_;
}

QPointF PresentationView::userPointAt(QPointF viewPixel) const {
    const QPointF pixel = surfacePixelAt(viewPixel);
    return {surface_.userXFromPixels(pixel.x()), surface_.userYFromPixels(pixel.y())};
}

// --- Painting

void PresentationView::viewChanged() {
    wholeViewPending_ = true;
    update();
}

// The surface's change, where it lies in the view; nothing more once the
// whole view waits for its repaint (a redraw reports its every operation).
void PresentationView::surfaceChanged(const QRect& pixels) {
    if (wholeViewPending_) return;
    const QRectF area = shownArea();
    const QRectF inView((QPointF(pixels.topLeft()) - area.topLeft()) * magnification_,
                        QSizeF(pixels.size()) * magnification_);
    const QRect changed = inView.toAlignedRect().adjusted(-1, -1, 1, 1).intersected(rect());
    if (changed.isEmpty()) return;
    if (changed == rect()) {
        viewChanged();
        return;
    }
    update(changed);
}

// The exposed rectangle mapped back onto the surface's pixels, and the
// surface's own screen painting through a painter scaled to the view.
void PresentationView::paintEvent(QPaintEvent* event) {
    wholeViewPending_ = false;
    const QRectF area = shownArea();
    const QRectF exposed(event->rect());
    const QRectF onSurface(area.topLeft() + exposed.topLeft() / magnification_, exposed.size() / magnification_);
    QPainter painter(this);
    painter.scale(magnification_, magnification_);
    painter.translate(-area.topLeft());
    surface_.paintOnScreen(painter, onSurface.toAlignedRect());
}

void PresentationView::showEvent(QShowEvent* event) {
    disconnect(following_);
    following_ = connect(&surface_, &DrawingSurface::pixelsChanged, this, &PresentationView::surfaceChanged);
    showSurfacePointer();
    viewChanged();
    QWidget::showEvent(event);
}

// A stroke still drawn ends where the pointer was last, so that it is a
// whole step of the blackboard like any other.
void PresentationView::hideEvent(QHideEvent* event) {
    disconnect(following_);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (!held_.testFlag(button)) continue;
        held_ &= ~Qt::MouseButtons(button);
        emit mouseUp(button, Qt::NoModifier, static_cast<float>(lastUserPoint_.x()),
                     static_cast<float>(lastUserPoint_.y()));
    }
    held_ = Qt::NoButton;
    QWidget::hideEvent(event);
}

// --- Mouse

// The shape the surface shows for its tool, as the handlers set it.
void PresentationView::showSurfacePointer() {
    if (surface_.mousePointer() == shownPointer_) return;
    shownPointer_ = surface_.mousePointer();
    setCursor(surface_.cursor());
}

void PresentationView::mousePressEvent(QMouseEvent* event) {
    lastUserPoint_ = userPointAt(event->position());
    held_ |= event->button();
    emit mouseDown(event->button(), event->modifiers(), static_cast<float>(lastUserPoint_.x()),
                   static_cast<float>(lastUserPoint_.y()));
    showSurfacePointer();
}

void PresentationView::mouseMoveEvent(QMouseEvent* event) {
    lastUserPoint_ = userPointAt(event->position());
    emit mouseMove(event->buttons(), event->modifiers(), static_cast<float>(lastUserPoint_.x()),
                   static_cast<float>(lastUserPoint_.y()));
    showSurfacePointer();
}

void PresentationView::mouseReleaseEvent(QMouseEvent* event) {
    lastUserPoint_ = userPointAt(event->position());
    held_ &= ~Qt::MouseButtons(event->button());
    emit mouseUp(event->button(), event->modifiers(), static_cast<float>(lastUserPoint_.x()),
                 static_cast<float>(lastUserPoint_.y()));
}

// As on the surface: the second press of a double-click is no new press.
void PresentationView::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

} // namespace velnorit::view
