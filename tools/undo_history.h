#pragma once

#include "view/drawing_surface.h"
#include "view/graph_view.h"
#include "view/retained_drawing.h"
#include "lesson/view_settings.h"

#include <QString>
#include <QUndoCommand>
#include <QUndoStack>

#include <cstddef>
#include <deque>
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
// The steps are the commands of a QUndoStack that the lesson's document owns;
// the stack names them in the menu, greys the entries out and drops the
// oldest beyond kMaxSteps. Each step is measured once, when it is pushed;
// when the steps beyond kKeptSteps hold more than the budget, the oldest
// go: the history holds every step it pushed as its own, moves the data of
// the steps it keeps into fresh commands and fills the stack again with
// them. A redraw that changes nothing on the sheet is no step.

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

class UndoHistory : public QObject, public view::RedrawListener {
    Q_OBJECT

public:
    static constexpr std::size_t kMaxSteps = 300;
    static constexpr std::size_t kKeptSteps = 100;                   // kept whatever they cost
    static constexpr std::size_t kBudgetBytes = std::size_t{48} << 20; // beyond kKeptSteps

    UndoHistory(QUndoStack& stack, view::GraphView& view, view::DrawingSurface& graph);
    ~UndoHistory() override;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // From now on steps are recorded; the picture shown is the first one.
    void start();

    void beginToolStep(const QString& toolName); // a press on the graph
    void endToolStep();                          // its release
    // Between a press on the graph and its release: what the tools draw
    // then is in the graph but not yet a step.
    bool toolStepOpen() const { return toolStepOpen_; }
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
    // The bytes of the steps on the stack, each as measured when pushed.
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

signals:
    // A press on the graph opened a tool step, or its release closed it.
    void toolStepOpenChanged(bool open);

private:
    class ToolCommand;
    class WipeCommand;
    class RedrawCommand;

    // A step pushed and still on the stack, with its size when pushed.
    struct Pushed {
        HistoryCommand* command; // owned by the stack
        std::size_t bytes;
    };
    void forgetStepsTheStackDropped();
    void keepToBudget();
    void dropOldest(std::size_t count);
    void redrawUnrecorded();
    bool redrawChangesNothing(const view::ViewSettings& after) const;

    QUndoStack& stack_;
    view::GraphView& view_;
    view::DrawingSurface& graph_;
    std::deque<Pushed> pushed_; // in the stack's order
    std::size_t pushedBytes_ = 0;
    int indexBeforePush_ = 0;

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
