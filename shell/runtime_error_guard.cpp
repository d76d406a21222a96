#include "shell/runtime_error_guard.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace velnorit::shell {

QString runtimeErrorText(const RuntimeError& error) {
    return QStringLiteral("Laufzeitfehler '%1':\n\n%2").arg(error.number()).arg(QString::fromStdString(error.message()));
}

void endWithRuntimeError(const RuntimeError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Rationale Velnorit"), runtimeErrorText(error),
                    QMessageBox::Ok);
    box.exec();
    std::fflush(nullptr);
    // At once: no destructor, no further event handler.
    std::_Exit(1);
}

} // namespace velnorit::shell
