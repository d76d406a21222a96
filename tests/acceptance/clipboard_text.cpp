#include "clipboard_text.h"

#include "check_log.h"
#include "x_input.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#include <functional>

namespace velnorit::acceptance {
namespace {

// Runs `copy` (input that makes the program copy something) and returns the
// text that then stands on the X clipboard.
QString copiedText(const std::function<void()>& copy) {
    // A placeholder of our own first, so that a stale clipboard is not taken
    // for the copied text.
    const QString placeholder = "(nothing copied yet)";
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(placeholder);
    QCoreApplication::processEvents();

    copy();

    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QCoreApplication::processEvents();
        // An empty answer is no copy either: a copy of an empty selection
        // changes nothing, and a request that reaches the program before we
        // have seen it take the clipboard carries an older time stamp, which
        // the program refuses. The next round asks again.
        const QString text = clipboard->text();
        if (!text.isEmpty() && text != placeholder) return text;
        QThread::msleep(30);
    }
    throw ScenarioAborted("the program copied nothing to the clipboard");
}

} // namespace

QString copyTextOfBox(QPoint inside) {
    return copiedText([inside] {
        click(inside);
        pressKeys({"ctrl+a", "ctrl+c"});
    });
}

} // namespace velnorit::acceptance
