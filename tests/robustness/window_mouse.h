#pragma once

#include <QEvent>
#include <QPoint>

class QWindow;

namespace velnorit::testing {

// The mouse of a top-level window as the window system drives it: each event
// goes to the control under the pointer, or to the one holding the mouse
// while a button is down, a right press opens that control's context menu,
// and two quick presses at one place make a double-click.
//
// Unlike QTest's functions for windows, an event does not let the window
// process everything pending afterwards: the caller decides when it repaints.
class WindowMouse {
public:
    explicit WindowMouse(QWindow& window) : window_(window) {}

    void move(QPoint at, Qt::KeyboardModifiers modifiers = {});
    void press(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers = {});
    void release(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers = {});
    void click(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers = {});
    void doubleClick(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers = {});

    Qt::MouseButtons held() const { return held_; }
    void releaseAll(QPoint at);

private:
    void send(QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers);

    QWindow& window_;
    Qt::MouseButtons held_;
};

} // namespace velnorit::testing
