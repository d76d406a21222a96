#pragma once

#include "shell/recovery_copies.h"
#include "view/board_ops.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <future>
#include <optional>

namespace velnorit::shell {

// Keeps the window's recovery copy up to date: at most kDelayMs after a
// change it takes a quick copy of the board on the window's thread and
// leaves converting and writing to a worker thread; while the board is as
// last saved it removes the copy instead. A write that fails is reported
// once, until a later one succeeds again.
class RecoveryWriter : public QObject {
    Q_OBJECT

public:
    // The board to keep, or nothing when it has no unsaved changes.
    using Snapshot = std::function<std::optional<view::LessonSnapshot>()>;
    // Whether the board is still changing (a stroke being drawn): then the
    // copy follows it while it grows.
    using StillChanging = std::function<bool()>;

    static constexpr int kDelayMs = 1500;
    static constexpr int kBusyRetryMs = 100; // a write still running is asked again after this

    RecoveryWriter(const QString& folder, Snapshot snapshot, StillChanging stillChanging);
    ~RecoveryWriter() override;

    // A change: the copy follows within kDelayMs.
    void changed();
    // The copy as the board is now, written on this thread (after a save, at
    // the end of the window).
    void writeNow();
    void waitForWrite();
    bool pending() const { return timer_.isActive(); }
    // What the timer does: takes the quick copy here and starts the worker.
    void startWrite();
    RecoveryCopies& copies() { return copies_; }
    const RecoveryCopies& copies() const { return copies_; }

signals:
    void writeFailed(const QString& reason);

private:
    void reportResult(const QString& reason);

    RecoveryCopies copies_;
    Snapshot snapshot_;
    StillChanging stillChanging_;
    QTimer timer_;
    std::future<void> write_; // the worker's write, if one was started
    bool failing_ = false;
};

} // namespace velnorit::shell
