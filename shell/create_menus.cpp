// The menu bar with every action of the window and its keys: the menus of
// the window itself, then the program's own menu "Extras".
#include "shell/form1.h"
#include "shell/lesson_document.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QUndoStack>

namespace velnorit::shell {

void Form1::createMenus() {
    // The menu bar, left to right.
    QMenuBar* bar = menuBar();
    c_.cmdEnde = bar->addAction(QStringLiteral("Programm beenden"));
    QMenu* clean = bar->addMenu(QStringLiteral("Tafel wischen"));
    c_.cmdAlles = clean->addAction(QStringLiteral("Alles"));
    c_.cmdZeichnen = clean->addAction(QStringLiteral("Zeichnen"));
    c_.cmdInfo = bar->addAction(QStringLiteral("Information"));
    QMenu* list = bar->addMenu(QStringLiteral("Liste ein/ausblenden"));
    c_.cmdEinblenden = list->addAction(QStringLiteral("einblenden"));
    c_.cmdAusblenden = list->addAction(QStringLiteral("ausblenden"));
    c_.cmdProgramm = bar->addAction(QStringLiteral("Zum Programm"));
    createExtrasMenu();
}

// The program's own additions, each with its keys.
void Form1::createExtrasMenu() {
    QMenu* extras = menuBar()->addMenu(QStringLiteral("Extras"));
    c_.Extras = extras;
    const auto entry = [extras](const QString& caption, const QList<QKeySequence>& keys) {
        QAction* action = extras->addAction(caption);
        action->setShortcuts(keys);
        return action;
    };
    // "Rückgängig" and "Wiederholen" come first, from the history
    // (createUndoEntries).
    extras->addSeparator();
    c_.cmdOpenLesson = entry(QStringLiteral("Tafelbild öffnen …"), {QKeySequence(QKeySequence::Open)});
    c_.cmdSaveLesson = entry(QStringLiteral("Tafelbild speichern"), {QKeySequence(QKeySequence::Save)});
    c_.cmdSaveLessonAs = entry(QStringLiteral("Tafelbild speichern unter …"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    c_.cmdExport = entry(QStringLiteral("Bild exportieren …"), {QKeySequence(Qt::CTRL | Qt::Key_E)});
    c_.cmdSaveList = entry(QStringLiteral("Liste speichern …"), {});
    c_.cmdPrint = entry(QStringLiteral("Drucken …"), {QKeySequence(QKeySequence::Print)});
    extras->addSeparator();
    c_.cmdTool[0] = entry(QStringLiteral("Steigung"), {QKeySequence(Qt::Key_F5)});
    c_.cmdTool[1] = entry(QStringLiteral("Freihand"), {QKeySequence(Qt::Key_F6)});
    c_.cmdTool[2] = entry(QStringLiteral("Stempel"), {QKeySequence(Qt::Key_F7)});
    c_.cmdTool[3] = entry(QStringLiteral("Radierer"), {QKeySequence(Qt::Key_F8)});
    extras->addSeparator();
    c_.cmdColour[0] = entry(QStringLiteral("Farbe Schwarz"), {QKeySequence(Qt::CTRL | Qt::Key_1)});
    c_.cmdColour[2] = entry(QStringLiteral("Farbe Gelb"), {QKeySequence(Qt::CTRL | Qt::Key_2)});
    c_.cmdColour[3] = entry(QStringLiteral("Farbe Rot"), {QKeySequence(Qt::CTRL | Qt::Key_3)});
    c_.cmdColour[1] = entry(QStringLiteral("Farbe Blau"), {QKeySequence(Qt::CTRL | Qt::Key_4)});
    // The tool and the colour in use stand checked, whichever way they were chosen.
    for (const auto& entries : {c_.cmdTool, c_.cmdColour}) {
        auto* group = new QActionGroup(extras);
        for (QAction* action : entries) {
            action->setCheckable(true);
            group->addAction(action);
        }
    }
    extras->addSeparator();
    c_.cmdZiel = entry(QStringLiteral("Ziel eingeben …"), {QKeySequence(Qt::CTRL | Qt::Key_T)});
    c_.cmdSchritte = entry(QStringLiteral("Schritt für Schritt"), {QKeySequence(Qt::Key_F9)});
    c_.cmdPraesentation = entry(QStringLiteral("Präsentation"), {QKeySequence(Qt::Key_F11)});
    c_.cmdKettenbruch = extras->addAction(QStringLiteral("Kettenbruch …"));
    extras->addSeparator();
    c_.cmdHandbuch = entry(QStringLiteral("Handbuch"), {QKeySequence(Qt::Key_F1)});
}

namespace {

// The stack's entry, named "Rückgängig: Freihand" and the like, or only
// by its caption when there is nothing to take back. Triggering it goes
// through the history, which first ends a stroke still drawn.
QAction* historyEntry(QAction* action, const QString& caption, void (QUndoStack::*textChanged)(const QString&),
                      QUndoStack& stack, const QString& step, const QList<QKeySequence>& keys) {
    QObject::disconnect(action, &QAction::triggered, &stack, nullptr);
    const auto name = [action, caption](const QString& text) {
        action->setText(text.isEmpty() ? caption : caption + QStringLiteral(": ") + text);
    };
    name(step);
    QObject::connect(&stack, textChanged, action, name);
    action->setShortcuts(keys);
    return action;
}

} // namespace

void Form1::createUndoEntries() {
    QUndoStack& stack = document_->history().stack();
    QAction* first = c_.Extras->actions().value(0);
    c_.cmdUndo = historyEntry(stack.createUndoAction(c_.Extras), QStringLiteral("Rückgängig"),
                              &QUndoStack::undoTextChanged, stack, stack.undoText(), QKeySequence::keyBindings(QKeySequence::Undo));
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y))) redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    c_.cmdRedo = historyEntry(stack.createRedoAction(c_.Extras), QStringLiteral("Wiederholen"),
                              &QUndoStack::redoTextChanged, stack, stack.redoText(), redoKeys);
    c_.Extras->insertActions(first, {c_.cmdUndo, c_.cmdRedo});
}

} // namespace velnorit::shell

