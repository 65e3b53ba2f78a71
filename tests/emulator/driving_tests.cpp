// Driving gauges: the steps of each header version, the text buffers the
// host hands out and guards, variables, icons and sliders.
#include <gmock/gmock.h>

#include <cmath>
#include <limits>

#include "probe_fixture.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {
constexpr std::size_t text_element = 1;
}

TEST_F(ProbeTest, TextsFillTheirBufferUpToTheCharacterCount) {
    emu::Gauge& g = host->install(probe, "probe_text");
    host->set_number(0x9001, 4);
    host->set_number(0x9002, 1.25);
    host->frame();
    EXPECT_EQ(g.text(text_element), "xxxx");
    EXPECT_DOUBLE_EQ(g.element(text_element).value, 2.5);
}

TEST_F(ProbeTest, ATextWrittenPastItsBufferIsAFault) {
    emu::Gauge& g = host->install(probe, "probe_text");
    host->set_number(0x9001, 5);  // five characters and a zero in a 4 + 1 byte buffer
    host->frame();
    EXPECT_THAT(host->take_faults(),
                ElementsAre(HasSubstr("probe_text element 1: text written past its buffer of 5 bytes"),
                            HasSubstr("probe_text element 1: text not terminated within its buffer")));
    host->set_number(0x9001, 2);  // the guard is whole again for the next callback
    host->frame();
    EXPECT_EQ(g.text(text_element), "xx");
}

