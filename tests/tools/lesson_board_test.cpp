// The window as a lesson: what is collected from it, and putting a lesson
// into another window gives the same graph, pixel for pixel at the same
// size and on the same denominators at another.
#include "shell/lesson_document.h"
#include "shell/lesson_file_commands.h"
#include "shell/extras_commands.h"
#include "../support/form_fixture.h"
#include "tools_window.h"

#include "../support/sample_lessons.h"
#include "shell/screen_size.h"
#include "lesson/lesson.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QImage>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace velnorit {
namespace {

using testing::ToolsWindow;

class LessonBoard : public ToolsWindow {
protected:
    // Each tool once, in the given colour box.
    void drawWithEveryTool(int colour) {
        form().extras().chooseColour(colour);
        for (int tool : {1, 0, 2, 3}) {
            chooseTool(tool);
            stroke(near(tool, 0.02 * tool), near(tool + 9, 0.05));
        }
    }

    // The graph as the screen shows it, without the readout field and the
    // eraser square, which follow the pointer and are no part of a lesson.
    static QImage graphPixels(shell::Form1& form) {
        const view::FormControls& c = form.controls();
        c.Text6->setVisible(false);
        c.Shape1->setVisible(false);
        QApplication::processEvents();
        return c.picGraph->grab().toImage();
    }
};

// What a file brings back: the lesson written and read again.
lesson::Lesson throughAFile(const lesson::Lesson& lesson) {
    const lesson::LessonOrError read = lesson::readLesson(lesson::writeLesson(lesson));
    if (const auto* reason = std::get_if<QString>(&read)) ADD_FAILURE() << reason->toStdString();
    return std::holds_alternative<lesson::Lesson>(read) ? std::get<lesson::Lesson>(read) : lesson::Lesson{};
}

// A table of window states: each is collected, written and read, put into a
// freshly started window, collected there again and compared with what the
// first showed.
TEST_F(LessonBoard, AnotherWindowGivenTheLessonShowsTheSameGraph) {
    struct State {
        const char* name;
        std::function<void()> make;
    };
    const std::vector<State> states = {
        {"as started", [] {}},
        {"every tool, yellow, with a marker text of umlauts",
         [this] {
             c().Text3->setText(QStringLiteral("ä½"));
             drawWithEveryTool(2);
         }},
        {"another target, sign, zoom, window and pan, list hidden",
         [this] {
             setParameters(7, 3, 5);
             c().Option1[1]->click();
             c().vscMaßstab->setValue(9);
             c().vscMassX->setValue(2);
             drawWithEveryTool(0);
             c().hscn->setValue(120);
             form().cmdAusblenden_Click();
             chooseTool(0);
         }},
        {"drawn on a wiped graph",
         [this] {
             drawWithEveryTool(3);
             form().cmdAlles_Click();
             drawWithEveryTool(1);
         }},
        {"a parameter moved after the last redraw",
         [this] {
             drawWithEveryTool(1);
             c().vscWurzel->setValue(11);
         }},
    };
    for (const State& s : states) {
        SCOPED_TRACE(s.name);
        s.make();
        const lesson::Lesson lesson = form().document().collect();
        const QImage shown = graphPixels(form());

        std::unique_ptr<shell::Form1> other = testing::startedForm();
        other->document().apply(throughAFile(lesson));
        EXPECT_EQ(other->document().collect(), lesson);
        EXPECT_EQ(shell::windowChoicesOf(other->controls()), shell::windowChoicesOf(form().controls()));
        EXPECT_EQ(other->controls().hscn->value(), c().hscn->value());
        EXPECT_EQ(other->controls().Text5->crLfText(), c().Text5->crLfText());
        EXPECT_TRUE(graphPixels(*other) == shown);
    }
}

// The board is kept in the graph's units: at another screen size every
// operation stands on the same denominators and values, mapped to pixels
// by the graph of that screen.
TEST_F(LessonBoard, AtAnotherScreenSizeTheBoardStandsOnTheSameDenominators) {
    form().arrangeWindow(shell::ScreenTwips{1920 * 15, 1080 * 15});
    form().cmdZeichnen_Click();
    const std::size_t plot = opCount();
    drawWithEveryTool(3);
    const lesson::Lesson lesson = form().document().collect();
    ASSERT_GT(lesson.board.size(), 8u);

    std::unique_ptr<shell::Form1> other = testing::startedForm();
    other->arrangeWindow(shell::ScreenTwips{1280 * 15, 800 * 15});
    other->document().apply(throughAFile(lesson));
    const view::DrawingSurface& there = *other->controls().picGraph;
    ASSERT_NE(there.width(), graph().width());
    ASSERT_EQ(there.drawing().size(), plot + lesson.board.size()) << "the same plot, then the board";
    const view::SurfaceTransform mapping = there.drawing().transform(0);
    for (std::size_t i = 0; i < lesson.board.size(); ++i) {
        const view::DrawOp& op = there.drawing()[plot + i];
        EXPECT_EQ(op.x1, lesson.board[i].x1);
        EXPECT_EQ(op.y1, lesson.board[i].y1);
        EXPECT_EQ(op.x2, lesson.board[i].x2);
        EXPECT_TRUE(there.drawing().transform(plot + i) == mapping) << i;
    }
    EXPECT_FALSE(mapping == graph().drawing().transform(0));
}

// Every refused file is named with the reason, and the window stays exactly
// as it was: its lesson, its graph's pixels, its title.
TEST_F(LessonBoard, ARefusedFileIsNamedWithItsReasonAndChangesNothing) {
    drawWithEveryTool(2);
    const QByteArray good = lesson::writeLesson(form().document().collect());
    QByteArray newer = good;
    newer.replace("\"version\": 1", "\"version\": 2");
    QByteArray outOfRange = good;
    outOfRange.replace("\"nenner\": 2", "\"nenner\": 0");
    QByteArray notANumber = good;
    notANumber.replace("\"zoom\": 3", "\"zoom\": NaN");
    ASSERT_NE(newer, good);
    ASSERT_NE(outOfRange, good);
    ASSERT_NE(notANumber, good);

    QTemporaryDir dir;
    const auto file = [&dir](const char* name, const QByteArray& bytes) {
        QFile out(dir.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    };
    const QString huge = file("riesig.velnorit", {});
    ASSERT_TRUE(QFile::resize(huge, qint64(1) << 30)); // sparse: fills no disk
    const QString locked = file("gesperrt.velnorit", good);
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    const bool permissionsCount = !QFile(locked).open(QIODevice::ReadOnly); // not when run as root

    struct Refused {
        QString path;
        const char* what;
    };
    std::vector<Refused> refused = {
        {file("halb.velnorit", good.left(good.size() / 2)), "a truncated file"},
        {file("fremd.velnorit", "PNG\r\n kein Tafelbild"), "not this format"},
        {file("neuer.velnorit", newer), "a newer format version"},
        {file("bereich.velnorit", outOfRange), "a value outside its control's range"},
        {file("nan.velnorit", notANumber), "NaN"},
        {file("leer.velnorit", {}), "an empty file"},
        {huge, "a 1 GB file"},
        {dir.path(), "a folder"},
        {dir.filePath("fehlt.velnorit"), "a missing file"},
    };
    if (permissionsCount) refused.push_back({locked, "no permission to read"});
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.what);
        const lesson::Lesson before = form().document().collect();
        const QImage pixels = graphPixels(form());
        const QString title = form().windowTitle();
        bool opened = true;
        const testing::MessageBoxSeen seen = testing::whileMessageBoxOpen([&] { opened = form().lessonFiles().openFile(r.path); });
        EXPECT_FALSE(opened);
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(seen.title, "Tafelbild öffnen");
        EXPECT_TRUE(seen.text.startsWith("Das Tafelbild konnte nicht geöffnet werden.\n\nDatei: " + r.path + "\nGrund: "))
            << seen.text.toStdString();
        EXPECT_GT(seen.text.size() - seen.text.indexOf("Grund: "), 12) << "a reason is given";
        EXPECT_EQ(form().document().collect(), before);
        EXPECT_TRUE(graphPixels(form()) == pixels);
        EXPECT_EQ(form().windowTitle(), title);
    }
}

