#pragma once

#include "core/window_state.h"
#include "shell/open_lesson_command.h"
#include "shell/picture_files.h"
#include "shell/recovery_copies.h"
#include "view/form_controls.h"
#include "shell/screen_size.h"
#include "tools/pointer_tools.h"
#include "tools/undo_history.h"
#include "view/board_ops.h"
#include "view/graph_view.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <future>

class QPrinter;

namespace velnorit::shell {
class ContinuedFractionWindow;
class TeachingAids;
}

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

    const view::FormControls& controls() const { return c_; }
    const WindowState& state() const { return *state_; }
    view::GraphView& graphView() { return *graphView_; }
    tools::PointerTools& pointerTools() { return *pointerTools_; }
    tools::UndoHistory& undoHistory() { return *undoHistory_; }
    // The keyboard cursor, the list into the graph, "Ziel eingeben …" and
    // "Schritt für Schritt".
    TeachingAids& teachingAids() { return *teachingAids_; }
    // The window "Kettenbruch", once "Kettenbruch …" has opened it; else null.
    ContinuedFractionWindow* continuedFractionWindow() { return continuedFractionWindow_; }

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
    // "Liste speichern …": the list of the last redraw as CSV or as text; a
    // failure shows a message box and returns false.
    enum class ListFormat { Csv, Text };
    void cmdSaveList_Click();
    QByteArray listFileBytes(ListFormat format) const;
    bool saveListTo(const QString& path, ListFormat format);
    // Writes the picture (PNG, SVG or PDF worksheet, told by the suffix or
    // given); a failure shows a message box and returns false.
    bool savePictureTo(const QString& path);
    bool savePictureTo(const QString& path, PictureFormat format);
    // The worksheet; to a PDF file through a safe save, whose failure shows
    // a message box and returns false.
    bool printTo(QPrinter& printer);
    void cmdTool_Click(int index);   // as a click on Option2(index)
    void cmdColour_Click(int index); // as a click on Picture2(index)
    // Checks the entries of the tool and the colour in use.
    void showChoicesInMenu();

    // The window as a lesson file keeps it (lesson_window.cpp): the graph
    // as last drawn, panned as now, with the board the tools drew on it.
    view::Lesson collectLesson() const;
    // The same, its board still a quick copy (for the recovery copy).
    view::LessonSnapshot lessonSnapshot() const;
    // Puts a lesson into the window as one step that undo takes back.
    void applyLesson(const view::Lesson& lesson);
    WindowChoices windowChoices() const;
    // Opens a lesson file (lesson_files.cpp); a refused file shows why and
    // leaves the window as it was.
    bool openLessonFile(const QString& path);
    const QString& lessonPath() const { return lessonPath_; }
    // Writes the lesson through QSaveFile; a failure shows why and returns
    // false, and an existing file stays as it was.
    bool saveLessonTo(const QString& path);
    // Whether the window differs from the lesson last opened or saved (or
    // from the start).
    bool hasUnsavedChanges() const { return !undoHistory_->stack().isClean(); }
    void cmdOpenLesson_Click();
    void cmdSaveLesson_Click();
    void cmdSaveLessonAs_Click();
    void applyWindowChoices(const WindowChoices& choices);

    // The recovery copy (recovery_window.cpp). Every change of the board
    // calls boardChanged, which starts the timer unless it runs already:
    // the copy is written at most two seconds after the last step, and
    // never while a stroke is drawn.
    void boardChanged();
    static constexpr int kRecoveryDelayMs = 1500;
    // Writes the copy now while there are unsaved changes, else removes it.
    void keepRecoveryCopy();
    // What the timer does: takes the quick copy of the board here and
    // leaves converting, comparing and writing to a worker thread.
    void startRecoveryWrite();
    void waitForRecoveryWrite();
    bool recoveryCopyPending() const { return recoveryTimer_.isActive(); }
    const RecoveryCopies& recoveryCopies() const { return *recovery_; }
    // At start-up: the newest copy of an ended window, if there is one, is
    // put into the window as an unsaved board when `restore` says so, and
    // removed when it does not. True if a board was restored.
    bool offerRecovery(const std::function<bool()>& restore);
    // The German question whether to restore.
    bool askToRestore();

    // Fits the panel and its children to the primary screen, or to a screen
    // of the given size in twips.
    void arrangeWindow();
    void arrangeWindow(const ScreenTwips& screen);

protected:
    bool event(QEvent* event) override;

private:
    void createControls();
    void createUndoEntries(); // once the history is there
    void applyTabOrder();
    void bindEvents();
    void updateTitle();

    std::unique_ptr<WindowState> state_;
    view::FormControls c_;
    std::unique_ptr<view::GraphView> graphView_;
    std::unique_ptr<tools::PointerTools> pointerTools_;
    std::unique_ptr<tools::UndoHistory> undoHistory_;
    ScreenTwips arrangedFor_;     // the screen the window was arranged for
    bool fittedToFrame_ = false; // placed again once framed by a window manager
    QString lessonPath_;          // the lesson file the board came from or was saved to
    // The window as last opened or saved; shared with the writer of the
    // recovery copy, which compares it with the board on its own thread.
    std::shared_ptr<const view::Lesson> savedLesson_ = std::make_shared<const view::Lesson>();
    // Asks whether unsaved changes are to be saved first; false: cancelled.
    bool changesMayGo();
    ContinuedFractionWindow* continuedFractionWindow_ = nullptr; // a child, made at its first use
    std::unique_ptr<RecoveryCopies> recovery_;
    QTimer recoveryTimer_;
    std::future<void> recoveryWrite_; // the worker's write, if one was started
    // Last, so that it goes first: it watches controls and the application.
    std::unique_ptr<TeachingAids> teachingAids_;
};

} // namespace velnorit::shell
