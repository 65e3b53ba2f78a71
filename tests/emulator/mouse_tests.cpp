// Mouse lists: where clicks, repeats, drags and tooltips go.
#include <gmock/gmock.h>

#include "probe_fixture.h"

using emu::HostEvent;
using ::testing::ElementsAre;

TEST_F(ProbeTest, AClickSendsTheAreasEventOrCallsItsCallback) {
    emu::Gauge& g = host->install(probe, "probe_text");
    EXPECT_TRUE(host->click(g, 1, 1));  // the event area
    EXPECT_TRUE(host->click(g, 5, 2));  // the callback area, which sends x * 1000 + y
    EXPECT_FALSE(host->click(g, 14, 6)) << "no child area there";
    EXPECT_FALSE(host->click(g, 9, 1)) << "the drag area takes no clicks";
    EXPECT_THAT(host->take_events(),
                ElementsAre(HostEvent{.kind = HostEvent::Kind::key_event, .origin = HostEvent::Origin::mouse_area,
                                      .id = 0x10100, .value = 0},
                            HostEvent{.kind = HostEvent::Kind::key_event, .origin = HostEvent::Origin::module,
                                      .id = 0x10101, .value = 5002}));
}

TEST_F(ProbeTest, RepeatsReachOnlyAreasThatAskForThem) {
    emu::Gauge& g = host->install(probe, "probe_text");
    host->hold(g, 5, 0, 3);  // repeat area: the click and three repeats
    host->hold(g, 0, 0, 3);  // single-click area: the click alone
    EXPECT_THAT(event_ids(), ElementsAre(0x10101, 0x10101, 0x10101, 0x10101, 0x10100));
    EXPECT_TRUE(host->drag(g, 9, 3));
    EXPECT_FALSE(host->drag(g, 1, 1));
    EXPECT_THAT(event_ids(), ElementsAre(0x10102));
}

TEST_F(ProbeTest, TooltipsComeFromTheChildElseTheParent) {
    emu::Gauge& g = host->install(probe, "probe_text");
    EXPECT_EQ(host->help_id_at(g, 1, 1), 88u);
    EXPECT_EQ(host->help_id_at(g, 5, 1), 77u) << "a child without help id shows the parent's";
    EXPECT_EQ(host->help_id_at(g, 15, 7), 77u);
    EXPECT_EQ(host->help_id_at(g, 16, 8), 0u) << "outside the gauge";
    EXPECT_EQ(host->cursor_at(g, 5, 1), CURSOR_UPARROW);
    EXPECT_EQ(host->cursor_at(g, 15, 7), CURSOR_NONE);
}

TEST_F(ProbeTest, Version610GaugesHandTheirListOverAtInstall) {
    emu::Gauge& g = host->install(probe, "probe_610");
    ASSERT_TRUE(g.mouse_registered());
    EXPECT_EQ(g.size().x, 16);
    EXPECT_EQ(g.size().y, 8);
    EXPECT_TRUE(host->click(g, 8, 4));
    host->kill(g);
    EXPECT_FALSE(host->click(g, 8, 4)) << "a killed gauge takes no clicks";
    EXPECT_THAT(event_ids(), ElementsAre(0x10104));
}

TEST_F(ProbeTest, ClicksOnAVersion800GaugeRunTheCallbackBetweenFrames) {
    emu::Gauge& g = host->install(probe, "probe_800");
    host->take_events();
    EXPECT_TRUE(host->click(g, 0, 0));
    EXPECT_THAT(event_ids(), ElementsAre(0x10103));
}
