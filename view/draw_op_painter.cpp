#include "view/draw_op_painter.h"

#include "view/pixel_geometry.h"
#include "view/surface_fonts.h"

#include <QPaintEngine>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace velnorit::view {

namespace {

// Beyond this radius the rasterizer's fixed-point range runs out; a circle
// that large crosses any visible area as a straight line, and no view of the
// program asks for one.
constexpr double kLargestCircleRadius = 1 << 22;

// Pens up to this width make square dots and square ends; a round end would
// differ by less than a pixel. Wider pens are round.
constexpr int kWidestSquarePen = 3;

} // namespace

DrawOpPainter::DrawOpPainter(QPainter& painter, SurfaceFonts& fonts, const QRectF& exposed)
    : painter_(painter), fonts_(fonts), area_(exposed.adjusted(-256, -256, 256, 256)),
      numbersAsGlyphs_(painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Raster) {}

void DrawOpPainter::paint(const DrawOp& op, const SurfaceTransform& transform, std::string_view text) {
    const QColor color = toQColor(op.color);
    const QPointF first = snapToPixel(mapToPixels(transform, op.x1, op.y1));
    if (!std::isfinite(first.x()) || !std::isfinite(first.y())) return;
    switch (op.kind) {
    case OpKind::Line:
        paintSegment(first, snapToPixel(mapToPixels(transform, op.x2, op.y2)), color, op.width);
        break;
    case OpKind::Box:
    case OpKind::FilledBox:
        paintBox(first, snapToPixel(mapToPixels(transform, op.x2, op.y2)), color, op.width,
                 op.kind == OpKind::FilledBox);
        break;
    case OpKind::Circle:
        paintCircle(first, std::abs(static_cast<double>(op.x2) * transform.unitX), color, op.width);
        break;
    case OpKind::Dot:
        paintDot(first, color, op.width);
        break;
    case OpKind::Text:
        paintText(first, op.fontSize, text, color);
        break;
    }
}

void DrawOpPainter::paintSegment(QPointF from, QPointF to, const QColor& color, int width) {
    // The rasterizer draws nothing for a wide line of length zero; a click
    // with the free-hand pen must still leave its dot.
    if (from == to) {
        paintDot(from, color, width);
        return;
    }
    // Bars and axes: a filled rectangle is twice as fast as a stroked line.
    if ((from.x() == to.x() || from.y() == to.y()) && width <= kWidestSquarePen) {
        const QRectF visible = strokedBox(from, to, width).intersected(area_);
        if (!visible.isEmpty()) painter_.fillRect(toPixelRect(visible), color);
        return;
    }
    if (!clipSegment(from, to, area_)) return;
    if (!std::isfinite(to.x()) || !std::isfinite(to.y())) return; // an end at infinity
    usePen(color, width);
    painter_.drawLine(from, to);
}

void DrawOpPainter::paintBox(QPointF corner1, QPointF corner2, const QColor& color, int width, bool filled) {
    const QRectF outer = strokedBox(corner1, corner2, width);
    if (filled) {
        const QRectF visible = outer.intersected(area_);
        if (!visible.isEmpty()) painter_.fillRect(toPixelRect(visible), color);
        return;
    }
    const OutlineBands outline = outlineBands(outer, width);
    for (int i = 0; i < outline.count; ++i) {
        const QRectF visible = outline.bands[i].intersected(area_);
        if (!visible.isEmpty()) painter_.fillRect(toPixelRect(visible), color);
    }
}

void DrawOpPainter::paintCircle(QPointF centre, double radius, const QColor& color, int width) {
    if (!(radius <= kLargestCircleRadius)) return;
    // A zoomed view can lie wholly inside a large circle, away from its ring.
    const double hole = radius - width - 1;
    if (hole > 0) {
        const double dx = std::max(std::abs(area_.left() - centre.x()), std::abs(area_.right() - centre.x()));
        const double dy = std::max(std::abs(area_.top() - centre.y()), std::abs(area_.bottom() - centre.y()));
        if (dx * dx + dy * dy < hole * hole) return;
    }
    usePen(color, width);
    painter_.drawEllipse(centre, radius, radius);
}

void DrawOpPainter::paintDot(QPointF pixel, const QColor& color, int width) {
    const QRectF square = penSquare(pixel, width);
    if (!square.intersects(area_)) return;
    if (width <= kWidestSquarePen) {
        painter_.fillRect(toPixelRect(square), color);
        return;
    }
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(color);
    painter_.drawEllipse(square);
    painter_.restore();
}

void DrawOpPainter::paintText(QPointF topLeft, float points, std::string_view text, const QColor& color) {
    const SurfaceFonts::Sized& font = fonts_.at(points);
    if (points != fontPoints_) {
        painter_.setFont(font.font);
        fontPoints_ = points;
    }
    usePen(color, 1);
    const QPointF baseline(topLeft.x(), topLeft.y() + font.ascent);
    // The ready glyphs of the screen font are the quick way for numbers; an
    // SVG or PDF file is better off with the text itself, to be found in it.
    if (numbersAsGlyphs_ && fonts_.numbersAt(points).setUp(text, numberRun_)) {
        painter_.drawGlyphRun(baseline, numberRun_);
        return;
    }
    painter_.drawText(baseline, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void DrawOpPainter::usePen(const QColor& color, int width) {
    if (color == penColor_ && width == penWidth_) return;
    painter_.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    penColor_ = color;
    penWidth_ = width;
}

} // namespace velnorit::view
