#pragma once

#include "view/drawing_surface.h"
#include "view/graph_view.h"
#include "view/retained_drawing.h"
#include "view/view_settings.h"

#include <QString>
#include <QUndoCommand>
#include <QUndoStack>

#include <cstddef>
#include <memory>

namespace velnorit::tools {

// The steps back and forward of the blackboard and the graph.
//
// A step is one user action that changes the picture: what the tools drew
// between a press on the graph and its release, a wipe with "Alles", or a
// redraw. A step keeps only what it needs: a tool step the operations it
// added to the graph's drawing; a wipe or a redraw the settings that drew
// the picture before it (redraw is deterministic, so running it again with
// them gives that picture back), whether that picture had been wiped, and
// the operations the tools had drawn on it. No step holds a copy of the
// plotted picture.
//
// The steps are the commands of a QUndoStack, which names them in the menu
// and greys the entries out. The stack knows no memory budget: when the
// steps beyond kKeptSteps hold too much, the stack is built again without
// the oldest, each command's data moved into a fresh one.

// One step on the stack. Its data can move into a fresh command that is
// pushed without being done again.
class HistoryCommand : public QUndoCommand {
public:
    explicit HistoryCommand(const QString& name, bool alreadyDone) : QUndoCommand(name), alreadyDone_(alreadyDone) {}
    void redo() final;
    void undo() final { undoStep(); }
    virtual std::size_t memoryBytes() const = 0;
    // A command with this one's data, already done; this one is left empty.
    virtual std::unique_ptr<HistoryCommand> moveOut() = 0;

protected:
    virtual void redoStep() = 0;
    virtual void undoStep() = 0;

private:
    bool alreadyDone_; // the next redo is the push of a step already on the screen
};

class UndoHistory : public view::RedrawListener {
public:
    static constexpr std::size_t kMaxSteps = 300;
    static constexpr std::size_t kKeptSteps = 100;                   // kept whatever they cost
    static constexpr std::size_t kBudgetBytes = std::size_t{48} << 20; // beyond kKeptSteps

    UndoHistory(view::GraphView& view, view::DrawingSurface& graph);
    ~UndoHistory() override;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // From now on steps are recorded; the picture shown is the first one.
    void start();

    void beginToolStep(const QString& toolName); // a press on the graph
    void endToolStep();                          // its release
    void recordWipe();                           // just before "Alles" clears the graph
    // Puts a step on the stack: done at once unless it says it is done.
    void push(std::unique_ptr<HistoryCommand> step);

    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    // Both first end the step of a stroke still drawn; the rest of the
    // stroke is a step of its own.
    void undo();
    void redo();
    QUndoStack& stack() { return stack_; }

    std::size_t stepCount() const { return static_cast<std::size_t>(stack_.count()); }
    std::size_t memoryBytes() const;

    void aboutToRedraw() override;
    void redrawn() override;

    // What the graph shows: the picture of a redraw with these settings (or
    // an empty graph after "Alles"), with what the tools drew on it from
    // operation toolStart on.
    struct Sheet {
        view::ViewSettings base;
        bool wiped = false;
        view::DrawingSlice toolOps;
    };
    Sheet currentSheet() const;
    // The sheet without a copy of its operations, which are those of the
    // graph's drawing from boardStart on.
    struct SheetPlace {
        view::ViewSettings base;
        bool wiped = false;
        std::size_t boardStart = 0;
    };
    SheetPlace sheetPlace() const { return {base_, wiped_, toolStart_}; }
    // Brings the sheet back; withSettings also sets the controls to its settings.
    void restore(const Sheet& sheet, bool withSettings);

private:
    class ToolCommand;
    class WipeCommand;
    class RedrawCommand;

    void keepToBudget();
    void dropOldest(int count);
    void redrawUnrecorded();

    view::GraphView& view_;
    view::DrawingSurface& graph_;
    QUndoStack stack_;

    view::ViewSettings base_; // of the picture shown
    bool wiped_ = false;
    std::size_t toolStart_ = 0;

    bool started_ = false;
    bool restoring_ = false;
    bool toolStepOpen_ = false;
    bool reopenAfterRedraw_ = false;
    std::size_t toolFrom_ = 0;
    QString toolName_;
};

} // namespace velnorit::tools
