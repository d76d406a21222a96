#pragma once

#include <QString>

class QWidget;

namespace velnorit::shell {

class LessonDocument;

// "Tafelbild öffnen …", "Tafelbild speichern" and "… unter …" of the menu
// "Extras", and the file named on the command line: the document's open and
// save with their dialogs, questions and messages.
class LessonFileCommands {
public:
    LessonFileCommands(LessonDocument& document, QWidget* window) : document_(document), window_(window) {}

    void open();   // asks first what to do with unsaved changes
    void save();   // to the lesson's file, or as "… unter …" without one
    void saveAs();

    // Opens the file or says in a box why it was refused; the window stays
    // as it was then.
    bool openFile(const QString& path);
    // Saves or says in a box why not.
    bool saveTo(const QString& path);

    // The German question at start whether to restore a board left by an
    // ended window.
    bool askToRestore();

private:
    // Asks whether unsaved changes are to be saved first; false: cancelled.
    bool changesMayGo();

    LessonDocument& document_;
    QWidget* window_;
};

} // namespace velnorit::shell
