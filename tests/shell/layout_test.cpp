#include "../support/form_fixture.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace velnorit {
namespace {

using shell::Form1;
using shell::ScreenTwips;

class Layout : public ::testing::Test {
protected:
    std::unique_ptr<Form1> form = testing::startedForm();
    const view::FormControls& c = form->controls();
    view::DrawingSurface& panel = *c.picContainer;

    struct Units {
        float left, top, width, height;
    };
    Units of(QWidget* child) {
        return {panel.childLeft(child), panel.childTop(child), panel.childWidth(child), panel.childHeight(child)};
    }
    std::vector<float> frameHeights() {
        return {of(c.Frame1).height, of(c.Frame2).height, of(c.Frame3).height};
    }
};

TEST_F(Layout, FillsA1024x768Screen) {
    // sw = 15360, sh = 11520 twips at 15 twips per pixel.
    EXPECT_EQ(form->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(panel.geometry(), QRect(10, 7, 993, 688)); // 153.6, 100, 14899.2, 10320 twips
    EXPECT_EQ(panel.scaleWidth(), 100.0f);
    EXPECT_EQ(panel.scaleHeight(), 100.0f);
    EXPECT_EQ(frameHeights(), (std::vector<float>{18, 18, 20}));
    EXPECT_EQ(of(c.Frame2).top, 18.0f);
    EXPECT_EQ(of(c.Frame3).top, 53.5f);

    // The right column sits flush with the panel's right edge at its own
    // absolute width; the list fills it from below the formula panel to 97.5.
    const Units picture = of(c.Picture1);
    EXPECT_EQ(c.Picture1->size(), QSize(256, 127));
    EXPECT_FLOAT_EQ(picture.left + picture.width, 100);
    EXPECT_EQ(picture.top, 0.0f);
    EXPECT_EQ(c.Picture1->geometry().right() + 1, panel.width());
    const Units list = of(c.Text5);
    EXPECT_EQ(list.left, picture.left);
    EXPECT_EQ(list.width, picture.width);
    EXPECT_FLOAT_EQ(list.top, picture.height + 0.5f);
    EXPECT_FLOAT_EQ(list.top + list.height, 97.5f);

    const Units accuracy = of(c.Text2);
    EXPECT_EQ(accuracy.left, 1.0f);
    EXPECT_EQ(accuracy.top, 45.0f);
    EXPECT_EQ(accuracy.width, 10.0f);
    EXPECT_EQ(c.Text2->height(), 16) << "240 twips high, whatever the screen";

    EXPECT_EQ(of(c.picGraph).width, 1600.0f);
    EXPECT_EQ(c.picGraph->width(), 16 * panel.width());
    EXPECT_EQ(of(c.picGraph).height, 97.0f);
    EXPECT_EQ(of(c.picLegende).width, 12.0f);
    EXPECT_EQ(of(c.hscn).top, 97.0f);
    EXPECT_EQ(of(c.hscn).height, 3.0f);
}

TEST_F(Layout, Uses800x600Proportions) {
    form->arrangeWindow(ScreenTwips{12000, 9000});
    EXPECT_EQ(panel.geometry(), QRect(8, 7, 776, 520)); // 120, 100, 11640, 7800 twips
    EXPECT_EQ(frameHeights(), (std::vector<float>{22, 22, 25}));
    EXPECT_EQ(of(c.Frame2).top, 22.0f);
    EXPECT_EQ(form->size(), QSize(800, 600));
}

TEST_F(Layout, Takes11500TwipsAsTheLastLowScreen) {
    form->arrangeWindow(ScreenTwips{15360, 11500});
    EXPECT_EQ(frameHeights(), (std::vector<float>{22, 22, 25}));
    form->arrangeWindow(ScreenTwips{15360, 11501});
    EXPECT_EQ(frameHeights(), (std::vector<float>{18, 18, 20}));
}

// 640 x 480 is below what the proportions were made for: the window gets
// the arrangement of 800 x 600, and its client area scrolls so that every
// control can be reached.
TEST_F(Layout, GivesA640x480ScreenThe800x600ArrangementToScroll) {
    form->arrangeWindow(ScreenTwips{9600, 7200});
    EXPECT_EQ(form->size(), QSize(640, 480));
    EXPECT_EQ(panel.geometry(), QRect(8, 7, 776, 520));
    EXPECT_EQ(frameHeights(), (std::vector<float>{22, 22, 25}));
    for (QGroupBox* frame : {c.Frame1, c.Frame2, c.Frame3})
        for (QWidget* inside : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(frame->rect().contains(inside->geometry())) << frame->title().toStdString();

    auto* scroller = qobject_cast<QScrollArea*>(form->centralWidget());
    ASSERT_NE(scroller, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(scroller->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
    // Scrolled to the far corner, the panel's bottom-right corner is in view.
    scroller->horizontalScrollBar()->setValue(scroller->horizontalScrollBar()->maximum());
    scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
    const QPoint corner = panel.mapTo(scroller->viewport(), QPoint(panel.width() - 1, panel.height() - 1));
    EXPECT_TRUE(scroller->viewport()->rect().contains(corner));
}

// From 800 x 600 on, nothing scrolls: the arrangement fits the window.
TEST_F(Layout, ScrollsNothingOnTheScreensItWasMadeFor) {
    auto* scroller = qobject_cast<QScrollArea*>(form->centralWidget());
    ASSERT_NE(scroller, nullptr);
    for (const ScreenTwips& screen : {ScreenTwips{12000, 9000}, ScreenTwips{15360, 11520}}) {
        form->arrangeWindow(screen);
        QApplication::processEvents();
        EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible()) << screen.width;
        EXPECT_FALSE(scroller->verticalScrollBar()->isVisible()) << screen.height;
    }
}

} // namespace
} // namespace velnorit
