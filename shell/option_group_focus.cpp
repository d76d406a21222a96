#include "shell/option_group_focus.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>

namespace velnorit::shell {

namespace {

bool takesTabFocus(const QWidget* widget, const QWidget* window) {
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible() && widget->isEnabled() &&
           widget->window() == window && widget->focusProxy() == nullptr;
}

} // namespace

OptionGroupFocus::OptionGroupFocus(std::span<QRadioButton* const> group, QObject* parent)
    : QObject(parent), group_(group.begin(), group.end()) {
    for (QRadioButton* button : group_) button->installEventFilter(this);
}

bool OptionGroupFocus::inGroup(const QWidget* widget) const {
    return std::find(group_.begin(), group_.end(), widget) != group_.end();
}

// The first control before or after the group, in the focus order, that
// takes the focus by Tab.
void OptionGroupFocus::leaveGroup(QWidget* from, bool forwards) {
    QWidget* candidate = from;
    do {
        candidate = forwards ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
    } while (candidate != from && (inGroup(candidate) || !takesTabFocus(candidate, from->window())));
    if (candidate != from) candidate->setFocus(forwards ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool OptionGroupFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::FocusIn) return false;
    // The filter also sees the events of a button being destroyed, which is
    // no QRadioButton any more by then: those pass by above.
    auto* button = qobject_cast<QRadioButton*>(watched);
    if (button == nullptr) return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::ShiftModifier;
        if (others != Qt::NoModifier || (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)) return false;
        leaveGroup(button, key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if ((reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) || button->isChecked()) return false;
        const auto selected =
            std::find_if(group_.begin(), group_.end(), [](const QRadioButton* b) { return b->isChecked(); });
        if (selected != group_.end()) (*selected)->setFocus(reason);
    }
    return false;
}

} // namespace velnorit::shell
