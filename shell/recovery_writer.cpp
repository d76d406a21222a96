#include "shell/recovery_writer.h"

#include "lesson/lesson.h"

#include <QtGlobal>

#include <chrono>
#include <utility>
#include <variant>

namespace velnorit::shell {

namespace {

// On the worker thread: the board is completed there, so that the window's
// thread only takes the quick copy. The German reason, or empty.
QString writeCopy(RecoveryCopies& copies, view::LessonSnapshot snapshot) {
    const lesson::Lesson lesson = view::completeLesson(std::move(snapshot));
    // A board too large to open again leaves the last copy that opens.
    const lesson::LessonBytesOrError bytes = lesson::writeReopenableLesson(lesson);
    if (const auto* refused = std::get_if<QString>(&bytes)) return *refused;
    return copies.write(std::get<QByteArray>(bytes));
}

} // namespace

RecoveryWriter::RecoveryWriter(const QString& folder, Snapshot snapshot, StillChanging stillChanging)
    : copies_(folder), snapshot_(std::move(snapshot)), stillChanging_(std::move(stillChanging)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryWriter::startWrite);
}

RecoveryWriter::~RecoveryWriter() {
    try {
        waitForWrite();
    } catch (...) {
        // The copy written last stays.
    }
}

void RecoveryWriter::changed() {
    if (!timer_.isActive()) timer_.start(kDelayMs);
}

void RecoveryWriter::waitForWrite() {
    if (write_.valid()) write_.get();
}

void RecoveryWriter::writeNow() {
    timer_.stop();
    waitForWrite();
    std::optional<view::LessonSnapshot> board = snapshot_();
    if (board) reportResult(writeCopy(copies_, std::move(*board)));
    else copies_.remove();
}

// One write at a time: a change while one runs asks again a little later.
void RecoveryWriter::startWrite() {
    using namespace std::chrono_literals;
    if (write_.valid() && write_.wait_for(0s) != std::future_status::ready) {
        timer_.start(kBusyRetryMs);
        return;
    }
    waitForWrite();
    std::optional<view::LessonSnapshot> board = snapshot_();
    if (!board) {
        copies_.remove();
        return;
    }
    write_ = std::async(std::launch::async, [this, board = std::move(*board)]() mutable {
        const QString reason = writeCopy(copies_, std::move(board));
        // Told on the window's thread; the writer waits for this thread
        // before it goes, so it is still there to be told.
        QMetaObject::invokeMethod(this, [this, reason] { reportResult(reason); }, Qt::QueuedConnection);
    });
    if (stillChanging_()) timer_.start(kDelayMs);
}

// No modal box: the teacher is in the middle of a lesson. The window shows
// the first failure; the next step tries again.
void RecoveryWriter::reportResult(const QString& reason) {
    if (reason.isEmpty()) {
        failing_ = false;
        return;
    }
    qWarning("velnorit: Sicherungskopie: %s", qUtf8Printable(reason));
    if (failing_) return;
    failing_ = true;
    emit writeFailed(reason);
}

} // namespace velnorit::shell
