#pragma once

class QCoreApplication;

namespace velnorit::shell {

// Installs Qt's own German texts (context menus of the text boxes, the
// buttons of message boxes), whatever the user's locale. False when the
// translation file is not installed; the program then runs with Qt's English.
bool installGermanQtTexts(QCoreApplication& application);

} // namespace velnorit::shell
