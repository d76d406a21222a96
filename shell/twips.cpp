#include "shell/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace velnorit::shell {

double twipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }

double pixelsToTwips(double pixels) { return pixels * twipsPerPixel(); }

void placeInTwips(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace velnorit::shell
