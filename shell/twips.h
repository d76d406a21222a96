#pragma once

#include <QRect>

class QWidget;

namespace velnorit::shell {

// Twips (1440 per inch) to pixels through the screen's logical resolution:
// 15 twips per pixel at 96 dpi.
double twipsPerPixel();
int twipsToPixels(double twips);
double pixelsToTwips(double pixels);

// Places a widget with Left, Top, Width, Height in twips of its container.
void placeInTwips(QWidget* widget, double left, double top, double width, double height);

} // namespace velnorit::shell
