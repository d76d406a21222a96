// "Tafelbild öffnen …", "Tafelbild speichern" and "… unter …" of the menu
// "Extras", and the file named on the command line.
#include "shell/file_dialogs.h"
#include "shell/form1.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include <variant>

namespace velnorit::shell {

namespace {

const QString kProgramName = QStringLiteral("Rationale Velnorit");
const QString kSaveTitle = QStringLiteral("Tafelbild speichern");
const QList<FileKind> kLessonKinds = {{QStringLiteral("Tafelbild (*.velnorit)"), QStringLiteral("velnorit")}};

QString lessonFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
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
    // A board too large to open again is not written at all, so that an
    // earlier file of that name stays as it was.
    const view::LessonBytesOrError bytes = view::writeReopenableLesson(lesson);
    const auto* refused = std::get_if<QString>(&bytes);
    const QString reason = refused ? *refused : writeFileSafely(absolute, std::get<QByteArray>(bytes));
    if (!reason.isEmpty()) {
        showSaveFailure(this, kSaveTitle, QStringLiteral("Das Tafelbild"), absolute, reason);
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
    const std::optional<QString> path = askOpenPath(this, QStringLiteral("Tafelbild öffnen"), kLessonKinds, folder);
    if (path) openLessonFile(*path);
}

void Form1::cmdSaveLesson_Click() {
    if (lessonPath_.isEmpty()) cmdSaveLessonAs_Click();
    else saveLessonTo(lessonPath_);
}

void Form1::cmdSaveLessonAs_Click() {
    const QString proposed = lessonPath_.isEmpty()
                                 ? QDir(lessonFolder()).filePath(QStringLiteral("Tafelbild.velnorit"))
                                 : lessonPath_;
    const std::optional<SaveTarget> target =
        askSaveTarget(this, QStringLiteral("Tafelbild speichern unter"), proposed, kLessonKinds);
    if (target) saveLessonTo(target->path);
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
