#include "shell/window_icon.h"

#include <QDir>

// The icons are compiled into the shell library; a static library must
// register its resources itself (outside any namespace).
static void registerIconResources() { Q_INIT_RESOURCE(icons); }

namespace velnorit::shell {

QIcon programIcon() {
    registerIconResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velnorit-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/velnorit-32.png"), QSize(32, 32));
    return icon;
}

} // namespace velnorit::shell
