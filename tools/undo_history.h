#pragma once

#include "view/drawing_surface.h"
#include "view/graph_view.h"
#include "view/retained_drawing.h"
#include "view/view_settings.h"

#include <cstddef>
#include <deque>

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

    void beginToolStep(); // a press on the graph
    void endToolStep();   // its release
    void recordWipe();    // just before "Alles" clears the graph

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    void undo();
    void redo();

    std::size_t stepCount() const { return steps_.size(); }
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
    enum class Kind { Tool, Wipe, Redraw };
    struct Step {
        Kind kind = Kind::Tool;
        std::size_t from = 0;        // Tool: the drawing's size before the step
        view::DrawingSlice ops;      // Tool: what it drew
        Sheet before;                // Wipe, Redraw
        view::ViewSettings after;    // Redraw
        std::size_t memoryBytes() const { return sizeof(*this) + ops.memoryBytes() + before.toolOps.memoryBytes(); }
    };

    void push(Step step);
    void redrawUnrecorded();

    view::GraphView& view_;
    view::DrawingSurface& graph_;
    std::deque<Step> steps_;
    std::size_t position_ = 0; // steps before it can be undone, from it on redone
    std::size_t bytes_ = 0;

    view::ViewSettings base_; // of the picture shown
    bool wiped_ = false;
    std::size_t toolStart_ = 0;

    bool started_ = false;
    bool restoring_ = false;
    bool toolStepOpen_ = false;
    bool reopenAfterRedraw_ = false;
    std::size_t toolFrom_ = 0;
};

} // namespace velnorit::tools
