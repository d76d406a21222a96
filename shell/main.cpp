// Rationale Velnorit: the window, started full screen with the first graph.
#include "shell/command_line.h"
#include "shell/file_dialogs.h"
#include "shell/form1.h"
#include "shell/lesson_document.h"
#include "shell/lesson_file_commands.h"
#include "shell/german_translations.h"
#include "shell/keyboard_after_dialogs.h"
#include "shell/runtime_error_guard.h"

#include <QApplication>
#include <QList>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

// While the toolkit connects to the display, its messages are held back: if
// no display can be reached Qt ends with a fatal message and an abort, and
// the user gets one German line and status 1 instead. Once connected, the
// held messages go out as they would have.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

void holdWhileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(velnorit::shell::noDisplayMessage().c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages->append({type, QByteArray(context.category), text});
}

void releaseHeldMessages() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : *heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previousHandler(message.type, context, message.text);
    }
    heldMessages->clear();
}

} // namespace

int main(int argc, char** argv) {
    using velnorit::shell::CommandLineRequest;
    const CommandLineRequest request = velnorit::shell::readCommandLine(argc, argv);
    switch (request.kind) {
    case CommandLineRequest::Kind::Help:
        std::cout << velnorit::shell::helpText();
        return 0;
    case CommandLineRequest::Kind::Version:
        std::cout << velnorit::shell::versionText();
        return 0;
    case CommandLineRequest::Kind::Refused:
        std::cerr << request.refusal;
        return 2;
    case CommandLineRequest::Kind::OpenWindow:
        break;
    }

    // Qt sees the program's name only: none of its own options (-platform,
    // -reverse, -style, ...) is taken from the command line. Its environment
    // variables still work.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QList<HeldMessage> held;
    heldMessages = &held;
    previousHandler = qInstallMessageHandler(holdWhileConnecting);
    QApplication application(qtArgc, qtArgv);
    releaseHeldMessages();

    QApplication::setApplicationName(QStringLiteral("velnorit"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    velnorit::shell::installGermanQtTexts(application);
    // Every file dialog of the run, also one not opened through the shared
    // helpers, keeps its history in memory and leaves no QtProject.conf.
    velnorit::shell::keepFileDialogHistoryInMemory();

    velnorit::shell::Form1 form;
    velnorit::shell::runHandler([&] { form.Form_Load(); });
    form.show();
    // Without a window manager nothing else gives the window the keyboard,
    // at start and whenever a dialog closes.
    form.activateWindow();
    new velnorit::shell::KeyboardAfterDialogs(&form); // owned by the window
    // A missing or broken file is reported, and the window starts as usual.
    // A start with a file asks nothing about recovery copies: they stay for
    // the next start without one.
    if (!request.file.empty())
        velnorit::shell::runHandler([&] { form.lessonFiles().openFile(QString::fromLocal8Bit(request.file.c_str())); });
    else
        velnorit::shell::runHandler(
            [&] { form.document().offerRecovery([&] { return form.lessonFiles().askToRestore(); }); });
    return QApplication::exec();
}
