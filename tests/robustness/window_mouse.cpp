#include "window_mouse.h"

#include <QTest>
#include <QWindow>

namespace velnorit::testing {

namespace {

// Every event a little later than the one before; after a release more than
// the double-click interval passes, unless a double-click is meant.
void advanceClock(int milliseconds) { QTest::lastMouseTimestamp += milliseconds; }

} // namespace

void WindowMouse::send(QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers) {
    advanceClock(1);
    if (type == QEvent::MouseButtonPress) held_ |= button;
    if (type == QEvent::MouseButtonRelease) held_ &= ~Qt::MouseButtons(button);
    qt_handleMouseEvent(&window_, QPointF(at), window_.mapToGlobal(QPointF(at)), held_, button, type, modifiers,
                        QTest::lastMouseTimestamp);
}

void WindowMouse::move(QPoint at, Qt::KeyboardModifiers modifiers) {
    send(QEvent::MouseMove, Qt::NoButton, at, modifiers);
}

void WindowMouse::press(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers) {
    send(QEvent::MouseButtonPress, button, at, modifiers);
}

void WindowMouse::release(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers) {
    send(QEvent::MouseButtonRelease, button, at, modifiers);
    advanceClock(QTest::mouseDoubleClickInterval);
}

void WindowMouse::click(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers) {
    press(button, at, modifiers);
    release(button, at, modifiers);
}

void WindowMouse::doubleClick(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers) {
    send(QEvent::MouseButtonPress, button, at, modifiers);
    send(QEvent::MouseButtonRelease, button, at, modifiers);
    send(QEvent::MouseButtonPress, button, at, modifiers);
    release(button, at, modifiers);
}

void WindowMouse::releaseAll(QPoint at) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton,
                                   Qt::ForwardButton})
        if (held_ & button) release(button, at);
}

} // namespace velnorit::testing
