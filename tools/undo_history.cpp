#include "tools/undo_history.h"

#include <QScopedValueRollback>

#include <utility>

namespace velnorit::tools {

UndoHistory::UndoHistory(view::GraphView& view, view::DrawingSurface& graph) : view_(view), graph_(graph) {
    view_.setRedrawListener(this);
}

UndoHistory::~UndoHistory() { view_.setRedrawListener(nullptr); }

void UndoHistory::start() {
    steps_.clear();
    position_ = 0;
    bytes_ = 0;
    base_ = view_.drawnSettings();
    wiped_ = false;
    toolStart_ = graph_.drawing().size();
    started_ = true;
}

std::size_t UndoHistory::memoryBytes() const { return sizeof(*this) + bytes_; }

UndoHistory::Sheet UndoHistory::currentSheet() const {
    return Sheet{base_, wiped_, graph_.drawing().slice(toolStart_)};
}

// A new step drops the steps that could have been redone; the oldest steps
// go when there are too many or, past kKeptSteps, when they hold too much.
void UndoHistory::push(Step step) {
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().memoryBytes();
        steps_.pop_back();
    }
    bytes_ += step.memoryBytes();
    steps_.push_back(std::move(step));
    while (steps_.size() > kMaxSteps || (steps_.size() > kKeptSteps && bytes_ > kBudgetBytes)) {
        bytes_ -= steps_.front().memoryBytes();
        steps_.pop_front();
    }
    position_ = steps_.size();
}

// --- Tool steps

void UndoHistory::beginToolStep() {
    if (!started_ || toolStepOpen_) return;
    toolStepOpen_ = true;
    toolFrom_ = graph_.drawing().size();
}

void UndoHistory::endToolStep() {
    if (!toolStepOpen_) return;
    toolStepOpen_ = false;
    if (graph_.drawing().size() <= toolFrom_) return; // nothing drawn
    Step step;
    step.kind = Kind::Tool;
    step.from = toolFrom_;
    step.ops = graph_.drawing().slice(toolFrom_);
    push(std::move(step));
}

// --- Wipe and redraw

void UndoHistory::recordWipe() {
    if (!started_) return;
    endToolStep();
    Step step;
    step.kind = Kind::Wipe;
    step.before = currentSheet();
    push(std::move(step));
    wiped_ = true;
    toolStart_ = 0;
}

void UndoHistory::aboutToRedraw() {
    if (!started_ || restoring_) return;
    reopenAfterRedraw_ = toolStepOpen_;
    endToolStep();
    Step step;
    step.kind = Kind::Redraw;
    step.before = currentSheet();
    step.after = view_.drawnSettings(); // the settings this redraw draws
    // The pan is no reason to redraw: undo brings back the one of this moment.
    step.before.base.pan = step.after.pan;
    push(std::move(step));
}

void UndoHistory::redrawn() {
    if (!started_ || restoring_) return;
    base_ = view_.drawnSettings();
    wiped_ = false;
    toolStart_ = graph_.drawing().size();
    if (reopenAfterRedraw_) beginToolStep();
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
    endToolStep();
    if (!canUndo()) return;
    const Step& step = steps_[position_ - 1];
    switch (step.kind) {
    case Kind::Tool:
        graph_.truncateDrawing(step.from);
        break;
    case Kind::Wipe:
        restore(step.before, false);
        break;
    case Kind::Redraw:
        restore(step.before, true);
        break;
    }
    --position_;
}

void UndoHistory::redo() {
    endToolStep();
    if (!canRedo()) return;
    const Step& step = steps_[position_];
    switch (step.kind) {
    case Kind::Tool:
        graph_.appendDrawing(step.ops);
        break;
    case Kind::Wipe:
        graph_.cls();
        wiped_ = true;
        toolStart_ = 0;
        break;
    case Kind::Redraw:
        view_.restoreSettings(step.after);
        redrawUnrecorded();
        base_ = step.after;
        wiped_ = false;
        toolStart_ = graph_.drawing().size();
        break;
    }
    ++position_;
}

} // namespace velnorit::tools
