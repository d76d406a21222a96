#include "shell/extras_commands.h"
#include "../support/form_fixture.h"
#include "../support/run_process.h"

#include "core/result_list.h"
#include "shell/captioned_frame.h"
#include "shell/continued_fraction_window.h"
#include "shell/control_looks.h"
#include "shell/german_translations.h"
#include "shell/messages.h"
#include "view/regional_numbers.h"

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace velnorit {
namespace {

using namespace velnorit::view;
using shell::Form1;

class StartedForm : public ::testing::Test {
protected:
    std::unique_ptr<Form1> form = testing::startedForm();
    const view::FormControls& c = form->controls();
    const WindowState& state = form->state();
};

TEST_F(StartedForm, StartsInTheStateOfTheStartUpTable) {
    EXPECT_EQ(c.txtWurzel->text(), "5");
    EXPECT_EQ(c.txtAbs->text(), "0");
    EXPECT_EQ(c.txtNenner->text(), "2");
    EXPECT_EQ(state.sign, 1);
    EXPECT_TRUE(c.Option1[0]->isChecked());
    EXPECT_FALSE(c.Option1[1]->isChecked());
    EXPECT_EQ(*state.target, std::sqrt(5.0) / 2);
    EXPECT_DOUBLE_EQ(state.yScale, 36.443148688046655);
    EXPECT_EQ(c.Text1[1]->text(), "1");
    EXPECT_EQ(c.Text1[3]->text(), "701");
    EXPECT_EQ(*state.nStart, 1);
    EXPECT_EQ(state.markText, "*");
    EXPECT_EQ(c.Picture2[3]->backColor(), rgb(235, 0, 0));
    EXPECT_EQ(c.Picture2[4]->backColor(), rgb(0, 0, 255));
    EXPECT_FALSE(c.Line5->isVisible());
    EXPECT_FALSE(c.Shape1->isVisible());
    EXPECT_TRUE(c.Text6->isVisible());
    EXPECT_TRUE(c.Option2[1]->isChecked());
    EXPECT_EQ(c.picGraph->mousePointer(), kSquarePointer);
    EXPECT_EQ(*state.n, 10001);
    EXPECT_EQ(c.Text5->crLfText().substr(0, resultListHeader().size()), resultListHeader());
    EXPECT_EQ(form->windowTitle(), "Rationale Velnorit[*]");
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(c.Picture2[0]->toolTip(), "Farbe für Zeichnen wählen");
    EXPECT_EQ(c.Picture2[4]->toolTip(), "");
}

TEST_F(StartedForm, HasTheMenuTree) {
    QStringList bar;
    for (QAction* action : form->menuBar()->actions()) {
        QString entry = action->text();
        if (action->menu() != nullptr)
            for (QAction* item : action->menu()->actions()) entry += " > " + item->text();
        bar << entry;
    }
    // The program's own menu "Extras" stands after the five of the window
    // (its entries: the next test).
    ASSERT_EQ(bar.size(), 6);
    EXPECT_TRUE(bar.takeLast().startsWith("Extras > "));
    EXPECT_EQ(bar, (QStringList{"Programm beenden", "Tafel wischen > Alles > Zeichnen", "Information",
                                "Liste ein/ausblenden > einblenden > ausblenden", "Zum Programm"}));
}

TEST_F(StartedForm, ShowsTheEntriesOfExtrasWithTheirKeys) {
    QAction* extras = form->menuBar()->actions().last();
    ASSERT_NE(extras->menu(), nullptr);
    EXPECT_EQ(extras->text(), "Extras");
    // Each entry with the keys it must have: where Qt knows a standard
    // sequence (undo, redo, print, …) the platform may add its own to it.
    QStringList entries;
    for (QAction* item : extras->menu()->actions()) {
        if (item->isSeparator()) continue;
        QStringList keys;
        for (const QKeySequence& k : item->shortcuts()) keys << k.toString(QKeySequence::PortableText);
        entries << item->text() + " " + keys.join(", ");
    }
    const QList<std::pair<QString, QStringList>> expected = {
        {"Rückgängig", {"Ctrl+Z"}},
        {"Wiederholen", {"Ctrl+Y", "Ctrl+Shift+Z"}},
        {"Tafelbild öffnen …", {"Ctrl+O"}},
        {"Tafelbild speichern", {"Ctrl+S"}},
        {"Tafelbild speichern unter …", {"Ctrl+Shift+S"}},
        {"Bild exportieren …", {"Ctrl+E"}},
        {"Liste speichern …", {}},
        {"Drucken …", {"Ctrl+P"}},
        {"Steigung", {"F5"}},
        {"Freihand", {"F6"}},
        {"Stempel", {"F7"}},
        {"Radierer", {"F8"}},
        {"Farbe Schwarz", {"Ctrl+1"}},
        {"Farbe Gelb", {"Ctrl+2"}},
        {"Farbe Rot", {"Ctrl+3"}},
        {"Farbe Blau", {"Ctrl+4"}},
        {"Ziel eingeben …", {"Ctrl+T"}},
        {"Schritt für Schritt", {"F9"}},
        {"Präsentation", {"F11"}},
        {"Kettenbruch …", {}},
        {"Handbuch", {"F1"}}};
    ASSERT_EQ(entries.size(), expected.size()) << entries.join(" | ").toStdString();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString& entry = entries[i];
        EXPECT_TRUE(entry.startsWith(expected[i].first + " ")) << entry.toStdString();
        const QStringList keys = entry.mid(expected[i].first.size() + 1).split(", ", Qt::SkipEmptyParts);
        for (const QString& key : expected[i].second) EXPECT_TRUE(keys.contains(key)) << entry.toStdString();
        if (expected[i].second.isEmpty()) {
            EXPECT_TRUE(keys.isEmpty()) << entry.toStdString();
        }
    }
}

// Each container's children, back to front: a later one covers an earlier one.
int stackIndex(QWidget* widget) {
    return static_cast<int>(widget->parentWidget()->children().indexOf(widget));
}

TEST_F(StartedForm, StacksTheControlsFrontToBackAsListed) {
    const std::vector<QWidget*> frontToBack = {c.Frame3, c.Frame1, c.hscn,     c.Text2,     c.Frame2,
                                               c.Text5,  c.Picture1, c.picLegende, c.picGraph};
    for (std::size_t i = 1; i < frontToBack.size(); ++i)
        EXPECT_GT(stackIndex(frontToBack[i - 1]), stackIndex(frontToBack[i])) << i;
    EXPECT_GT(stackIndex(c.Picture2[3]), stackIndex(c.Picture2[4]));
    EXPECT_GT(stackIndex(c.Text3), stackIndex(c.Option2[0]));
    EXPECT_GT(stackIndex(c.vscMassX), stackIndex(c.Text1[1]));
    EXPECT_GT(stackIndex(c.Text1[0]), stackIndex(c.vscMaßstab));
    EXPECT_GT(stackIndex(c.Command1), stackIndex(c.vscNenner));

    // What the user sees where they overlap.
    QWidget* panel = c.picContainer;
    auto topmostAt = [panel](QWidget* widget, QPoint local) {
        QWidget* hit = panel->childAt(widget->mapTo(panel, local));
        while (hit != nullptr && hit->parentWidget() != panel) hit = hit->parentWidget();
        return hit;
    };
    EXPECT_EQ(topmostAt(c.Frame2, QPoint(3, c.Frame2->height() / 2)), c.Frame2);
    EXPECT_EQ(topmostAt(c.hscn, QPoint(c.hscn->width() - 30, 2)), c.hscn);
    EXPECT_EQ(topmostAt(c.Text5, QPoint(5, 5)), c.Text5);
}

TEST_F(StartedForm, TheUpperArrowOfAParameterBarRaisesItsValue) {
    ValueScrollBar* bar = c.vscWurzel;
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->QScrollBar::value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect upper = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar);
    ASSERT_TRUE(upper.isValid());
    QTest::mouseClick(bar, Qt::LeftButton, {}, upper.center());
    EXPECT_EQ(bar->value(), 6);
    EXPECT_EQ(c.txtWurzel->text(), "6");
    EXPECT_DOUBLE_EQ(*state.target, std::sqrt(6.0) / 2);
}

