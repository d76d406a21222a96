// Which handler each event of the window runs; no other event is handled.
#include "shell/extras_commands.h"
#include "shell/form1.h"
#include "shell/lesson_document.h"
#include "shell/lesson_file_commands.h"
#include "shell/presentation.h"
#include "shell/runtime_error_guard.h"

#include <QEvent>
#include <QKeyEvent>

#include <initializer_list>

namespace velnorit::shell {

namespace {

// Moving the pointer onto one of the watched controls hides the readout.
class ReadoutHider : public QObject {
public:
    ReadoutHider(tools::PointerTools& tools, QObject* parent) : QObject(parent), tools_(tools) {}

    void watch(QWidget* widget) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) runHandler([this] { tools_.hideReadout(); });
        return QObject::eventFilter(watched, event);
    }

private:
    tools::PointerTools& tools_;
};

// Lets a key of the menu "Extras" through to the menu instead of the
// watched control.
class ExtrasKeysPassage : public QObject {
public:
    ExtrasKeysPassage(QMenu* extras, QObject* parent) : QObject(parent), extras_(extras) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : extras_->actions())
            for (const QKeySequence& keys : action->shortcuts())
                if (keys == pressed) {
                    event->ignore();
                    return true;
                }
        return QObject::eventFilter(watched, event);
    }

private:
    QMenu* extras_;
};

} // namespace

void Form1::bindEvents() {
    bindParameterControls();
    bindGraph();
    bindDrawingFrame();
    bindMenus();
    bindExtrasMenu();
    bindDocument();
}

// The formula panel and the three scroll bars of the view.
void Form1::bindParameterControls() {
    view::GraphView* graph = graphView_.get();
    for (int index = 0; index < view::kSignOptionCount; ++index)
        connect(c_.Option1[static_cast<std::size_t>(index)], &QRadioButton::toggled, this,
                guarded([graph, index](bool selected) {
                    if (selected) graph->Option1_Click(index);
                }));
    connect(c_.vscWurzel, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscWurzel_Change(); }));
    connect(c_.vscAbs, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscAbs_Change(); }));
    connect(c_.vscNenner, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscNenner_Change(); }));
    connect(c_.vscMaßstab, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscMaßstab_Change(); }));
    connect(c_.vscMassX, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscMassX_Change(); }));
    connect(c_.hscn, &view::ValueScrollBar::change, this, guarded([graph] { graph->hscn_Change(); }));
    connect(c_.hscn, &view::ValueScrollBar::scroll, this, guarded([graph] { graph->hscn_Scroll(); }));
    connect(c_.Command1, &QPushButton::clicked, this, guarded([this] { Command1_Click(); }));
}

// The three mouse handlers of the graph, each press to its release one step
// of the history. Whatever reports mouse events in the graph's user units
// runs them: the graph, and the presentation's magnified view of it, so
// that a stroke there is a stroke on the graph like any other.
template <class PointerSource> void Form1::bindPointerSource(PointerSource* source) {
    tools::PointerTools* tools = pointerTools_.get();
    tools::UndoHistory* history = &document_->history();
    connect(source, &PointerSource::mouseDown, this,
            guarded([this, tools, history](Qt::MouseButton b, Qt::KeyboardModifiers s, float x, float y) {
                history->beginToolStep(c_.cmdTool[static_cast<std::size_t>(windowChoicesOf(c_).tool)]->text());
                tools->picGraph_MouseDown(b, s, x, y);
            }));
    connect(source, &PointerSource::mouseMove, this,
            guarded([tools](Qt::MouseButtons b, Qt::KeyboardModifiers s, float x, float y) {
                tools->picGraph_MouseMove(b, s, x, y);
            }));
    connect(source, &PointerSource::mouseUp, this,
            guarded([tools, history](Qt::MouseButton b, Qt::KeyboardModifiers s, float x, float y) {
                tools->picGraph_MouseUp(b, s, x, y);
                history->endToolStep();
            }));
}

// The graph's mouse, and the controls whose moves hide the readout.
void Form1::bindGraph() {
    bindPointerSource(c_.picGraph);
    tools::PointerTools* tools = pointerTools_.get();
    auto* hider = new ReadoutHider(*tools, this);
    for (QWidget* widget : {c_.clientArea, static_cast<QWidget*>(c_.Frame1), static_cast<QWidget*>(c_.Frame2),
                            static_cast<QWidget*>(c_.Option1[0]), static_cast<QWidget*>(c_.Option1[1]),
                            static_cast<QWidget*>(c_.picLegende), static_cast<QWidget*>(c_.Picture1),
                            static_cast<QWidget*>(c_.Text5), c_.Text5->viewport()})
        hider->watch(widget);
}

