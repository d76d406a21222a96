#include "x_input.h"

#include "check_log.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace velnorit::acceptance {
namespace {

struct XdotoolResult {
    int exitCode;
    QString output;
};

XdotoolResult runXdotool(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    if (!xdotool.waitForFinished(10000) || xdotool.exitStatus() != QProcess::NormalExit)
        throw ScenarioAborted("xdotool " + arguments.join(' ') + " did not run");
    return {xdotool.exitCode(), QString::fromLocal8Bit(xdotool.readAllStandardOutput())};
}

void sendInput(const QStringList& arguments) {
    const XdotoolResult result = runXdotool(arguments);
    if (result.exitCode != 0) throw ScenarioAborted("xdotool " + arguments.join(' ') + " failed");
}

QStringList moveArguments(QPoint to) {
    return {"mousemove", QString::number(to.x()), QString::number(to.y())};
}

// Small pauses between the steps of a gesture, as a hand makes them, so
// that each step reaches the program as an event of its own.
const QString kPause = "0.03";

} // namespace

void movePointer(QPoint to) { sendInput(moveArguments(to)); }

void click(QPoint at) { sendInput(moveArguments(at) + QStringList{"sleep", kPause, "click", "1"}); }

void drag(const QList<QPoint>& path) {
    if (path.isEmpty()) return;
    QStringList arguments = moveArguments(path.first()) + QStringList{"sleep", kPause, "mousedown", "1"};
    for (qsizetype i = 1; i < path.size(); ++i)
        arguments += QStringList{"sleep", kPause} + moveArguments(path[i]);
    arguments += QStringList{"sleep", kPause, "mouseup", "1"};
    sendInput(arguments);
}

void pressAndHold(const QList<QPoint>& path) {
    if (path.isEmpty()) return;
    QStringList arguments = moveArguments(path.first()) + QStringList{"sleep", kPause, "mousedown", "1"};
    for (qsizetype i = 1; i < path.size(); ++i)
        arguments += QStringList{"sleep", kPause} + moveArguments(path[i]);
    sendInput(arguments);
}

void releaseButton() { sendInput({"mouseup", "1"}); }

void clickWhileMoving(QPoint at) {
    sendInput(moveArguments(at) + QStringList{"mousedown", "1", "mousemove_relative", "5", "5", "mouseup", "1"});
}

void pressKeys(const QStringList& keys) { sendInput(QStringList{"key"} + keys); }

void pressKeysInWindow(const QString& window, const QStringList& keys) {
    sendInput(QStringList{"windowfocus", "--sync", window, "key"} + keys);
}

void typeText(const QString& text) { sendInput({"type", "--delay", "20", text}); }

QStringList visibleWindowsNamed(const QString& pattern) {
    // xdotool search exits with 1 when nothing matches.
    const XdotoolResult result = runXdotool({"search", "--onlyvisible", "--name", pattern});
    return result.output.split('\n', Qt::SkipEmptyParts);
}

QString waitForWindowNamed(const QString& pattern, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (true) {
        const QStringList windows = visibleWindowsNamed(pattern);
        if (!windows.isEmpty()) return windows.first();
        if (clock.elapsed() > timeoutMs) return {};
        QThread::msleep(50);
    }
}

bool waitUntilNoWindowNamed(const QString& pattern, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!visibleWindowsNamed(pattern).isEmpty()) {
        if (clock.elapsed() > timeoutMs) return false;
        QThread::msleep(50);
    }
    return true;
}

bool waitForKeyboardIn(const QString& pattern, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    const QRegularExpression name(pattern);
    for (;;) {
        const XdotoolResult focus = runXdotool({"getwindowfocus", "getwindowname"});
        if (focus.exitCode == 0 && name.match(focus.output.trimmed()).hasMatch()) return true;
        if (clock.elapsed() > timeoutMs) return false;
        QThread::msleep(50);
    }
}

} // namespace velnorit::acceptance
