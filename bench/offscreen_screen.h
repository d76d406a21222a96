#pragma once

#include <QByteArray>
#include <QtGlobal>

// Benchmarks of widgets run on the offscreen platform with a 1920 x 1080
// screen at 96 dpi, whatever the environment says.
inline void useOffscreenFullHdScreen() {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + VELNORIT_BENCH_SCREEN);
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}
