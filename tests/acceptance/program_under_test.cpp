#include "program_under_test.h"

#include "check_log.h"
#include "x_input.h"

namespace velnorit::acceptance {

ProgramUnderTest::ProgramUnderTest(const QString& path, const QStringList& arguments) {
    process_.setProgram(path);
    process_.setArguments(arguments);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start();
    if (!process_.waitForStarted(10000)) throw ScenarioAborted("could not start " + path);
}

ProgramUnderTest::~ProgramUnderTest() {
    if (isRunning()) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

void ProgramUnderTest::waitForMainWindow(const QString& titlePattern) {
    if (waitForWindowNamed(titlePattern, 20000).isEmpty())
        throw ScenarioAborted("the window \"" + titlePattern + "\" did not appear");
}

void ProgramUnderTest::killHard() {
    process_.kill(); // SIGKILL
    process_.waitForFinished(10000);
}

bool ProgramUnderTest::waitForEnd(int timeoutMs) {
    return !isRunning() || process_.waitForFinished(timeoutMs);
}

bool ProgramUnderTest::endedNormallyWithStatusZero() const {
    return !isRunning() && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

QString ProgramUnderTest::endDescription() const {
    if (isRunning()) return "still running";
    if (process_.exitStatus() != QProcess::NormalExit) return "crashed or killed";
    return "exit status " + QString::number(process_.exitCode());
}

QString ProgramUnderTest::standardError() {
    standardError_ += process_.readAllStandardError();
    return QString::fromLocal8Bit(standardError_);
}

} // namespace velnorit::acceptance
