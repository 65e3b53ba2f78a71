// NAV1, NAV2 and COM: frequency texts, the standby knobs and the swaps,
// all through clicks on the face.
#include <gmock/gmock.h>

#include "radio_fixture.h"

using namespace radio;
using ::testing::ElementsAre;
using ::testing::Pair;

namespace {

struct Row {
    const char* name;
    ID32 active_token;
    std::size_t active_text;
    std::size_t standby_text;
    int whole_down, whole_up, fract_down, fract_up, swap;
    ID32 swap_event;
};

const Row nav1{"NAV1", token::nav1, element::nav1_active, element::nav1_standby, child::nav1_whole_down,
               child::nav1_whole_up, child::nav1_fract_down, child::nav1_fract_up, child::nav1_swap, 0x100AC};
const Row nav2{"NAV2", token::nav2, element::nav2_active, element::nav2_standby, child::nav2_whole_down,
               child::nav2_whole_up, child::nav2_fract_down, child::nav2_fract_up, child::nav2_swap, 0x100AD};
const Row com{"COM", token::com, element::com_active, element::com_standby, child::com_whole_down,
              child::com_whole_up, child::com_fract_down, child::com_fract_up, child::com_swap, 0x100AB};

}  // namespace

// A click on the upper half of the NAV1 standby fraction knob, followed to
// the active window.
TEST_F(RadioTest, OneRequestEndToEnd) {
    host->set_integer(token::nav1, 0x1300);  // the host holds 113.00 active
    host->frame();                           // first frame: texts built, standby at its default
    ASSERT_EQ(text(element::nav1_standby), "108.00");
    ASSERT_EQ(text(element::nav1_active), "113.00");

    ASSERT_TRUE(click(child::nav1_fract_up));  // the handler steps the standby
    EXPECT_EQ(text(element::nav1_standby), "108.00") << "the text changes only on the next frame";
    host->frame();
    EXPECT_EQ(text(element::nav1_standby), "108.02");
    EXPECT_DOUBLE_EQ(value(element::nav1_standby), 1.0) << "the standby text returns the click count";

    ASSERT_TRUE(click(child::nav1_swap));
    EXPECT_THAT(key_events(), ElementsAre(Pair(0x100AC, 0x0802)));
    EXPECT_EQ(text(element::nav1_active), "113.00") << "the host delivers the new value on a later frame";
    host->frame();
    EXPECT_EQ(text(element::nav1_active), "108.02");
    EXPECT_EQ(text(element::nav1_standby), "113.00");
}

TEST_F(RadioTest, StandbysStartAtTheirDefaults) {
    host->frame();
    EXPECT_EQ(text(element::nav1_standby), "108.00");
    EXPECT_EQ(text(element::nav2_standby), "108.00");
    EXPECT_EQ(text(element::com_standby), "118.00");
}

// A standby text callback that finds its standby as last shown leaves the
// host's buffer alone (here marked by the test acting as the host) and
// still returns the click count; a step writes the text again.
TEST_F(RadioTest, StandbyTextsAreWrittenOnlyWhenTheStandbyMoves) {
    const struct {
        std::size_t element;
        int step;
        const char* stepped;
    } cases[] = {
        {element::nav1_standby, child::nav1_whole_up, "109.00"},
        {element::nav2_standby, child::nav2_whole_up, "109.00"},
        {element::com_standby, child::com_whole_up, "119.00"},
        {element::adf_standby, child::adf_units_up, " 201"},
    };
    host->frame();
    for (const auto& c : cases) {
        char* buffer = reinterpret_cast<const ELEMENT_STRING*>(gauge->element(c.element).element)->string;
        ASSERT_NE(buffer, nullptr);
        buffer[0] = 'X';
        host->frame();
        EXPECT_EQ(text(c.element)[0], 'X') << "element " << c.element << ": unchanged standby, buffer untouched";
        EXPECT_EQ(value(c.element), value(element::clock)) << "element " << c.element;
        click_then_frame(c.step);
        EXPECT_EQ(text(c.element), c.stepped) << "element " << c.element;
    }
}

TEST_F(RadioTest, ActiveTextsShowTheLow16BitsAsAFrequency) {
    const struct {
        std::uint32_t delivered;
        const char* shown;
    } cases[] = {
        {0x0800, "108.00"}, {0x1050, "110.50"}, {0x3697, "136.97"}, {0xABCD1050, "110.50"}, {0xFFFF, "1FF.FF"},
    };
    for (const auto& c : cases) {
        for (const Row* row : {&nav1, &nav2, &com}) host->set_integer(row->active_token, c.delivered);
        host->frame();
        for (const Row* row : {&nav1, &nav2, &com}) {
            EXPECT_EQ(text(row->active_text), c.shown) << row->name << " delivered " << std::hex << c.delivered;
            EXPECT_EQ(value(row->active_text), host->number(row->active_token)) << row->name << ": its argument";
        }
    }
}

