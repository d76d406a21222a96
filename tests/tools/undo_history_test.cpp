// Undo and redo of the menu "Extras" on the real window: each kind of step,
// compared by the graph's retained drawing and by the controls.
#include "shell/lesson_document.h"
#include "shell/extras_commands.h"
#include "tools_window.h"

#include <QApplication>
#include <QTest>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace velnorit {
namespace {

using testing::RecordedOp;
using testing::ToolsWindow;

// Two drawings are the same when every operation draws the same thing.
bool sameDrawing(const std::vector<RecordedOp>& a, const std::vector<RecordedOp>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const view::DrawOp& p = a[i].op;
        const view::DrawOp& q = b[i].op;
        if (p.kind != q.kind || p.width != q.width || p.color != q.color || p.x1 != q.x1 || p.y1 != q.y1 ||
            p.x2 != q.x2 || p.y2 != q.y2 || p.fontSize != q.fontSize || a[i].text != b[i].text)
            return false;
    }
    return true;
}

class UndoRedo : public ToolsWindow {
protected:
    std::vector<RecordedOp> drawing() const { return opsSince(0); }
    void undo() { form().extras().undo(); }
    void redo() { form().extras().redo(); }
};

// One step of each tool: undo takes exactly its operations away, redo puts
// them back; an earlier step stays.
TEST_F(UndoRedo, UndoesAndRedoesEachToolStep) {
    struct ToolStep {
        const char* name;
        int tool;
    };
    for (const ToolStep& step : {ToolStep{"slope line", 0}, ToolStep{"free-hand stroke", 1},
                                 ToolStep{"marker stamp", 2}, ToolStep{"eraser drag", 3}}) {
        SCOPED_TRACE(step.name);
        chooseTool(1);
        stroke(near(0, 0.05), near(3, 0.1)); // an earlier step
        const std::vector<RecordedOp> before = drawing();
        chooseTool(step.tool);
        stroke(near(1, 0), near(30, 0.2));
        const std::vector<RecordedOp> after = drawing();
        ASSERT_GT(after.size(), before.size());

        undo();
        EXPECT_TRUE(sameDrawing(drawing(), before));
        redo();
        EXPECT_TRUE(sameDrawing(drawing(), after));
        undo();
        undo();
        EXPECT_LT(drawing().size(), before.size());
        redo();
        EXPECT_TRUE(sameDrawing(drawing(), before));
    }
}

TEST_F(UndoRedo, BringsBackWhatAllesWiped) {
    stroke(near(0, 0), near(5, 0.1));
    const std::vector<RecordedOp> before = drawing();
    form().cmdAlles_Click();
    ASSERT_EQ(opCount(), 0u);
    stroke(near(2, 0), near(6, 0.1)); // drawn on the wiped graph
    const std::vector<RecordedOp> wipedAndDrawn = drawing();

    undo();
    undo();
    EXPECT_TRUE(sameDrawing(drawing(), before));
    redo();
    EXPECT_EQ(opCount(), 0u);
    redo();
    EXPECT_TRUE(sameDrawing(drawing(), wipedAndDrawn));
}

