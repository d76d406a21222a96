// The window as a lesson: what a lesson file keeps of it, and putting a
// lesson back into it.
#include "shell/form1.h"
#include "shell/open_lesson_command.h"
#include "view/board_ops.h"

#include <algorithm>

namespace velnorit::shell {

WindowChoices Form1::windowChoices() const {
    WindowChoices choices;
    choices.listShown = !c_.Text5->isHidden();
    choices.markerText = c_.Text3->text();
    // The pen colour is a copy of the box last clicked.
    const view::RgbValue pen = c_.Picture2[4]->backColor();
    for (int box = 0; box < 4; ++box)
        if (c_.Picture2[static_cast<std::size_t>(box)]->backColor() == pen) choices.colour = box;
    for (int tool = 0; tool < 4; ++tool)
        if (c_.Option2[static_cast<std::size_t>(tool)]->isChecked()) choices.tool = tool;
    return choices;
}

// As the user would make the choices, so that every handler that follows
// from one (cursor, eraser square, markText) runs.
void Form1::applyWindowChoices(const WindowChoices& choices) {
    c_.Text5->setVisible(choices.listShown);
    c_.Text3->setText(choices.markerText);
    pointerTools_->Picture2_Click(std::clamp(choices.colour, 0, 3));
    c_.Option2[static_cast<std::size_t>(std::clamp(choices.tool, 0, 3))]->setChecked(true);
    showChoicesInMenu();
}

view::LessonSnapshot Form1::lessonSnapshot() const {
    const tools::UndoHistory::SheetPlace sheet = undoHistory_->sheetPlace();
    const WindowChoices choices = windowChoices();
    view::LessonSnapshot snapshot;
    view::Lesson& lesson = snapshot.lesson;
    lesson.settings = sheet.base;
    // The pan is the one shown now: panning draws nothing anew.
    lesson.settings.pan = static_cast<Integer>(c_.hscn->value());
    lesson.listShown = choices.listShown;
    lesson.markerText = choices.markerText;
    lesson.colour = choices.colour;
    lesson.tool = choices.tool;
    lesson.wiped = sheet.wiped;
    snapshot.board = view::copyBoard(c_.picGraph->drawing(), sheet.boardStart);
    return snapshot;
}

view::Lesson Form1::collectLesson() const { return view::completeLesson(lessonSnapshot()); }

void Form1::applyLesson(const view::Lesson& lesson) {
    undoHistory_->push(std::make_unique<OpenLessonCommand>(*this, lesson));
}

} // namespace velnorit::shell
