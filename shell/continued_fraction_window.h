#pragma once

#include "core/continued_fraction.h"
#include "core/far_records.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velnorit::shell {

// "Extras" > "Kettenbruch …": a window beside the main window, not modal,
// with what velnorit-liste --kettenbruch --bis N prints for the target: the
// expansion with its whole period, the convergents up to N, the Pell
// equation of W and the records up to N marked N or Z. N is typed into the
// field "Bis zum Nenner" (1 to 10^100, at first 10000). The text wraps,
// never scrolls sideways, and can be selected and copied.
class ContinuedFractionWindow : public QDialog {
    Q_OBJECT

public:
    explicit ContinuedFractionWindow(QWidget* parent);

    // Shows the target's text up to the current N.
    void showTarget(const TargetParameters& target);

    QString text() const;
    QLineEdit& limitField() { return *limitField_; }
    QString limitProblem() const; // the reason why the field's N was not taken, or empty

private:
    void takeLimit(); // Return in the field
    void fill();

    TargetParameters target_;
    DenominatorLimit limit_{"10000"};
    QLineEdit* limitField_;
    QLabel* problem_;
    QPlainTextEdit* text_;
};

} // namespace velnorit::shell
