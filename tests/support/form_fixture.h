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

// Runs an action that opens modal windows one after the other (a file
// dialog, its question, a message box): each is handed, once, to answer
// as soon as it is the active modal window, and answer closes it.
inline void whileModalsOpen(const std::function<void()>& action, const std::function<void(QWidget*)>& answer) {
    QWidget* answered = nullptr;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == answered || !modal->isVisible()) return;
        answered = modal;
        // Answered from the event loop, not from this timer: a modal window
        // that the answer opens must find the timer free to fire again.
        QTimer::singleShot(0, modal, [&answer, modal] { answer(modal); });
    });
    poll.start();
    action();
    poll.stop();
}

} // namespace velnorit::testing
