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
    // The window a dialog opens from still is the active one at its show.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        QWidget* active = QApplication::activeWindow();
        if (dialog != nullptr && dialog->isWindow() && active != nullptr && qobject_cast<QDialog*>(active) == nullptr)
            openedFrom_ = active;
    }
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
// still open (a question over a file dialog), else to the window the dialog
// came from while it is still shown (the presentation may cover the main
// window: raising the main window would hide it), else to the main window.
void KeyboardAfterDialogs::giveBack() {
    QWidget* target = QApplication::activeModalWidget();
    if (target == nullptr && openedFrom_ != nullptr && openedFrom_->isVisible()) target = openedFrom_;
    if (target == nullptr) target = mainWindow_;
    if (target == nullptr || !target->isVisible() || QApplication::activeWindow() == target) return;
    target->raise();
    target->activateWindow();
}

} // namespace velnorit::shell
