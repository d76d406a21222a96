#include "readout_field.h"

#include "pixel_search.h"
#include "twips.h"

#include <cmath>
#include <cstdlib>

namespace velnorit::acceptance {
namespace {

const QSize kFieldSize(2550 / kTwipsPerPixel, 1590 / kTwipsPerPixel);
constexpr int kTolerance = 2;

} // namespace

QPoint expectedReadoutCorner(const GraphGeometry& graph, QPoint pointer) {
    return pointer + QPoint(static_cast<int>(std::lround(0.5 * graph.pixelsPerDenominator())),
                            static_cast<int>(std::lround(0.045 * graph.height())));
}

QRect readoutFieldNear(const QImage& screen, QColor colour, QPoint expectedCorner) {
    const QRect searched(expectedCorner - QPoint(20, 20), kFieldSize + QSize(40, 40));
    QRect largest;
    for (const QRect& patch : patchesOfColour(screen, colour, searched, 500))
        if (patch.width() * patch.height() > largest.width() * largest.height()) largest = patch;
    return largest;
}

bool readoutFieldFits(QRect field, QPoint expectedCorner) {
    return !field.isNull() && std::abs(field.left() - expectedCorner.x()) <= kTolerance &&
           std::abs(field.top() - expectedCorner.y()) <= kTolerance &&
           std::abs(field.width() - kFieldSize.width()) <= kTolerance &&
           std::abs(field.height() - kFieldSize.height()) <= kTolerance;
}

QString describeField(QRect field, QPoint expectedCorner) {
    return QString("at %1,%2 size %3x%4 (expected corner %5,%6)")
        .arg(field.left())
        .arg(field.top())
        .arg(field.width())
        .arg(field.height())
        .arg(expectedCorner.x())
        .arg(expectedCorner.y());
}

} // namespace velnorit::acceptance
