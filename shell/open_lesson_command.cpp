#include "shell/open_lesson_command.h"

#include "shell/form1.h"
#include "view/board_ops.h"

#include <utility>

namespace velnorit::shell {

OpenLessonCommand::OpenLessonCommand(Form1& form, view::Lesson lesson)
    : HistoryCommand(QStringLiteral("Tafelbild öffnen"), false), form_(form), lesson_(std::move(lesson)),
      beforeSheet_(form.undoHistory().currentSheet()), beforeChoices_(form.windowChoices()) {}

OpenLessonCommand::OpenLessonCommand(Form1& form, OpenLessonCommand& applied)
    : HistoryCommand(applied.text(), true), form_(form), applied_(applied.applied_),
      beforeSheet_(std::move(applied.beforeSheet_)), beforeChoices_(std::move(applied.beforeChoices_)),
      afterSheet_(std::move(applied.afterSheet_)), afterChoices_(std::move(applied.afterChoices_)) {}

std::size_t OpenLessonCommand::memoryBytes() const {
    return sizeof(*this) + beforeSheet_.toolOps.memoryBytes() + afterSheet_.toolOps.memoryBytes();
}

std::unique_ptr<tools::HistoryCommand> OpenLessonCommand::moveOut() {
    return std::unique_ptr<HistoryCommand>(new OpenLessonCommand(form_, *this));
}

void OpenLessonCommand::redoStep() {
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

void OpenLessonCommand::undoStep() {
    form_.undoHistory().restore(beforeSheet_, true);
    form_.applyWindowChoices(beforeChoices_);
}

} // namespace velnorit::shell
