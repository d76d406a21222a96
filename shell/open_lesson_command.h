#pragma once

#include "tools/undo_history.h"
#include "view/lesson_file.h"

#include <QString>

namespace velnorit::shell {

class Form1;

// What a lesson keeps of the window beyond the graph and its board.
struct WindowChoices {
    bool listShown = true;
    QString markerText;
    int colour = 0; // Picture2(0..3)
    int tool = 0;   // Option2(0..3)
    bool operator==(const WindowChoices&) const = default;
};

// "Tafelbild öffnen" as one step: the first redo puts the lesson into the
// window (controls, a redraw through the normal path, then the board drawn
// in the graph's present coordinate system); undo brings back the sheet
// and the choices of before, a later redo those of after.
class OpenLessonCommand : public tools::HistoryCommand {
public:
    OpenLessonCommand(Form1& form, view::Lesson lesson);

    std::size_t memoryBytes() const override;
    std::unique_ptr<HistoryCommand> moveOut() override;

protected:
    void undoStep() override;
    void redoStep() override;

private:
    OpenLessonCommand(Form1& form, OpenLessonCommand& applied); // takes its data, already done

    Form1& form_;
    view::Lesson lesson_; // until the first redo
    bool applied_ = false;
    tools::UndoHistory::Sheet beforeSheet_;
    WindowChoices beforeChoices_;
    tools::UndoHistory::Sheet afterSheet_;
    WindowChoices afterChoices_;
};

} // namespace velnorit::shell
