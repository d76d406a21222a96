#include "view/pixel_geometry.h"

#include <algorithm>
#include <cmath>

namespace velnorit::view {

namespace {

// How far a pen reaches to the left of (or above) the pixel it is centred on.
double penReach(int penWidth) { return static_cast<double>((penWidth - 1) / 2); }

} // namespace

QRectF penSquare(QPointF pixel, int penWidth) {
    const double reach = penReach(penWidth);
    return {pixel.x() - reach, pixel.y() - reach, static_cast<double>(penWidth), static_cast<double>(penWidth)};
}

QRectF strokedBox(QPointF corner1, QPointF corner2, int penWidth) {
    const double reach = penReach(penWidth);
    const double left = std::min(corner1.x(), corner2.x()) - reach;
    const double top = std::min(corner1.y(), corner2.y()) - reach;
    const double right = std::max(corner1.x(), corner2.x()) - reach + penWidth;
    const double bottom = std::max(corner1.y(), corner2.y()) - reach + penWidth;
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

OutlineBands outlineBands(const QRectF& outer, double thickness) {
    OutlineBands result;
    if (outer.width() <= 2 * thickness || outer.height() <= 2 * thickness) {
        result.bands[result.count++] = outer;
        return result;
    }
    const double innerHeight = outer.height() - 2 * thickness;
    result.bands[result.count++] = QRectF(outer.left(), outer.top(), outer.width(), thickness);
    result.bands[result.count++] = QRectF(outer.left(), outer.bottom() - thickness, outer.width(), thickness);
    result.bands[result.count++] = QRectF(outer.left(), outer.top() + thickness, thickness, innerHeight);
    result.bands[result.count++] = QRectF(outer.right() - thickness, outer.top() + thickness, thickness, innerHeight);
    return result;
}

QRect toPixelRect(const QRectF& rect) {
    const int left = static_cast<int>(std::floor(rect.left()));
    const int top = static_cast<int>(std::floor(rect.top()));
    const int right = static_cast<int>(std::ceil(rect.right()));
    const int bottom = static_cast<int>(std::ceil(rect.bottom()));
    return QRect(left, top, right - left, bottom - top);
}

bool clipSegment(QPointF& a, QPointF& b, const QRectF& area) {
    // Liang-Barsky: the segment is a + t (b - a), 0 <= t <= 1.
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double enter = 0;
    double leave = 1;
    const auto limit = [&](double direction, double distance) {
        // distance >= t * direction must hold along the segment
        if (direction == 0) return distance >= 0;
        const double t = distance / direction;
        if (direction < 0) enter = std::max(enter, t);
        else leave = std::min(leave, t);
        return enter <= leave;
    };
    if (!limit(-dx, a.x() - area.left()) || !limit(dx, area.right() - a.x()) || !limit(-dy, a.y() - area.top()) ||
        !limit(dy, area.bottom() - a.y()))
        return false;
    const QPointF start = a;
    if (leave < 1) b = QPointF(start.x() + leave * dx, start.y() + leave * dy);
    if (enter > 0) a = QPointF(start.x() + enter * dx, start.y() + enter * dy);
    return true;
}

QRectF shapeBounds(const DrawOp& op, const SurfaceTransform& transform) {
    const double margin = op.width + 1.0;
    const QPointF first = snapToPixel(mapToPixels(transform, op.x1, op.y1));
    switch (op.kind) {
    case OpKind::Line:
    case OpKind::Box:
    case OpKind::FilledBox: {
        const QPointF second = snapToPixel(mapToPixels(transform, op.x2, op.y2));
        return QRectF(QPointF(std::min(first.x(), second.x()), std::min(first.y(), second.y())),
                      QPointF(std::max(first.x(), second.x()), std::max(first.y(), second.y())))
            .adjusted(-margin, -margin, margin, margin);
    }
    case OpKind::Circle: {
        const double reach = std::abs(static_cast<double>(op.x2) * transform.unitX) + margin;
        return QRectF(first.x() - reach, first.y() - reach, 2 * reach, 2 * reach);
    }
    case OpKind::Dot:
    case OpKind::Text:
        break;
    }
    return QRectF(first.x() - margin, first.y() - margin, 2 * margin, 2 * margin);
}

QRectF textBounds(QPointF topLeft, std::size_t characters, double characterWidth, double lineHeight) {
    const double margin = lineHeight / 4 + 2;
    return QRectF(topLeft.x() - margin, topLeft.y() - margin,
                  static_cast<double>(characters) * characterWidth + 2 * margin, lineHeight + 2 * margin);
}

std::size_t countCharacters(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
    return count;
}

} // namespace velnorit::view
