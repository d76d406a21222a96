#pragma once

#include "core/window_state.h"
#include "shell/screen_size.h"
#include "tools/pointer_tools.h"
#include "view/form_controls.h"
#include "view/graph_view.h"

#include <QMainWindow>

namespace velnorit::shell {
class Presentation;
class TeachingAids;
}

#include <memory>

namespace velnorit::shell {

class ExtrasCommands;
class LessonDocument;
class GraphNarration;
class LessonFileCommands;

// The program's one window: the panel with graph, legend, list, the formula
// panel and the frames of the axes and the blackboard tools, and the menu
// bar. It owns the window state for its whole life, and the lesson shown in
// it as a document of its own.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    // Start-up: brings controls, window state and graph into their first
    // state before the window is shown. Runs once.
    void Form_Load();

    const view::FormControls& controls() const { return c_; }
    const WindowState& state() const { return *state_; }
    view::GraphView& graphView() { return *graphView_; }
    tools::PointerTools& pointerTools() { return *pointerTools_; }
    LessonDocument& document() { return *document_; }
    // The commands of the menu "Extras": lesson files, and the rest.
    LessonFileCommands& lessonFiles() { return *lessonFiles_; }
    ExtrasCommands& extras() { return *extras_; }
    // The keyboard cursor, the list into the graph, "Ziel eingeben …" and
    // "Schritt für Schritt".
    TeachingAids& teachingAids() { return *teachingAids_; }
    // "Präsentation": the graph magnified for the projector.
    Presentation& presentation() { return *presentation_; }

    // The menu commands and the button "Graphik".
    void cmdEnde_Click();
    void cmdAlles_Click();
    void cmdZeichnen_Click();
    void Command1_Click();
    void cmdEinblenden_Click();
    void cmdAusblenden_Click();
    void cmdInfo_Click();
    void cmdProgramm_Click();

    // Fits the panel and its children to the primary screen, or to a screen
    // of the given size in twips.
    void arrangeWindow();
    void arrangeWindow(const ScreenTwips& screen);

protected:
    bool event(QEvent* event) override;

private:
    // The controls, container by container (create_controls.cpp), and the
    // menu bar with every action and its keys (create_menus.cpp).
    void createControls();
    void createClientArea();
    void createPanelChildren();
    void createYAxisFrame();
    void createXAxisFrame();
    void createDrawingFrame();
    void createFormulaPanel();
    void createGraphChildren();
    void createMenus();
    void createExtrasMenu();
    void createUndoEntries(); // once the document's history is there
    void applyTabOrder();

    // Which handler each event runs (bind_events.cpp).
    void bindEvents();
    void bindParameterControls();
    void bindGraph();
    void bindDrawingFrame();
    void bindMenus();
    void bindExtrasMenu();
    void bindDocument();
    void bindPresentation(); // once the presentation is there
    // The graph's mouse handlers for a source of the graph's three mouse
    // signals: the graph itself, and the presentation's view of it.
    template <class PointerSource> void bindPointerSource(PointerSource* source);

    void showChoicesInMenu();
    void updateTitle();
    void showRecoveryFailure(const QString& reason);

    std::unique_ptr<WindowState> state_;
    view::FormControls c_;
    std::unique_ptr<view::GraphView> graphView_;
    std::unique_ptr<tools::PointerTools> pointerTools_;
    std::unique_ptr<LessonDocument> document_;
    std::unique_ptr<LessonFileCommands> lessonFiles_;
    std::unique_ptr<ExtrasCommands> extras_;
    std::unique_ptr<GraphNarration> narration_; // what a screen reader learns of the graph
    ScreenTwips arrangedFor_;     // the screen the window was arranged for
    bool fittedToFrame_ = false; // placed again once framed by a window manager
    // Last, so that they go first: they watch controls and the application,
    // and the presentation watches the teaching aids.
    std::unique_ptr<TeachingAids> teachingAids_;
    std::unique_ptr<Presentation> presentation_;
};

} // namespace velnorit::shell
