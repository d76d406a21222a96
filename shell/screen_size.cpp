#include "shell/screen_size.h"

#include "shell/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velnorit::shell {

ScreenTwips screenSizeInTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
    return {pixelsToTwips(size.width()), pixelsToTwips(size.height())};
}

// The frame's size is the screen's; the client area is what the window
// manager's decorations leave of it (none before the window is first shown).
void placeWindowOnScreen(QWidget& window, const ScreenTwips& screen) {
    const int width = twipsToPixels(screen.width);
    const int height = twipsToPixels(screen.height);
    const QSize decorations = window.frameGeometry().size() - window.geometry().size();
    window.move(0, 0);
    window.resize(std::max(1, width - decorations.width()), std::max(1, height - decorations.height()));
}

} // namespace velnorit::shell
