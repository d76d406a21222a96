#pragma once

#include <QString>

class QByteArray;

namespace velnorit::shell {

// Writes the bytes through QSaveFile: the file is either whole or, with an
// earlier file of that name as it was, not written at all. An empty string
// on success, else the German reason.
//
// An existing name that is no regular file is never replaced. A character
// device (/dev/null, a printer port) is written in place; a pipe, a socket or
// a block device is refused before it is opened, since opening a pipe that
// nobody reads would stop the window until somebody does.
QString writeFileSafely(const QString& path, const QByteArray& bytes);

} // namespace velnorit::shell
