// "Tafelbild öffnen …", "Tafelbild speichern" and "… unter …" of the menu
// "Extras", and the file named on the command line.
#include "shell/form1.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

#include <variant>

namespace velnorit::shell {

namespace {

const QString kProgramName = QStringLiteral("Rationale Velnorit");
const QString kLessonFilter = QStringLiteral("Tafelbild (*.velnorit)");
const QString kLessonSuffix = QStringLiteral("velnorit");

QString lessonFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// The dialog object, not the static function: its default suffix is added
// before the overwrite question, so that the question is asked for the
// name that is written.
QString askLessonPath(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title, const QString& proposed) {
    QFileDialog dialog(parent, title, proposed, kLessonFilter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(kLessonSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

// Through QSaveFile, so that an existing file is replaced only by a
// complete one. A device or another file that is not a regular one is
// written in place: replacing it (which root may do in /dev) would destroy
// it, and a full device must report its error.
QString writeSafely(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly) || device.write(bytes) != bytes.size() || !device.flush())
            return device.errorString();
        return {};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

} // namespace

// A refused file changes nothing: the lesson is read whole and checked
// before anything in the window moves.
bool Form1::openLessonFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const view::LessonOrError read = view::readLessonFile(absolute);
    if (const auto* reason = std::get_if<QString>(&read)) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Tafelbild öffnen"),
                        QStringLiteral("Das Tafelbild konnte nicht geöffnet werden.\n\nDatei: %1\nGrund: %2")
                            .arg(QDir::toNativeSeparators(absolute), *reason),
                        QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    applyLesson(std::get<view::Lesson>(read));
    lessonPath_ = absolute;
    undoHistory_->stack().setClean();
    savedLesson_ = std::make_shared<const view::Lesson>(collectLesson());
    updateTitle();
    keepRecoveryCopy();
    return true;
}

bool Form1::saveLessonTo(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const view::Lesson lesson = collectLesson();
    const QString reason = writeSafely(absolute, view::writeLesson(lesson));
    if (!reason.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Tafelbild speichern"),
                        QStringLiteral("Das Tafelbild konnte nicht gespeichert werden.\n\nDatei: %1\nGrund: %2")
                            .arg(QDir::toNativeSeparators(absolute), reason),
                        QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    lessonPath_ = absolute;
    undoHistory_->stack().setClean();
    savedLesson_ = std::make_shared<const view::Lesson>(lesson);
    updateTitle();
    keepRecoveryCopy();
    return true;
}

bool Form1::changesMayGo() {
    if (!hasUnsavedChanges()) return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tafelbild öffnen"),
                    QStringLiteral("Die Tafel hat ungespeicherte Änderungen.\nSollen sie vorher gespeichert werden?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        cmdSaveLesson_Click();
        return !hasUnsavedChanges();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Form1::cmdOpenLesson_Click() {
    if (!changesMayGo()) return;
    const QString folder = lessonPath_.isEmpty() ? lessonFolder() : QFileInfo(lessonPath_).absolutePath();
    const QString path = askLessonPath(this, QFileDialog::AcceptOpen, QStringLiteral("Tafelbild öffnen"), folder);
    if (!path.isEmpty()) openLessonFile(path);
}

void Form1::cmdSaveLesson_Click() {
    if (lessonPath_.isEmpty()) cmdSaveLessonAs_Click();
    else saveLessonTo(lessonPath_);
}

void Form1::cmdSaveLessonAs_Click() {
    const QString proposed = lessonPath_.isEmpty()
                                 ? QDir(lessonFolder()).filePath(QStringLiteral("Tafelbild.velnorit"))
                                 : lessonPath_;
    const QString path =
        askLessonPath(this, QFileDialog::AcceptSave, QStringLiteral("Tafelbild speichern unter"), proposed);
    if (!path.isEmpty()) saveLessonTo(path);
}

// The program's name stays first, so that the window is found by it; the
// file's name and a mark for unsaved changes follow.
void Form1::updateTitle() {
    if (lessonPath_.isEmpty()) {
        setWindowTitle(kProgramName + QStringLiteral("[*]"));
        return;
    }
    QString title = kProgramName + QStringLiteral(" \u2013 ") + QFileInfo(lessonPath_).fileName() + QStringLiteral("[*]");
    setWindowTitle(title);
}

} // namespace velnorit::shell
