#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace velnorit::shell {

// The recovery copies of unsaved boards in the user's state folder.
//
// Each running window keeps its own copy, named with its process id and
// its start time, and holds the copy's lock file for as long as it runs.
// A copy whose lock is free belongs to a window that ended without
// removing it (a crash, kill -9, a power cut, or an end with unsaved
// changes): such a copy is offered back at the next start. Taking the lock
// of an offered copy keeps a second window started at the same moment
// from offering it too.
class RecoveryCopies {
public:
    explicit RecoveryCopies(QString folder);
    ~RecoveryCopies();
    RecoveryCopies(const RecoveryCopies&) = delete;
    RecoveryCopies& operator=(const RecoveryCopies&) = delete;

    // $XDG_STATE_HOME/velnorit, or ~/.local/state/velnorit without it.
    static QString defaultFolder();

    const QString& folder() const { return folder_; }
    const QString& ownPath() const { return ownPath_; }

    // Writes this window's copy atomically; an empty string, or the
    // German reason why it could not be written.
    QString write(const QByteArray& bytes);
    // Removes this window's copy, if there is one.
    void remove();

    // The copies of windows that no longer run, newest first. Each stays
    // locked by this window until it is dropped or left.
    struct Orphan {
        QString path;
        QDateTime saved;
    };
    std::vector<Orphan> claimOrphans();
    void dropOrphan(const QString& path); // deletes it
    void leaveOrphan(const QString& path); // lets it be offered again later

private:
    QString folder_;
    QString ownPath_;
    std::unique_ptr<QLockFile> ownLock_;
    std::map<QString, std::unique_ptr<QLockFile>> claimed_;
};

} // namespace velnorit::shell
