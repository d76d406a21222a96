#pragma once

#include <QObject>
#include <QRadioButton>

#include <span>
#include <vector>

namespace velnorit::shell {

// Tab and Shift+Tab enter a group of option buttons at its selected button
// (Qt would enter at the first one in the focus order); the arrow keys then
// move the choice within the group, Tab leaves it.
class OptionGroupFocus : public QObject {
public:
    OptionGroupFocus(std::span<QRadioButton* const> group, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inGroup(const QWidget* widget) const;
    void leaveGroup(QWidget* from, bool forwards);

    std::vector<QRadioButton*> group_;
};

} // namespace velnorit::shell
