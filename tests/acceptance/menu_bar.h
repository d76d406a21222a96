#pragma once

#include <QImage>
#include <QList>
#include <QRect>

namespace velnorit::acceptance {

// The items of the window's menu bar, left to right, found as groups of dark
// text pixels in the topmost strip of the screen that holds any (the window
// fills the screen from its top-left corner). Letters and the blank between
// two words lie closer together than two items, which the bar separates by
// their margins.
QList<QRect> menuBarItems(const QImage& screen);

} // namespace velnorit::acceptance
