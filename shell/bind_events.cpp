// Which handler each event of the window runs; no other event is handled.
#include "shell/form1.h"
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
    view::GraphView* graph = graphView_.get();
    tools::PointerTools* tools = pointerTools_.get();
    tools::UndoHistory* history = undoHistory_.get();

    for (int index = 0; index < 2; ++index)
        connect(c_.Option1[index], &QRadioButton::toggled, this, guarded([graph, index](bool selected) {
                    if (selected) graph->Option1_Click(index);
                }));
    connect(c_.vscWurzel, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscWurzel_Change(); }));
    connect(c_.vscAbs, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscAbs_Change(); }));
    connect(c_.vscNenner, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscNenner_Change(); }));
    connect(c_.vscMaßstab, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscMaßstab_Change(); }));
    connect(c_.vscMassX, &view::ValueScrollBar::change, this, guarded([graph] { graph->vscMassX_Change(); }));
    connect(c_.hscn, &view::ValueScrollBar::change, this, guarded([this, graph] {
                graph->hscn_Change();
                boardChanged(); // a lesson keeps the pan
            }));
    connect(c_.hscn, &view::ValueScrollBar::scroll, this, guarded([graph] { graph->hscn_Scroll(); }));

    connect(c_.picGraph, &view::DrawingSurface::mouseDown, this,
            guarded([this, tools, history](Qt::MouseButton b, Qt::KeyboardModifiers s, float x, float y) {
                history->beginToolStep(c_.cmdTool[static_cast<std::size_t>(windowChoices().tool)]->text());
                tools->picGraph_MouseDown(b, s, x, y);
            }));
    connect(c_.picGraph, &view::DrawingSurface::mouseMove, this,
            guarded([tools](Qt::MouseButtons b, Qt::KeyboardModifiers s, float x, float y) {
                tools->picGraph_MouseMove(b, s, x, y);
            }));
    connect(c_.picGraph, &view::DrawingSurface::mouseUp, this,
            guarded([this, tools, history](Qt::MouseButton b, Qt::KeyboardModifiers s, float x, float y) {
                tools->picGraph_MouseUp(b, s, x, y);
                history->endToolStep();
                boardChanged();
            }));
    for (int index = 0; index < 4; ++index)
        connect(c_.Option2[index], &QRadioButton::toggled, this, guarded([this, tools, index](bool selected) {
                    if (!selected) return;
                    tools->Option2_Click(index);
                    showChoicesInMenu();
                    boardChanged();
                }));
    for (int index = 0; index < 5; ++index)
        connect(c_.Picture2[index], &view::DrawingSurface::clicked, this,
                guarded([this, tools, index] {
                    tools->Picture2_Click(index);
                    showChoicesInMenu();
                    boardChanged();
                }));
    connect(c_.Text3, &QLineEdit::textChanged, this, guarded([this, tools] {
        tools->Text3_Change();
        boardChanged();
    }));

    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(kRecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, guarded([this] { startRecoveryWrite(); }));

    auto* hider = new ReadoutHider(*tools, this);
    for (QWidget* widget : {c_.clientArea, static_cast<QWidget*>(c_.Frame1), static_cast<QWidget*>(c_.Frame2),
                            static_cast<QWidget*>(c_.Option1[0]), static_cast<QWidget*>(c_.Option1[1]),
                            static_cast<QWidget*>(c_.picLegende), static_cast<QWidget*>(c_.Picture1),
                            static_cast<QWidget*>(c_.Text5), c_.Text5->viewport()})
        hider->watch(widget);

    connect(c_.Command1, &QPushButton::clicked, this, guarded([this] { Command1_Click(); }));
    connect(c_.cmdEnde, &QAction::triggered, this, guarded([this] { cmdEnde_Click(); }));
    connect(c_.cmdAlles, &QAction::triggered, this, guarded([this] { cmdAlles_Click(); }));
    connect(c_.cmdZeichnen, &QAction::triggered, this, guarded([this] { cmdZeichnen_Click(); }));
    connect(c_.cmdInfo, &QAction::triggered, this, guarded([this] { cmdInfo_Click(); }));
    connect(c_.cmdEinblenden, &QAction::triggered, this, guarded([this] { cmdEinblenden_Click(); }));
    connect(c_.cmdAusblenden, &QAction::triggered, this, guarded([this] { cmdAusblenden_Click(); }));
    connect(c_.cmdProgramm, &QAction::triggered, this, guarded([this] { cmdProgramm_Click(); }));
    connect(c_.cmdKettenbruch, &QAction::triggered, this, guarded([this] { cmdKettenbruch_Click(); }));

    connect(c_.cmdUndo, &QAction::triggered, this, guarded([this] { cmdUndo_Click(); }));
    connect(c_.cmdRedo, &QAction::triggered, this, guarded([this] { cmdRedo_Click(); }));
    connect(c_.cmdOpenLesson, &QAction::triggered, this, guarded([this] { cmdOpenLesson_Click(); }));
    connect(c_.cmdSaveLesson, &QAction::triggered, this, guarded([this] { cmdSaveLesson_Click(); }));
    connect(c_.cmdSaveLessonAs, &QAction::triggered, this, guarded([this] { cmdSaveLessonAs_Click(); }));
    connect(c_.cmdExport, &QAction::triggered, this, guarded([this] { cmdExport_Click(); }));
    connect(c_.cmdSaveList, &QAction::triggered, this, guarded([this] { cmdSaveList_Click(); }));
    connect(c_.cmdPrint, &QAction::triggered, this, guarded([this] { cmdPrint_Click(); }));
    for (int index = 0; index < 4; ++index) {
        connect(c_.cmdTool[index], &QAction::triggered, this, guarded([this, index] { cmdTool_Click(index); }));
        connect(c_.cmdColour[index], &QAction::triggered, this, guarded([this, index] { cmdColour_Click(index); }));
    }

    // The keys of "Extras" reach the window from every control but the
    // marker text box, where typing stays typing: the other text boxes would
    // otherwise take Strg+Z and Strg+Y for their own undo.
    auto* passage = new ExtrasKeysPassage(c_.Extras, this);
    const std::initializer_list<QWidget*> boxes = {c_.Text2,     c_.Text5,     c_.Text6,     c_.txtWurzel,
                                                   c_.txtAbs,    c_.txtNenner, c_.Text1[0],  c_.Text1[1],
                                                   c_.Text1[2],  c_.Text1[3]};
    for (QWidget* box : boxes) box->installEventFilter(passage);
}

} // namespace velnorit::shell
