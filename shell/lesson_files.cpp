// "Tafelbild öffnen …", "Tafelbild speichern" and "… unter …" of the menu
// "Extras", and the file named on the command line.
#include "shell/form1.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <variant>

namespace velnorit::shell {

namespace {

const QString kProgramName = QStringLiteral("Rationale Velnorit");

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
    updateTitle();
    return true;
}

// The program's name stays first, so that the window is found by it; the
// file's name and a mark for unsaved changes follow.
void Form1::updateTitle() {
    if (lessonPath_.isEmpty()) {
        setWindowTitle(kProgramName);
        return;
    }
    QString title = kProgramName + QStringLiteral(" \u2013 ") + QFileInfo(lessonPath_).fileName();
    setWindowTitle(title);
}

} // namespace velnorit::shell
