#include "shell/lesson_file_commands.h"

#include "shell/file_dialogs.h"
#include "shell/lesson_document.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace velnorit::shell {

namespace {

const QString kOpenTitle = QStringLiteral("Tafelbild öffnen");
const QString kSaveTitle = QStringLiteral("Tafelbild speichern");
const QList<FileKind> kLessonKinds = {{QStringLiteral("Tafelbild (*.velnorit)"), QStringLiteral("velnorit")}};

QString lessonFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

bool LessonFileCommands::openFile(const QString& path) {
    const QString reason = document_.open(path);
    if (reason.isEmpty()) return true;
    QMessageBox box(QMessageBox::Warning, kOpenTitle,
                    QStringLiteral("Das Tafelbild konnte nicht geöffnet werden.\n\nDatei: %1\nGrund: %2")
                        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason),
                    QMessageBox::Ok, window_);
    box.exec();
    return false;
}

bool LessonFileCommands::saveTo(const QString& path) {
    const QString reason = document_.saveTo(path);
    if (reason.isEmpty()) return true;
    showSaveFailure(window_, kSaveTitle, QStringLiteral("Das Tafelbild"), QFileInfo(path).absoluteFilePath(), reason);
    return false;
}

bool LessonFileCommands::changesMayGo() {
    if (!document_.isModified()) return true;
    QMessageBox box(QMessageBox::Question, kOpenTitle,
                    QStringLiteral("Die Tafel hat ungespeicherte Änderungen.\nSollen sie vorher gespeichert werden?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window_);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        save();
        return !document_.isModified();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void LessonFileCommands::open() {
    if (!changesMayGo()) return;
    const QString& current = document_.path();
    const QString folder = current.isEmpty() ? lessonFolder() : QFileInfo(current).absolutePath();
    const std::optional<QString> path = askOpenPath(window_, kOpenTitle, kLessonKinds, folder);
    if (path) openFile(*path);
}

void LessonFileCommands::save() {
    if (document_.path().isEmpty()) saveAs();
    else saveTo(document_.path());
}

void LessonFileCommands::saveAs() {
    const QString& current = document_.path();
    const QString proposed =
        current.isEmpty() ? QDir(lessonFolder()).filePath(QStringLiteral("Tafelbild.velnorit")) : current;
    const std::optional<SaveTarget> target =
        askSaveTarget(window_, QStringLiteral("Tafelbild speichern unter"), proposed, kLessonKinds);
    if (target) saveTo(target->path);
}

bool LessonFileCommands::askToRestore() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tafelbild wiederherstellen"),
                    QStringLiteral("Das Programm wurde beendet, bevor das Tafelbild gespeichert war. "
                                   "Soll es wiederhergestellt werden?"),
                    QMessageBox::NoButton, window_);
    QPushButton* restore = box.addButton(QStringLiteral("Wiederherstellen"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}

} // namespace velnorit::shell
