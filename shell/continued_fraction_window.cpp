#include "shell/continued_fraction_window.h"

#include "core/continued_fraction_text.h"
#include "core/far_continued_fraction_text.h"
#include "core/record_table.h"
#include "shell/control_looks.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velnorit::shell {

ContinuedFractionWindow::ContinuedFractionWindow(QWidget* parent)
    : QDialog(parent), limitField_(new QLineEdit(QString::fromStdString(limit_.digits))), problem_(new QLabel),
      text_(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("Kettenbruch"));
    setModal(false);
    setFont(timesNewRoman(12));
    resize(760, 640);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Bis zum &Nenner:"), limitField_);
    problem_->setWordWrap(true);
    problem_->hide();

    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // No default button: Return in the field takes its N and keeps the window.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(limitField_, &QLineEdit::returnPressed, this, &ContinuedFractionWindow::takeLimit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(problem_);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);
}

void ContinuedFractionWindow::showTarget(const TargetParameters& target) {
    target_ = target;
    fill();
    show();
    raise();
    activateWindow();
}

QString ContinuedFractionWindow::text() const { return text_->toPlainText(); }

QString ContinuedFractionWindow::limitProblem() const { return problem_->isHidden() ? QString() : problem_->text(); }

void ContinuedFractionWindow::takeLimit() {
    auto read = readDenominatorLimit(limitField_->text().trimmed().toStdString());
    if (const std::string* reason = std::get_if<std::string>(&read)) {
        problem_->setText(QString::fromStdString(*reason) + QStringLiteral("."));
        problem_->show();
        return;
    }
    problem_->hide();
    limit_ = std::get<DenominatorLimit>(std::move(read));
    fill();
}

// The same lines as velnorit-liste --kettenbruch --bis N, the period whole.
void ContinuedFractionWindow::fill() {
    const std::vector<FarRecord> records = farRecords(target_, limit_);
    const std::string lines = joinLines(farContinuedFractionLines(target_, limit_, records, true), "\n");
    const QString list = QString::fromStdString(recordListText(records, true)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(QString::fromStdString(lines + "\n\n") + list);
}

} // namespace velnorit::shell
