#pragma once

#include "graph_geometry.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace velnorit::acceptance {

// The field beside the pointer takes the colour of the side it reports.
const QColor kLowerSideRed(240, 10, 10);
const QColor kUpperSideGrey(140, 140, 140);

// Where the field's top-left corner belongs for a pointer at `pointer`: half
// a denominator to the right and 4.5 % of the graph's height below it.
QPoint expectedReadoutCorner(const GraphGeometry& graph, QPoint pointer);

// The field as seen on the screen: the largest patch of its colour near the
// expected corner; null when there is none.
QRect readoutFieldNear(const QImage& screen, QColor colour, QPoint expectedCorner);

// The field's corner lies within a pixel or two of the expected one (the
// pointer and the field are placed in whole pixels) and the field has its
// designed size of 2550 × 1590 twips.
bool readoutFieldFits(QRect field, QPoint expectedCorner);

// "at X,Y size WxH (expected corner X,Y)" for the log.
QString describeField(QRect field, QPoint expectedCorner);

} // namespace velnorit::acceptance
