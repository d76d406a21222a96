#include "shell/screen_size.h"

#include "shell/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velnorit::shell {

// The part of the screen a window may fill: the whole screen, less the
// panels a desktop reserves.
ScreenTwips screenSizeInTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768);
    return {pixelsToTwips(size.width()), pixelsToTwips(size.height())};
}

// The frame, decorations included, gets the screen's size; the client area is
// what the window manager's decorations leave of it. Before the window is
// first shown nobody knows the decorations: Form1 places it again once the
// window manager has framed it.
void placeWindowOnScreen(QWidget& window, const ScreenTwips& screen) {
    const int width = twipsToPixels(screen.width);
    const int height = twipsToPixels(screen.height);
    const QSize decorations = window.frameGeometry().size() - window.geometry().size();
    const QScreen* shown = window.screen();
    const QPoint origin = shown != nullptr ? shown->availableGeometry().topLeft() : QPoint(0, 0);
    window.move(origin);
    window.resize(std::max(1, width - decorations.width()), std::max(1, height - decorations.height()));
}

bool hasDecorations(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

} // namespace velnorit::shell
