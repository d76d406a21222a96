#include "shell/messages.h"

#include <QStringList>

namespace velnorit::shell {

namespace {

const QString kCrLf = QString(QChar(13)) + QChar(10);

} // namespace

QString authorMessageTitle() { return QStringLiteral("Programmiert von"); }

QString authorMessageText() {
    return QStringList{QStringLiteral("Das Velnorit-Team"),
                       QStringLiteral("Freie Lehrsoftware für den Mathematikunterricht")}
        .join(kCrLf);
}

QString descriptionMessageTitle() { return QStringLiteral("Programmfunktion"); }

QString descriptionMessageText() {
    return QStringList{QStringLiteral("Für die gewählte quadratische Irrationalität"),
                       QStringLiteral("werden für jeden Nenner die am besten"),
                       QStringLiteral("approximierenden Brüche dargestellt."),
                       QStringLiteral("Die erreichte Genauigkeit wird durch einen Stammbruch"),
                       QStringLiteral("und durch das Absolutglied der vom "),
                       QStringLiteral("approximierenden Bruch gelösten Pellschen Gleichung"),
                       QStringLiteral("angegeben (im Feld am Mauszeiger)")}
        .join(kCrLf);
}

} // namespace velnorit::shell
