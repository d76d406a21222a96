#pragma once

#include <QList>
#include <QString>

#include <optional>

class QByteArray;
class QWidget;

namespace velnorit::shell {

// One kind of file in a file dialog: the filter shown, e.g. "PNG-Bild (*.png)", and its ending without the dot, e.g. "png".
struct FileKind {
    QString filter;
    QString suffix;
};

// The save dialog: a QFileDialog object whose default suffix follows the chosen kind, so that the
// overwrite question is asked for the final name; no ending is added to a device or to an existing
// file that is not a regular file; the last folder is kept in memory only. Nothing when cancelled.
struct SaveTarget {
    QString path;
    int kind = 0; // index into kinds: the kind the name ends with, else the one chosen in the dialog
};
std::optional<SaveTarget> askSaveTarget(QWidget* parent, const QString& title, const QString& proposedPath,
                                        const QList<FileKind>& kinds);

// The open dialog, same folder memory; before any file was chosen in this run it
// shows startFolder, if given. Nothing when cancelled.
std::optional<QString> askOpenPath(QWidget* parent, const QString& title, const QList<FileKind>& kinds,
                                   const QString& startFolder = {});

// The German warning box for a failed save: "<what> konnte nicht gespeichert werden.\n\nDatei: <path>\nGrund: <reason>".
void showSaveFailure(QWidget* parent, const QString& title, const QString& what, const QString& path,
                     const QString& reason);

// Keeps the history of Qt's file dialogs (the QtProject settings) in memory
// only, for the rest of the run. The dialogs above call it themselves, and
// the program calls it at start for every other dialog.
void keepFileDialogHistoryInMemory();

} // namespace velnorit::shell
