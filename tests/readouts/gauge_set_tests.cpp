// The readouts as a panel uses them: each one alone, and several on one
// panel, each installing, updating and killing its own element tree.
#include <gmock/gmock.h>

#include "readouts_fixture.h"

using readouts::gauge_row;
using readouts::gauge_table;
using readouts::text_element;

namespace {

// The services one gauge's routines called, with the element they named.
std::vector<std::string> calls_on(const std::vector<emu::ServiceCall>& calls, const ELEMENT_HEADER* root) {
    std::vector<std::string> out;
    for (const emu::ServiceCall& c : calls) {
        EXPECT_EQ(c.subject, root) << c.service << " named another record than the gauge's root";
        out.push_back(c.service);
    }
    return out;
}

const ELEMENT_HEADER* root_of(const emu::Gauge& g) { return g.info().header->elements_list[0]; }

}  // namespace

TEST_F(ReadoutsTest, EachReadoutAloneHasItsBackgroundTextAndTooltip) {
    for (const gauge_row& row : gauge_table()) {
        SCOPED_TRACE(row.name);
        emu::Host& h = *host;
        h.clear_service_calls();
        emu::Gauge& g = h.install(tarnwick, row.name);
        EXPECT_THAT(calls_on(h.service_calls(), root_of(g)),
                    ::testing::ElementsAre("element_list_install", "element_list_initialize"));
        EXPECT_EQ(g.size().x, 60);
        EXPECT_EQ(g.size().y, 30);
        ASSERT_NE(g.element(readouts::background_element).bitmap, nullptr);
        EXPECT_EQ(g.element(readouts::background_element).bitmap->id, 4096u);

        // With every variable at 0 each readout fills exactly its field.
        h.clear_service_calls();
        h.frame();
        EXPECT_THAT(calls_on(h.service_calls(), root_of(g)),
                    ::testing::ElementsAre("element_list_update", "element_list_generate", "element_list_plot"));
        EXPECT_EQ(g.text(text_element).size(), row.characters) << '"' << g.text(text_element) << '"';

        // The tooltip covers the whole gauge; GPSGroundSpeed has none.
        EXPECT_EQ(h.help_id_at(g, 30, 15), row.help_id);
        EXPECT_EQ(h.help_id_at(g, 0, 0), row.help_id);
        EXPECT_EQ(g.mouse_registered(), row.help_id != 0);
        EXPECT_FALSE(h.click(g, 30, 15));  // no clickable area, no event
        EXPECT_TRUE(h.events().empty());

        h.clear_service_calls();
        h.kill(g);
        EXPECT_THAT(calls_on(h.service_calls(), root_of(g)), ::testing::ElementsAre("element_list_kill"));
        EXPECT_FALSE(g.alive());
        EXPECT_FALSE(g.mouse_registered());
    }
}

TEST_F(ReadoutsTest, TheQueryRoutineAsksTheHostAboutItsOwnRoot) {
    for (const gauge_row& row : gauge_table()) {
        SCOPED_TRACE(row.name);
        emu::Gauge& g = host->install(tarnwick, row.name);
        host->clear_service_calls();
        EXPECT_EQ(host->query(g), 1);  // the host knows the tree the routine asks about
        EXPECT_THAT(calls_on(host->service_calls(), root_of(g)), ::testing::ElementsAre("element_list_query"));
        host->kill(g);
    }
}

TEST_F(ReadoutsTest, SeveralReadoutsOnOnePanelKeepToTheirOwnTrees) {
    // Clock and ZuluClock share the seconds token; VSpeed reads the units.
    host->set_number(0x3, 14);
    host->set_number(0x4, 30);
    host->set_number(0x5, 5);
    host->set_number(0x6, 19);
    host->set_number(0x7, 45);
    host->set_number(0x41, 256);
    host->set_number(0x14F, 1);

    emu::Gauge& local = host->install(tarnwick, "Clock");
    host->clear_service_calls();
    emu::Gauge& zulu = host->install(tarnwick, "ZuluClock");
    // Installing the second touches only the second's tree, and installs it.
    EXPECT_THAT(calls_on(host->service_calls(), root_of(zulu)),
                ::testing::ElementsAre("element_list_install", "element_list_initialize"));
    emu::Gauge& vspeed = host->install(tarnwick, "VSpeed");

    host->frame();
    EXPECT_EQ(local.text(text_element), "14:30:05");
    EXPECT_EQ(zulu.text(text_element), "19:45:05");
    EXPECT_EQ(vspeed.text(text_element), "   60");

    // Killing one leaves the others working; its last text stays as it was.
    host->clear_service_calls();
    host->kill(zulu);
    EXPECT_THAT(calls_on(host->service_calls(), root_of(zulu)), ::testing::ElementsAre("element_list_kill"));
    host->set_number(0x5, 6);  // one second later
    host->frame();
    EXPECT_EQ(local.text(text_element), "14:30:06");
    EXPECT_EQ(zulu.text(text_element), "19:45:05");
    EXPECT_EQ(vspeed.text(text_element), "   60");
    EXPECT_TRUE(local.alive());
    EXPECT_FALSE(zulu.alive());

    host->kill(local);
    host->kill(vspeed);
}

TEST_F(ReadoutsTest, TheSameReadoutTwiceOnOnePanelShowsTheSameValue) {
    host->set_number(0x4A, 1234.5);
    emu::Gauge& first = host->install(tarnwick, "Altitiude");
    emu::Gauge& second = host->install(tarnwick, "Altitiude");
    host->frame();
    EXPECT_EQ(first.text(text_element), " 1235");
    EXPECT_EQ(second.text(text_element), " 1235");
    host->kill(first);
    host->set_number(0x4A, 99);
    host->frame();
    EXPECT_EQ(second.text(text_element), "   99");
    host->kill(second);
}
