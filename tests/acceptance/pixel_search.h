#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

namespace velnorit::acceptance {

// Searches in screenshots (RGB32). Colours match exactly; every area is
// clipped to the image.

bool hasColour(const QImage& image, QPoint at, QColor colour);

int countOfColour(const QImage& image, QColor colour, QRect area);

// The smallest rectangle holding every pixel of the colour in the area; null
// when there is none.
QRect boundingBoxOf(const QImage& image, QColor colour, QRect area);

// Bounding boxes of the connected patches (4-neighbourhood) of the colour
// with at least minPixels pixels, ordered top to bottom, then left to right.
QList<QRect> patchesOfColour(const QImage& image, QColor colour, QRect area, int minPixels);

// A square of the given half side around a point.
QRect around(QPoint centre, int halfSide);

// Points along a straight line, ends left out (the pen's dot and the line's
// end caps are not what is checked).
QList<QPoint> pointsAlong(QPoint from, QPoint to, int count);

// Whether every point along the line has a pixel of the colour within two
// pixels (drawn lines are two or three pixels wide).
bool lineDrawnIn(const QImage& screen, QColor colour, QPoint from, QPoint to);

// Number of pixels in the area that differ between two images of one size,
// leaving out the pixels inside `excluded`.
int differingPixels(const QImage& a, const QImage& b, QRect area, QRect excluded = {});

} // namespace velnorit::acceptance
