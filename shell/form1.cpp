#include "shell/form1.h"

#include "shell/continued_fraction_window.h"
#include "shell/control_descriptions.h"
#include "shell/graph_narration.h"
#include "shell/handbook_window.h"
#include "shell/messages.h"
#include "view/accessible_controls.h"
#include "view/regional_numbers.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace velnorit::shell {

namespace {

void showInformation(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

Form1::Form1() : state_(std::make_unique<WindowState>()) {
    // Before any control exists: Qt keeps the first interface it makes for one.
    view::installAccessibleControls();
    createControls();
    describeControls(c_);
    applyTabOrder();
    graphView_ = std::make_unique<view::GraphView>(*state_, c_);
    pointerTools_ = std::make_unique<tools::PointerTools>(*state_, c_);
    undoHistory_ = std::make_unique<tools::UndoHistory>(*graphView_, *c_.picGraph);
    createUndoEntries();
    new GraphNarration(*graphView_, c_, undoHistory_.get(), this); // owned by the window
    new HandbookCommand(c_.cmdHandbuch, this);
    recovery_ = std::make_unique<RecoveryCopies>(RecoveryCopies::defaultFolder());
    bindEvents();
    // The title's change mark: set while the window differs from the lesson
    // last opened or saved (or from the start).
    connect(&undoHistory_->stack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
}

// An end with nothing unsaved leaves no copy; one with unsaved changes
// leaves the newest, so that the next start offers it.
Form1::~Form1() {
    try {
        waitForRecoveryWrite();
        if (recoveryTimer_.isActive() || !hasUnsavedChanges()) keepRecoveryCopy();
    } catch (...) {
        // The copy written last stays.
    }
}

void Form1::Form_Load() {
    c_.Line5->setVisible(false);
    c_.Shape1->setVisible(false);
    c_.txtWurzel->setUtf8(view::boxText(c_.vscWurzel->value()));
    c_.txtAbs->setUtf8(view::boxText(c_.vscAbs->value()));
    c_.txtNenner->setUtf8(view::boxText(c_.vscNenner->value()));
    graphView_->computeTarget();
    arrangeWindow();
    graphView_->vscMaßstab_Change();
    graphView_->vscMassX_Change();
    state_->markText = c_.Text3->text().toStdString();
    c_.Picture2[3]->setBackColor(view::rgb(235, 0, 0));
    graphView_->redraw();
    undoHistory_->start();
    showChoicesInMenu();
    savedLesson_ = std::make_shared<const view::Lesson>(collectLesson());
}

// Ends at once, without asking; nothing is saved.
void Form1::cmdEnde_Click() { QCoreApplication::exit(0); }

// Wipes the whole graph, plot and blackboard alike; the window state, the
// scales, the legend and the list stay.
void Form1::cmdAlles_Click() {
    undoHistory_->recordWipe();
    c_.picGraph->cls();
    boardChanged();
}

// Draws anew and so wipes the blackboard: a step that undo takes back, as a
// teacher who wiped too early expects.
void Form1::cmdZeichnen_Click() {
    graphView_->redraw();
    boardChanged();
}

void Form1::Command1_Click() {
    graphView_->redraw();
    boardChanged();
}

void Form1::cmdEinblenden_Click() {
    c_.Text5->setVisible(true);
    boardChanged();
}

void Form1::cmdAusblenden_Click() {
    c_.Text5->setVisible(false);
    boardChanged();
}

void Form1::cmdInfo_Click() { showInformation(this, authorMessageTitle(), authorMessageText()); }

void Form1::cmdProgramm_Click() { showInformation(this, descriptionMessageTitle(), descriptionMessageText()); }

void Form1::cmdUndo_Click() {
    undoHistory_->undo();
    boardChanged();
}

void Form1::cmdRedo_Click() {
    undoHistory_->redo();
    boardChanged();
}

// The same option a click would select, so that the frame shows the choice.
void Form1::cmdTool_Click(int index) { c_.Option2[static_cast<std::size_t>(index)]->click(); }

void Form1::cmdColour_Click(int index) {
    pointerTools_->Picture2_Click(index);
    showChoicesInMenu();
    boardChanged();
}

void Form1::showChoicesInMenu() {
    const WindowChoices choices = windowChoices();
    c_.cmdTool[static_cast<std::size_t>(choices.tool)]->setChecked(true);
    c_.cmdColour[static_cast<std::size_t>(choices.colour)]->setChecked(true);
}

// The continued fraction of the target that the pointer readout uses too:
// the one of the last computeTarget, which need not be the one of the graph.
void Form1::cmdKettenbruch_Click() {
    if (!continuedFractionWindow_) continuedFractionWindow_ = new ContinuedFractionWindow(this);
    continuedFractionWindow_->showTarget(graphView_->targetParameters());
}

} // namespace velnorit::shell
