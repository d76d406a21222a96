#include "shell/open_lesson_command.h"

#include "shell/form1.h"
#include "view/board_ops.h"

#include <utility>

namespace velnorit::shell {

OpenLessonCommand::OpenLessonCommand(Form1& form, view::Lesson lesson)
    : QUndoCommand(QStringLiteral("Tafelbild öffnen")), form_(form), lesson_(std::move(lesson)),
      beforeSheet_(form.undoHistory().currentSheet()), beforeChoices_(form.windowChoices()) {}

void OpenLessonCommand::redo() {
    tools::UndoHistory& history = form_.undoHistory();
    if (applied_) {
        history.restore(afterSheet_, true);
        form_.applyWindowChoices(afterChoices_);
        return;
    }
    history.restore(tools::UndoHistory::Sheet{lesson_.settings, lesson_.wiped, {}}, true);
    view::drawBoardOps(*form_.controls().picGraph, lesson_.board);
    form_.applyWindowChoices({lesson_.listShown, lesson_.markerText, lesson_.colour, lesson_.tool});
    afterSheet_ = history.currentSheet();
    afterChoices_ = form_.windowChoices();
    lesson_ = {};
    applied_ = true;
}

void OpenLessonCommand::undo() {
    form_.undoHistory().restore(beforeSheet_, true);
    form_.applyWindowChoices(beforeChoices_);
}

} // namespace velnorit::shell
