#include "check_log.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

namespace velnorit::acceptance {

bool CheckLog::check(bool passed, const QString& what) {
    std::printf("%s: %s\n", passed ? "ok" : "FAIL", qPrintable(what));
    std::fflush(stdout);
    if (!passed) ++failures_;
    return passed;
}

ScenarioAborted::ScenarioAborted(const QString& why) : std::runtime_error(why.toStdString()) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) screen_ = screen->grabWindow(0).toImage();
}

} // namespace velnorit::acceptance