// Saving: the file reads back as the window; a folder without write
// permission, a full disk and a vanished folder are reported, and a file
// already there keeps its bytes.
TEST_F(LessonBoard, SavesTheWindowAndReportsAFailedSaveKeepingTheOldFile) {
    drawWithEveryTool(0);
    QTemporaryDir dir;
    const QString path = dir.filePath("stunde.velnorit");
    ASSERT_TRUE(form().lessonFiles().saveTo(path));
    EXPECT_EQ(form().document().path(), path);
    EXPECT_FALSE(form().document().isModified());
    EXPECT_EQ(form().windowTitle(), "Rationale Velnorit – stunde.velnorit[*]");
    const lesson::LessonOrError read = lesson::readLessonFile(path);
    ASSERT_TRUE(std::holds_alternative<lesson::Lesson>(read));
    EXPECT_EQ(std::get<lesson::Lesson>(read), form().document().collect());

    drawWithEveryTool(3);
    EXPECT_TRUE(form().document().isModified());
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const QByteArray before = kept.readAll();
    kept.close();
    const QString gone = dir.filePath("weg");
    ASSERT_TRUE(QDir().mkpath(gone));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool permissionsCount = !QFile(dir.filePath("probe")).open(QIODevice::WriteOnly); // not as root
    std::vector<std::pair<QString, const char*>> failing = {{"/dev/full", "a full disk"},
                                                            {gone + "/sub/x.velnorit", "a vanished folder"}};
    if (permissionsCount) failing.push_back({path, "a read-only folder"});
    QDir(gone).removeRecursively();
    for (const auto& [target, what] : failing) {
        SCOPED_TRACE(what);
        bool saved = true;
        const testing::MessageBoxSeen seen = testing::whileMessageBoxOpen([&] { saved = form().lessonFiles().saveTo(target); });
        EXPECT_FALSE(saved);
        ASSERT_TRUE(seen.shown);
        EXPECT_TRUE(seen.text.startsWith("Das Tafelbild konnte nicht gespeichert werden.\n\nDatei: ")) << seen.text.toStdString();
        EXPECT_TRUE(form().document().isModified());
    }
    EXPECT_FALSE(QFileInfo("/dev/full").isFile()) << "the device was replaced";
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
}