TEST_F(StartedForm, AParameterChangeWaitsForGraphik) {
    const std::string list = c.Text5->crLfText();
    const std::size_t drawn = c.picGraph->drawing().size();
    c.vscNenner->setValue(3);
    EXPECT_EQ(c.txtNenner->text(), "3");
    EXPECT_DOUBLE_EQ(*state.target, std::sqrt(5.0) / 3);
    EXPECT_EQ(c.Text5->crLfText(), list);
    EXPECT_EQ(state.lowerNum[9], 10);

    QTest::mouseClick(c.Command1, Qt::LeftButton);
    EXPECT_NE(c.Text5->crLfText(), list);
    EXPECT_EQ(state.lowerNum[9], 6); // floor(9 * 0.745...)
    EXPECT_GT(c.picGraph->drawing().size(), drawn / 2);
    EXPECT_EQ(c.Text1[0]->text().toStdString(), view::boxText(std::floor((*state.target + state.yScale / 100) * 10000) / 10000));
}

TEST_F(StartedForm, ShowsAndHidesTheList) {
    c.cmdAusblenden->trigger();
    EXPECT_FALSE(c.Text5->isVisible());
    c.cmdAusblenden->trigger();
    EXPECT_FALSE(c.Text5->isVisible());
    const std::string list = c.Text5->crLfText();
    c.vscMaßstab->setValue(4); // redraws while hidden
    EXPECT_EQ(c.Text5->crLfText(), list) << "the records do not depend on the zoom";
    c.cmdEinblenden->trigger();
    EXPECT_TRUE(c.Text5->isVisible());
    c.cmdEinblenden->trigger();
    EXPECT_TRUE(c.Text5->isVisible());
}

