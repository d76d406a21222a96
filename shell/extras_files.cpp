// "Bild speichern …" and "Drucken …" of the menu "Extras".
#include "shell/form1.h"
#include "shell/picture_files.h"
#include "view/graph_picture.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace velnorit::shell {

namespace {

struct FileKind {
    const char* filter;
    const char* suffix;
};
const FileKind kFileKinds[] = {
    {"PNG-Bild (*.png)", ".png"},
    {"SVG-Vektorgraphik (*.svg)", ".svg"},
    {"PDF-Arbeitsblatt (*.pdf)", ".pdf"},
};

// The suffix of the chosen kind, unless the name has one of the three.
QString withSuffix(const QString& path, const QString& filter) {
    for (const FileKind& kind : kFileKinds)
        if (path.endsWith(QLatin1String(kind.suffix), Qt::CaseInsensitive)) return path;
    for (const FileKind& kind : kFileKinds)
        if (filter == QLatin1String(kind.filter)) return path + QLatin1String(kind.suffix);
    return path + QStringLiteral(".png");
}

QString pictureFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

} // namespace

void Form1::cmdSave_Click() {
    QStringList filters;
    for (const FileKind& kind : kFileKinds) filters << QLatin1String(kind.filter);
    QString chosenFilter = filters.first();
    const QString proposed =
        QDir(pictureFolder()).filePath(view::pictureBaseName(graphView_->drawnSettings()) + QStringLiteral(".png"));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Bild speichern"), proposed,
                                                      filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty()) return; // cancelled
    savePictureTo(withSuffix(path, chosenFilter));
}

bool Form1::savePictureTo(const QString& path) {
    const view::FormControls& controls = graphView_->controls();
    const QString reason =
        writePictureFile(path, controls, view::worksheetTitle(graphView_->drawnSettings()));
    if (reason.isEmpty()) return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Bild speichern"),
                    QStringLiteral("Das Bild konnte nicht gespeichert werden.\n\nDatei: %1\nGrund: %2")
                        .arg(QDir::toNativeSeparators(path), reason),
                    QMessageBox::Ok, this);
    box.exec();
    return false;
}

void Form1::cmdPrint_Click() {
    QPrinter printer(QPrinter::ScreenResolution);
    prepareWorksheetPrinter(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted) return;
    printTo(printer);
}

void Form1::printTo(QPrinter& printer) {
    const view::FormControls& controls = graphView_->controls();
    printWorksheet(printer, controls, view::worksheetTitle(graphView_->drawnSettings()));
}

} // namespace velnorit::shell