// Unsaved changes follow the history: a stroke makes them, saving ends them,
// undo after saving makes them again; the title's change mark goes along.
// Opening a file is one step, and undo gives back the window of before.
TEST_F(LessonBoard, SavingAndOpeningFollowTheHistory) {
    EXPECT_FALSE(form().document().isModified());
    EXPECT_FALSE(form().isWindowModified());
    chooseTool(1);
    stroke(near(1, 0), near(20, 0.2));
    EXPECT_TRUE(form().document().isModified());
    EXPECT_TRUE(form().isWindowModified());
    QTemporaryDir dir;
    const QString path = dir.filePath("stunde.velnorit");
    ASSERT_TRUE(form().lessonFiles().saveTo(path));
    const lesson::Lesson saved = form().document().collect();
    EXPECT_FALSE(form().document().isModified());
    EXPECT_FALSE(form().isWindowModified());
    form().extras().undo();
    EXPECT_TRUE(form().document().isModified());
    EXPECT_TRUE(form().isWindowModified());

    drawWithEveryTool(2);
    c().vscNenner->setValue(c().vscNenner->value() + 7); // a redraw with other settings
    const lesson::Lesson before = form().document().collect();
    const QImage pixels = graphPixels(form());
    ASSERT_NE(before, saved);
    ASSERT_TRUE(form().lessonFiles().openFile(path));
    EXPECT_EQ(form().document().collect(), saved);
    EXPECT_FALSE(form().document().isModified());
    EXPECT_EQ(c().cmdUndo->text(), "Rückgängig: Tafelbild öffnen");
    form().extras().undo();
    EXPECT_EQ(form().document().collect(), before);
    EXPECT_TRUE(graphPixels(form()) == pixels);
    EXPECT_TRUE(form().document().isModified());
    form().extras().redo();
    EXPECT_EQ(form().document().collect(), saved);
    EXPECT_FALSE(form().document().isModified());
}

