#include "tools/readout_announcement.h"

#include <QAccessible>
#include <QStringList>

namespace velnorit::tools {

void announceReadout(QWidget& graph, QWidget& field, const QString& before, const QString& now) {
    // The field's lines as one sentence, without the blanks of the number forms.
    QStringList lines = now.split(QLatin1Char('\n'));
    for (QString& line : lines) line = line.simplified();
    graph.setAccessibleDescription(lines.join(QStringLiteral(", ")));
    QAccessibleTextUpdateEvent update(&field, 0, before, now);
    QAccessible::updateAccessibility(&update);
}

} // namespace velnorit::tools
