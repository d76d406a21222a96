// What a screen reader learns of the window through Qt's accessibility
// interfaces, the same that the AT-SPI bridge serves: every control's name,
// role and value, the graph's description after a redraw, and the readout
// as the graph's text. (Qt hands out change events only while a screen
// reader listens; the real-window test through AT-SPI checks that they
// arrive.)
#include "../support/form_fixture.h"
#include "shell/extras_commands.h"

#include "view/accessible_controls.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace velnorit {
namespace {

using namespace velnorit::view;

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

class AccessibleForm : public ::testing::Test {
protected:
    std::unique_ptr<shell::Form1> form = testing::startedForm();
    const FormControls& c = form->controls();
};

// Every control with the name, role and value a screen reader reads.
TEST_F(AccessibleForm, NamesEveryControlWithItsRoleAndValue) {
    struct Expected {
        QWidget* control;
        QString name;
        QAccessible::Role role;
        std::optional<QString> value; // text(Value), where the control has one
    };
    const QString list = c.Text5->toPlainText();
    const std::vector<Expected> table = {
        {c.vscWurzel, "Wurzel", QAccessible::ScrollBar, "5"},
        {c.vscAbs, "Abs", QAccessible::ScrollBar, "0"},
        {c.vscNenner, "Nenner", QAccessible::ScrollBar, "2"},
        {c.vscMaßstab, "Vergrößerung der y-Achse", QAccessible::ScrollBar, "3"},
        {c.vscMassX, "Nennerfenster (x-Achse)", QAccessible::ScrollBar, "0"},
        {c.hscn, "Graph verschieben", QAccessible::ScrollBar, "0"},
        {c.txtWurzel, "Wert von Wurzel", QAccessible::EditableText, "5"},
        {c.txtAbs, "Wert von Abs", QAccessible::EditableText, "0"},
        {c.txtNenner, "Wert von Nenner", QAccessible::EditableText, "2"},
        {c.Text1[3], "Letzter Nenner", QAccessible::EditableText, "701"},
        {c.Text1[1], "Erster Nenner", QAccessible::EditableText, "1"},
        {c.Text1[0], "Oberer Rand der y-Achse", QAccessible::EditableText, c.Text1[0]->text()},
        {c.Text1[2], "Unterer Rand der y-Achse", QAccessible::EditableText, c.Text1[2]->text()},
        {c.Text2, "Genauigkeit", QAccessible::EditableText, ""},
        {c.Text3, "Stempeltext", QAccessible::EditableText, "*"},
        {c.Text5, "Liste der Rekorde", QAccessible::EditableText, list},
        {c.Text6, "Anzeige am Mauszeiger", QAccessible::EditableText, ""},
        {c.Option1[0], "Vorzeichen plus", QAccessible::RadioButton, std::nullopt},
        {c.Option1[1], "Vorzeichen minus", QAccessible::RadioButton, std::nullopt},
        {c.Command1, "Graphik", QAccessible::Button, std::nullopt},
        {c.Option2[0], "Steigung", QAccessible::RadioButton, std::nullopt},
        {c.Option2[1], "Freihand", QAccessible::RadioButton, std::nullopt},
        {c.Option2[2], "Stempel", QAccessible::RadioButton, std::nullopt},
        {c.Option2[3], "Radierer", QAccessible::RadioButton, std::nullopt},
        {c.Picture2[0], "Schwarz", QAccessible::Button, std::nullopt},
        {c.Picture2[2], "Gelb", QAccessible::Button, std::nullopt},
        {c.Picture2[3], "Rot", QAccessible::Button, std::nullopt},
        {c.Picture2[1], "Blau", QAccessible::Button, std::nullopt},
        {c.Picture2[4], "Zeichenfarbe: Blau", QAccessible::Graphic, std::nullopt},
        {c.Frame1, "x-Achse", QAccessible::Grouping, std::nullopt},
        {c.Frame2, "y-Achse ", QAccessible::Grouping, std::nullopt},
        {c.Frame3, "Zeichnen", QAccessible::Grouping, std::nullopt},
        {c.picGraph, "Graph der Näherungsbrüche", QAccessible::Chart, std::nullopt},
        {c.picLegende, "Legende", QAccessible::Graphic, std::nullopt},
        {c.Picture1, "Ziel (√Wurzel ± Abs) / Nenner", QAccessible::Pane, std::nullopt},
        {c.picContainer, "Rationale Velnorit", QAccessible::Pane, std::nullopt},
    };
    for (const Expected& e : table) {
        QAccessibleInterface* iface = accessible(e.control);
        ASSERT_NE(iface, nullptr) << e.name.toStdString();
        EXPECT_EQ(iface->text(QAccessible::Name), e.name);
        EXPECT_EQ(iface->role(), e.role) << e.name.toStdString();
        if (e.value) {
            EXPECT_EQ(iface->text(QAccessible::Value), *e.value) << e.name.toStdString();
        }
    }
}

// The bars report the value the program uses, between the smaller and the
// larger of their ends, whichever way Qt's bar runs inside.
TEST_F(AccessibleForm, ScrollBarsReportTheProgramsValueAndRange) {
    struct Bar {
        ValueScrollBar* bar;
        int value, minimum, maximum, step;
    };
    for (const Bar& b : {Bar{c.vscWurzel, 5, 0, 99, 1}, Bar{c.vscAbs, 0, 0, 99, 1}, Bar{c.vscNenner, 2, 1, 99, 1},
                         Bar{c.vscMaßstab, 3, 1, 30, 1}, Bar{c.vscMassX, 0, 0, 19, 1}, Bar{c.hscn, 0, 0, 750, 1}}) {
        QAccessibleValueInterface* value = accessible(b.bar)->valueInterface();
        ASSERT_NE(value, nullptr) << b.bar->accessibleName().toStdString();
        EXPECT_EQ(value->currentValue().toInt(), b.value) << b.bar->accessibleName().toStdString();
        EXPECT_EQ(value->minimumValue().toInt(), b.minimum);
        EXPECT_EQ(value->maximumValue().toInt(), b.maximum);
        EXPECT_EQ(value->minimumStepSize().toInt(), b.step);
    }
}

// Up on the Wurzel bar: the box shows 6, and so does the bar to a screen
// reader.
TEST_F(AccessibleForm, AValueChangeReadsAsTheBoxShowsIt) {
    QTest::keyClick(c.vscWurzel, Qt::Key_Up);
    EXPECT_EQ(c.txtWurzel->text(), "6");
    EXPECT_EQ(accessible(c.vscWurzel)->valueInterface()->currentValue().toInt(), 6);
    QTest::keyClick(c.vscMaßstab, Qt::Key_PageUp);
    EXPECT_EQ(accessible(c.vscMaßstab)->valueInterface()->currentValue().toInt(), 13);
    QTest::keyClick(c.hscn, Qt::Key_End);
    EXPECT_EQ(accessible(c.hscn)->valueInterface()->currentValue().toInt(), 750);

    // Set through the interface, as a screen reader may: the bar's change
    // handler runs as for a key.
    accessible(c.vscNenner)->valueInterface()->setCurrentValue(7);
    EXPECT_EQ(c.txtNenner->text(), "7");
    accessible(c.vscNenner)->valueInterface()->setCurrentValue(500);
    EXPECT_EQ(c.txtNenner->text(), "99");
}

// The graph says what the last redraw drew, and after the next redraw what
// that one drew.
TEST_F(AccessibleForm, DescribesTheGraphAndRenewsTheDescriptionAtEveryRedraw) {
    QAccessibleInterface* graph = accessible(c.picGraph);
    const QString start = graph->text(QAccessible::Description);
    EXPECT_TRUE(start.startsWith("Ziel (√5 + 0) / 2 ≈ 1")) << start.toStdString();
    EXPECT_TRUE(start.contains("Nenner 1 bis 701.")) << start.toStdString();
    EXPECT_TRUE(start.contains("1/1 unten, absolute Verbesserung; 2/1 oben")) << start.toStdString();

    c.vscWurzel->setValue(2);
    c.vscNenner->setValue(1);
    EXPECT_EQ(graph->text(QAccessible::Description), start) << "no redraw yet: the graph still shows √5 / 2";
    c.Command1->click();
    const QString after = graph->text(QAccessible::Description);
    EXPECT_TRUE(after.startsWith("Ziel (√2 + 0) / 1 ≈ 1")) << after.toStdString();
    EXPECT_TRUE(after.contains("17/12 oben, absolute Verbesserung")) << after.toStdString();

    // Another window of denominators: records from 501 on only.
    c.vscMassX->setValue(1);
    const QString window = graph->text(QAccessible::Description);
    EXPECT_TRUE(window.contains("Nenner 501 bis 1201.")) << window.toStdString();
    EXPECT_TRUE(window.contains("2 Rekorde in diesem Fenster: 816/577 unten, absolute Verbesserung; "
                                "1393/985 unten, absolute Verbesserung."))
        << window.toStdString();
    EXPECT_FALSE(window.contains("17/12")) << window.toStdString();

    // Undo brings back the picture before, and its description.
    form->extras().undo();
    EXPECT_EQ(graph->text(QAccessible::Description), after);
}

// The graph's text is the readout, which a screen reader speaks for the
// graph that has the keyboard.
TEST_F(AccessibleForm, ReadsTheReadoutAsTheGraphsText) {
    QAccessibleInterface* graph = accessible(c.picGraph);
    QAccessibleTextInterface* text = graph->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 0);

