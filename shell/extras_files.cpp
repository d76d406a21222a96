// "Bild exportieren …" and "Drucken …" of the menu "Extras".
#include "shell/extras_commands.h"
#include "shell/file_dialogs.h"
#include "shell/picture_files.h"
#include "view/graph_picture.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace velnorit::shell {

namespace {

const QString kExportTitle = QStringLiteral("Bild exportieren");

// In the order of PictureFormat.
const QList<FileKind> kPictureKinds = {
    {QStringLiteral("PNG-Bild (*.png)"), QStringLiteral("png")},
    {QStringLiteral("SVG-Vektorgraphik (*.svg)"), QStringLiteral("svg")},
    {QStringLiteral("PDF-Arbeitsblatt (*.pdf)"), QStringLiteral("pdf")},
};

QString pictureFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

} // namespace

void ExtrasCommands::exportPicture() {
    const QString proposed =
        QDir(pictureFolder()).filePath(view::pictureBaseName(graph_.drawnSettings()) + QStringLiteral(".png"));
    const std::optional<SaveTarget> target = askSaveTarget(window_, kExportTitle, proposed, kPictureKinds);
    if (target) savePictureTo(target->path, static_cast<PictureFormat>(target->kind));
}

bool ExtrasCommands::savePictureTo(const QString& path) { return savePictureTo(path, pictureFormatOf(path)); }

bool ExtrasCommands::savePictureTo(const QString& path, PictureFormat format) {
    const QString reason = writePictureFile(path, format, c_, view::worksheetTitle(graph_.drawnSettings()));
    if (reason.isEmpty()) return true;
    showSaveFailure(window_, kExportTitle, QStringLiteral("Das Bild"), path, reason);
    return false;
}

void ExtrasCommands::print() {
    QPrinter printer(QPrinter::ScreenResolution);
    prepareWorksheetPrinter(printer);
    QPrintDialog dialog(&printer, window_);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted) return;
    printTo(printer);
}

// Printing to a file writes the worksheet like every other file: whole or
// not at all.
bool ExtrasCommands::printTo(QPrinter& printer) {
    const view::FormControls& controls = c_;
    const QString title = view::worksheetTitle(graph_.drawnSettings());
    const QString file = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || file.isEmpty()) {
        printWorksheet(printer, controls, title);
        return true;
    }
    const QString reason = writeWorksheetFile(file, printer.pageLayout(), controls, title);
    if (reason.isEmpty()) return true;
    showSaveFailure(window_, QStringLiteral("Drucken"), QStringLiteral("Das Arbeitsblatt"), file, reason);
    return false;
}

} // namespace velnorit::shell
