// Opening a lesson file: what can be told about the file is checked before a
// byte of it is read, so that a folder, a device or a huge file is refused at
// once instead of hanging the window. Saving one: only bytes that open again.
#include "lesson/lesson.h"

#include <QFile>
#include <QFileInfo>

namespace velnorit::lesson {

namespace {

QString tooLargeReason() {
    return QStringLiteral("Die Datei ist zu groß für ein Tafelbild (höchstens %1 MB).")
        .arg(kMaxLessonFileBytes / (1024 * 1024));
}

} // namespace

LessonBytesOrError writeReopenableLesson(const Lesson& lesson) {
    QByteArray bytes = writeLesson(lesson);
    QString reason;
    if (bytes.size() > kMaxLessonFileBytes) {
        reason = tooLargeReason();
    } else {
        const LessonOrError back = readLesson(bytes);
        if (const auto* refused = std::get_if<QString>(&back)) reason = *refused;
    }
    if (reason.isEmpty()) return bytes;
    return QStringLiteral("Das Programm könnte die Datei nicht wieder öffnen. %1 "
                          "Als Bild lässt sich die Tafel exportieren („Bild exportieren …“).")
        .arg(reason);
}

LessonOrError readLessonFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("Die Datei gibt es nicht.");
    if (info.isDir()) return QStringLiteral("Das ist ein Ordner, keine Datei.");
    if (!info.isFile()) return QStringLiteral("Das ist keine gewöhnliche Datei.");
    const QString tooLarge = tooLargeReason();
    if (info.size() > kMaxLessonFileBytes) return tooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError)
            return QStringLiteral("Die Datei darf nicht gelesen werden (keine Leseberechtigung).");
        return QStringLiteral("Die Datei kann nicht geöffnet werden.");
    }
    // The file may have grown since it was measured: read one byte more than allowed to notice.
    const QByteArray bytes = file.read(kMaxLessonFileBytes + 1);
    if (file.error() != QFileDevice::NoError) return QStringLiteral("Die Datei kann nicht gelesen werden.");
    if (bytes.size() > kMaxLessonFileBytes) return tooLarge;
    return readLesson(bytes);
}

} // namespace velnorit::lesson
