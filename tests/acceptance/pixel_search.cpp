#include "pixel_search.h"

#include <QLineF>

#include <algorithm>
#include <vector>

namespace velnorit::acceptance {
namespace {

QRect clipped(const QImage& image, QRect area) { return area.intersected(image.rect()); }

QRgb rgbOf(QColor colour) { return colour.rgb() & 0x00ffffffu; }

bool matches(const QImage& image, int x, int y, QRgb rgb) {
    return (image.pixel(x, y) & 0x00ffffffu) == rgb;
}

} // namespace

bool hasColour(const QImage& image, QPoint at, QColor colour) {
    return image.rect().contains(at) && matches(image, at.x(), at.y(), rgbOf(colour));
}

int countOfColour(const QImage& image, QColor colour, QRect area) {
    const QRect r = clipped(image, area);
    const QRgb rgb = rgbOf(colour);
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (matches(image, x, y, rgb)) ++count;
    return count;
}

QRect boundingBoxOf(const QImage& image, QColor colour, QRect area) {
    const QRect r = clipped(image, area);
    const QRgb rgb = rgbOf(colour);
    QRect box;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (matches(image, x, y, rgb)) box |= QRect(x, y, 1, 1);
    return box;
}

QList<QRect> patchesOfColour(const QImage& image, QColor colour, QRect area, int minPixels) {
    const QRect r = clipped(image, area);
    const QRgb rgb = rgbOf(colour);
    std::vector<char> seen(static_cast<size_t>(r.width()) * r.height(), 0);
    auto index = [&](int x, int y) { return static_cast<size_t>(y - r.top()) * r.width() + (x - r.left()); };

    QList<QRect> patches;
    std::vector<QPoint> stack;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (seen[index(x, y)] || !matches(image, x, y, rgb)) continue;
            QRect box;
            int pixels = 0;
            seen[index(x, y)] = 1;
            stack.push_back({x, y});
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                box |= QRect(p, QSize(1, 1));
                ++pixels;
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + step;
                    if (!r.contains(q) || seen[index(q.x(), q.y())] || !matches(image, q.x(), q.y(), rgb)) continue;
                    seen[index(q.x(), q.y())] = 1;
                    stack.push_back(q);
                }
            }
            if (pixels >= minPixels) patches.append(box);
        }
    }
    std::sort(patches.begin(), patches.end(), [](QRect a, QRect b) {
        return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
    });
    return patches;
}

int differingPixels(const QImage& a, const QImage& b, QRect area, QRect excluded) {
    const QRect r = clipped(a, area).intersected(b.rect());
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (!excluded.contains(x, y) && a.pixel(x, y) != b.pixel(x, y)) ++count;
    return count;
}

QRect around(QPoint centre, int halfSide) {
    return QRect(centre - QPoint(halfSide, halfSide), QSize(2 * halfSide + 1, 2 * halfSide + 1));
}

QList<QPoint> pointsAlong(QPoint from, QPoint to, int count) {
    QList<QPoint> points;
    for (int i = 1; i <= count; ++i) points.append(QLineF(from, to).pointAt(double(i) / (count + 1)).toPoint());
    return points;
}

bool lineDrawnIn(const QImage& screen, QColor colour, QPoint from, QPoint to) {
    for (const QPoint p : pointsAlong(from, to, 8))
        if (countOfColour(screen, colour, around(p, 2)) == 0) return false;
    return true;
}

} // namespace velnorit::acceptance
