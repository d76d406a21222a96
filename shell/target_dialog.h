#pragma once

#include "core/integer_rules.h"

#include <QDialog>

#include <array>

class QLabel;
class QRadioButton;
class QSpinBox;

namespace velnorit::shell {

// The target number as the dialog "Ziel eingeben" takes it.
struct TargetChoice {
    Integer wurzel = 5;
    Integer abs = 0;
    Integer nenner = 2;
    bool minus = false;
    bool operator==(const TargetChoice&) const = default;
};

// "Ziel eingeben": Wurzel, Abs and Nenner in spin boxes with the ranges of
// their scroll bars, and the sign, prefilled with what the window shows.
// The first box's text is selected, so that typing replaces it. A box whose
// text is no value of its range (empty, or below the range while typing)
// is refused on OK with a line naming the range, and the dialog stays.
class TargetDialog : public QDialog {
    Q_OBJECT

public:
    TargetDialog(const TargetChoice& current, QWidget* parent = nullptr);

    TargetChoice choice() const;
    enum Box { kWurzel = 0, kAbs = 1, kNenner = 2 };
    QSpinBox* box(Box which) const { return boxes_[which]; }
    QRadioButton* signOption(bool minus) const { return minus ? minus_ : plus_; }
    QString refusal() const;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::array<QSpinBox*, 3> boxes_{};
    QRadioButton* plus_ = nullptr;
    QRadioButton* minus_ = nullptr;
    QLabel* refusal_ = nullptr;
};

} // namespace velnorit::shell
