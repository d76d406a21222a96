#pragma once

#include "view/retained_drawing.h"

#include <QColor>
#include <QGlyphRun>
#include <QRectF>

#include <string_view>

class QPainter;

namespace velnorit::view {

class SurfaceFonts;

// Paints recorded operations, one after the other, with a painter whose
// origin is the inner area's top-left corner. Only the exposed area is
// worked on: shapes are cut to it before they reach the rasterizer, which
// also keeps far-away coordinates of a zoomed view out of its range.
class DrawOpPainter {
public:
    DrawOpPainter(QPainter& painter, SurfaceFonts& fonts, const QRectF& exposed);

    void paint(const DrawOp& op, const SurfaceTransform& transform, std::string_view text);

private:
    void paintSegment(QPointF from, QPointF to, const QColor& color, int width);
    void paintBox(QPointF corner1, QPointF corner2, const QColor& color, int width, bool filled);
    void paintCircle(QPointF centre, double radius, const QColor& color, int width);
    void paintDot(QPointF pixel, const QColor& color, int width);
    void paintText(QPointF topLeft, float points, std::string_view text, const QColor& color);
    void usePen(const QColor& color, int width);

    QPainter& painter_;
    SurfaceFonts& fonts_;
    QRectF area_; // the exposed area with a margin for wide pens
    QColor penColor_;
    int penWidth_ = -1;
    float fontPoints_ = -1;
    QGlyphRun numberRun_;
    bool numbersAsGlyphs_; // on the screen; files and printers get the text
};

} // namespace velnorit::view
