// Rationale Velnorit: the window, started full screen with the first graph.
#include "shell/form1.h"
#include "shell/runtime_error_guard.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velnorit"));
    QApplication::setApplicationDisplayName(QStringLiteral("Rationale Velnorit"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The program speaks German, and so do Qt's own dialogs (save, print)
    // and key names ("Strg+Z").
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);

    velnorit::shell::Form1 form;
    velnorit::shell::runHandler([&] { form.Form_Load(); });
    form.show();
    return QApplication::exec();
}
