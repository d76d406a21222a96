// "Liste speichern …" of the menu "Extras": the list of the last redraw as a
// table for a spreadsheet (CSV) or as the text of the list box.
#include "core/far_records.h"
#include "core/record_table.h"
#include "shell/file_dialogs.h"
#include "shell/form1.h"
#include "view/graph_picture.h"

#include <QDir>
#include <QStandardPaths>

namespace velnorit::shell {

namespace {

const QString kListTitle = QStringLiteral("Liste speichern");

// In the order of ListFormat.
const QList<FileKind> kListKinds = {
    {QStringLiteral("CSV-Tabelle (*.csv)"), QStringLiteral("csv")},
    {QStringLiteral("Text (*.txt)"), QStringLiteral("txt")},
};

// The byte order mark tells a spreadsheet (LibreOffice Calc, Excel) that the
// table is UTF-8, so "Zähler" arrives as written.
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

TargetParameters drawnTarget(const view::ViewSettings& drawn) {
    return {drawn.wurzel, drawn.abs, drawn.nenner, drawn.plus ? 1 : (drawn.minus ? -1 : 0)};
}

} // namespace

void Form1::cmdSaveList_Click() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
    const QString proposed =
        QDir(folder).filePath(view::pictureBaseName(graphView_->drawnSettings()) + QStringLiteral(".csv"));
    const std::optional<SaveTarget> target = askSaveTarget(this, kListTitle, proposed, kListKinds);
    if (target) saveListTo(target->path, static_cast<ListFormat>(target->kind));
}

QByteArray Form1::listFileBytes(ListFormat format) const {
    if (format == ListFormat::Text) return c_.Text5->toPlainText().toUtf8();
    // The window lists the denominators up to 10000; the records from the
    // continued fraction are the same list, line for line.
    const std::vector<FarRecord> records =
        farRecords(drawnTarget(graphView_->drawnSettings()), DenominatorLimit{"10000"});
    return kUtf8Mark + QByteArray::fromStdString(recordTableCsv(records));
}

bool Form1::saveListTo(const QString& path, ListFormat format) {
    const QString reason = writeFileSafely(path, listFileBytes(format));
    if (reason.isEmpty()) return true;
    showSaveFailure(this, kListTitle, QStringLiteral("Die Liste"), path, reason);
    return false;
}

} // namespace velnorit::shell
