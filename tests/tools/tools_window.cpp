#include "tools_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <cmath>

namespace velnorit::testing {

ToolsWindow::ToolsWindow() {
    form_.Form_Load();
    form_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form_));
    QApplication::processEvents();
}

ToolsWindow::~ToolsWindow() {
    // QTest keeps the buttons it pressed for later events; none may stay down.
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (held_ & button) QTest::mouseRelease(c().picGraph, button, {}, QPoint(1, 1));
}

QPoint ToolsWindow::pixelAt(double x, double y) const { return graph().toPixels(x, y).toPoint(); }

float ToolsWindow::eventX(QPoint pixel) const { return static_cast<float>(graph().userXFromPixels(pixel.x())); }

float ToolsWindow::eventY(QPoint pixel) const { return static_cast<float>(graph().userYFromPixels(pixel.y())); }

void ToolsWindow::press(QPoint pixel, Qt::MouseButton button) {
    held_ |= button;
    QTest::mousePress(c().picGraph, button, {}, pixel);
}

void ToolsWindow::move(QPoint pixel) {
    QMouseEvent event(QEvent::MouseMove, QPointF(pixel), QPointF(c().picGraph->mapToGlobal(pixel)), Qt::NoButton,
                      held_, Qt::NoModifier);
    QApplication::sendEvent(c().picGraph, &event);
}

void ToolsWindow::release(QPoint pixel, Qt::MouseButton button) {
    held_ &= ~Qt::MouseButtons(button);
    QTest::mouseRelease(c().picGraph, button, {}, pixel);
}

void ToolsWindow::pointerOnto(QWidget* control, QPoint local) {
    const QPoint global = control->mapToGlobal(local);
    ASSERT_EQ(QApplication::widgetAt(global), control) << "another control covers this point";
    QTest::mouseMove(control, local);
}

void ToolsWindow::chooseTool(int index) {
    QRadioButton* option = c().Option2[static_cast<std::size_t>(index)];
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    ASSERT_TRUE(option->isChecked());
}

void ToolsWindow::setParameters(int wurzel, int abs, int nenner) {
    c().vscWurzel->setValue(static_cast<Integer>(wurzel));
    c().vscAbs->setValue(static_cast<Integer>(abs));
    c().vscNenner->setValue(static_cast<Integer>(nenner));
    QTest::mouseClick(c().Command1, Qt::LeftButton);
}

std::vector<RecordedOp> ToolsWindow::opsSince(std::size_t count) const {
    std::vector<RecordedOp> ops;
    const view::RetainedDrawing& drawing = graph().drawing();
    for (std::size_t i = count; i < drawing.size(); ++i) ops.push_back({drawing[i], std::string(drawing.text(i))});
    return ops;
}

} // namespace velnorit::testing
