#include "shell/open_lesson_command.h"

#include "view/board_ops.h"

#include <utility>

namespace velnorit::shell {

OpenLessonCommand::OpenLessonCommand(LessonWindow window, lesson::Lesson lesson)
    : HistoryCommand(QStringLiteral("Tafelbild öffnen"), false), window_(window), lesson_(std::move(lesson)),
      beforeSheet_(window.history.currentSheet()), beforeChoices_(windowChoicesOf(window.controls)) {}

OpenLessonCommand::OpenLessonCommand(LessonWindow window, OpenLessonCommand& applied)
    : HistoryCommand(applied.text(), true), window_(window), applied_(applied.applied_),
      beforeSheet_(std::move(applied.beforeSheet_)), beforeChoices_(std::move(applied.beforeChoices_)),
      afterSheet_(std::move(applied.afterSheet_)), afterChoices_(std::move(applied.afterChoices_)) {}

std::size_t OpenLessonCommand::memoryBytes() const {
    return sizeof(*this) + beforeSheet_.toolOps.memoryBytes() + afterSheet_.toolOps.memoryBytes();
}

std::unique_ptr<tools::HistoryCommand> OpenLessonCommand::moveOut() {
    return std::unique_ptr<HistoryCommand>(new OpenLessonCommand(window_, *this));
}

void OpenLessonCommand::applyChoices(const WindowChoices& choices) {
    applyWindowChoices(window_.controls, window_.tools, choices);
}

void OpenLessonCommand::redoStep() {
    tools::UndoHistory& history = window_.history;
    if (applied_) {
        history.restore(afterSheet_, true);
        applyChoices(afterChoices_);
        return;
    }
    history.restore(tools::UndoHistory::Sheet{lesson_.settings, lesson_.wiped, {}}, true);
    view::drawBoardOps(*window_.controls.picGraph, lesson_.board);
    applyChoices({lesson_.listShown, lesson_.markerText, lesson_.colour, lesson_.tool});
    afterSheet_ = history.currentSheet();
    afterChoices_ = windowChoicesOf(window_.controls);
    lesson_ = {};
    applied_ = true;
}

void OpenLessonCommand::undoStep() {
    window_.history.restore(beforeSheet_, true);
    applyChoices(beforeChoices_);
}

} // namespace velnorit::shell