// The frame "Zeichnen": tools, colour boxes, marker text. The menu's check
// marks follow the tool and the pen colour, however they were chosen.
void Form1::bindDrawingFrame() {
    tools::PointerTools* tools = pointerTools_.get();
    for (int index = 0; index < view::kToolCount; ++index)
        connect(c_.Option2[static_cast<std::size_t>(index)], &QRadioButton::toggled, this,
                guarded([this, tools, index](bool selected) {
                    if (!selected) return;
                    tools->Option2_Click(index);
                    showChoicesInMenu();
                }));
    for (std::size_t index = 0; index < c_.Picture2.size(); ++index)
        connect(c_.Picture2[index], &view::DrawingSurface::clicked, this,
                guarded([tools, index] { tools->Picture2_Click(static_cast<int>(index)); }));
    connect(c_.Picture2[view::kPenColourBox], &view::DrawingSurface::backColorChanged, this,
            [this] { showChoicesInMenu(); });
    connect(c_.Text3, &QLineEdit::textChanged, this, guarded([tools] { tools->Text3_Change(); }));
}

void Form1::bindMenus() {
    connect(c_.cmdEnde, &QAction::triggered, this, guarded([this] { cmdEnde_Click(); }));
    connect(c_.cmdAlles, &QAction::triggered, this, guarded([this] { cmdAlles_Click(); }));
    connect(c_.cmdZeichnen, &QAction::triggered, this, guarded([this] { cmdZeichnen_Click(); }));
    connect(c_.cmdInfo, &QAction::triggered, this, guarded([this] { cmdInfo_Click(); }));
    connect(c_.cmdEinblenden, &QAction::triggered, this, guarded([this] { cmdEinblenden_Click(); }));
    connect(c_.cmdAusblenden, &QAction::triggered, this, guarded([this] { cmdAusblenden_Click(); }));
    connect(c_.cmdProgramm, &QAction::triggered, this, guarded([this] { cmdProgramm_Click(); }));
}

void Form1::bindExtrasMenu() {
    ExtrasCommands* extras = extras_.get();
    LessonFileCommands* files = lessonFiles_.get();
    connect(c_.cmdUndo, &QAction::triggered, this, guarded([extras] { extras->undo(); }));
    connect(c_.cmdRedo, &QAction::triggered, this, guarded([extras] { extras->redo(); }));
    connect(c_.cmdOpenLesson, &QAction::triggered, this, guarded([files] { files->open(); }));
    connect(c_.cmdSaveLesson, &QAction::triggered, this, guarded([files] { files->save(); }));
    connect(c_.cmdSaveLessonAs, &QAction::triggered, this, guarded([files] { files->saveAs(); }));
    connect(c_.cmdExport, &QAction::triggered, this, guarded([extras] { extras->exportPicture(); }));
    connect(c_.cmdSaveList, &QAction::triggered, this, guarded([extras] { extras->saveList(); }));
    connect(c_.cmdPrint, &QAction::triggered, this, guarded([extras] { extras->print(); }));
    for (std::size_t index = 0; index < c_.cmdTool.size(); ++index)
        connect(c_.cmdTool[index], &QAction::triggered, this, guarded([extras, index] { extras->chooseTool(index); }));
    for (std::size_t index = 0; index < c_.cmdColour.size(); ++index)
        connect(c_.cmdColour[index], &QAction::triggered, this,
                guarded([extras, index] { extras->chooseColour(index); }));
    connect(c_.cmdKettenbruch, &QAction::triggered, this, guarded([extras] { extras->showContinuedFraction(); }));

    // The keys of "Extras" reach the window from every control but the
    // marker text box, where typing stays typing: the other text boxes would
    // otherwise take Strg+Z and Strg+Y for their own undo.
    auto* passage = new ExtrasKeysPassage(c_.Extras, this);
    const std::initializer_list<QWidget*> boxes = {c_.Text2,     c_.Text5,     c_.Text6,     c_.txtWurzel,
                                                   c_.txtAbs,    c_.txtNenner, c_.Text1[0],  c_.Text1[1],
                                                   c_.Text1[2],  c_.Text1[3]};
    for (QWidget* box : boxes) box->installEventFilter(passage);
}

// "Präsentation", and the mouse of its view on the graph's handlers.
void Form1::bindPresentation() {
    bindPointerSource(&presentation_->view());
    Presentation* presentation = presentation_.get();
    connect(c_.cmdPraesentation, &QAction::triggered, this, guarded([presentation] { presentation->toggle(); }));
}

// The title shows the lesson's file and whether the window differs from it.
void Form1::bindDocument() {
    connect(document_.get(), &LessonDocument::modifiedChanged, this, [this] { updateTitle(); });
    connect(document_.get(), &LessonDocument::pathChanged, this, [this] { updateTitle(); });
    connect(document_.get(), &LessonDocument::recoveryCopyFailed, this,
            [this](const QString& reason) { showRecoveryFailure(reason); });
}

} // namespace velnorit::shell