// The menu's dialogs: both offer "Tafelbild (*.velnorit)", a name typed
// without the ending gets it, and opening over unsaved changes asks first:
// Abbrechen keeps the board, Verwerfen drops it, Speichern writes it into
// its file before the other one opens.
TEST_F(LessonBoard, TheDialogsOfferLessonFilesAndOpeningAsksAboutUnsavedChanges) {
    QTemporaryDir dir;
    struct Seen {
        QStringList questions, dialogs;
    };
    const auto answering = [](Seen& seen, QMessageBox::StandardButton answer, const QString& typed) {
        return [&seen, answer, typed](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen.questions << box->text();
                box->button(answer)->click();
                return;
            }
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            seen.dialogs << dialog->windowTitle() + ": " + dialog->nameFilters().join('|');
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        };
    };
    const QString own = dir.filePath("stunde.velnorit");
    drawWithEveryTool(1);
    Seen saving;
    testing::whileModalsOpen([&] { form().lessonFiles().saveAs(); }, answering(saving, QMessageBox::Ok, dir.filePath("stunde")));
    EXPECT_EQ(saving.dialogs, QStringList("Tafelbild speichern unter: Tafelbild (*.velnorit)"));
    ASSERT_EQ(form().document().path(), own);
    const QString other = dir.filePath("andere.velnorit");
    QFile otherFile(other);
    ASSERT_TRUE(otherFile.open(QIODevice::WriteOnly) && otherFile.write(lesson::writeLesson(samples::everyKindLesson())) > 0);
    otherFile.close();

    const struct {
        QMessageBox::StandardButton answer;
        bool opens;
        bool savesFirst;
    } rows[] = {{QMessageBox::Cancel, false, false}, {QMessageBox::Discard, true, false}, {QMessageBox::Save, true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answer);
        ASSERT_TRUE(form().lessonFiles().openFile(own));
        const QByteArray ownBytes = lesson::writeLesson(form().document().collect());
        drawWithEveryTool(2);
        const lesson::Lesson unsaved = form().document().collect();
        Seen seen;
        testing::whileModalsOpen([&] { form().lessonFiles().open(); }, answering(seen, row.answer, other));
        ASSERT_EQ(seen.questions.size(), 1);
        EXPECT_EQ(seen.questions.first(), "Die Tafel hat ungespeicherte Änderungen.\nSollen sie vorher gespeichert werden?");
        EXPECT_EQ(seen.dialogs, row.opens ? QStringList("Tafelbild öffnen: Tafelbild (*.velnorit)") : QStringList());
        EXPECT_EQ(form().document().collect(), row.opens ? samples::everyKindLesson() : unsaved);
        EXPECT_EQ(form().document().path(), row.opens ? other : own);
        const lesson::LessonOrError inOwnFile = lesson::readLessonFile(own);
        ASSERT_TRUE(std::holds_alternative<lesson::Lesson>(inOwnFile));
        EXPECT_EQ(lesson::writeLesson(std::get<lesson::Lesson>(inOwnFile)), row.savesFirst ? lesson::writeLesson(unsaved) : ownBytes);
    }
}

// A state folder of the test's own, set before the window is made, so
// that the copies seen are this test's only.
struct OwnStateFolder {
    QTemporaryDir dir;
    QByteArray previous = qgetenv("XDG_STATE_HOME");
    OwnStateFolder() { qputenv("XDG_STATE_HOME", dir.path().toUtf8()); }
    ~OwnStateFolder() { qputenv("XDG_STATE_HOME", previous); }
    OwnStateFolder(const OwnStateFolder&) = delete;
    OwnStateFolder& operator=(const OwnStateFolder&) = delete;
    QStringList copies() const {
        return QDir(dir.filePath("velnorit")).entryList({"*.velnorit"}, QDir::Files);
    }
};

