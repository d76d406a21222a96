#include "shell/target_dialog.h"

#include "shell/control_looks.h"
#include "lesson/scroll_bar_ranges.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace velnorit::shell {

namespace {

struct BoxSpec {
    const char* label; // with its key
    const char* name;
    const lesson::ScrollBarRange* range;
};
const BoxSpec kBoxes[3] = {
    {"&Wurzel:", "Wurzel", &lesson::kWurzelBar},
    {"&Abs:", "Abs", &lesson::kAbsBar},
    {"&Nenner:", "Nenner", &lesson::kNennerBar},
};

int lowest(const lesson::ScrollBarRange& range) { return std::min(range.topOrLeftValue, range.bottomOrRightValue); }
int highest(const lesson::ScrollBarRange& range) { return std::max(range.topOrLeftValue, range.bottomOrRightValue); }

} // namespace

TargetDialog::TargetDialog(const TargetChoice& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Ziel eingeben"));
    setFont(timesNewRoman(12));

    auto* fields = new QFormLayout;
    const Integer values[3] = {current.wurzel, current.abs, current.nenner};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QSpinBox;
        box->setObjectName(QString::fromLatin1(kBoxes[i].name));
        box->setRange(lowest(*kBoxes[i].range), highest(*kBoxes[i].range));
        box->setValue(values[i]);
        box->setAccessibleName(QString::fromLatin1(kBoxes[i].name));
        fields->addRow(QString::fromUtf8(kBoxes[i].label), box);
        boxes_[i] = box;
    }
    plus_ = new QRadioButton(QStringLiteral("+"));
    minus_ = new QRadioButton(QStringLiteral("-"));
    (current.minus ? minus_ : plus_)->setChecked(true);
    auto* signs = new QHBoxLayout;
    signs->addWidget(plus_);
    signs->addWidget(minus_);
    signs->addStretch();
    fields->addRow(QStringLiteral("Vorzeichen:"), signs);

    refusal_ = new QLabel;
    refusal_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0)"));
    refusal_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TargetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(refusal_);
    layout->addWidget(buttons);
    boxes_[kWurzel]->setFocus();
}

TargetChoice TargetDialog::choice() const {
    return {static_cast<Integer>(boxes_[kWurzel]->value()), static_cast<Integer>(boxes_[kAbs]->value()),
            static_cast<Integer>(boxes_[kNenner]->value()), minus_->isChecked()};
}

QString TargetDialog::refusal() const { return refusal_->isVisible() ? refusal_->text() : QString(); }

// The boxes take no digit that leads out of their range; what can still be
// left is a text that is no value yet, as an empty box or a 0 for Nenner.
void TargetDialog::accept() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QSpinBox* box = boxes_[i];
        if (box->hasAcceptableInput()) continue;
        refusal_->setText(QStringLiteral("%1: nur ganze Zahlen von %2 bis %3")
                              .arg(QString::fromLatin1(kBoxes[i].name))
                              .arg(box->minimum())
                              .arg(box->maximum()));
        refusal_->show();
        box->setFocus();
        box->selectAll();
        return;
    }
    QDialog::accept();
}

void TargetDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    boxes_[kWurzel]->selectAll();
}

} // namespace velnorit::shell
