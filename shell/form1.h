#pragma once

#include "core/window_state.h"
#include "shell/form_controls.h"
#include "shell/picture_files.h"
#include "shell/screen_size.h"
#include "tools/pointer_tools.h"
#include "tools/undo_history.h"
#include "view/graph_view.h"

#include <QMainWindow>

class QPrinter;

#include <memory>

namespace velnorit::shell {

// The program's one window: the panel with graph, legend, list, the formula
// panel and the frames of the axes and the blackboard tools, and the menu
// bar. It owns the window state for its whole life.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    // Start-up: brings controls, window state and graph into their first
    // state before the window is shown. Runs once.
    void Form_Load();

    const FormControls& controls() const { return c_; }
    const WindowState& state() const { return *state_; }
    view::GraphView& graphView() { return *graphView_; }
    tools::PointerTools& pointerTools() { return *pointerTools_; }
    tools::UndoHistory& undoHistory() { return *undoHistory_; }

    // The menu commands and the button "Graphik".
    void cmdEnde_Click();
    void cmdAlles_Click();
    void cmdZeichnen_Click();
    void Command1_Click();
    void cmdEinblenden_Click();
    void cmdAusblenden_Click();
    void cmdInfo_Click();
    void cmdProgramm_Click();
    void cmdKettenbruch_Click();

    // The menu "Extras".
    void cmdUndo_Click();
    void cmdRedo_Click();
    void cmdExport_Click();
    void cmdPrint_Click();
    // Writes the picture (PNG, SVG or PDF worksheet, told by the suffix or
    // given); a failure shows a message box and returns false.
    bool savePictureTo(const QString& path);
    bool savePictureTo(const QString& path, PictureFormat format);
    // The worksheet; to a PDF file through a safe save, whose failure shows
    // a message box and returns false.
    bool printTo(QPrinter& printer);
    void cmdTool_Click(int index);   // as a click on Option2(index)
    void cmdColour_Click(int index); // as a click on Picture2(index)

    // Fits the panel and its children to the primary screen, or to a screen
    // of the given size in twips.
    void arrangeWindow();
    void arrangeWindow(const ScreenTwips& screen);

protected:
    bool event(QEvent* event) override;

private:
    void createControls();
    void applyTabOrder();
    void bindEvents();

    std::unique_ptr<WindowState> state_;
    FormControls c_;
    std::unique_ptr<view::GraphView> graphView_;
    std::unique_ptr<tools::PointerTools> pointerTools_;
    std::unique_ptr<tools::UndoHistory> undoHistory_;
    ScreenTwips arrangedFor_;     // the screen the window was arranged for
    bool fittedToFrame_ = false; // placed again once framed by a window manager
};

} // namespace velnorit::shell