class RecoveredBoard : protected OwnStateFolder, public LessonBoard {
protected:
    // What the timer does when it fires (at most RecoveryWriter::kDelayMs
    // after a change; AStepSchedulesACopyThatSavingRemoves waits for it),
    // done at once, and the worker awaited.
    void writeWhenDue() {
        shell::RecoveryWriter& recovery = form().document().recovery();
        EXPECT_TRUE(recovery.pending()) << "the change is not noticed";
        recovery.startWrite();
        recovery.waitForWrite();
    }

    lesson::Lesson copyIn(const QString& path) {
        const lesson::LessonOrError read = lesson::readLessonFile(path);
        if (const auto* reason = std::get_if<QString>(&read)) ADD_FAILURE() << reason->toStdString();
        return std::holds_alternative<lesson::Lesson>(read) ? std::get<lesson::Lesson>(read) : lesson::Lesson{};
    }
};

// Each kind of step schedules the copy instead of writing it at once; it
// appears within two seconds and holds the board, and saving removes it.
TEST_F(RecoveredBoard, AStepSchedulesACopyThatSavingRemoves) {
    QTemporaryDir saved;
    const QString ownCopy = form().document().recovery().copies().ownPath();
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"a stroke", [&] { drawWithEveryTool(1); }},
        {"Alles", [&] { form().cmdAlles_Click(); }},
        {"Rückgängig", [&] { form().extras().undo(); }},
        {"the marker text", [&] { c().Text3->setText("neu"); }},
        {"a colour", [&] { form().extras().chooseColour(2); }},
    };
    for (const auto& [what, step] : steps) {
        SCOPED_TRACE(what);
        step();
        EXPECT_TRUE(form().document().recovery().pending());
        EXPECT_FALSE(QFile::exists(ownCopy)) << "written on the path of the step";
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(ownCopy); }, 2000));
        EXPECT_EQ(copyIn(ownCopy), form().document().collect());
        ASSERT_TRUE(form().lessonFiles().saveTo(saved.filePath("stunde.velnorit")));
        EXPECT_EQ(copies(), QStringList()) << "saving leaves a copy";
    }
}

// A window that ends leaves a copy only with unsaved changes; the next one
// restores it as an unsaved board or, declined, removes it.
TEST_F(RecoveredBoard, TheNextWindowRestoresOrRemovesTheCopyOfAnEndedOne) {
    QTemporaryDir saved;
    struct Case {
        const char* what;
        bool saveFirst;
        bool accept;
    };
    for (const Case& row : {Case{"accepted", false, true}, Case{"declined", false, false},
                            Case{"saved before the end", true, true}}) {
        SCOPED_TRACE(row.what);
        drawWithEveryTool(row.accept ? 2 : 3);
        auto ended = testing::startedForm();
        ended->document().apply(form().document().collect());
        ended->cmdAlles_Click();
        if (row.saveFirst) {
            ASSERT_TRUE(ended->lessonFiles().saveTo(saved.filePath("ende.velnorit")));
        }
        const lesson::Lesson left = ended->document().collect();
        ended.reset();
        EXPECT_EQ(copies().size(), row.saveFirst ? 0 : 1) << copies().join(' ').toStdString();

        auto next = testing::startedForm();
        bool asked = false;
        const bool restored = next->document().offerRecovery([&] {
            asked = true;
            return row.accept;
        });
        EXPECT_EQ(asked, !row.saveFirst);
        EXPECT_EQ(restored, !row.saveFirst && row.accept);
        if (restored) {
            EXPECT_EQ(next->document().collect(), left);
            EXPECT_TRUE(next->document().isModified());
            EXPECT_EQ(copies(), QStringList(QFileInfo(next->document().recovery().copies().ownPath()).fileName()));
        } else {
            EXPECT_EQ(copies(), QStringList());
        }
        next.reset();
        QDir(dir.filePath("velnorit")).removeRecursively();
        ASSERT_TRUE(form().lessonFiles().saveTo(saved.filePath("stunde.velnorit")));
    }
}

