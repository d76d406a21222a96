// A storm of random user input against the real window: nothing crashes, no
// run-time error ends the program, and after a last "Graphik" the list is
// the one the number core computes for the settings the storm left behind.
//
// The storm is reproducible from its seed, which the test prints; another
// seed can be tried with VELNORIT_STORM_SEED. A run-time error shows its box
// and ends the process with status 1, which fails the test; the box's text
// and the last actions before it are written to standard error first.
#include "../support/form_fixture.h"
#include "event_storm.h"
#include "expected_list.h"
#include "modal_watch.h"
#include "platform_notice_filter.h"

#include "view/regional_numbers.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velnorit {
namespace {

using testing::EventStorm;
using testing::ModalWatch;

constexpr int kStormEvents = 100000;
constexpr unsigned kDefaultSeed = 1104;

unsigned stormSeed() {
    const char* chosen = std::getenv("VELNORIT_STORM_SEED");
    return chosen != nullptr && *chosen != '\0' ? static_cast<unsigned>(std::strtoul(chosen, nullptr, 10)) : kDefaultSeed;
}

// Writes the box's text and what led to it before the box ends the program.
ModalWatch::Callback reportRunTimeError(unsigned seed, const EventStorm& storm) {
    return [seed, &storm](const QString& boxText) {
        std::fprintf(stderr, "Run-time error during the event storm (seed %u) after %d events: %s\nLast actions:\n%s",
                     seed, storm.tally().events, qPrintable(boxText), storm.recentActions().c_str());
        std::fflush(stderr);
    };
}

testing::ListSettings settingsShownBy(const view::FormControls& c) {
    testing::ListSettings s;
    s.wurzel = c.vscWurzel->value();
    s.abs = c.vscAbs->value();
    s.nenner = c.vscNenner->value();
    s.minus = c.Option1[1]->isChecked();
    s.zoomStep = c.vscMaßstab->value();
    return s;
}

class EventStormTest : public ::testing::Test {
protected:
    testing::PlatformNoticeFilter quiet;
    const unsigned seed = stormSeed();
    std::unique_ptr<shell::Form1> form = testing::startedForm();
    const view::FormControls& c = form->controls();
    EventStorm storm{*form, seed};
    ModalWatch watch{seed, reportRunTimeError(seed, storm)};
};

TEST_F(EventStormTest, LeavesAWorkingWindowWithTheRightList) {
    std::printf("Event storm: seed %u, %d events\n", seed, kStormEvents);
    std::fflush(stdout); // shown even if the storm crashes the process
    RecordProperty("seed", static_cast<int>(seed));

    storm.run(kStormEvents);
    storm.releaseButtons();
    QApplication::processEvents();
    const std::string lastActions = storm.recentActions();
    ASSERT_TRUE(form->isVisible());

    // The storm reached what it is meant to reach: every kind of action,
    // every end of every bar, graph events before the first denominator,
    // after the last one and outside the graph, marker texts from empty to
    // the longest and long ones stamped onto the graph, both message boxes
    // and pop-up menus.
    const testing::StormTally& tally = storm.tally();
    EXPECT_EQ(tally.events, kStormEvents);
    for (const std::string& name : storm.actionNames()) EXPECT_GT(tally.actions.count(name), 0u) << name;
    EXPECT_EQ(tally.barEnds.size(), 6u);
    for (const auto& [bar, ends] : tally.barEnds) {
        EXPECT_TRUE(ends[0]) << bar << " at its top or left end";
        EXPECT_TRUE(ends[1]) << bar << " at its bottom or right end";
    }
    EXPECT_GT(tally.graphEventsLeftOfWindow, 0);
    EXPECT_GT(tally.graphEventsBeyondLast, 0);
    EXPECT_GT(tally.graphEventsOutside, 0);
    EXPECT_EQ(tally.shortestMarker, 0);
    EXPECT_EQ(tally.longestMarker, testing::MarkerTexts::kLongest);
    EXPECT_GT(tally.longestStampedMarker, 1000);
    EXPECT_GE(watch.informationBoxes(), 2);
    EXPECT_GT(watch.popupMenus(), 0);

    // A last "Graphik" lists the records of the settings on the bars.
    QTest::mouseClick(c.Command1, Qt::LeftButton);
    QApplication::processEvents();
    const testing::ListSettings settings = settingsShownBy(c);
    SCOPED_TRACE("Wurzel " + std::to_string(settings.wurzel) + ", Abs " + std::to_string(settings.abs) +
                 ", Nenner " + std::to_string(settings.nenner) + (settings.minus ? ", -" : ", +") + ", zoom " +
                 std::to_string(settings.zoomStep) + "; last actions:\n" + lastActions);
    EXPECT_EQ(c.Text5->crLfText(), testing::expectedList(settings));

    // The boxes, target, zoom, window of denominators and pan agree with the bars.
    EXPECT_EQ(c.txtWurzel->utf8(), view::boxText(settings.wurzel));
    EXPECT_EQ(c.txtAbs->utf8(), view::boxText(settings.abs));
    EXPECT_EQ(c.txtNenner->utf8(), view::boxText(settings.nenner));
    const int sign = settings.minus ? -1 : 1;
    EXPECT_DOUBLE_EQ(form->state().target.value_or(NAN),
                     (std::sqrt(settings.wurzel) + sign * settings.abs) / settings.nenner);
    EXPECT_DOUBLE_EQ(form->state().yScale, 100 / std::pow(1.4, settings.zoomStep));
    const int firstDenominator = 500 * c.vscMassX->value() + 1;
    EXPECT_EQ(c.Text1[1]->utf8(), view::boxText(firstDenominator));
    EXPECT_EQ(c.Text1[3]->utf8(), view::boxText(firstDenominator + 700));
    EXPECT_EQ(form->state().nStart, firstDenominator);
    EXPECT_EQ(c.picContainer->childLeft(c.picGraph), -2.0f * c.hscn->value());
    EXPECT_GT(c.picGraph->drawing().size(), 10000u) << "the graph is drawn again";
}

// A run-time error in the middle of a storm fails the run: the box is
// reported with what led to it, and the process ends with status 1.
void stormIntoARunTimeError() {
    const unsigned seed = 7;
    auto form = testing::startedForm();
    EventStorm storm(*form, seed);
    ModalWatch watch(seed, reportRunTimeError(seed, storm));
    storm.run(200);
    // Beyond its range the zoom bar makes 1.4^k underflow to 0.
    QAbstractSlider* zoom = form->controls().vscMaßstab;
    zoom->setRange(0, 5000);
    zoom->setValue(5000);
    storm.run(200);
    std::exit(0);
}

TEST(EventStormDeathTest, ARunTimeErrorEndsTheRunWithStatus1) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(stormIntoARunTimeError(), ::testing::ExitedWithCode(1),
                "Run-time error during the event storm \\(seed 7\\) after 200 events: Rationale Velnorit: "
                "Laufzeitfehler '11':\n\nDivision durch Null\nLast actions:\n");
}

} // namespace
} // namespace velnorit
