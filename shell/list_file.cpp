// "Liste speichern …" of the menu "Extras": the list of the last redraw as a
// table for a spreadsheet (CSV) or as the text of the list box.
#include "core/far_records.h"
#include "core/record_table.h"
#include "shell/extras_commands.h"
#include "shell/file_dialogs.h"
#include "shell/safe_writer.h"
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

void ExtrasCommands::saveList() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
    const QString proposed =
        QDir(folder).filePath(view::pictureBaseName(graph_.drawnSettings()) + QStringLiteral(".csv"));
    const std::optional<SaveTarget> target = askSaveTarget(window_, kListTitle, proposed, kListKinds);
    if (target) saveListTo(target->path, static_cast<ListFormat>(target->kind));
}

QByteArray ExtrasCommands::listFileBytes(ListFormat format) const {
    if (format == ListFormat::Text) return c_.Text5->toPlainText().toUtf8();
    // The window lists the denominators up to 10000; the records from the
    // continued fraction are the same list, line for line.
    const std::vector<FarRecord> records =
        farRecords(drawnTarget(graph_.drawnSettings()), DenominatorLimit{"10000"});
    return kUtf8Mark + QByteArray::fromStdString(recordTableCsv(records));
}

bool ExtrasCommands::saveListTo(const QString& path, ListFormat format) {
    const QString reason = writeFileSafely(path, listFileBytes(format));
    if (reason.isEmpty()) return true;
    showSaveFailure(window_, kListTitle, QStringLiteral("Die Liste"), path, reason);
    return false;
}

} // namespace velnorit::shell