// A board too large to open again is not saved: the reason is shown, the
// file already there keeps its bytes, no new file appears, and the recovery
// copy stays the last one that opens.
TEST_F(RecoveredBoard, ABoardTooLargeToOpenAgainIsNotSaved) {
    QTemporaryDir saved;
    const QString path = saved.filePath("stunde.velnorit");
    drawWithEveryTool(1);
    ASSERT_TRUE(form().lessonFiles().saveTo(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    drawWithEveryTool(2);
    form().document().recovery().writeNow();
    const lesson::Lesson lastThatOpens = form().document().collect();
    const QString ownCopy = form().document().recovery().copies().ownPath();
    ASSERT_EQ(copyIn(ownCopy), lastThatOpens);

    lesson::Lesson huge = lastThatOpens;
    const lesson::Lesson pen = samples::penLesson(1250, int(lesson::kMaxBoardOps / 1250));
    huge.board.insert(huge.board.end(), pen.board.begin(), pen.board.end());
    form().document().apply(huge);
    form().document().recovery().writeNow();
    EXPECT_EQ(copyIn(ownCopy), lastThatOpens);
    for (const QString& target : {path, saved.filePath("neu.velnorit")}) {
        SCOPED_TRACE(target.toStdString());
        bool written = true;
        const testing::MessageBoxSeen seen = testing::whileMessageBoxOpen([&] { written = form().lessonFiles().saveTo(target); });
        EXPECT_FALSE(written);
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(seen.title, "Tafelbild speichern");
        EXPECT_TRUE(seen.text.startsWith("Das Tafelbild konnte nicht gespeichert werden.\n\nDatei: " + target +
                                         "\nGrund: Das Programm könnte die Datei nicht wieder öffnen. "))
            << seen.text.toStdString();
        EXPECT_TRUE(seen.text.contains("Zeichenschritte")) << seen.text.toStdString();
        EXPECT_TRUE(form().document().isModified());
        EXPECT_EQ(form().document().path(), path);
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(QFile::exists(saved.filePath("neu.velnorit")));
}

} // namespace
} // namespace velnorit

namespace velnorit {
namespace {

// Every value a lesson file keeps, changed after a save and changed back:
// each change shows the title's mark and leaves a recovery copy of the
// board within two seconds; changing it back (undo, for what a step
// changed) makes the board saved again, without mark and without copy.
TEST_F(RecoveredBoard, EveryStoredValueMakesTheBoardUnsavedUntilItIsBack) {
    QTemporaryDir saved;
    ASSERT_TRUE(form().lessonFiles().saveTo(saved.filePath("stunde.velnorit")));
    const QString ownCopy = form().document().recovery().copies().ownPath();
    const auto undo = [this] { form().extras().undo(); };
    struct Row {
        const char* value;
        std::function<void()> change;
        std::function<void()> back;
    };
    const std::vector<Row> rows = {
        {"target", [&] { setParameters(6, 1, 3); }, undo},
        {"sign", [&] { c().Option1[1]->click(); }, undo},
        {"zoom", [&] { c().vscMaßstab->setValue(7); }, undo},
        {"window", [&] { c().vscMassX->setValue(2); }, undo},
        {"pan", [&] { c().hscn->setValue(30); }, [&] { c().hscn->setValue(0); }},
        {"list shown", [&] { form().cmdAusblenden_Click(); }, [&] { form().cmdEinblenden_Click(); }},
        {"marker text", [&] { c().Text3->setText("x"); }, [&] { c().Text3->setText("*"); }},
        {"colour", [&] { form().extras().chooseColour(2); }, [&] { form().extras().chooseColour(1); }},
        {"tool", [&] { chooseTool(3); }, [&] { chooseTool(1); }},
        {"drawing", [&] { stroke(near(1, 0), near(9, 0.1)); }, undo},
        {"wiped", [&] { form().cmdAlles_Click(); }, undo},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        ASSERT_FALSE(form().document().isModified());
        row.change();
        EXPECT_TRUE(form().document().isModified());
        EXPECT_TRUE(form().isWindowModified());
        writeWhenDue();
        ASSERT_TRUE(QFile::exists(ownCopy)) << "no copy";
        EXPECT_EQ(copyIn(ownCopy), form().document().collect());

        row.back();
        EXPECT_FALSE(form().document().isModified());
        EXPECT_FALSE(form().isWindowModified());
        writeWhenDue();
        EXPECT_EQ(copies(), QStringList()) << "a copy of a saved board";
    }
}

// A redraw that draws the same picture, with nothing on it that it would
// wipe, changes nothing: no step, no mark, no copy. With a drawing on the
// graph it wipes the drawing, and that is a step.
TEST_F(RecoveredBoard, ARedrawThatChangesNothingIsNoStep) {
    QTemporaryDir saved;
    ASSERT_TRUE(form().lessonFiles().saveTo(saved.filePath("stunde.velnorit")));
    const std::size_t steps = form().document().history().stepCount();
    form().Command1_Click();
    form().cmdZeichnen_Click();
    EXPECT_EQ(form().document().history().stepCount(), steps);
    EXPECT_FALSE(form().document().isModified());
    EXPECT_FALSE(form().document().recovery().pending() && form().document().isModified());

    stroke(near(1, 0), near(9, 0.1));
    form().Command1_Click();
    EXPECT_EQ(form().document().history().stepCount(), steps + 2);
    EXPECT_EQ(c().cmdUndo->text(), "Rückgängig: Zeichnen");
    EXPECT_TRUE(form().document().isModified());
}

// While the button is held, the copy follows the stroke drawn so far, at
// most every kDelayMs, and holds it after the window is killed (here: the
// copy as written while the button was still down).
TEST_F(RecoveredBoard, AStrokeStillDrawnIsInTheCopy) {
    QTemporaryDir saved;
    ASSERT_TRUE(form().lessonFiles().saveTo(saved.filePath("stunde.velnorit")));
    const QString ownCopy = form().document().recovery().copies().ownPath();
    chooseTool(1);
    const std::size_t before = opCount();
    press(near(1, 0));
    EXPECT_TRUE(form().document().isModified());
    for (int x = 2; x < 12; ++x) move(near(x, 0.01 * x));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(ownCopy); }, 2000));
    form().document().recovery().waitForWrite();
    const std::size_t firstPart = copyIn(ownCopy).board.size();
    EXPECT_EQ(firstPart, opCount() - before);
    EXPECT_TRUE(form().document().recovery().pending()) << "the copy does not follow the stroke";

    for (int x = 12; x < 20; ++x) move(near(x, 0.01 * x));
    ASSERT_TRUE(QTest::qWaitFor([&] { return copyIn(ownCopy).board.size() > firstPart; }, 2500));
    form().document().recovery().waitForWrite();
    EXPECT_EQ(copyIn(ownCopy), form().document().collect());
    release(near(19, 0.19));
    EXPECT_EQ(c().cmdUndo->text(), "Rückgängig: Freihand");
}

