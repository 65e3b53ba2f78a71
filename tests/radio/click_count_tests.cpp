// The click counter: which controls raise it, the update routine's reset
// above 100, and the values the standby and clock texts return with it.
#include <gmock/gmock.h>

#include <set>

#include "radio_fixture.h"

using namespace radio;

namespace {

// Every element whose callback returns the click counter.
constexpr std::size_t counting_elements[] = {element::nav1_standby, element::nav2_standby, element::adf_standby,
                                             element::com_standby, element::clock};

}  // namespace

class ClickCountTest : public RadioTest {
protected:
    // The counter as each counting element returned it on the last frame;
    // all must agree.
    double count() {
        const double c = value(element::clock);
        for (std::size_t e : counting_elements) EXPECT_EQ(value(e), c) << "element " << e;
        return c;
    }
};

// The standby knobs and the swaps count; host-event areas, the ADF active
// units knob and the FMC button do not.
TEST_F(ClickCountTest, OnlyTheModulesStandbyKnobsAndSwapsCount) {
    const std::set<int> not_counted_handlers = {child::adf_active_units_down, child::adf_active_units_up, child::fmc};
    host->frame();
    for (const Control& c : controls) {
        const double before = count();
        click_then_frame(c.child);
        const bool counts = c.event == 0 && !not_counted_handlers.contains(c.child);
        EXPECT_EQ(count() - before, counts ? 1.0 : 0.0) << c.name;
    }
}

TEST_F(ClickCountTest, UpdateResetsTheCountOnlyAbove100) {
    host->frame();
    const PIXPOINT knob = centre(control(child::nav1_fract_up));
    ASSERT_TRUE(host->hold(*gauge, knob.x, knob.y, 99));  // one click and 99 repeats: 100 counted
    host->frame();
    EXPECT_EQ(count(), 100.0) << "100 is kept";
    click_then_frame(child::nav1_fract_up);  // 101 before the update runs
    EXPECT_EQ(count(), 0.0) << "the update routine set 101 back to 0 before the texts ran";
    click_then_frame(child::nav1_fract_up);
    EXPECT_EQ(count(), 1.0);
}

TEST_F(ClickCountTest, ReturnedValuesStayPutBetweenCountedClicks) {
    click_then_frame(child::com_whole_up, 3);
    EXPECT_EQ(count(), 3.0);
    host->set_number(token::hours, 12.0);  // the clock text changes, its value does not
    host->frames(3);
    EXPECT_EQ(count(), 3.0);
    EXPECT_EQ(text(element::clock), "12:00:00 ");
}

// Held knob halves repeat; the single-click areas take no repeats.
TEST_F(ClickCountTest, RepeatsReachOnlyRepeatingAreas) {
    host->frame();
    const PIXPOINT knob = centre(control(child::com_fract_up));
    ASSERT_TRUE(host->hold(*gauge, knob.x, knob.y, 4));
    host->frame();
    EXPECT_EQ(text(element::com_standby), "118.12");  // five steps: .02 .05 .07 .10 .12
    const PIXPOINT swap = centre(control(child::com_swap));
    ASSERT_TRUE(host->hold(*gauge, swap.x, swap.y, 4));
    host->frame();
    EXPECT_EQ(count(), 6.0) << "five knob steps and one swap";
}
