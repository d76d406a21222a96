// The window's recovery copy: kept while the board has unsaved changes,
// offered back at the next start after an end that left it.
#include "shell/form1.h"
#include "view/lesson_file.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtGlobal>

#include <chrono>
#include <functional>
#include <utility>
#include <variant>

namespace velnorit::shell {

void Form1::boardChanged() {
    if (!recoveryTimer_.isActive()) recoveryTimer_.start();
}

namespace {

// On the worker thread: the board is completed and compared there, so that
// the window's thread only takes the quick copy.
void writeOrRemove(RecoveryCopies& copies, view::LessonSnapshot snapshot,
                   const std::shared_ptr<const view::Lesson>& saved) {
    const view::Lesson lesson = view::completeLesson(std::move(snapshot));
    if (lesson == *saved) {
        copies.remove();
        return;
    }
    // A board too large to open again leaves the last copy that opens.
    const view::LessonBytesOrError bytes = view::writeReopenableLesson(lesson);
    const auto* refused = std::get_if<QString>(&bytes);
    const QString reason = refused ? *refused : copies.write(std::get<QByteArray>(bytes));
    // No box: the teacher is in the middle of a lesson, and the next step
    // tries again.
    if (!reason.isEmpty()) qWarning("velnorit: Sicherungskopie: %s", qUtf8Printable(reason));
}

} // namespace

void Form1::waitForRecoveryWrite() {
    if (recoveryWrite_.valid()) recoveryWrite_.get();
}

void Form1::keepRecoveryCopy() {
    recoveryTimer_.stop();
    waitForRecoveryWrite();
    writeOrRemove(*recovery_, lessonSnapshot(), savedLesson_);
}

// One write at a time: a step while one runs asks again a little later.
void Form1::startRecoveryWrite() {
    using namespace std::chrono_literals;
    if (recoveryWrite_.valid() && recoveryWrite_.wait_for(0s) != std::future_status::ready) {
        recoveryTimer_.start(100);
        return;
    }
    waitForRecoveryWrite();
    recoveryTimer_.setInterval(kRecoveryDelayMs);
    recoveryWrite_ = std::async(std::launch::async, writeOrRemove, std::ref(*recovery_), lessonSnapshot(), savedLesson_);
}

bool Form1::offerRecovery(const std::function<bool()>& restore) {
    const std::vector<RecoveryCopies::Orphan> orphans = recovery_->claimOrphans();
    if (orphans.empty()) return false;
    // Older copies are offered at later starts, one at a time.
    for (std::size_t older = 1; older < orphans.size(); ++older) recovery_->leaveOrphan(orphans[older].path);
    const QString newest = orphans.front().path;
    const view::LessonOrError read = view::readLessonFile(newest);
    if (const auto* reason = std::get_if<QString>(&read)) {
        qWarning("velnorit: Sicherungskopie %s verworfen: %s", qUtf8Printable(newest), qUtf8Printable(*reason));
        recovery_->dropOrphan(newest);
        return false;
    }
    if (!restore()) {
        recovery_->dropOrphan(newest);
        return false;
    }
    // Unsaved, as it was when the program ended: the copy passes to this
    // window before the old one goes.
    applyLesson(std::get<view::Lesson>(read));
    updateTitle();
    keepRecoveryCopy();
    recovery_->dropOrphan(newest);
    return true;
}

bool Form1::askToRestore() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tafelbild wiederherstellen"),
                    QStringLiteral("Das Programm wurde beendet, bevor das Tafelbild gespeichert war. "
                                   "Soll es wiederhergestellt werden?"),
                    QMessageBox::NoButton, this);
    QPushButton* restore = box.addButton(QStringLiteral("Wiederherstellen"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}

} // namespace velnorit::shell
