#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <random>

namespace velnorit::testing {

// Closes what would stop an unattended run: the two information boxes of the
// menu, and pop-up menus (context menus of text boxes and scroll bars),
// either by choosing one of their entries at random or by closing them.
//
// Any other message box is the run-time error box, after which the program
// ends with status 1: the watch reports it through onRunTimeError first, so
// that the log says what led to it, and then closes it like a user would.
class ModalWatch : public QObject {
public:
    using Callback = std::function<void(const QString& boxText)>;
    ModalWatch(unsigned seed, Callback onRunTimeError);

    int informationBoxes() const { return informationBoxes_; }
    int popupMenus() const { return popupMenus_; }
    int popupEntriesChosen() const { return popupEntriesChosen_; }

private:
    void look();
    void answerPopup(QWidget* popup);

    QTimer timer_;
    std::mt19937 random_;
    Callback onRunTimeError_;
    int informationBoxes_ = 0;
    int popupMenus_ = 0;
    QPointer<QWidget> lastPopup_;
    int popupEntriesChosen_ = 0;
};

} // namespace velnorit::testing