TEST_F(StartedForm, AllesWipesOnlyTheGraph) {
    const std::string list = c.Text5->crLfText();
    const auto upperNum = state.upperNum;
    const float left = c.picGraph->scaleLeft();
    const std::size_t legend = c.picLegende->drawing().size();
    c.cmdAlles->trigger();
    EXPECT_EQ(c.picGraph->drawing().size(), 0u);
    EXPECT_EQ(c.picGraph->currentX(), 0.0f);
    EXPECT_EQ(c.picGraph->currentY(), 0.0f);
    EXPECT_EQ(c.picGraph->scaleLeft(), left);
    EXPECT_EQ(c.picLegende->drawing().size(), legend);
    EXPECT_EQ(c.Text5->crLfText(), list);
    EXPECT_TRUE(state.upperNum == upperNum);
    EXPECT_TRUE(c.Option2[1]->isChecked());

    c.cmdZeichnen->trigger();
    EXPECT_GT(c.picGraph->drawing().size(), 10000u);
}

TEST_F(StartedForm, ShowsTheTwoMessageBoxes) {
    const testing::MessageBoxSeen author = testing::whileMessageBoxOpen([&] { c.cmdInfo->trigger(); });
    ASSERT_TRUE(author.shown);
    EXPECT_EQ(author.title, "Programmiert von");
    EXPECT_EQ(author.text, "Das Velnorit-Team\r\nFreie Lehrsoftware für den Mathematikunterricht");
    EXPECT_EQ(author.icon, QMessageBox::Information);
    EXPECT_EQ(author.buttonCount, 1);
    EXPECT_TRUE(author.okButton);

    const testing::MessageBoxSeen description = testing::whileMessageBoxOpen([&] { c.cmdProgramm->trigger(); });
    ASSERT_TRUE(description.shown);
    EXPECT_EQ(description.title, "Programmfunktion");
    EXPECT_EQ(description.text, "Für die gewählte quadratische Irrationalität\r\n"
                                "werden für jeden Nenner die am besten\r\n"
                                "approximierenden Brüche dargestellt.\r\n"
                                "Die erreichte Genauigkeit wird durch einen Stammbruch\r\n"
                                "und durch das Absolutglied der vom \r\n"
                                "approximierenden Bruch gelösten Pellschen Gleichung\r\n"
                                "angegeben (im Feld am Mauszeiger)");
    EXPECT_EQ(description.icon, QMessageBox::Information);
    EXPECT_EQ(description.buttonCount, 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(*state.target, std::sqrt(5.0) / 2);
}

// Tab from the first stop walks the focus order; frames and picture areas
// take no focus and are passed over (but the graph, for its keyboard
// cursor), an option group is one stop (its selected button), and Tab
// leaves the multi-line boxes.
TEST_F(StartedForm, TabWalksTheFocusOrder) {
    form->activateWindow();
    c.hscn->setFocus(Qt::TabFocusReason);
    const std::vector<QWidget*> expected = {
        c.picGraph, c.Text6,  c.vscNenner, c.txtNenner, c.vscAbs,   c.txtAbs,   c.txtWurzel,  c.vscWurzel,
        c.Option1[0], c.Text5, c.vscMaßstab, c.Text1[2], c.Text1[0], c.Text2,     c.Text1[1],
        c.Text1[3], c.vscMassX, c.Option2[1], c.Text3,  c.Command1, c.hscn};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "Tab " << i + 1;
    }
    for (std::size_t i = expected.size() - 1; i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "Shift+Tab back to stop " << i + 1;
    }
    EXPECT_EQ(c.Text5->toPlainText().count('\t'), 0);
}

