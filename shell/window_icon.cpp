#include "shell/window_icon.h"

namespace velnorit::shell {

QIcon windowIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velnorit-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/velnorit-32.png"), QSize(32, 32));
    return icon;
}

} // namespace velnorit::shell
