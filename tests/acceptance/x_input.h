#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace velnorit::acceptance {

// Real X input through xdotool (XTEST): the program under test receives the
// same events as from a person at the keyboard and mouse. Points are screen
// pixels.

void movePointer(QPoint to);
void click(QPoint at);
// Presses the left button at the first point, moves through the others and
// releases at the last.
void drag(const QList<QPoint>& path);
// Presses the left button at the first point and moves through the others
// with the button held; releaseButton() lets it go.
void pressAndHold(const QList<QPoint>& path);
void releaseButton();
// A hurried click: the pointer arrives, presses, slides five pixels on and
// releases, without the pauses of click(), so that the moves and the press
// reach the program in one go.
void clickWhileMoving(QPoint at);
// Key combinations in xdotool's names, e.g. "ctrl+a", "Return".
void pressKeys(const QStringList& keys);
// Gives the window the keyboard first: without a window manager a dialog
// that opens at start-up does not get it by itself.
void pressKeysInWindow(const QString& window, const QStringList& keys);
// Types a text as a person would, key by key.
void typeText(const QString& text);

// Ids of the visible windows whose name matches the regular expression.
QStringList visibleWindowsNamed(const QString& pattern);
// Waits until a visible window with the name appears and returns its id;
// an empty string when none appears in time.
QString waitForWindowNamed(const QString& pattern, int timeoutMs = 10000);
// Waits until no visible window has the name; false when one is still there
// after the time-out.
bool waitUntilNoWindowNamed(const QString& pattern, int timeoutMs = 5000);
// Waits until the window with the X input focus has the name; false when
// none has after the time-out.
bool waitForKeyboardIn(const QString& pattern, int timeoutMs = 5000);

} // namespace velnorit::acceptance
