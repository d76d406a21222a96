#include "shell/recovery_copies.h"
#include "shell/safe_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace velnorit::shell {

namespace {

const QString kPrefix = QStringLiteral("wiederherstellung-");
const QString kSuffix = QStringLiteral(".velnorit");

QString lockPathOf(const QString& copy) { return copy + QStringLiteral(".lock"); }

// A lock that only the death of its holder frees: a window may run for
// days, so no age makes its lock stale.
std::unique_ptr<QLockFile> lockFor(const QString& copy) {
    auto lock = std::make_unique<QLockFile>(lockPathOf(copy));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

// The process id tells running windows apart, the start time a window
// from an earlier one with the same id, the count two in one process.
RecoveryCopies::RecoveryCopies(QString folder) : folder_(std::move(folder)) {
    static int made = 0;
    const QString name = kPrefix + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                         QString::number(QDateTime::currentMSecsSinceEpoch()) + QLatin1Char('-') +
                         QString::number(++made) + kSuffix;
    ownPath_ = QDir(folder_).filePath(name);
}

RecoveryCopies::~RecoveryCopies() = default;

QString RecoveryCopies::defaultFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(state).filePath(QStringLiteral("velnorit"));
}

QString RecoveryCopies::write(const QByteArray& bytes) {
    if (!QDir().mkpath(folder_)) return QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(folder_);
    if (!ownLock_) {
        auto lock = lockFor(ownPath_);
        if (!lock->tryLock(0)) return QStringLiteral("Die Sperrdatei der Sicherungskopie kann nicht angelegt werden.");
        ownLock_ = std::move(lock);
    }
    return writeFileSafely(ownPath_, bytes);
}

void RecoveryCopies::remove() {
    if (!ownLock_) return;
    QFile::remove(ownPath_);
    ownLock_.reset(); // removes the lock file
}

std::vector<RecoveryCopies::Orphan> RecoveryCopies::claimOrphans() {
    std::vector<Orphan> found;
    const QDir dir(folder_);
    const QStringList names = dir.entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        if (path == ownPath_ || claimed_.count(path) != 0) continue;
        auto lock = lockFor(path);
        if (!lock->tryLock(0)) continue; // its window still runs
        claimed_[path] = std::move(lock);
        found.push_back({path, QFileInfo(path).lastModified()});
    }
    std::sort(found.begin(), found.end(), [](const Orphan& a, const Orphan& b) { return a.saved > b.saved; });
    return found;
}

void RecoveryCopies::dropOrphan(const QString& path) {
    QFile::remove(path);
    claimed_.erase(path);
}

void RecoveryCopies::leaveOrphan(const QString& path) { claimed_.erase(path); }

} // namespace velnorit::shell