    const double target = *form->state().target;
    emit c.picGraph->mouseMove(Qt::NoButton, Qt::NoModifier, 9.4f, static_cast<float>(target - 0.01));
    const QString readout = " 10 / 9 =\n 1.11111111111111\nZiel:\n 1.11803398874989\nGen.: 1/ 144    5";
    EXPECT_EQ(text->text(0, -1), readout);
    EXPECT_EQ(text->characterCount(), readout.size());
    EXPECT_EQ(text->text(1, 3), "10");
    int start = -1, end = -1;
    EXPECT_EQ(text->textAtOffset(12, QAccessible::LineBoundary, &start, &end).trimmed(), "1.11111111111111");

    // The upper side of the same denominator.
    emit c.picGraph->mouseMove(Qt::NoButton, Qt::NoModifier, 9.4f, static_cast<float>(target + 0.01));
    EXPECT_TRUE(text->text(0, -1).startsWith(" 11 / 9 =")) << text->text(0, -1).toStdString();
}

// The colour boxes are named by the colour they show, and pressing one
// through its interface chooses it, as a click does.
TEST_F(AccessibleForm, NamesTheColourBoxesByTheirColourAndPressesThem) {
    QAccessibleInterface* yellow = accessible(c.Picture2[2]);
    ASSERT_NE(yellow->actionInterface(), nullptr);
    EXPECT_TRUE(yellow->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    yellow->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(c.Picture2[4]->backColor(), rgb(255, 255, 0));
    EXPECT_EQ(accessible(c.Picture2[4])->text(QAccessible::Name), "Zeichenfarbe: Gelb");
    EXPECT_FALSE(accessible(c.Picture2[4])->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));

    EXPECT_EQ(colourName(rgb(235, 0, 0)), "Rot");
    EXPECT_EQ(colourName(rgb(12, 34, 56)), "Rot 12, Grün 34, Blau 56");
}

