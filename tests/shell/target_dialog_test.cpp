// "Ziel eingeben …": the dialog on its own and on the real window.
#include "shell/lesson_document.h"
#include "../support/form_fixture.h"
#include "../support/run_process.h"

#include "shell/target_dialog.h"
#include "shell/teaching_aids.h"
#include "lesson/scroll_bar_ranges.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace velnorit {
namespace {

using shell::TargetChoice;
using shell::TargetDialog;

QLineEdit* editOf(QSpinBox* box) { return box->findChild<QLineEdit*>(); }

TEST(TargetDialog, OffersTheBarsRangesPrefilledWithTheFirstTextSelected) {
    TargetDialog dialog({7, 3, 4, true});
    const std::pair<TargetDialog::Box, lesson::ScrollBarRange> boxes[] = {
        {TargetDialog::kWurzel, lesson::kWurzelBar}, {TargetDialog::kAbs, lesson::kAbsBar}, {TargetDialog::kNenner, lesson::kNennerBar}};
    for (const auto& [which, range] : boxes) {
        EXPECT_EQ(dialog.box(which)->minimum(), std::min(range.topOrLeftValue, range.bottomOrRightValue));
        EXPECT_EQ(dialog.box(which)->maximum(), std::max(range.topOrLeftValue, range.bottomOrRightValue));
    }
    EXPECT_EQ(dialog.windowTitle(), "Ziel eingeben");
    EXPECT_EQ(dialog.choice(), (TargetChoice{7, 3, 4, true}));
    EXPECT_TRUE(dialog.signOption(true)->isChecked());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.box(TargetDialog::kWurzel));
    EXPECT_EQ(editOf(dialog.box(TargetDialog::kWurzel))->selectedText(), "7");

    // Typing replaces the selected text; a digit that leads out of the
    // range is not taken.
    QTest::keyClicks(editOf(dialog.box(TargetDialog::kWurzel)), "613");
    EXPECT_EQ(dialog.box(TargetDialog::kWurzel)->value(), 61);
}

TEST(TargetDialog, RefusesATextThatIsNoValueNamingTheRange) {
    TargetDialog dialog({5, 0, 2, false});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    struct Case {
        TargetDialog::Box box;
        const char* text;
        const char* refusal;
    };
    for (const Case& c : {Case{TargetDialog::kNenner, "0", "Nenner: nur ganze Zahlen von 1 bis 99"},
                          Case{TargetDialog::kAbs, "", "Abs: nur ganze Zahlen von 0 bis 99"}}) {
        QLineEdit* edit = editOf(dialog.box(c.box));
        edit->selectAll();
        QTest::keyClicks(edit, c.text);
        if (std::string(c.text).empty()) QTest::keyClick(edit, Qt::Key_Backspace);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.refusal(), c.refusal);
        EXPECT_EQ(QApplication::focusWidget(), dialog.box(c.box));
        QTest::keyClicks(edit, "3");
    }
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice(), (TargetChoice{5, 3, 3, false}));
}

class TargetOnTheWindow : public ::testing::Test {
protected:
    std::unique_ptr<shell::Form1> form = testing::startedForm();
    const view::FormControls& c = form->controls();

    // Strg+T, the values typed in, the sign chosen, OK.
    void enter(const char* wurzel, const char* abs, const char* nenner, bool minus) {
        testing::whileModalsOpen([&] { c.cmdZiel->trigger(); }, [&](QWidget* modal) {
            auto* dialog = qobject_cast<TargetDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            const std::pair<TargetDialog::Box, const char*> typed[] = {
                {TargetDialog::kWurzel, wurzel}, {TargetDialog::kAbs, abs}, {TargetDialog::kNenner, nenner}};
            for (const auto& [box, text] : typed) {
                editOf(dialog->box(box))->selectAll();
                QTest::keyClicks(editOf(dialog->box(box)), text);
            }
            dialog->signOption(minus)->setChecked(true);
            dialog->accept();
        });
    }
    std::string liste(const std::vector<std::string>& arguments) {
        std::string text = testing::runProcess(VELNORIT_LISTE_PATH, arguments).standardOutput;
        std::string crLf;
        for (const char ch : text.substr(0, text.size() - 1)) crLf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        return crLf;
    }
};

// As velnorit-liste lists it, through the bars' own handlers: the boxes
// show the values, and one redraw is one step.
TEST_F(TargetOnTheWindow, SetsTheBarsAndRedrawsAsGraphik) {
    const std::size_t steps = form->document().history().stepCount();
    enter("61", "0", "1", false);
    EXPECT_EQ(c.txtWurzel->text(), "61");
    EXPECT_EQ(c.txtAbs->text(), "0");
    EXPECT_EQ(c.txtNenner->text(), "1");
    EXPECT_DOUBLE_EQ(*form->state().target, std::sqrt(61.0));
    EXPECT_EQ(c.Text5->crLfText(), liste({"61", "0", "1", "+"}));
    EXPECT_EQ(form->document().history().stepCount(), steps + 1);

    // A new sign redraws by its own handler, once.
    enter("5", "1", "2", true);
    EXPECT_TRUE(c.Option1[1]->isChecked());
    EXPECT_EQ(c.Text5->crLfText(), liste({"5", "1", "2", "-"}));
    EXPECT_EQ(form->document().history().stepCount(), steps + 2);
}

TEST_F(TargetOnTheWindow, CancelChangesNothing) {
    const std::string list = c.Text5->crLfText();
    const std::size_t steps = form->document().history().stepCount();
    testing::whileModalsOpen([&] { c.cmdZiel->trigger(); }, [](QWidget* modal) {
        auto* dialog = qobject_cast<TargetDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->box(TargetDialog::kWurzel)->findChild<QLineEdit*>(), "7");
        dialog->reject();
    });
    EXPECT_EQ(c.vscWurzel->value(), 5);
    EXPECT_EQ(c.Text5->crLfText(), list);
    EXPECT_EQ(form->document().history().stepCount(), steps);
}

} // namespace
} // namespace velnorit
