#include "shell/handbook_window.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velnorit::shell {

const QString HandbookWindow::kStartPage = QStringLiteral("qrc:/handbuch/index.html");

bool HandbookWindow::isBuiltIn() { return QFile::exists(QStringLiteral(":/handbuch/index.html")); }

HandbookWindow::HandbookWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser) {
    setWindowTitle(QStringLiteral("Handbuch"));
    setModal(false);
    resize(820, 680);

    browser_->setAccessibleName(QStringLiteral("Handbuch"));
    // Selected text white on a blue dark enough for 4.5 : 1 (the style's
    // lighter blue reaches 3.7 : 1).
    QPalette palette = browser_->palette();
    palette.setColor(QPalette::Highlight, QColor(0, 90, 160));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    browser_->setPalette(palette);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    if (isBuiltIn())
        browser_->setSource(QUrl(kStartPage));
    else
        browser_->setPlainText(QStringLiteral("Dieses Programm wurde ohne sein Handbuch gebaut."));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(buttons);
    browser_->setFocus();
}

HandbookCommand::HandbookCommand(QAction* action, QWidget* window) : QObject(window), window_(window) {
    connect(action, &QAction::triggered, this, &HandbookCommand::open);
}

void HandbookCommand::open() {
    if (handbook_ == nullptr) handbook_ = new HandbookWindow(window_);
    handbook_->show();
    handbook_->raise();
    handbook_->activateWindow();
}

} // namespace velnorit::shell
