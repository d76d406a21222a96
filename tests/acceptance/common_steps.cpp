#include "common_steps.h"

#include "menu_bar.h"
#include "pixel_search.h"
#include "screen_capture.h"
#include "x_input.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace velnorit::acceptance {

QImage waitForStartedWindow(ProgramUnderTest& program, const QString& titlePattern) {
    program.waitForMainWindow(titlePattern);
    return waitForSettledScreen(
        [](const QImage& screen) {
            return patchesOfColour(screen, QColor(255, 255, 192), screen.rect(), 200).size() == 3 &&
                   countOfColour(screen, QColor(185, 185, 235), screen.rect()) > 1000;
        },
        "the first paint of the window", 20000);
}

void endFromMenuAndCheck(ProgramUnderTest& program, const QImage& screen, CheckLog& log) {
    const QList<QRect> items = menuBarItems(screen);
    if (!log.check(items.size() == 6, QString("the menu bar shows 6 items, the last \"Extras\" (found %1)").arg(items.size()))) return;
    click(items.first().center());
    log.check(program.waitForEnd(10000), "\"Programm beenden\" ends the program");
    log.check(program.endedNormallyWithStatusZero(), "it ends with status 0: " + program.endDescription());
    const QString errors = program.standardError();
    log.check(errors.isEmpty(), "nothing on standard error" + (errors.isEmpty() ? QString() : ":\n" + errors));
}

int runScenario(int argc, char** argv,
                const std::function<void(const QString& program, const QString& outputFolder, CheckLog&)>& scenario) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    CheckLog log;
    try {
        scenario(arguments[1], arguments[2], log);
    } catch (const ScenarioAborted& aborted) {
        log.check(false, QString::fromStdString(aborted.what()));
        // What the screen showed when the scenario gave up.
        saveScreenshot(aborted.screenAtAbort(), arguments[2] + "/" + QFileInfo(arguments[0]).fileName() + "-aborted.png");
    }
    return log.failed() ? 1 : 0;
}

} // namespace velnorit::acceptance
