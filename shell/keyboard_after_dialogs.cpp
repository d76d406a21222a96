#include "shell/keyboard_after_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace velnorit::shell {

KeyboardAfterDialogs::KeyboardAfterDialogs(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {
    qApp->installEventFilter(this);
}

bool KeyboardAfterDialogs::eventFilter(QObject* watched, QEvent* event) {
    // Only a dialog that had the keyboard: at its hide the X server has not
    // yet moved the focus, so the dialog's window is still the focus window
    // (QApplication::activeWindow() is already cleared by then).
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && dialog->isWindow() && dialog->windowHandle() != nullptr &&
            QGuiApplication::focusWindow() == dialog->windowHandle())
            QTimer::singleShot(0, this, &KeyboardAfterDialogs::giveBack);
    }
    return false;
}

// After the dialog's own event loop has ended: to the modal dialog that is
// still open (a question over a file dialog), else to the main window.
void KeyboardAfterDialogs::giveBack() {
    QWidget* target = QApplication::activeModalWidget();
    if (target == nullptr) target = mainWindow_;
    if (target == nullptr || !target->isVisible() || QApplication::activeWindow() == target) return;
    target->raise();
    target->activateWindow();
}

} // namespace velnorit::shell
