#pragma once

#include "lesson/lesson.h"
#include "shell/recovery_writer.h"
#include "shell/window_choices.h"
#include "tools/pointer_tools.h"
#include "tools/undo_history.h"
#include "view/graph_view.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

namespace velnorit::shell {

// The lesson shown in the window as a document: its file, its steps back and
// forward, the state it was last opened or saved in, and its recovery copy.
//
// "Unsaved" has one meaning for the title's mark, the question before
// another lesson is opened, and the recovery copy: the window would not
// open again as it is from the file last saved or opened (or as it started).
// What a lesson file keeps is either a step on the undo stack (every
// redraw that changes the picture, every tool step, a wipe, an opened
// lesson) or a choice of the window (pan, list shown, marker text, colour,
// tool); so the board is unsaved while the stack is away from its clean
// state, a tool step is open, or a choice differs from the one saved.
// Changing a choice back, or undoing to the saved step, makes the board
// saved again. The document learns of changes from signals only: the stack's,
// the history's and the stored controls' own (watchStoredControls).
class LessonDocument : public QObject {
    Q_OBJECT

public:
    LessonDocument(view::GraphView& view, tools::PointerTools& tools, const view::FormControls& controls,
                   const QString& recoveryFolder = RecoveryCopies::defaultFolder());
    // An end with nothing unsaved leaves no copy; one with unsaved changes
    // leaves the newest, so that the next start offers it.
    ~LessonDocument() override;

    // After start-up: from now on changes are steps, and the window as it is
    // counts as saved.
    void start();

    tools::UndoHistory& history() { return history_; }
    const QString& path() const { return path_; }
    bool isModified() const { return modified_; }

    // What a lesson file keeps of the window now, and putting a lesson into
    // it as one step that undo takes back.
    lesson::Lesson collect() const;
    void apply(const lesson::Lesson& lesson);

    // A lesson file read whole and checked before anything in the window
    // moves, or one written through the safe writer (only a lesson that opens
    // again). Empty on success, else the German reason; a refused file
    // changes nothing.
    QString open(const QString& path);
    QString saveTo(const QString& path);

    // At start-up: the newest copy of an ended window, if there is one, is
    // put into the window as an unsaved board when `restore` says so, and
    // removed when it does not. True if a board was restored.
    bool offerRecovery(const std::function<bool()>& restore);
    RecoveryWriter& recovery() { return recovery_; }

signals:
    void modifiedChanged(bool modified);
    void pathChanged(const QString& path);
    void recoveryCopyFailed(const QString& reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The choices a lesson keeps that are no steps of the stack.
    struct StoredChoices {
        Integer pan = 0;
        WindowChoices choices;
        bool operator==(const StoredChoices&) const = default;
    };

    void watchStoredControls();
    void noteChange();
    StoredChoices storedChoices() const;
    bool differsFromSaved() const;
    view::LessonSnapshot snapshot() const;
    void markSaved(const QString& absolutePath);

    view::GraphView& view_;
    tools::PointerTools& tools_;
    const view::FormControls& c_;
    QUndoStack stack_;
    tools::UndoHistory history_;
    QString path_;
    StoredChoices saved_;
    bool started_ = false;
    bool modified_ = false;
    RecoveryWriter recovery_;
};

} // namespace velnorit::shell
