#include "view/pointer_shapes.h"

#include <QPainter>
#include <QPixmap>

namespace velnorit::view {

namespace {

constexpr int kCursorSize = 32;
constexpr int kCentre = 16;

// A square outline of the given half size around the centre, rim first.
void drawCentredSquare(QPainter& painter, int halfSize) {
    const QRect square(kCentre - halfSize, kCentre - halfSize, 2 * halfSize, 2 * halfSize);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(square);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(square);
}

} // namespace

QCursor squareInSquareCursor() {
    QPixmap shape(kCursorSize, kCursorSize);
    shape.fill(Qt::transparent);
    QPainter painter(&shape);
    drawCentredSquare(painter, 7);
    drawCentredSquare(painter, 2);
    painter.end();
    return QCursor(shape, kCentre, kCentre);
}

} // namespace velnorit::view
