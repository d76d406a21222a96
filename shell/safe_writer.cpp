#include "shell/safe_writer.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velnorit::shell {

namespace {

enum class Existing { Nothing, RegularOrFolder, CharacterDevice, Other };

Existing existingAt(const QByteArray& path) {
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) return Existing::Nothing;
    if (S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)) return Existing::RegularOrFolder;
    if (S_ISCHR(info.st_mode)) return Existing::CharacterDevice;
    return Existing::Other;
}

QString orUnknown(const QString& reason) {
    return reason.isEmpty() ? QStringLiteral("Die Datei ließ sich nicht schreiben.") : reason;
}

QString notWritable() {
    return QStringLiteral("Das ist keine gewöhnliche Datei, sondern eine Pipe, ein Socket oder ein "
                          "Blockgerät; dorthin schreibt das Programm nicht.");
}

// Opened without waiting, and only if it still is a character device: the
// name may have changed since it was looked at.
QString writeInPlace(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return QStringLiteral("Das Gerät kann nicht geöffnet werden.");
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        ::close(fd);
        return notWritable();
    }
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return orUnknown(file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) return orUnknown(file.errorString());
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : orUnknown(file.errorString());
}

} // namespace

QString writeFileSafely(const QString& path, const QByteArray& bytes) {
    const QByteArray local = QFile::encodeName(path);
    switch (existingAt(local)) {
    case Existing::CharacterDevice:
        return writeInPlace(local, bytes); // cannot be replaced by a renamed file, nor should it be
    case Existing::Other:
        return notWritable();
    case Existing::Nothing:
    case Existing::RegularOrFolder:
        break;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return orUnknown(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return orUnknown(reason);
    }
    // A failed commit leaves an earlier file of that name as it was.
    if (!file.commit()) return orUnknown(file.errorString());
    return {};
}

} // namespace velnorit::shell
