// Fits the window to the screen: the panel is sized from the screen in
// twips and gets 100 x 100 units; its children are placed in those units, so
// the whole interface scales with the screen.
#include "core/integer_rules.h"
#include "shell/form1.h"
#include "shell/screen_size.h"
#include "shell/twips.h"

#include <QEvent>

#include <algorithm>

namespace velnorit::shell {

using view::DrawingSurface;

namespace {

// The proportions hold from 800 x 600 pixels up: below that the frames
// would be narrower and lower than their contents. A smaller screen gets the
// arrangement of 800 x 600 in a window whose client area scrolls.
constexpr ScreenTwips kSmallestArrangedScreen{12000, 9000};

// Frames are a little lower on screens above 11500 twips (766 pixels).
double frameHeight(double sh, double lowScreen, double tallScreen) { return sh > 11500 ? tallScreen : lowScreen; }

} // namespace

void Form1::arrangeWindow() { arrangeWindow(screenSizeInTwips()); }

void Form1::arrangeWindow(const ScreenTwips& screen) {
    const double sw = std::max(screen.width, kSmallestArrangedScreen.width);
    const double sh = std::max(screen.height, kSmallestArrangedScreen.height);

    DrawingSurface* panel = c_.picContainer;
    const double panelLeft = checkedMultiply(sw, 0.01);
    const double panelWidth = checkedMultiply(sw, 0.97);
    const double panelHeight = checkedAdd(sh, -1200);
    panel->setGeometry(twipsToPixels(panelLeft), twipsToPixels(100), twipsToPixels(panelWidth),
                       twipsToPixels(panelHeight));
    panel->setScaleWidth(100);
    panel->setScaleHeight(100);

    panel->setChildTop(c_.Picture1, 0);
    panel->setChildLeft(c_.Picture1, single(checkedAdd(100, -panel->childWidth(c_.Picture1))));

    const double pictureHeight = panel->childHeight(c_.Picture1);
    panel->setChildLeft(c_.Text5, panel->childLeft(c_.Picture1));
    panel->setChildWidth(c_.Text5, panel->childWidth(c_.Picture1));
    panel->setChildTop(c_.Text5, single(checkedAdd(checkedAdd(pictureHeight, panel->childTop(c_.Picture1)), 0.5)));
    panel->setChildHeight(c_.Text5, single(100 - pictureHeight - 3));

    panel->placeChild(c_.Frame1, 0, 0, 12, single(frameHeight(sh, 22, 18)));
    const double frame2Top = checkedAdd(panel->childHeight(c_.Frame1), panel->childTop(c_.Frame1));
    panel->placeChild(c_.Frame2, 0, single(frame2Top), 12, single(frameHeight(sh, 22, 18)));
    panel->placeChild(c_.Frame3, 0, 53.5f, 12, single(frameHeight(sh, 25, 20)));

    panel->setChildLeft(c_.Text2, 1);
    panel->setChildTop(c_.Text2, 45);
    panel->setChildWidth(c_.Text2, 10);

    panel->placeChild(c_.picGraph, 0, 0, 1600, 97);
    panel->placeChild(c_.picLegende, 0, 0, 12, 97);
    panel->placeChild(c_.hscn, 0, 97, 100, 3);

    // Scroll bars appear only where the screen is smaller than the arrangement.
    c_.clientArea->setMinimumSize(panel->geometry().right() + 1 + panel->x(), panel->geometry().bottom() + 1);
    arrangedFor_ = screen;
    placeWindowOnScreen(*this, screen);
}

// A window manager frames the window only after it is shown; then the frame
// with its decorations, not the client area, is made the screen's size. The
// panel keeps its arrangement.
bool Form1::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (!fittedToFrame_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) && isVisible() &&
        hasDecorations(*this) && arrangedFor_.width > 0) {
        fittedToFrame_ = true;
        placeWindowOnScreen(*this, arrangedFor_);
    }
    return handled;
}

} // namespace velnorit::shell