// Walks the window as a screen reader does: every control that shows has a
// name of its own, but for the list's two inner scroll bars; frames and
// panels that only hold others are passed over.
int namelessControls(QAccessibleInterface* iface, QStringList& where) {
    static const QList<QAccessible::Role> holders = {QAccessible::Client,  QAccessible::Pane,    QAccessible::Window,
                                                     QAccessible::MenuBar, QAccessible::PopupMenu, QAccessible::Separator,
                                                     QAccessible::Grouping};
    int count = 0;
    const bool showing = !iface->state().invisible && !iface->state().offscreen;
    if (showing && !holders.contains(iface->role()) && iface->text(QAccessible::Name).isEmpty()) {
        ++count;
        QObject* parent = iface->parent() != nullptr ? iface->parent()->object() : nullptr;
        where << QString::number(iface->role()) + " in " + (parent != nullptr ? parent->metaObject()->className() : "?");
    }
    for (int i = 0; i < iface->childCount(); ++i) count += namelessControls(iface->child(i), where);
    return count;
}

TEST_F(AccessibleForm, LeavesNoShowingControlWithoutANameButTheListsInnerBars) {
    QStringList where;
    EXPECT_LE(namelessControls(accessible(form.get()), where), 2) << where.join(", ").toStdString();
}

} // namespace
} // namespace velnorit
