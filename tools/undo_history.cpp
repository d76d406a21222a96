#include "tools/undo_history.h"

#include <QScopedValueRollback>

#include <utility>
#include <vector>

namespace velnorit::tools {

void HistoryCommand::redo() {
    if (alreadyDone_) {
        alreadyDone_ = false;
        return;
    }
    redoStep();
}

// What the tools drew between a press and its release.
class UndoHistory::ToolCommand : public HistoryCommand {
public:
    ToolCommand(UndoHistory& history, const QString& name, std::size_t from, view::DrawingSlice ops)
        : HistoryCommand(name, true), history_(history), from_(from), ops_(std::move(ops)) {}
    std::size_t memoryBytes() const override { return sizeof(*this) + ops_.memoryBytes(); }
    std::unique_ptr<HistoryCommand> moveOut() override {
        return std::make_unique<ToolCommand>(history_, text(), from_, std::move(ops_));
    }

protected:
    void undoStep() override { history_.graph_.truncateDrawing(from_); }
    void redoStep() override { history_.graph_.appendDrawing(ops_); }

private:
    UndoHistory& history_;
    std::size_t from_; // the drawing's size before the step
    view::DrawingSlice ops_;
};

// "Alles": the sheet before it comes back by undo.
class UndoHistory::WipeCommand : public HistoryCommand {
public:
    WipeCommand(UndoHistory& history, Sheet before)
        : HistoryCommand(QStringLiteral("Alles wischen"), true), history_(history), before_(std::move(before)) {}
    std::size_t memoryBytes() const override { return sizeof(*this) + before_.toolOps.memoryBytes(); }
    std::unique_ptr<HistoryCommand> moveOut() override {
        return std::make_unique<WipeCommand>(history_, std::move(before_));
    }

protected:
    void undoStep() override { history_.restore(before_, false); }
    void redoStep() override {
        history_.graph_.cls();
        history_.wiped_ = true;
        history_.toolStart_ = 0;
    }

private:
    UndoHistory& history_;
    Sheet before_;
};

// A redraw, with the settings it drew with.
class UndoHistory::RedrawCommand : public HistoryCommand {
public:
    RedrawCommand(UndoHistory& history, Sheet before, const view::ViewSettings& after)
        : HistoryCommand(QStringLiteral("Zeichnen"), true), history_(history), before_(std::move(before)),
          after_(after) {}
    std::size_t memoryBytes() const override { return sizeof(*this) + before_.toolOps.memoryBytes(); }
    std::unique_ptr<HistoryCommand> moveOut() override {
        return std::make_unique<RedrawCommand>(history_, std::move(before_), after_);
    }

protected:
    void undoStep() override { history_.restore(before_, true); }
    void redoStep() override {
        history_.view_.restoreSettings(after_);
        history_.redrawUnrecorded();
        history_.base_ = after_;
        history_.wiped_ = false;
        history_.toolStart_ = history_.graph_.drawing().size();
    }

private:
    UndoHistory& history_;
    Sheet before_;
    view::ViewSettings after_;
};

UndoHistory::UndoHistory(QUndoStack& stack, view::GraphView& view, view::DrawingSurface& graph)
    : stack_(stack), view_(view), graph_(graph) {
    stack_.clear();
    stack_.setUndoLimit(static_cast<int>(kMaxSteps));
    view_.addRedrawListener(this);
}

UndoHistory::~UndoHistory() { view_.removeRedrawListener(this); }

void UndoHistory::start() {
    stack_.clear();
    pushed_.clear();
    pushedBytes_ = 0;
    base_ = view_.drawnSettings();
    wiped_ = false;
    toolStart_ = graph_.drawing().size();
    started_ = true;
}

std::size_t UndoHistory::memoryBytes() const { return sizeof(*this) + pushedBytes_; }

UndoHistory::Sheet UndoHistory::currentSheet() const {
    return Sheet{base_, wiped_, graph_.drawing().slice(toolStart_)};
}

// A new step drops the steps that could have been redone (the stack does),
// and the oldest go when there are too many (the stack's limit) or, past
// kKeptSteps, when they hold too much.
void UndoHistory::push(std::unique_ptr<HistoryCommand> step) {
    HistoryCommand* command = step.get();
    indexBeforePush_ = stack_.index();
    stack_.push(step.release()); // done here, unless it says it is done
    forgetStepsTheStackDropped();
    // Measured once it is done: a step that is done on its push holds its
    // data only afterwards.
    pushed_.push_back({command, command->memoryBytes()});
    pushedBytes_ += pushed_.back().bytes;
    Q_ASSERT(pushed_.size() == static_cast<std::size_t>(stack_.count()));
    keepToBudget();
}

// The steps that could have been redone went with the push, and the oldest
// beyond the stack's limit after it.
void UndoHistory::forgetStepsTheStackDropped() {
    while (pushed_.size() > static_cast<std::size_t>(indexBeforePush_)) {
        pushedBytes_ -= pushed_.back().bytes;
        pushed_.pop_back();
    }
    while (!pushed_.empty() && pushed_.size() + 1 > static_cast<std::size_t>(stack_.count())) {
        pushedBytes_ -= pushed_.front().bytes;
        pushed_.pop_front();
    }
}

void UndoHistory::keepToBudget() {
    std::size_t bytes = pushedBytes_;
    std::size_t drop = 0;
    while (pushed_.size() - drop > kKeptSteps && bytes > kBudgetBytes) {
        bytes -= pushed_[drop].bytes;
        ++drop;
    }
    if (drop > 0) dropOldest(drop);
}

// Fills the stack again without its oldest steps. Called right after a
// push, so every step on it is done; the clean state stays where it was
// unless it went with the oldest.
void UndoHistory::dropOldest(std::size_t count) {
    const int clean = stack_.cleanIndex() - static_cast<int>(count);
    std::vector<std::unique_ptr<HistoryCommand>> kept;
    kept.reserve(pushed_.size() - count);
    for (std::size_t i = count; i < pushed_.size(); ++i) kept.push_back(pushed_[i].command->moveOut());
    stack_.clear();
    pushed_.clear();
    pushedBytes_ = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        HistoryCommand* command = kept[i].get();
        stack_.push(kept[i].release());
        pushed_.push_back({command, command->memoryBytes()});
        pushedBytes_ += pushed_.back().bytes;
        if (static_cast<int>(i) + 1 == clean) stack_.setClean();
    }
    if (clean < 0) stack_.resetClean();
}