// The keys run the bar's Change handler just as a click does.
TEST_F(StartedForm, ScrollBarsMoveByKeys) {
    form->activateWindow();
    c.vscMaßstab->setFocus(Qt::TabFocusReason);
    const std::string lowerLabel = c.Text1[2]->utf8();
    QTest::keyClick(c.vscMaßstab, Qt::Key_Up);
    EXPECT_EQ(c.vscMaßstab->value(), 4);
    EXPECT_NE(c.Text1[2]->utf8(), lowerLabel) << "vscMaßstab_Change rescaled the y axis";
    QTest::keyClick(c.vscMaßstab, Qt::Key_PageUp);
    EXPECT_EQ(c.vscMaßstab->value(), 14);
    QTest::keyClick(c.vscMaßstab, Qt::Key_End);
    EXPECT_EQ(c.vscMaßstab->value(), 1);
    QTest::keyClick(c.vscMaßstab, Qt::Key_Home);
    EXPECT_EQ(c.vscMaßstab->value(), 30);

    c.vscWurzel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c.vscWurzel, Qt::Key_Down);
    EXPECT_EQ(c.txtWurzel->text(), "4");
    c.hscn->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c.hscn, Qt::Key_PageDown);
    EXPECT_EQ(c.hscn->value(), 10);
    EXPECT_LT(c.picGraph->x(), 0) << "the graph is panned";
}

// Qt's own texts are German (the program installs them at start-up, the
// test does it here), and the frames' blue stays in their captions.
TEST_F(StartedForm, ShowsQtsTextsInGermanAndKeepsTheFrameColourInTheCaptions) {
    ASSERT_TRUE(shell::installGermanQtTexts(*QCoreApplication::instance()));
    for (QWidget* box : std::initializer_list<QWidget*>{c.Text5, c.Text2, c.Text3}) {
        std::unique_ptr<QMenu> menu(qobject_cast<QPlainTextEdit*>(box) != nullptr
                                        ? qobject_cast<QPlainTextEdit*>(box)->createStandardContextMenu()
                                        : qobject_cast<QLineEdit*>(box)->createStandardContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) texts << action->text().remove('&').split('\t').first();
        EXPECT_TRUE(texts.contains("Einfügen")) << texts.join(", ").toStdString();
        for (const char* english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"})
            EXPECT_FALSE(texts.contains(english)) << english;
    }
    const QColor defaultText = QApplication::palette().color(QPalette::Text);
    for (QWidget* inside : std::initializer_list<QWidget*>{c.Text1[0], c.Text1[3], c.Text3, c.Option2[0]}) {
        EXPECT_EQ(inside->palette().color(QPalette::Text), defaultText);
        EXPECT_EQ(inside->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::WindowText));
    }
    EXPECT_EQ(static_cast<shell::CaptionedFrame*>(c.Frame3)->captionColour(), QColor(0, 0, 192));
}

