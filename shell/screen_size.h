#pragma once

class QWidget;

namespace velnorit::shell {

struct ScreenTwips {
    double width = 0;
    double height = 0;
};

// The primary screen's width and height in twips.
ScreenTwips screenSizeInTwips();

// Moves the window to the screen origin and sizes its frame to the screen.
void placeWindowOnScreen(QWidget& window, const ScreenTwips& screen);

} // namespace velnorit::shell
