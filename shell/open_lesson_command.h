#pragma once

#include "lesson/lesson.h"
#include "shell/window_choices.h"
#include "tools/pointer_tools.h"
#include "tools/undo_history.h"

namespace velnorit::shell {

// What opening a lesson changes: the graph through the history, and the
// choices of the window.
struct LessonWindow {
    tools::UndoHistory& history;
    const view::FormControls& controls;
    tools::PointerTools& tools;
};

// "Tafelbild öffnen" as one step: the first redo puts the lesson into the
// window (controls, a redraw through the normal path, then the board drawn
// in the graph's present coordinate system); undo brings back the sheet
// and the choices of before, a later redo those of after.
class OpenLessonCommand : public tools::HistoryCommand {
public:
    OpenLessonCommand(LessonWindow window, lesson::Lesson lesson);

    std::size_t memoryBytes() const override;
    std::unique_ptr<HistoryCommand> moveOut() override;

protected:
    void undoStep() override;
    void redoStep() override;

private:
    OpenLessonCommand(LessonWindow window, OpenLessonCommand& applied); // takes its data, already done
    void applyChoices(const WindowChoices& choices);

    LessonWindow window_;
    lesson::Lesson lesson_; // until the first redo
    bool applied_ = false;
    tools::UndoHistory::Sheet beforeSheet_;
    WindowChoices beforeChoices_;
    tools::UndoHistory::Sheet afterSheet_;
    WindowChoices afterChoices_;
};

} // namespace velnorit::shell