// Undoing a redraw brings back the controls that drew the picture before it,
// that picture with the drawings on it, the list, the labels and the pan.
TEST_F(UndoRedo, UndoesARedrawWithItsSettingsListAndDrawings) {
    struct Redraw {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Redraw> redraws = {
        {"Graphik with new parameters", [this] { setParameters(7, 3, 5); }},
        {"the sign", [this] { c().Option1[1]->click(); }},
        {"the zoom", [this] { c().vscMaßstab->setValue(12); }},
        {"the x-window", [this] { c().vscMassX->setValue(4); }},
    };
    for (const Redraw& r : redraws) {
        SCOPED_TRACE(r.name);
        stroke(near(0, 0), near(5, 0.1));
        c().hscn->setValue(40);
        const view::ViewSettings settingsBefore = form().graphView().settings();
        const std::vector<RecordedOp> before = drawing();
        const std::string listBefore = c().Text5->crLfText();
        const QString topBefore = c().Text1[0]->text();
        const QString firstBefore = c().Text1[1]->text();
        const double targetBefore = target();

        r.run();
        c().hscn->setValue(0);
        const view::ViewSettings settingsAfter = form().graphView().settings();
        const std::vector<RecordedOp> after = drawing();
        const std::string listAfter = c().Text5->crLfText();
        ASSERT_FALSE(sameDrawing(before, after));

        undo();
        EXPECT_EQ(form().graphView().settings(), settingsBefore);
        EXPECT_EQ(c().hscn->value(), 40);
        EXPECT_EQ(c().picContainer->childLeft(c().picGraph), -80);
        EXPECT_TRUE(sameDrawing(drawing(), before));
        EXPECT_EQ(c().Text5->crLfText(), listBefore);
        EXPECT_EQ(c().Text1[0]->text(), topBefore);
        EXPECT_EQ(c().Text1[1]->text(), firstBefore);
        EXPECT_EQ(target(), targetBefore);

        redo();
        EXPECT_EQ(form().graphView().settings().zoom, settingsAfter.zoom);
        EXPECT_EQ(form().graphView().settings().wurzel, settingsAfter.wurzel);
        EXPECT_TRUE(sameDrawing(drawing(), after));
        EXPECT_EQ(c().Text5->crLfText(), listAfter);
        undo(); // back to the start for the next case
    }
}

TEST_F(UndoRedo, ANewStepDropsWhatCouldHaveBeenRedone) {
    stroke(near(0, 0), near(5, 0.1));
    stroke(near(1, 0), near(6, 0.1));
    undo();
    ASSERT_TRUE(form().document().history().canRedo());
    stroke(near(2, 0), near(7, 0.1));
    EXPECT_FALSE(form().document().history().canRedo());
    const std::vector<RecordedOp> now = drawing();
    redo();
    EXPECT_TRUE(sameDrawing(drawing(), now));
}

// "Zeichnen" wipes the blackboard by a redraw, and undo brings the drawing
// back; the pointer readout is no step, and a press that draws nothing is
// none either.
TEST_F(UndoRedo, ZeichnenIsUndoneButTheReadoutIsNoStep) {
    stroke(near(0, 0), near(5, 0.1));
    const std::vector<RecordedOp> drawn = drawing();
    form().cmdZeichnen_Click();
    EXPECT_FALSE(sameDrawing(drawing(), drawn));
    undo();
    EXPECT_TRUE(sameDrawing(drawing(), drawn));
    undo();
    EXPECT_FALSE(form().document().history().canUndo());
    move(near(3, 0));
    move(near(4, 0.01));
    chooseTool(3);
    move(near(5, 0));
    EXPECT_FALSE(form().document().history().canUndo());
}

// The entries name the step they would take back or do again, and are
// greyed out when there is none; the keys go the same way as the menu.
TEST_F(UndoRedo, TheEntriesNameTheirStepAndAreGreyedOutWithoutOne) {
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    const QAction* undoEntry = c().cmdUndo;
    const QAction* redoEntry = c().cmdRedo;
    EXPECT_FALSE(undoEntry->isEnabled());
    EXPECT_FALSE(redoEntry->isEnabled());
    EXPECT_EQ(undoEntry->text(), "Rückgängig");
    EXPECT_EQ(redoEntry->text(), "Wiederholen");
    struct Step {
        QString name;
        std::function<void()> take;
    };
    const std::vector<Step> steps = {
        {"Steigung", [this] { chooseTool(0); stroke(near(1, 0), near(20, 0.2)); }},
        {"Freihand", [this] { chooseTool(1); stroke(near(1, 0), near(20, 0.2)); }},
        {"Stempel", [this] { chooseTool(2); stroke(near(1, 0), near(2, 0.1)); }},
        {"Radierer", [this] { chooseTool(3); stroke(near(1, 0), near(20, 0.2)); }},
        {"Alles wischen", [this] { c().cmdAlles->trigger(); }},
        {"Zeichnen", [this] { c().cmdZeichnen->trigger(); }}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name.toStdString());
        step.take();
        EXPECT_TRUE(undoEntry->isEnabled());
        EXPECT_EQ(undoEntry->text(), "Rückgängig: " + step.name);
        EXPECT_FALSE(redoEntry->isEnabled());
        c().cmdUndo->trigger();
        EXPECT_EQ(redoEntry->text(), "Wiederholen: " + step.name);
        EXPECT_TRUE(redoEntry->isEnabled());
        QTest::keyClick(&form(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(undoEntry->text(), "Rückgängig: " + step.name);
        EXPECT_FALSE(redoEntry->isEnabled());
    }
}

// Strg+Z while a stroke is drawn takes back what it drew so far; the rest
// of the stroke is a step of its own, not part of the next one.
TEST_F(UndoRedo, UndoInTheMiddleOfAStrokeEndsItsStepFirst) {
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    chooseTool(1);
    stroke(near(0, 0.05), near(3, 0.1)); // an earlier step
    const std::size_t before = opCount();
    press(near(1, 0));
    move(near(10, 0.1));
    ASSERT_GT(opCount(), before);
    QTest::keyClick(c().vscNenner, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(opCount(), before);
    move(near(20, 0.15));
    move(near(30, 0.2));
    release(near(30, 0.2));
    const std::size_t rest = opCount();
    ASSERT_GT(rest, before);
    stroke(near(2, 0.3), near(8, 0.3)); // the next step
    undo();
    EXPECT_EQ(opCount(), rest);
    undo();
    EXPECT_EQ(opCount(), before);
}

// More steps than are kept: the oldest go, at least a hundred stay, and the
// last hundred can all be undone in order.
TEST_F(UndoRedo, KeepsAtLeastAHundredStepsAndDropsTheOldest) {
    const std::size_t start = opCount();
    std::vector<std::size_t> sizes;
    for (int i = 0; i < 320; ++i) {
        sizes.push_back(opCount());
        stroke(near(i % 50, 0.01 * (i % 7)), near(i % 50 + 2, 0.02));
    }
    // Strokes of normal size stay far below the memory budget: the stack
    // keeps as many as its limit allows.
    EXPECT_EQ(form().document().history().stepCount(), tools::UndoHistory::kMaxSteps);
    for (int i = 0; i < 100; ++i) undo();
    EXPECT_EQ(opCount(), sizes[sizes.size() - 100]);
    while (form().document().history().canUndo()) undo();
    EXPECT_GT(opCount(), start);
}

// A step that holds as many bytes as it says and notes when it is undone
// (as minus its number) or done again: the budget counts what steps say.
class SizedStep : public tools::HistoryCommand {
public:
    SizedStep(int number, std::size_t bytes, std::vector<int>& runs)
        : HistoryCommand(QString::number(number), true), number_(number), bytes_(bytes), runs_(runs) {}
    std::size_t memoryBytes() const override { return bytes_; }
    std::unique_ptr<HistoryCommand> moveOut() override {
        return std::make_unique<SizedStep>(number_, std::exchange(bytes_, 0), runs_);
    }

protected:
    void redoStep() override { runs_.push_back(number_); }
    void undoStep() override { runs_.push_back(-number_); }

private:
    int number_;
    std::size_t bytes_;
    std::vector<int>& runs_;
};

// Past the hundred steps that are always kept, the oldest go while the
// steps hold more than the budget, and not one more: the kept steps are the
// newest, in order, none of them is run again by the drop, and the saved
// state stays with the kept steps.
TEST_F(UndoRedo, TheMemoryBudgetDropsTheOldestButKeepsAHundredSteps) {
    using tools::UndoHistory;
    UndoHistory& history = form().document().history();
    QUndoStack& stack = history.stack();
    constexpr std::size_t kSmall = std::size_t{64} << 10;    // 300 of them hold 19 MB
    constexpr std::size_t kLarge = UndoHistory::kBudgetBytes / 12;
    constexpr int kSmallSteps = static_cast<int>(UndoHistory::kMaxSteps);
    auto bytesOf = [&](int number) { return number <= kSmallSteps ? kSmall : kLarge; };
    auto numberAt = [&](int index) { return stack.text(index).toInt(); };
    std::vector<int> runs;
    int pushed = 0;
    auto push = [&] { ++pushed; history.push(std::make_unique<SizedStep>(pushed, bytesOf(pushed), runs)); };

    // Normal sizes: the budget takes nothing, the stack keeps its limit.
    while (pushed < kSmallSteps) push();
    ASSERT_EQ(history.stepCount(), UndoHistory::kMaxSteps);
    stack.setClean(); // as if saved after the last small step
    int lastCount = static_cast<int>(history.stepCount());
    while (pushed < kSmallSteps + 150) {
        push();
        SCOPED_TRACE(::testing::Message() << "after step " << pushed);
        const int count = static_cast<int>(history.stepCount());
        std::size_t bytes = 0;
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(numberAt(i), pushed - count + 1 + i); // the newest, in order
            bytes += bytesOf(numberAt(i));
        }
        ASSERT_GE(count, static_cast<int>(UndoHistory::kKeptSteps));
        // Within the budget unless only the kept hundred are left, and the
        // step the budget dropped last would not have fitted.
        if (count > static_cast<int>(UndoHistory::kKeptSteps)) {
            EXPECT_LE(bytes, UndoHistory::kBudgetBytes);
        }
        if (count <= lastCount && count < kSmallSteps) {
            EXPECT_GT(bytes + bytesOf(numberAt(0) - 1), UndoHistory::kBudgetBytes);
        }
        lastCount = count;
        // The saved state, after the last small step, moves down with the
        // drop while undo can still reach it, and is forgotten after.
        const int savedAt = kSmallSteps - (numberAt(0) - 1);
        EXPECT_EQ(stack.cleanIndex(), savedAt >= 0 ? savedAt : -1);
    }
    EXPECT_EQ(history.stepCount(), UndoHistory::kKeptSteps); // 100 large steps are far beyond the budget
    EXPECT_TRUE(runs.empty()) << "a drop ran a step again";
    stack.setClean();
    for (int i = 0; i < 10; ++i) push();
    EXPECT_EQ(numberAt(stack.cleanIndex() - 1), pushed - 10);

    // All hundred can be undone, newest first, and done again.
    std::vector<int> expected;
    for (int n = pushed; n > pushed - 100; --n) expected.push_back(-n);
    while (history.canUndo()) history.undo();
    EXPECT_EQ(runs, expected);
    history.redo();
    EXPECT_EQ(runs.back(), pushed - 99);
}

// The entries of the tools and the colours show the one in use, checked
// alone, whether it was chosen by key, by the menu, by the option button or
// colour box, or by a lesson put into the window.
TEST_F(UndoRedo, TheToolAndColourEntriesShowTheChoiceInUse) {
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    const std::array<Qt::Key, 4> toolKeys = {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8};
    const std::array<Qt::Key, 4> colourKeys = {Qt::Key_1, Qt::Key_4, Qt::Key_2, Qt::Key_3}; // by box
    const auto lessonWith = [this](int tool, int colour) {
        shell::WindowChoices choices = shell::windowChoicesOf(form().controls());
        choices.tool = tool;
        choices.colour = colour;
        shell::applyWindowChoices(form().controls(), form().pointerTools(), choices);
    };
    struct Way {
        const char* name;
        std::function<void(int)> tool;
        std::function<void(int)> colour;
    };
    const std::vector<Way> ways = {
        {"key", [&](int i) { QTest::keyClick(c().vscNenner, toolKeys[static_cast<std::size_t>(i)]); },
         [&](int i) { QTest::keyClick(c().vscNenner, colourKeys[static_cast<std::size_t>(i)], Qt::ControlModifier); }},
        {"menu", [this](int i) { c().cmdTool[static_cast<std::size_t>(i)]->trigger(); },
         [this](int i) { c().cmdColour[static_cast<std::size_t>(i)]->trigger(); }},
        {"control", [this](int i) { chooseTool(i); },
         [this](int i) { QTest::mouseClick(c().Picture2[static_cast<std::size_t>(i)], Qt::LeftButton); }},
        {"lesson", [&](int i) { lessonWith(i, shell::windowChoicesOf(form().controls()).colour); },
         [&](int i) { lessonWith(shell::windowChoicesOf(form().controls()).tool, i); }}};
    const auto checkedAlone = [](const std::array<QAction*, 4>& entries, std::size_t chosen) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i]->isChecked() != (i == chosen)) return false;
        return true;
    };
    for (const Way& way : ways)
        for (int i : {2, 0, 3, 1}) {
            SCOPED_TRACE(std::string(way.name) + " " + std::to_string(i));
            way.tool(i);
            EXPECT_TRUE(c().Option2[static_cast<std::size_t>(i)]->isChecked());
            EXPECT_TRUE(checkedAlone(c().cmdTool, static_cast<std::size_t>(i)));
            way.colour(i);
            EXPECT_EQ(shell::windowChoicesOf(form().controls()).colour, i);
            EXPECT_TRUE(checkedAlone(c().cmdColour, static_cast<std::size_t>(i)));
        }
}

