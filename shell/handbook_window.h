#pragma once

#include <QDialog>
#include <QPointer>

class QAction;
class QTextBrowser;

namespace velnorit::shell {

// "Extras" > "Handbuch" (F1): the German handbook in a window beside the
// main window, not modal. Its pages are HTML compiled into the program,
// with pictures the build made by the program's own drawing; no web browser
// is needed.
class HandbookWindow : public QDialog {
    Q_OBJECT

public:
    explicit HandbookWindow(QWidget* parent);

    // Where the handbook starts, and whether the program carries it.
    static const QString kStartPage;
    static bool isBuiltIn();

    QTextBrowser& browser() { return *browser_; }

private:
    QTextBrowser* browser_;
};

// Opens the handbook window when the action is triggered: made at the first
// use, shown again and raised at every later one.
class HandbookCommand : public QObject {
    Q_OBJECT

public:
    HandbookCommand(QAction* action, QWidget* window);
    void open();

private:
    QWidget* window_;
    QPointer<HandbookWindow> handbook_;
};

} // namespace velnorit::shell
