#pragma once

#include "view/retained_drawing.h"

#include <QPointF>
#include <QRect>
#include <QRectF>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Pixel geometry shared by recording (bounds) and painting. Ink lies on whole
// pixels: every point is snapped to the nearest pixel before it is drawn, and a
// pen of width w covers the pixels c - (w - 1) / 2 ... c - (w - 1) / 2 + w - 1
// around a pixel c, so a width-1 pen hits exactly the pixel it was given.
namespace velnorit::view {

// A point in user units as pixels of the inner area, under a transform.
inline QPointF mapToPixels(const SurfaceTransform& transform, float x, float y) {
    return {(static_cast<double>(x) - transform.left) * transform.unitX,
            (static_cast<double>(y) - transform.top) * transform.unitY};
}

// The nearest whole pixel, halves rounded up. Called for every recorded
// operation, so it avoids std::floor, a library call on plain x86-64.
inline double snapCoordinate(double value) {
    const double shifted = value + 0.5;
    if (!(std::abs(shifted) < 4.0e15)) return std::floor(shifted); // beyond whole-number doubles, or NaN
    const double truncated = static_cast<double>(static_cast<std::int64_t>(shifted));
    return truncated > shifted ? truncated - 1 : truncated;
}

inline QPointF snapToPixel(QPointF point) { return {snapCoordinate(point.x()), snapCoordinate(point.y())}; }

// The square of pixels a pen of the given width covers around one pixel.
QRectF penSquare(QPointF pixel, int penWidth);

// The pixels covered by the axis-parallel rectangle through two snapped
// corners, stroked with a pen of the given width (its outer edge).
QRectF strokedBox(QPointF corner1, QPointF corner2, int penWidth);

// The four bands of an outline of the given thickness inside outer; bands
// that would overlap are merged, so a thick outline of a small box is one
// filled rectangle.
struct OutlineBands {
    std::array<QRectF, 4> bands;
    int count = 0;
};
OutlineBands outlineBands(const QRectF& outer, double thickness);

// Whole-pixel rectangle of a rectangle already limited to a sane range.
QRect toPixelRect(const QRectF& rect);

// Cuts the segment a-b to the part inside area; false if nothing is left.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& area);

// The pixels an operation other than text can touch, with a margin for the pen.
QRectF shapeBounds(const DrawOp& op, const SurfaceTransform& transform);

// A conservative estimate of where a text can put ink: characters times the
// widest character of the font, one line high, with a margin for accents and
// descenders that leave the line.
QRectF textBounds(QPointF topLeft, std::size_t characters, double characterWidth, double lineHeight);

// Number of code points in UTF-8 text (bytes that do not continue a sequence).
std::size_t countCharacters(std::string_view utf8);

// Open-interval overlap, so rectangles that only share an edge do not meet.
inline bool rectsMeet(const QRectF& a, const QRectF& b) {
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() && b.top() < a.bottom();
}

} // namespace velnorit::view