// Every band end and every carry of the whole-megahertz knobs, for each
// radio; the fraction digits ride along untouched.
TEST_F(RadioTest, WholeMegahertzKnobsWrapAtTheBandEnds) {
    struct Case {
        const Row* row;
        std::uint32_t start;
        bool up;
        const char* after;
    };
    const Case cases[] = {
        {&nav1, 0x0850, false, "117.50"}, {&nav1, 0x1750, true, "108.50"}, {&nav1, 0x0900, true, "110.00"},
        {&nav1, 0x1000, false, "109.00"}, {&nav1, 0x0897, false, "117.97"}, {&nav1, 0x1297, true, "113.97"},
        {&nav2, 0x0800, false, "117.00"}, {&nav2, 0x1700, true, "108.00"}, {&nav2, 0x1000, false, "109.00"},
        {&com, 0x1800, false, "136.00"},  {&com, 0x3697, true, "118.97"},  {&com, 0x1897, false, "136.97"},
        {&com, 0x2950, true, "130.50"},   {&com, 0x1900, true, "120.00"},  {&com, 0x2000, false, "119.00"},
        {&com, 0x3600, false, "135.00"},
        // Each band end at the value itself and one step either side.
        {&nav1, 0x0900, false, "108.00"}, {&nav1, 0x0997, false, "108.97"}, {&nav1, 0x1697, true, "117.97"},
        {&nav1, 0x1700, false, "116.00"}, {&nav1, 0x0800, true, "109.00"},  {&com, 0x1900, false, "118.00"},
        {&com, 0x1997, false, "118.97"},  {&com, 0x3597, true, "136.97"},   {&com, 0x3600, true, "118.00"},
        {&com, 0x1800, true, "119.00"},
    };
    for (const Case& c : cases) {
        standby_from_active(c.row->active_token, c.row->swap, c.start);
        click_then_frame(c.up ? c.row->whole_up : c.row->whole_down);
        EXPECT_EQ(text(c.row->standby_text), c.after)
            << c.row->name << " from " << std::hex << c.start << (c.up ? " up" : " down");
    }
}

// The fraction runs through the 25 kHz raster shown with two decimals, the
// same for every radio, and comes back after forty steps either way.
TEST_F(RadioTest, FractionKnobsRunTheFortyStepRasterBothWays) {
    std::vector<std::string> raster;
    for (int channel = 0; channel < 40; ++channel) {
        const int hundredths = channel * 25 / 10;
        raster.push_back(std::string("110.") + char('0' + hundredths / 10) + char('0' + hundredths % 10));
    }
    for (const Row* row : {&nav1, &nav2, &com}) {
        standby_from_active(row->active_token, row->swap, 0x1000);
        ASSERT_EQ(text(row->standby_text), "110.00");
        for (int step = 1; step <= 40; ++step) {
            click_then_frame(row->fract_up);
            EXPECT_EQ(text(row->standby_text), raster[static_cast<std::size_t>(step % 40)])
                << row->name << " up " << step;
        }
        for (int step = 1; step <= 40; ++step) {
            click_then_frame(row->fract_down);
            EXPECT_EQ(text(row->standby_text), raster[static_cast<std::size_t>((40 - step) % 40)])
                << row->name << " down " << step;
        }
    }
}

TEST_F(RadioTest, SwapsHandTheStandbyToTheHostAndKeepTheOldActive) {
    for (const Row* row : {&nav1, &nav2, &com}) {
        standby_from_active(row->active_token, row->swap, 0x1050);  // standby now 110.50
        host->set_integer(row->active_token, 0x1300);
        host->frame();
        ASSERT_TRUE(click(row->swap));
        EXPECT_THAT(key_events(), ElementsAre(Pair(row->swap_event, 0x1050))) << row->name;
        host->frame();
        EXPECT_EQ(text(row->active_text), "110.50") << row->name;
        EXPECT_EQ(text(row->standby_text), "113.00") << row->name;
    }
}

// Before the host has delivered an active value the swap takes 0, which
// the next text callback turns into the default.
TEST_F(RadioTest, ASwapBeforeAnyActiveValueFallsBackToTheDefault) {
    ASSERT_TRUE(click(child::com_whole_up));  // before the first frame: the default is not applied yet
    ASSERT_TRUE(click(child::com_swap));
    EXPECT_THAT(key_events(), ElementsAre(Pair(0x100AB, 0x0100)));
    host->frame();
    EXPECT_EQ(text(element::com_standby), "118.00");
}

// The active-side knobs are the host's: it steps its own frequency within
// the band (NAV in 50 kHz channels, COM in 25 kHz), and the window shows it.
TEST_F(RadioTest, ActiveSideKnobsStepTheHostFrequencyInItsBand) {
    const struct {
        ID32 token;
        std::size_t text;
        std::uint32_t start;
        int child;
        const char* shown;
    } cases[] = {
        {token::nav1, element::nav1_active, 0x1795, 5, "108.95"},
        {token::nav1, element::nav1_active, 0x0800, 4, "117.00"},
        {token::nav1, element::nav1_active, 0x1295, 7, "112.00"},
        {token::nav1, element::nav1_active, 0x1200, 6, "112.95"},
        {token::nav2, element::nav2_active, 0x1092, 15, "110.95"},  // .92 lies on the .90 channel
        {token::nav2, element::nav2_active, 0x1700, 13, "108.00"},
        {token::com, element::com_active, 0x3697, 33, "118.97"},
        {token::com, element::com_active, 0x1800, 32, "136.00"},
        {token::com, element::com_active, 0x2297, 35, "122.00"},
        {token::com, element::com_active, 0x2200, 34, "122.97"},
        {token::com, element::com_active, 0x2207, 35, "122.10"},
    };
    for (const auto& c : cases) {
        host->set_integer(c.token, c.start);
        host->frame();
        click_then_frame(c.child);
        EXPECT_EQ(text(c.text), c.shown) << control(c.child).name << " from " << std::hex << c.start;
    }
}
