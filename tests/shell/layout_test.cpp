#include "../support/form_fixture.h"

#include <QMenuBar>
#include <gtest/gtest.h>

namespace velnorit {
namespace {

using shell::Form1;
using shell::ScreenTwips;

class Layout : public ::testing::Test {
protected:
    std::unique_ptr<Form1> form = testing::startedForm();
    const shell::FormControls& c = form->controls();
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

// 640 x 480 is below what the proportions were made for: everything still
// gets a positive size and lies inside the panel, which lies on the screen.
TEST_F(Layout, KeepsA640x480ScreenUsable) {
    form->arrangeWindow(ScreenTwips{9600, 7200});
    EXPECT_EQ(panel.geometry(), QRect(6, 7, 621, 400));
    const int menuHeight = form->menuBar()->height();
    EXPECT_LE(panel.geometry().bottom() + menuHeight, 480);
    for (QWidget* child : {static_cast<QWidget*>(c.Frame1), static_cast<QWidget*>(c.Frame2),
                           static_cast<QWidget*>(c.Frame3), static_cast<QWidget*>(c.Text2),
                           static_cast<QWidget*>(c.Text5), static_cast<QWidget*>(c.Picture1),
                           static_cast<QWidget*>(c.hscn), static_cast<QWidget*>(c.picLegende)}) {
        const QRect g = child->geometry();
        EXPECT_GT(g.width(), 0);
        EXPECT_GT(g.height(), 0);
        EXPECT_TRUE(QRect(QPoint(0, 0), panel.size()).contains(g)) << child->metaObject()->className();
    }
    EXPECT_GT(c.Text5->height(), 200);
}

// A screen too small for the panel still hands no negative size to the
// toolkit: the panel keeps twice the formula panel's size.
TEST_F(Layout, GivesEveryChildAPositiveSizeOnATinyScreen) {
    form->arrangeWindow(ScreenTwips{3000, 1000});
    EXPECT_EQ(panel.size(), QSize(512, 254));
    EXPECT_GE(c.Picture1->x(), 0);
    EXPECT_GT(c.Text5->height(), 0);
    EXPECT_LE(c.Text5->geometry().bottom(), panel.height());
}

} // namespace
} // namespace velnorit