// A copy that cannot be written is shown once, in German, beside the
// window and without stopping it; the next failures are not shown again
// until a copy has been written.
TEST_F(RecoveredBoard, ACopyThatCannotBeWrittenIsShownOnce) {
    QFile blocker(dir.filePath("velnorit"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    QStringList shown;
    QObject::connect(&form().document(), &shell::LessonDocument::recoveryCopyFailed,
                     [&](const QString& reason) { shown << reason; });
    stroke(near(1, 0), near(9, 0.1));
    form().document().recovery().writeNow();
    c().Text3->setText("x");
    form().document().recovery().writeNow();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().contains("Ordner")) << shown.first().toStdString();
    QMessageBox* box = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<QMessageBox*>(top); candidate && candidate->isVisible()) box = candidate;
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Sicherungskopie");
    EXPECT_FALSE(box->isModal());
    EXPECT_TRUE(box->text().startsWith("Die Sicherungskopie des Tafelbilds konnte nicht geschrieben werden."));
    box->close();

    // Written again, then failing again: shown again.
    ASSERT_TRUE(QFile::remove(dir.filePath("velnorit")));
    form().document().recovery().writeNow();
    EXPECT_EQ(copies().size(), 1);
    ASSERT_TRUE(QDir(dir.filePath("velnorit")).removeRecursively());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    c().Text3->setText("y");
    form().document().recovery().writeNow();
    EXPECT_EQ(shown.size(), 2);
    QFile::remove(dir.filePath("velnorit"));
}

} // namespace
} // namespace velnorit