// --- Tool steps

void UndoHistory::beginToolStep(const QString& toolName) {
    if (!started_ || toolStepOpen_) return;
    toolStepOpen_ = true;
    toolFrom_ = graph_.drawing().size();
    toolName_ = toolName;
    emit toolStepOpenChanged(true);
}

void UndoHistory::endToolStep() {
    if (!toolStepOpen_) return;
    toolStepOpen_ = false;
    if (graph_.drawing().size() > toolFrom_) // else nothing was drawn
        push(std::make_unique<ToolCommand>(*this, toolName_, toolFrom_, graph_.drawing().slice(toolFrom_)));
    emit toolStepOpenChanged(false);
}

// --- Wipe and redraw

void UndoHistory::recordWipe() {
    if (!started_) return;
    endToolStep();
    if (wiped_ && graph_.drawing().size() == 0) return; // nothing left to wipe
    push(std::make_unique<WipeCommand>(*this, currentSheet()));
    wiped_ = true;
    toolStart_ = 0;
}

void UndoHistory::aboutToRedraw() {
    if (!started_ || restoring_) return;
    reopenAfterRedraw_ = toolStepOpen_;
    endToolStep();
    const view::ViewSettings after = view_.drawnSettings(); // the settings this redraw draws
    if (redrawChangesNothing(after)) return;
    Sheet before = currentSheet();
    // The pan is no reason to redraw: undo brings back the one of this moment.
    before.base.pan = after.pan;
    push(std::make_unique<RedrawCommand>(*this, std::move(before), after));
}

// The same picture again, with nothing drawn on it that the redraw would
// wipe: no step. The pan is no part of the picture.
bool UndoHistory::redrawChangesNothing(const view::ViewSettings& after) const {
    view::ViewSettings before = base_;
    before.pan = after.pan;
    return before == after && !wiped_ && graph_.drawing().size() == toolStart_;
}

void UndoHistory::redrawn() {
    if (!started_ || restoring_) return;
    base_ = view_.drawnSettings();
    wiped_ = false;
    toolStart_ = graph_.drawing().size();
    if (reopenAfterRedraw_) beginToolStep(toolName_);
    reopenAfterRedraw_ = false;
}

// --- Undo and redo

void UndoHistory::redrawUnrecorded() {
    const QScopedValueRollback<bool> restoring(restoring_, true);
    view_.redraw();
}

// Brings back a sheet: its picture by running redraw again with its
// settings (with the controls set to them, or only for the moment of the
// redraw), then what the tools had drawn on it.
void UndoHistory::restore(const Sheet& sheet, bool withSettings) {
    if (withSettings) {
        view_.restoreSettings(sheet.base);
        redrawUnrecorded();
    } else if (!sheet.wiped) {
        const view::ViewSettings now = view_.settings();
        if (now != sheet.base) view_.restoreSettings(sheet.base);
        redrawUnrecorded();
        if (now != sheet.base) view_.restoreSettings(now);
    }
    if (sheet.wiped) graph_.cls();
    base_ = sheet.base;
    wiped_ = sheet.wiped;
    toolStart_ = graph_.drawing().size();
    graph_.appendDrawing(sheet.toolOps);
}

void UndoHistory::undo() {
    const bool stroke = toolStepOpen_;
    endToolStep();
    stack_.undo();
    if (stroke) beginToolStep(toolName_);
}

void UndoHistory::redo() {
    const bool stroke = toolStepOpen_;
    endToolStep();
    stack_.redo();
    if (stroke) beginToolStep(toolName_);
}

} // namespace velnorit::tools
