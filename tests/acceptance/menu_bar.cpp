#include "menu_bar.h"

#include <QColor>

namespace velnorit::acceptance {
namespace {

// The text of the menu bar is black on a light bar; its anti-aliased edges
// are lighter, so only the cores of the strokes count.
bool isDarkText(QRgb pixel) { return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100; }

bool rowHasDarkText(const QImage& screen, int y) {
    for (int x = 0; x < screen.width(); ++x)
        if (isDarkText(screen.pixel(x, y))) return true;
    return false;
}

// A gap of more columns than this without text separates two items; the
// blank between two words of one caption is narrower.
constexpr int kWidestGapInsideAnItem = 9;

// The bar is a strip at the top of the window; its text starts within these
// rows.
constexpr int kSearchedRows = 40;

} // namespace

QList<QRect> menuBarItems(const QImage& screen) {
    int top = 0;
    while (top < kSearchedRows && !rowHasDarkText(screen, top)) ++top;
    if (top == kSearchedRows) return {};
    int bottom = top;
    while (bottom + 1 < screen.height() && rowHasDarkText(screen, bottom + 1)) ++bottom;

    QList<QRect> items;
    int gap = kWidestGapInsideAnItem + 1;
    for (int x = 0; x < screen.width(); ++x) {
        bool dark = false;
        for (int y = top; y <= bottom && !dark; ++y) dark = isDarkText(screen.pixel(x, y));
        if (!dark) {
            ++gap;
            continue;
        }
        const QRect column(x, top, 1, bottom - top + 1);
        if (gap > kWidestGapInsideAnItem || items.isEmpty())
            items.append(column);
        else
            items.last() |= column;
        gap = 0;
    }
    return items;
}

} // namespace velnorit::acceptance
