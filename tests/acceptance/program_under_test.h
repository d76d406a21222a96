#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace velnorit::acceptance {

// The real program started as a child process with its own standard error
// collected, and with the given arguments (a lesson file, say). A run still
// going when the object dies is killed.
class ProgramUnderTest {
public:
    explicit ProgramUnderTest(const QString& path, const QStringList& arguments = {});
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Waits for the main window to be shown: "Rationale Velnorit", or the
    // title that the pattern names (the window of a lesson file names it).
    void waitForMainWindow(const QString& titlePattern = "^Rationale Velnorit$");
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    // Ends it at once with SIGKILL, as a crash or a power cut would: it
    // cannot clean up after itself.
    void killHard();
    // Waits for the program to end by itself; false on time-out.
    bool waitForEnd(int timeoutMs);
    bool endedNormallyWithStatusZero() const;
    QString endDescription() const;
    // Everything the program wrote to standard error so far.
    QString standardError();

private:
    QProcess process_;
    QByteArray standardError_;
};

} // namespace velnorit::acceptance