// The keys of "Extras" select the same option or colour box as a click and
// reach the window wherever the focus is, except in the marker text box.
TEST_F(UndoRedo, TheKeysOfExtrasWorkFromEveryControlButTheMarkerText) {
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    const std::vector<std::pair<Qt::Key, int>> toolKeys = {{Qt::Key_F5, 0}, {Qt::Key_F8, 3}, {Qt::Key_F7, 2},
                                                           {Qt::Key_F6, 1}};
    for (const auto& [key, tool] : toolKeys) {
        QTest::keyClick(c().vscNenner, key);
        EXPECT_TRUE(c().Option2[static_cast<std::size_t>(tool)]->isChecked()) << tool;
    }
    EXPECT_EQ(graph().mousePointer(), view::kSquarePointer);
    const std::vector<std::pair<Qt::Key, int>> colourKeys = {{Qt::Key_1, 0}, {Qt::Key_2, 2}, {Qt::Key_3, 3},
                                                             {Qt::Key_4, 1}};
    for (const auto& [key, box] : colourKeys) {
        QTest::keyClick(c().Text5, key, Qt::ControlModifier);
        EXPECT_EQ(c().Picture2[4]->backColor(), c().Picture2[static_cast<std::size_t>(box)]->backColor()) << box;
    }

    stroke(near(0, 0), near(5, 0.1));
    const std::size_t drawn = opCount();
    c().Text3->setFocus();
    QTest::keyClick(c().Text3, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(opCount(), drawn);
    c().Text5->setFocus();
    QTest::keyClick(c().Text5, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_LT(opCount(), drawn);
    QTest::keyClick(c().Text5, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(opCount(), drawn);
    QTest::keyClick(c().Text5, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(c().Text6, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(opCount(), drawn);
}

} // namespace
} // namespace velnorit
