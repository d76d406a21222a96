// A run-time error inside a handler: the message box shows it, and the
// program ends. Runs in a child process (a gtest death test).
#include "../support/form_fixture.h"

#include <QAbstractSlider>
#include <gtest/gtest.h>

#include <cstdio>

namespace velnorit {
namespace {

// In the child: start the window, widen the zoom bar beyond its range so
// that 1.4^k underflows to 0, and move it there. The box's text goes to
// standard error for the parent to check.
void provokeDivisionByZeroInTheZoomHandler() {
    auto form = testing::startedForm();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "[%s] %s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start();
    QAbstractSlider* zoom = form->controls().vscMaßstab;
    zoom->setRange(0, 5000);
    zoom->setValue(5000); // k = 30 - 5000
    std::fprintf(stderr, "still running\n");
}

TEST(RuntimeErrorDeathTest, ShowsTheMessageAndEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(provokeDivisionByZeroInTheZoomHandler(), ::testing::ExitedWithCode(1),
                "\\[Rationale Velnorit\\] Laufzeitfehler '11':\n\nDivision durch Null\n$");
}

} // namespace
} // namespace velnorit
