#include "modal_watch.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <vector>

namespace velnorit::testing {

namespace {

bool isMenuInformation(const QMessageBox& box) {
    return box.icon() == QMessageBox::Information &&
           (box.windowTitle() == QStringLiteral("Programmiert von") ||
            box.windowTitle() == QStringLiteral("Programmfunktion"));
}

} // namespace

ModalWatch::ModalWatch(unsigned seed, Callback onRunTimeError)
    : random_(seed), onRunTimeError_(std::move(onRunTimeError)) {
    // Timers fire inside the nested event loop of a modal box or a menu.
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, &ModalWatch::look);
    timer_.start();
}

void ModalWatch::look() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        answerPopup(popup);
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    if (isMenuInformation(*box)) {
        ++informationBoxes_;
    } else {
        onRunTimeError_(box->windowTitle() + QStringLiteral(": ") + box->text());
    }
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
    else box->reject();
}

void ModalWatch::answerPopup(QWidget* popup) {
    if (popup != lastPopup_) ++popupMenus_;
    lastPopup_ = popup;
    auto* menu = qobject_cast<QMenu*>(popup);
    std::vector<QAction*> entries;
    if (menu != nullptr)
        for (QAction* action : menu->actions())
            if (action->isEnabled() && action->isVisible() && !action->isSeparator()) entries.push_back(action);
    if (entries.empty() || std::uniform_int_distribution<int>(0, 1)(random_) == 0) {
        popup->close();
        return;
    }
    QAction* chosen = entries[std::uniform_int_distribution<std::size_t>(0, entries.size() - 1)(random_)];
    ++popupEntriesChosen_;
    // A click on the entry, as the user makes it; an entry with a submenu
    // opens it, which the next look answers.
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
}

} // namespace velnorit::testing
