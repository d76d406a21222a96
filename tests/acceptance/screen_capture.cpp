#include "screen_capture.h"

#include "check_log.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>

namespace velnorit::acceptance {

QImage grabScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) throw ScenarioAborted("no X screen to grab");
    return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage waitForSettledScreen(const std::function<bool(const QImage&)>& ready, const QString& what,
                            int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QImage previous;
    while (true) {
        QCoreApplication::processEvents();
        QImage current = grabScreen();
        if (ready(current) && current == previous) return current;
        if (clock.elapsed() > timeoutMs) throw ScenarioAborted("timed out waiting for " + what);
        previous = std::move(current);
        QThread::msleep(40);
    }
}

void saveScreenshot(const QImage& image, const QString& path) {
    if (image.save(path, "PNG"))
        std::printf("screenshot: %s\n", qPrintable(path));
    else
        std::printf("warning: could not save %s\n", qPrintable(path));
}

} // namespace velnorit::acceptance
