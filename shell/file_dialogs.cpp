#include "shell/file_dialogs.h"

#include <QDir>
#include <algorithm>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>

namespace velnorit::shell {

namespace {

// The folder of the last file chosen in this run; never written anywhere.
QString& lastFolder() {
    static QString folder;
    return folder;
}

// An existing path that is neither a regular file nor a folder: a device,
// a pipe or a socket. Such a name is taken as typed.
bool isSpecialFile(const QFileInfo& info) { return info.exists() && !info.isFile() && !info.isDir(); }

// Qt's own file dialog, not the desktop's: the desktop's dialog may keep a
// list of recent files, and only Qt's dialog adds the default suffix before
// it asks whether to replace a file.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const QString& title, const QList<FileKind>& kinds)
        : QFileDialog(parent, title), kinds_(kinds) {
        keepFileDialogHistoryInMemory();
        setOption(QFileDialog::DontUseNativeDialog);
        QStringList filters;
        for (const FileKind& kind : kinds) filters << kind.filter;
        setNameFilters(filters);
        if (!lastFolder().isEmpty()) setDirectory(lastFolder());
    }

    // The kind chosen in the dialog, as an index into the filters.
    int chosenKind() const { return std::max(0, static_cast<int>(nameFilters().indexOf(selectedNameFilter()))); }

    // The ending of the chosen kind is added before the dialog checks the
    // name, so that it asks about the file that will be written. A device
    // keeps its name: the dialog asks whether to replace "full", not whether
    // to create "full.png".
    void accept() override {
        if (acceptMode() == QFileDialog::AcceptSave && !kinds_.isEmpty()) {
            const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            const bool asTyped = name != nullptr && isSpecialFile(QFileInfo(directory(), name->text()));
            setDefaultSuffix(asTyped ? QString() : kinds_[chosenKind()].suffix);
        }
        QFileDialog::accept();
    }

private:
    QList<FileKind> kinds_;
};

// The chosen file, with its folder remembered for the next dialog.
std::optional<QString> chosenPath(FileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().first();
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

// The kind whose ending the name has, else the one chosen.
int kindOf(const QString& path, const QList<FileKind>& kinds, int chosen) {
    const QString suffix = QFileInfo(path).suffix();
    for (qsizetype i = 0; i < kinds.size(); ++i)
        if (suffix.compare(kinds[i].suffix, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return chosen;
}

} // namespace

// Qt's file dialog saves its history, when it closes, through
// QSettings(UserScope, "QtProject") in the native format, which no
// setDefaultFormat changes. With that format's user folder set to /dev/null,
// which can never be a folder, the settings read as empty and every attempt
// to save them fails before any folder or file is made; the last folder is
// kept by lastFolder() instead.
void keepFileDialogHistoryInMemory() {
    static const bool kept = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
        return true;
    }();
    (void)kept;
}

std::optional<SaveTarget> askSaveTarget(QWidget* parent, const QString& title, const QString& proposedPath,
                                        const QList<FileKind>& kinds) {
    FileDialog dialog(parent, title, kinds);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QFileInfo proposed(proposedPath);
    dialog.setDirectory(lastFolder().isEmpty() ? proposed.absolutePath() : lastFolder());
    dialog.selectFile(proposed.fileName());
    const int proposedKind = kindOf(proposedPath, kinds, 0);
    if (!kinds.isEmpty()) dialog.selectNameFilter(kinds[proposedKind].filter);
    const std::optional<QString> path = chosenPath(dialog);
    if (!path) return std::nullopt;
    return SaveTarget{*path, kindOf(*path, kinds, dialog.chosenKind())};
}

std::optional<QString> askOpenPath(QWidget* parent, const QString& title, const QList<FileKind>& kinds,
                                   const QString& startFolder) {
    FileDialog dialog(parent, title, kinds);
    if (lastFolder().isEmpty() && !startFolder.isEmpty()) dialog.setDirectory(startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenPath(dialog);
}

void showSaveFailure(QWidget* parent, const QString& title, const QString& what, const QString& path,
                     const QString& reason) {
    QMessageBox box(QMessageBox::Warning, title,
                    QStringLiteral("%1 konnte nicht gespeichert werden.\n\nDatei: %2\nGrund: %3")
                        .arg(what, QDir::toNativeSeparators(path), reason),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace velnorit::shell
