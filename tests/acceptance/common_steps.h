#pragma once

#include "check_log.h"
#include "program_under_test.h"

#include <QImage>
#include <QString>

#include <functional>

namespace velnorit::acceptance {

// Waits for the main window and its first complete paint (the parameter
// boxes and the graph's grid are on the screen and nothing changes any
// more); returns that screenshot.
QImage waitForStartedWindow(ProgramUnderTest& program, const QString& titlePattern = "^Rationale Velnorit$");

// Chooses "Programm beenden", the first item of the menu bar, and checks
// that the program ends at once with status 0 and wrote nothing to standard
// error during the whole run.
void endFromMenuAndCheck(ProgramUnderTest& program, const QImage& screen, CheckLog& log);

// Runs a scenario with a fresh check log: arguments PROGRAM OUTPUT_FOLDER;
// the exit status is 0 when every check passed.
int runScenario(int argc, char** argv,
                const std::function<void(const QString& program, const QString& outputFolder, CheckLog&)>& scenario);

} // namespace velnorit::acceptance
