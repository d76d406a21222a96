#pragma once

#include "shell/form1.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>

namespace velnorit::testing {

// The real main window after start-up, shown on the offscreen screen.
inline std::unique_ptr<shell::Form1> startedForm() {
    auto form = std::make_unique<shell::Form1>();
    form->Form_Load();
    form->show();
    QApplication::processEvents();
    return form;
}

// What a modal message box showed, read while it was open and then closed.
struct MessageBoxSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okButton = false;
};

// Runs an action that opens a modal message box; the box is read and
// closed with its OK button as soon as it is open.
inline MessageBoxSeen whileMessageBoxOpen(const std::function<void()>& action) {
    MessageBoxSeen seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttonCount = static_cast<int>(box->buttons().size());
        seen.okButton = box->button(QMessageBox::Ok) != nullptr;
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

} // namespace velnorit::testing