// An element callback that updates or kills its own list would update
// without end, or free the elements the update is walking: the host
// refuses, and the gauge goes on.
TEST_F(ProbeTest, UpdatingOrKillingTheListFromInsideItsUpdateIsRefused) {
    const struct {
        double request;
        const char* fault;
    } cases[] = {
        {-1, "element_list_update: gauge probe_text called it from inside its own update"},
        {-2, "element_list_kill: gauge probe_text called it from inside its own update"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        emu::Gauge& g = host->install(probe, "probe_text");
        host->set_number(0x9001, c.request);
        host->frame();
        EXPECT_THAT(host->take_faults(), ElementsAre(c.fault));
        host->set_number(0x9001, 3);
        host->frame();
        EXPECT_EQ(g.text(text_element), "xxx");
        host->kill(g);
        EXPECT_THAT(host->take_faults(), ElementsAre());
    }
}

TEST_F(ProbeTest, EachInstallOfAGaugeHasBuffersOfItsOwn) {
    emu::Gauge& first = host->install(probe, "probe_text");
    emu::Gauge& second = host->install(probe, "probe_text");
    host->set_number(0x9001, 3);
    host->frame();
    host->kill(first);  // the second keeps its buffer
    host->set_number(0x9001, 2);
    host->frame();
    EXPECT_EQ(first.text(text_element), "xxx");
    EXPECT_EQ(second.text(text_element), "xx");
    EXPECT_FALSE(first.alive());
    EXPECT_TRUE(second.alive());
}

TEST_F(ProbeTest, Header800GetsEveryServiceIdInOrderAndTwelveLast) {
    emu::Gauge& g = host->install(probe, "probe_800");
    EXPECT_THAT(event_ids(), ElementsAre(0x20002, 0x20003, 0x20004, 0x20005));
    host->frame();
    EXPECT_THAT(event_ids(), ElementsAre(0x20006, 0x20007, 0x20008, 0x20009, 0x2000A, 0x2000B));
    host->kill(g);
    EXPECT_THAT(event_ids(), ElementsAre(0x2000C));
    host->frames(3);  // a killed gauge gets nothing more
    EXPECT_TRUE(event_ids().empty());
    EXPECT_FALSE(g.mouse_registered());
}

TEST_F(ProbeTest, AQueryReachesTheGaugeInsideAHostCall) {
    emu::Gauge& g610 = host->install(probe, "probe_610");
    emu::Gauge& g800 = host->install(probe, "probe_800");
    host->take_events();
    EXPECT_EQ(host->query(g610), 0) << "probe_610 has no query routine";
    EXPECT_EQ(host->query(g800), 1);
    EXPECT_THAT(event_ids(), ElementsAre(0x20000, 0x20001));
    host->kill(g800);
    EXPECT_EQ(host->query(g800), 0) << "a killed gauge answers nothing";
}

TEST_F(ProbeTest, Header610RunsItsRoutinesInOrder) {
    emu::Gauge& g = host->install(probe, "probe_610");
    host->frame();
    host->kill(g);
    std::vector<std::string> services;
    for (const emu::ServiceCall& c : host->service_calls()) services.push_back(c.service);
    EXPECT_THAT(services, ElementsAre("element_list_install", "mouse_list_install", "mouse_list_register",
                                      "element_list_initialize", "element_list_update", "element_list_generate",
                                      "element_list_plot", "mouse_list_unregister", "element_list_kill"));
}

TEST_F(ProbeTest, SlidersArePlacedAtPositionPlusValueTimesScale) {
    emu::Gauge& g = host->install(probe, "probe_800");
    struct row {
        double x, y;
        PIXPOINT placed;
    };
    const row cases[] = {
        {0, 0, {4, 2}},
        {3, 10, {7, 7}},
        {-2, -4, {2, 0}},
        {std::numeric_limits<double>::quiet_NaN(), 1e300, {4, 2}},  // no sensible place: where it stands
    };
    for (const row& c : cases) {
        host->set_number(0x9006, c.x);
        host->set_number(0x9005, c.y);
        host->frame();
        EXPECT_EQ(g.element(1).placed.x, c.placed.x) << c.x;
        EXPECT_EQ(g.element(1).placed.y, c.placed.y) << c.y;
    }
}

TEST_F(ProbeTest, IconsShowTheFrameTheirCallbackReturns) {
    emu::Gauge& g = host->install(probe, "probe_610");
    struct row {
        double value;
        int frame;
        ID32 bitmap;  // frame 1 of an icon at 200 is the next bitmap above it, 203
    };
    const row cases[] = {{0, 0, 200}, {1, 1, 203}, {7, 1, 203}, {-3, 0, 200},
                         {std::numeric_limits<double>::quiet_NaN(), 0, 200}};
    for (const row& c : cases) {
        host->set_number(0x9003, c.value);
        host->frame();
        EXPECT_EQ(g.element(1).frame, c.frame) << c.value;
        ASSERT_NE(g.element(1).bitmap, nullptr);
        EXPECT_EQ(g.element(1).bitmap->id, c.bitmap) << c.value;
    }
}

TEST_F(ProbeTest, Version610TextCallbacksGetTheFirstVariablesValue) {
    emu::Gauge& g = host->install(probe, "probe_610");
    host->set_number(0x9004, -42.7);
    host->frame();
    EXPECT_EQ(g.text(2), "-42");
    EXPECT_DOUBLE_EQ(g.element(2).value, -41.7);
}

TEST_F(ProbeTest, IntegerVariablesSitInTheLowBitsOfTheValue) {
    host->set_integer(0x18, 0x1050);
    EXPECT_EQ(host->integer(0x18), 0x1050u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(host->number(0x18)), 0x1050u) << "upper bits are zero";
    host->set_number(0x4A, 1234.5);
    EXPECT_DOUBLE_EQ(host->number(0x4A), 1234.5);
    EXPECT_EQ(host->number(0x7777), 0.0) << "a variable never set reads 0";
}

TEST_F(ProbeTest, AKillThatLeavesTheElementListIsAFault) {
    emu::Gauge& g = host->install(probe, "probe_leaky");
    host->kill(g);
    const auto faults = host->take_faults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_THAT(faults[0], HasSubstr("without killing its element list"));
    EXPECT_FALSE(g.alive());
}

TEST_F(ProbeTest, HiddenElementsFollowTheHideBitAtDraw) {
    emu::Gauge& g = host->install(probe, "probe_610");
    host->frame();
    EXPECT_FALSE(g.element(1).hidden);
    g.element(1).element->image_flags |= IMAGE_HIDDEN;
    host->frame();
    EXPECT_TRUE(g.element(1).hidden);
    g.element(1).element->image_flags &= ~IMAGE_HIDDEN;
    host->kill(g);
}
