#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>

namespace velnorit::acceptance {

// Reports each check as "ok: ..." or "FAIL: ..." on standard output and
// remembers whether any failed.
class CheckLog {
public:
    bool check(bool passed, const QString& what);
    bool failed() const { return failures_ > 0; }

private:
    int failures_ = 0;
};

// Thrown by a step after which going on makes no sense (a control not found,
// a window that never appears); the scenario's main reports it as a failure.
// It keeps what the screen showed at that moment.
class ScenarioAborted : public std::runtime_error {
public:
    explicit ScenarioAborted(const QString& why);
    const QImage& screenAtAbort() const { return screen_; }

private:
    QImage screen_;
};

} // namespace velnorit::acceptance
