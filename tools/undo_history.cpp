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

UndoHistory::UndoHistory(view::GraphView& view, view::DrawingSurface& graph) : view_(view), graph_(graph) {
    stack_.setUndoLimit(static_cast<int>(kMaxSteps));
    view_.setRedrawListener(this);
}

UndoHistory::~UndoHistory() { view_.setRedrawListener(nullptr); }

void UndoHistory::start() {
    stack_.clear();
    base_ = view_.drawnSettings();
    wiped_ = false;
    toolStart_ = graph_.drawing().size();
    started_ = true;
}

std::size_t UndoHistory::memoryBytes() const {
    std::size_t bytes = sizeof(*this);
    for (int i = 0; i < stack_.count(); ++i) bytes += static_cast<const HistoryCommand*>(stack_.command(i))->memoryBytes();
    return bytes;
}

UndoHistory::Sheet UndoHistory::currentSheet() const {
    return Sheet{base_, wiped_, graph_.drawing().slice(toolStart_)};
}

// A new step drops the steps that could have been redone (the stack does),
// and the oldest go when there are too many (the stack's limit) or, past
// kKeptSteps, when they hold too much.
void UndoHistory::push(std::unique_ptr<HistoryCommand> step) {
    stack_.push(step.release());
    keepToBudget();
}

void UndoHistory::keepToBudget() {
    const int count = stack_.count();
    std::size_t bytes = memoryBytes() - sizeof(*this);
    int drop = 0;
    while (static_cast<std::size_t>(count - drop) > kKeptSteps && bytes > kBudgetBytes) {
        bytes -= static_cast<const HistoryCommand*>(stack_.command(drop))->memoryBytes();
        ++drop;
    }
    if (drop > 0) dropOldest(drop);
}

// Builds the stack again without its oldest steps. Called right after a
// push, so every step on it is done; the clean state stays where it was
// unless it went with the oldest.
void UndoHistory::dropOldest(int count) {
    const int clean = stack_.cleanIndex() - count;
    std::vector<std::unique_ptr<HistoryCommand>> kept;
    for (int i = count; i < stack_.count(); ++i)
        // The stack hands out its commands as const only; this one is
        // deleted with the stack's clear() right after.
        kept.push_back(const_cast<HistoryCommand*>(static_cast<const HistoryCommand*>(stack_.command(i)))->moveOut());
    stack_.clear();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        stack_.push(kept[i].release());
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
}

void UndoHistory::endToolStep() {
    if (!toolStepOpen_) return;
    toolStepOpen_ = false;
    if (graph_.drawing().size() <= toolFrom_) return; // nothing drawn
    push(std::make_unique<ToolCommand>(*this, toolName_, toolFrom_, graph_.drawing().slice(toolFrom_)));
}

// --- Wipe and redraw

void UndoHistory::recordWipe() {
    if (!started_) return;
    endToolStep();
    push(std::make_unique<WipeCommand>(*this, currentSheet()));
    wiped_ = true;
    toolStart_ = 0;
}

void UndoHistory::aboutToRedraw() {
    if (!started_ || restoring_) return;
    reopenAfterRedraw_ = toolStepOpen_;
    endToolStep();
    Sheet before = currentSheet();
    const view::ViewSettings after = view_.drawnSettings(); // the settings this redraw draws
    // The pan is no reason to redraw: undo brings back the one of this moment.
    before.base.pan = after.pan;
    push(std::make_unique<RedrawCommand>(*this, std::move(before), after));
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
