#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace velnorit::shell {

// Gives the keyboard back to the window it came from (the main window, the
// presentation's full-screen view), or to the dialog still open below, when
// a dialog that had it closes. A window manager does that by
// itself; without one (a kiosk or exam set-up) the X server hands the focus
// to the screen's root window, and every key is dead until the next click.
// Watches the whole application, so that every dialog counts: message
// boxes, file and print dialogs, the recovery question, "Kettenbruch".
class KeyboardAfterDialogs : public QObject {
public:
    explicit KeyboardAfterDialogs(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void giveBack();

    QPointer<QWidget> mainWindow_;
    QPointer<QWidget> openedFrom_; // the active window when the last dialog opened
};

} // namespace velnorit::shell
