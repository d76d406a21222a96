#pragma once

#include <QPoint>
#include <QRect>

namespace velnorit::acceptance {

// The controls inside the parameter panel and the drawing frame are placed
// in twips; at 96 dots per inch 15 twips make one pixel.
constexpr int kTwipsPerPixel = 15;

// A control's design rectangle in twips, relative to its container.
struct TwipsRect {
    int left, top, width, height;

    QRect inPixels(QPoint containerOrigin) const {
        return QRect(containerOrigin.x() + left / kTwipsPerPixel, containerOrigin.y() + top / kTwipsPerPixel,
                     width / kTwipsPerPixel, height / kTwipsPerPixel);
    }
};

} // namespace velnorit::acceptance
