// Two radio stacks on one panel, as designers place the same gauge on the
// main panel and in a pop-up window: the standby frequencies are the
// module's, so both stacks show every standby as it is now, whichever
// stack tuned it.
#include <gmock/gmock.h>

#include "radio_fixture.h"

using namespace radio;

namespace {

struct standby_row {
    std::size_t element;
    int knob;
    const char* tuned;
};

// One step on each standby, and the text it gives from the defaults.
const standby_row rows[] = {
    {element::nav1_standby, child::nav1_fract_up, "108.02"},
    {element::nav2_standby, child::nav2_whole_up, "109.00"},
    {element::com_standby, child::com_whole_down, "136.00"},
    {element::adf_standby, child::adf_tens_up, " 210"},
};

}  // namespace

class TwoStacksTest : public RadioTest {
protected:
    bool click_on(emu::Gauge& g, int child) {
        const PIXPOINT p = centre(control(child));
        return host->click(g, p.x, p.y);
    }
};

TEST_F(TwoStacksTest, TuningOnEitherStackShowsOnBoth) {
    emu::Gauge& popup = host->install(radio_module, "halbrook");
    host->frame();
    for (emu::Gauge* tuned_on : {gauge, &popup}) {
        for (const standby_row& row : rows) {
            SCOPED_TRACE(::testing::Message() << "element " << row.element << " tuned on the "
                                              << (tuned_on == gauge ? "main panel" : "pop-up"));
            const std::string before = gauge->text(row.element);
            ASSERT_EQ(popup.text(row.element), before);
            ASSERT_TRUE(click_on(*tuned_on, row.knob));
            host->frame();
            if (tuned_on == gauge) {
                EXPECT_EQ(popup.text(row.element), row.tuned);  // the first step
            }
            EXPECT_NE(gauge->text(row.element), before);
            EXPECT_EQ(gauge->text(row.element), popup.text(row.element));
            host->frames(2);  // and they stay so
            EXPECT_EQ(gauge->text(row.element), popup.text(row.element));
        }
    }
}

TEST_F(TwoStacksTest, APopUpInstalledLaterShowsTheCurrentStandbys) {
    host->frame();
    for (const standby_row& row : rows) ASSERT_TRUE(click(row.knob));
    host->frame();
    emu::Gauge& popup = host->install(radio_module, "halbrook");
    host->frame();
    for (const standby_row& row : rows) {
        EXPECT_EQ(text(row.element), row.tuned) << "element " << row.element;
        EXPECT_EQ(popup.text(row.element), row.tuned) << "element " << row.element;
    }
    // The main stack killed, the pop-up goes on showing and tuning alone.
    host->kill(*gauge);
    ASSERT_TRUE(click_on(popup, child::nav1_fract_down));
    host->frame();
    EXPECT_EQ(popup.text(element::nav1_standby), "108.00");
}

// With two stacks the standby texts still return the click count.
TEST_F(TwoStacksTest, BothStacksStandbyTextsReturnTheClickCount) {
    emu::Gauge& popup = host->install(radio_module, "halbrook");
    ASSERT_TRUE(click_on(popup, child::nav1_fract_up));
    ASSERT_TRUE(click(child::com_whole_up));
    host->frame();
    for (const standby_row& row : rows) {
        EXPECT_EQ(gauge->element(row.element).value, 2.0) << "element " << row.element;
        EXPECT_EQ(popup.element(row.element).value, 2.0) << "element " << row.element;
    }
}
