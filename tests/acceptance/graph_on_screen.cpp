#include "graph_on_screen.h"

#include "menu_bar.h"
#include "pixel_search.h"
#include "screen_capture.h"
#include "x_input.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>

namespace velnorit::acceptance {

QImage GraphOnScreen::shown(const QString& what) const {
    movePointer(restingPointer);
    return waitForSettledScreen([](const QImage&) { return true; }, what).copy(area);
}

QImage GraphOnScreen::shownLike(const QImage& expected) const {
    movePointer(restingPointer);
    QElapsedTimer clock;
    clock.start();
    QImage now;
    do {
        now = grabScreen().copy(area);
        if (now == expected) break;
        QThread::msleep(100);
    } while (clock.elapsed() < 8000);
    QThread::msleep(300); // and it stays so
    return grabScreen().copy(area);
}

bool samePixels(const QImage& a, const QImage& b, const QString& what, const QString& folder, const QString& name,
                CheckLog& log) {
    const int differing = a.size() == b.size() ? differingPixels(a, b, a.rect()) : -1;
    const bool same = differing == 0;
    if (!same) {
        saveScreenshot(a, folder + "/" + name + "-expected.png");
        saveScreenshot(b, folder + "/" + name + "-seen.png");
    }
    return log.check(same, what + QString(" (%1 pixels differ)").arg(differing));
}

TestHome::TestHome(const QString& folder) : path(folder), stateFolder(folder + "/.local/state/velnorit") {
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    qputenv("HOME", path.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (path + "/.config").toLocal8Bit());
    qputenv("XDG_STATE_HOME", (path + "/.local/state").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (path + "/.cache").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (path + "/.local/share").toLocal8Bit());
}

QStringList TestHome::copies() const { return QDir(stateFolder).entryList({"*.velnorit"}, QDir::Files); }

void TestHome::removeCopies() const { QDir(stateFolder).removeRecursively(); }

void endFromMenu(const QString& titlePattern) {
    const QImage screen = waitForSettledScreen([](const QImage&) { return true; }, "a quiet screen");
    const QList<QRect> items = menuBarItems(screen);
    if (items.isEmpty()) throw ScenarioAborted("no menu bar to end the program");
    click(items.first().center());
    if (!waitUntilNoWindowNamed(titlePattern, 10000)) throw ScenarioAborted("\"Programm beenden\" left the window open");
}

} // namespace velnorit::acceptance
