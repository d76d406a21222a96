#include "view/value_scroll_bar.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace velnorit {
namespace {

using namespace velnorit::view;
using namespace velnorit::lesson;

TEST(ValueScrollBar, TheUpperArrowRaisesAVerticalBar) {
    for (const ScrollBarRange& range : {kWurzelBar, kAbsBar, kNennerBar, kMaßstabBar, kMassXBar}) {
        ValueScrollBar bar(range);
        EXPECT_EQ(bar.value(), range.initialValue);
        bar.triggerAction(QAbstractSlider::SliderSingleStepSub); // the arrow at the top
        EXPECT_EQ(bar.value(), range.initialValue + 1);
        bar.triggerAction(QAbstractSlider::SliderSingleStepAdd); // the arrow at the bottom
        EXPECT_EQ(bar.value(), range.initialValue);
        bar.triggerAction(QAbstractSlider::SliderToMinimum);     // the top end
        EXPECT_EQ(bar.value(), range.topOrLeftValue);
        bar.triggerAction(QAbstractSlider::SliderToMaximum);
        EXPECT_EQ(bar.value(), range.bottomOrRightValue);
    }
}

TEST(ValueScrollBar, TrackStepsAndTheHorizontalDirection) {
    ValueScrollBar zoom(kMaßstabBar);
    zoom.triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(zoom.value(), 13);
    zoom.triggerAction(QAbstractSlider::SliderPageStepSub);
    zoom.triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(zoom.value(), 30) << "stops at the top end";

    ValueScrollBar pan(kHscnBar);
    pan.triggerAction(QAbstractSlider::SliderSingleStepAdd); // the right arrow
    EXPECT_EQ(pan.value(), 1);
    pan.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(pan.value(), 11);

    ValueScrollBar nenner(kNennerBar);
    nenner.setValue(0);
    EXPECT_EQ(nenner.value(), 1) << "Nenner never reaches 0";
}

TEST(ValueScrollBar, ChangeComesOnceTheValueHasSettled) {
    ValueScrollBar bar(kHscnBar);
    QSignalSpy changes(&bar, &ValueScrollBar::change);
    QSignalSpy scrolls(&bar, &ValueScrollBar::scroll);

    bar.setValue(5);
    bar.setValue(5); // no change, no event
    EXPECT_EQ(changes.count(), 1);

    // Dragging the thumb: scroll events with the thumb's place as value,
    // one change on release.
    bar.setSliderDown(true);
    bar.setSliderPosition(40);
    EXPECT_EQ(bar.value(), 40);
    bar.setSliderPosition(60);
    EXPECT_EQ(scrolls.count(), 2);
    EXPECT_EQ(changes.count(), 1);
    bar.setSliderDown(false);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(bar.value(), 60);
}

} // namespace
} // namespace velnorit
