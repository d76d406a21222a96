#include "shell/form1.h"

#include "shell/control_descriptions.h"
#include "shell/extras_commands.h"
#include "shell/graph_narration.h"
#include "shell/handbook_window.h"
#include "shell/lesson_document.h"
#include "shell/lesson_file_commands.h"
#include "shell/messages.h"
#include "shell/presentation.h"
#include "shell/teaching_aids.h"
#include "view/accessible_controls.h"
#include "view/regional_numbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace velnorit::shell {

namespace {

const QString kProgramName = QStringLiteral("Rationale Velnorit");

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
    document_ = std::make_unique<LessonDocument>(*graphView_, *pointerTools_, c_);
    lessonFiles_ = std::make_unique<LessonFileCommands>(*document_, this);
    extras_ = std::make_unique<ExtrasCommands>(this, c_, *graphView_, *pointerTools_, *document_);
    createUndoEntries();
    narration_ = std::make_unique<GraphNarration>(*graphView_, c_);
    new HandbookCommand(c_.cmdHandbuch, this);
    bindEvents();
    teachingAids_ = std::make_unique<TeachingAids>(*state_, c_, *graphView_, *pointerTools_,
                                                   [this] { Command1_Click(); }, this);
    presentation_ = std::make_unique<Presentation>(c_, *graphView_, *teachingAids_, this);
    bindPresentation();
}

// The presentation goes first, with a stroke it may end on the board; then
// the document: its end may write the recovery copy, which reads the controls.
Form1::~Form1() {
    presentation_.reset();
    extras_.reset();
    lessonFiles_.reset();
    document_.reset();
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
    document_->start();
    showChoicesInMenu();
}

// Ends at once, without asking; nothing is saved.
void Form1::cmdEnde_Click() { QCoreApplication::exit(0); }

// Wipes the whole graph, plot and blackboard alike; the window state, the
// scales, the legend and the list stay.
void Form1::cmdAlles_Click() {
    document_->history().recordWipe();
    c_.picGraph->cls();
}

// Draws anew and so wipes the blackboard: a step that undo takes back, as a
// teacher who wiped too early expects.
void Form1::cmdZeichnen_Click() { graphView_->redraw(); }

void Form1::Command1_Click() { graphView_->redraw(); }

void Form1::cmdEinblenden_Click() { c_.Text5->setVisible(true); }

void Form1::cmdAusblenden_Click() { c_.Text5->setVisible(false); }

void Form1::cmdInfo_Click() { showInformation(this, authorMessageTitle(), authorMessageText()); }

void Form1::cmdProgramm_Click() { showInformation(this, descriptionMessageTitle(), descriptionMessageText()); }

// The tool and the colour in use stand checked in "Extras", whichever way
// they were chosen.
void Form1::showChoicesInMenu() {
    const WindowChoices choices = windowChoicesOf(c_);
    c_.cmdTool[static_cast<std::size_t>(choices.tool)]->setChecked(true);
    c_.cmdColour[static_cast<std::size_t>(choices.colour)]->setChecked(true);
}

// The program's name stays first, so that the window is found by it; the
// file's name and a mark for unsaved changes follow.
void Form1::updateTitle() {
    const QString& path = document_->path();
    if (path.isEmpty()) setWindowTitle(kProgramName + QStringLiteral("[*]"));
    else setWindowTitle(kProgramName + QStringLiteral(" \u2013 ") + QFileInfo(path).fileName() + QStringLiteral("[*]"));
    setWindowModified(document_->isModified());
}

// Not modal: the lesson goes on, and the next step tries again. Shown once
// until a copy has been written again.
void Form1::showRecoveryFailure(const QString& reason) {
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Sicherungskopie"),
        QStringLiteral("Die Sicherungskopie des Tafelbilds konnte nicht geschrieben werden.\n\nOrdner: %1\nGrund: %2\n\n"
                       "Bis das wieder gelingt, ginge bei einem Absturz verloren, was seit dem letzten Speichern "
                       "an der Tafel geschah. „Tafelbild speichern“ sichert es in eine Datei.")
            .arg(QDir::toNativeSeparators(document_->recovery().copies().folder()), reason),
        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

} // namespace velnorit::shell
