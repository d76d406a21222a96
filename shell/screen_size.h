#pragma once

class QWidget;

namespace velnorit::shell {

struct ScreenTwips {
    double width = 0;
    double height = 0;
};

// The width and height in twips of the primary screen's area for windows.
ScreenTwips screenSizeInTwips();

// Moves the window to the screen origin and sizes its frame to the screen.
void placeWindowOnScreen(QWidget& window, const ScreenTwips& screen);

// Whether a window manager has put a frame around the window.
bool hasDecorations(const QWidget& window);

} // namespace velnorit::shell
