// The alert band: the light shows while the aircraft is more than 300 and
// less than 900 feet above or below the selected altitude, and hides
// everywhere else. The host is not the simulator here (no main window), so
// these runs also show the light working without a sound device.
#include <limits>

#include "alert_fixture.h"

namespace {
constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();
}

TEST_F(AlertTest, LightShowsStrictlyInsideTheBandAboveOrBelow) {
    emu::Gauge& g = install();
    // In an order that alternates shown and hidden, so a light stuck on
    // either state fails.
    const struct band_case {
        double altitude;
        double selected;
        bool shown;
    } cases[] = {
        {10000.0, 10000.0, false},  // at the selected altitude
        {10600.0, 10000.0, true},   {10300.0, 10000.0, false},  // exactly 300 above
        {9400.0, 10000.0, true},    {9700.0, 10000.0, false},   // exactly 300 below
        {10300.5, 10000.0, true},   {10900.0, 10000.0, false},  // exactly 900 above
        {9699.5, 10000.0, true},    {9100.0, 10000.0, false},   // exactly 900 below
        {10899.5, 10000.0, true},   {10900.5, 10000.0, false},
        {9100.5, 10000.0, true},    {9099.5, 10000.0, false},
        {-200.0, 400.0, true},      {15000.0, 5000.0, false},   // thousands of feet away
        {5000.0, 5500.0, true},     {not_a_number, 10000.0, false},
        {10500.0, 10000.0, true},   {10000.0, not_a_number, false},
        {10500.0, 10000.0, true},   {not_a_number, not_a_number, false},
        // A hair inside each edge, in either value: a 32-bit float holds
        // none of these and would put them on the edge itself.
        {10300.000001, 10000.0, true}, {10300.0, 10000.0, false},
        {10899.999999, 10000.0, true}, {10900.0, 10000.0, false},
        {10000.0, 10300.000001, true}, {9700.0, 10000.0, false},
        {10000.0, 10899.999999, true}, {9100.0, 10000.0, false},
        {9699.999999, 10000.0, true},  {10000.0, 10300.0, false},
        {10000.0, 9100.000001, true},  {10000.0, 9100.0, false},
    };
    // The vertical speed is refreshed but never decides anything.
    const double vertical_speeds[] = {0.0, 2560.0, -2560.0, not_a_number};
    for (const band_case& c : cases) {
        for (const double vs : vertical_speeds) {
            SCOPED_TRACE(testing::Message() << "altitude " << c.altitude << ", selected " << c.selected
                                            << ", vertical speed " << vs);
            host->set_number(altitude, c.altitude);
            host->set_number(selected_altitude, c.selected);
            host->set_number(vertical_speed, vs);
            host->frame();  // update decides the light, draw shows it
            EXPECT_EQ(g.element(light).hidden, !c.shown);
            EXPECT_EQ(light_flags(g), c.shown ? 0x6u : 0x40000006u);
        }
    }
}

TEST_F(AlertTest, LightCountsAsShownUntilTheFirstUpdateDecides) {
    emu::Gauge& g = install();
    EXPECT_EQ(light_flags(g), 0x6u);
    host->frame();  // both altitudes 0: no alert
    EXPECT_EQ(light_flags(g), 0x40000006u);
    EXPECT_TRUE(g.element(light).hidden);
}

// Only the hide bit moves, whatever else the flags carry.
TEST_F(AlertTest, OtherFlagBitsSurviveEveryUpdate) {
    emu::Gauge& g = install();
    for (const FLAGS32 others : {0x6u, 0x80000007u, 0x3FFFFFFFu, 0xBFFFFFFFu}) {
        SCOPED_TRACE(testing::Message() << std::hex << others);
        light_flags(g) = others | IMAGE_HIDDEN;
        host->set_number(altitude, 10500.0);
        host->set_number(selected_altitude, 10000.0);
        host->frame();
        EXPECT_EQ(light_flags(g), others);
        EXPECT_FALSE(g.element(light).hidden);
        host->set_number(altitude, 10000.0);
        host->frame();
        EXPECT_EQ(light_flags(g), others | IMAGE_HIDDEN);
        EXPECT_TRUE(g.element(light).hidden);
    }
    EXPECT_EQ(g.element(canvas).element->image_flags, 0x1u);
}
