// Rationale Velnorit: the window, started full screen with the first graph.
#include "shell/form1.h"
#include "shell/runtime_error_guard.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velnorit"));
    QApplication::setApplicationDisplayName(QStringLiteral("Rationale Velnorit"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    velnorit::shell::Form1 form;
    velnorit::shell::runHandler([&] { form.Form_Load(); });
    form.show();
    return QApplication::exec();
}