// The window "Kettenbruch" reads the target of the last computeTarget, like
// the pointer readout, and shows what velnorit-liste --kettenbruch prints
// (the period whole), up to the N of its field.
TEST_F(StartedForm, ShowsTheContinuedFractionOfTheCurrentTarget) {
    auto commandLines = [](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "--kettenbruch");
        const std::string out = testing::runProcess(VELNORIT_LISTE_PATH, arguments).standardOutput;
        return QString::fromStdString(out.substr(0, out.size() - 1)); // without the final line feed
    };
    auto windowText = [&] {
        c.cmdKettenbruch->trigger();
        shell::ContinuedFractionWindow* window = form->extras().continuedFractionWindow();
        EXPECT_TRUE(window && window->isVisible());
        EXPECT_FALSE(window->isModal());
        EXPECT_EQ(window->windowTitle(), "Kettenbruch");
        EXPECT_EQ(window->parent(), form.get());
        return window ? window->text() : QString();
    };
    const QString start = windowText();
    EXPECT_TRUE(start.startsWith("Ziel: (√5 + 0) / 2 ≈ 1.118033988750\nKettenbruch: [1; 8, 2, 8, 2, …]\n")) << start.toStdString();
    EXPECT_EQ(start, commandLines({"5", "0", "2", "+"}));

    // A new Nenner counts at once, before any redraw; so does the sign. The
    // window stays the same one.
    shell::ContinuedFractionWindow* window = form->extras().continuedFractionWindow();
    c.vscNenner->setValue(3);
    EXPECT_EQ(windowText(), commandLines({"5", "0", "3", "+"}));
    c.vscAbs->setValue(7);
    c.Option1[1]->setChecked(true);
    EXPECT_EQ(windowText(), commandLines({"5", "7", "3", "-"}));
    EXPECT_EQ(form->extras().continuedFractionWindow(), window);

    // The field N, as --bis: Return takes it; a bad N is refused with its
    // reason and leaves the text.
    struct Limit {
        const char* typed;
        bool taken;
    };
    QString shown = windowText();
    for (const Limit& limit : {Limit{"1000000000000", true}, Limit{"0", false}, Limit{"1e18", false},
                               Limit{"-7", false}, Limit{"1000000000000000000", true}}) {
        SCOPED_TRACE(limit.typed);
        window->limitField().setText(limit.typed);
        QTest::keyClick(&window->limitField(), Qt::Key_Return);
        EXPECT_TRUE(window->isVisible()) << "Return in the field keeps the window";
        EXPECT_EQ(window->limitProblem().isEmpty(), limit.taken) << window->limitProblem().toStdString();
        if (limit.taken) shown = commandLines({"--bis", limit.typed, "5", "7", "3", "-"});
        EXPECT_EQ(window->text(), shown);
    }
    c.vscWurzel->setValue(49);
    EXPECT_TRUE(windowText().contains("Endlich"));
    EXPECT_TRUE(windowText().contains("nur die triviale Lösung"));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// The longest period of all targets stands whole in the window, wrapped,
// without a horizontal scroll bar.
TEST_F(StartedForm, ContinuedFractionWindowShowsALongPeriodWhole) {
    c.vscWurzel->setValue(97);
    c.vscAbs->setValue(1);
    c.vscNenner->setValue(97);
    c.cmdKettenbruch->trigger();
    shell::ContinuedFractionWindow* window = form->extras().continuedFractionWindow();
    ASSERT_TRUE(window);
    const QString period = window->text().split('\n')[2];
    EXPECT_TRUE(period.endsWith("), Länge 751, ab a2")) << period.toStdString();
    EXPECT_FALSE(period.contains("…"));
    auto* text = window->findChild<QPlainTextEdit*>();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_FALSE(text->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(text->font().family(), shell::timesNewRoman(12).family());
}

TEST_F(StartedForm, ProgrammBeendenEndsTheEventLoopAtOnce) {
    bool laterEventRan = false;
    QObject later; // cancels the later event when the test ends
    QTimer::singleShot(0, form.get(), [&] {
        c.cmdEnde->trigger();
        QTimer::singleShot(0, &later, [&] { laterEventRan = true; });
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(laterEventRan);
}

} // namespace
} // namespace velnorit
