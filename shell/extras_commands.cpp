// Undo and redo, tools and colours by key, and the window "Kettenbruch" of
// the menu "Extras"; its files are in extras_files.cpp and list_file.cpp.
#include "shell/extras_commands.h"

#include "shell/continued_fraction_window.h"
#include "shell/lesson_document.h"

namespace velnorit::shell {

ExtrasCommands::ExtrasCommands(QWidget* window, const view::FormControls& controls, view::GraphView& graph,
                               tools::PointerTools& tools, LessonDocument& document)
    : window_(window), c_(controls), graph_(graph), tools_(tools), document_(document) {}

void ExtrasCommands::undo() { document_.history().undo(); }

void ExtrasCommands::redo() { document_.history().redo(); }

// The same option a click would select, so that the frame shows the choice.
void ExtrasCommands::chooseTool(std::size_t index) { c_.Option2[index]->click(); }

void ExtrasCommands::chooseColour(std::size_t index) { tools_.Picture2_Click(static_cast<int>(index)); }

// The continued fraction of the target that the pointer readout uses too:
// the one of the last computeTarget, which need not be the one of the graph.
void ExtrasCommands::showContinuedFraction() {
    if (!continuedFractionWindow_) continuedFractionWindow_ = new ContinuedFractionWindow(window_);
    continuedFractionWindow_->showTarget(graph_.targetParameters());
}

} // namespace velnorit::shell
