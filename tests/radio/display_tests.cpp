// Transponder, clock and simulation-rate texts, for ordinary values and
// for any double the host may deliver; their host-event knobs; the ident
// lamps and the FMC button.
#include <gmock/gmock.h>

#include <cmath>
#include <limits>

#include "radio_fixture.h"

using namespace radio;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST_F(RadioTest, TransponderShowsFourDigitsAndTwoSpaces) {
    const struct {
        std::uint32_t code;
        const char* shown;
    } cases[] = {{0x1200, "1200  "}, {0x7700, "7700  "}, {0x0000, "0000  "}, {0x0017, "0017  "},
                 {0x12345, "******"}, {0xFFFFFFFF, "******"},  // beyond four digits: no room
                 {0xFFFF, "FFFF  "},  {0x10000, "******"}};      // the last word that fits, the first that does not
    for (const auto& c : cases) {
        host->set_integer(token::xpndr, c.code);
        host->frame();
        EXPECT_EQ(text(element::xpndr), c.shown) << std::hex << c.code;
        EXPECT_EQ(value(element::xpndr), host->number(token::xpndr)) << "the callback returns its argument";
    }
}

// Truncation toward zero; values beyond the integer range saturate and
// NaN counts as 0, so the text is always defined; one wider than the
// nine-character field shows as the field filled with '*'.
TEST_F(RadioTest, ClockShowsTruncatedFieldsForAnyValue) {
    const struct {
        double hours, minutes, seconds;
        const char* shown;
    } cases[] = {
        {9.0, 5.0, 30.9, "09:05:30 "},
        {23.99, 59.99, 59.99, "23:59:59 "},
        {0.0, 0.0, 0.0, "00:00:00 "},
        {-0.5, -1.5, 10.0, "00:-1:10 "},
        {-0.5, -1.5, 100.0, "*********"},
        {not_a_number, inf, -inf, "*********"},
        {1e300, -1e300, 2147483647.9, "*********"},
        {-2147483648.9, -inf, -inf, "*********"},
    };
    for (const auto& c : cases) {
        host->set_number(token::hours, c.hours);
        host->set_number(token::minutes, c.minutes);
        host->set_number(token::seconds, c.seconds);
        host->frame();
        EXPECT_EQ(text(element::clock), c.shown) << c.hours << " " << c.minutes << " " << c.seconds;
    }
}

TEST_F(RadioTest, SimulationRateShowsWholeAndHundredthsForAnyValue) {
    const struct {
        double rate;
        const char* shown;
    } cases[] = {
        {0.25, "0.25"}, {0.5, "0.50"}, {1.0, "1.00"}, {2.0, "2.00"}, {16.0, "16.00"}, {128.0, "128.00"},
        {10.0, "10.00"}, {1.5, "1.50"}, {-0.25, "0.-25"}, {0.0, "0.00"}, {-2.0, "-2.00"},
        {999.99, "999.99"},  {1000.0, "******"},  // a seventh character does not fit the field
        {1e9, "******"},  // far too wide (its whole part times 100, beyond 32 bits, is the sanitizer build's to see)
        {not_a_number, "0.00"},
        {inf, "******"},
        {-inf, "******"},
        {1e300, "******"},
    };
    for (const auto& c : cases) {
        host->set_number(token::sim_rate, c.rate);
        host->frame();
        EXPECT_EQ(text(element::sim_rate), c.shown) << c.rate;
        const double returned = value(element::sim_rate);
        if (std::isnan(c.rate)) EXPECT_TRUE(std::isnan(returned));
        else EXPECT_EQ(returned, c.rate) << "the callback returns its argument";
    }
}

// The host-event knobs of these displays, clicked on the face; the texts
// show the host's new values a frame later.
TEST_F(RadioTest, TransponderClockAndRateKnobsStepTheHostValues) {
    host->set_integer(token::xpndr, 0x1277);
    host->set_number(token::hours, 23.0);
    host->set_number(token::minutes, 0.0);
    host->set_number(token::seconds, 42.0);
    host->set_number(token::sim_rate, 1.0);
    host->frame();
    const struct {
        int child;
        std::size_t element;
        const char* shown;
    } steps[] = {
        {40, element::xpndr, "2277  "}, {43, element::xpndr, "2270  "}, {41, element::xpndr, "2370  "},
        {42, element::xpndr, "2300  "}, {45, element::clock, "00:00:42 "}, {44, element::clock, "23:00:42 "},
        {46, element::clock, "23:59:42 "}, {47, element::clock, "23:00:42 "}, {48, element::clock, "23:00:00 "},
        {50, element::sim_rate, "2.00"},  {49, element::sim_rate, "1.00"}, {49, element::sim_rate, "0.50"},
    };
    for (const auto& s : steps) {
        click_then_frame(s.child);
        EXPECT_EQ(text(s.element), s.shown) << control(s.child).name;
    }
}

TEST_F(RadioTest, IdentLampsShowTheHostsIdentState) {
    const struct {
        int child;
        std::size_t lamp;
        ID32 ident;
    } lamps[] = {{1, element::nav1_lamp, token::nav1_ident},
                 {2, element::nav2_lamp, token::nav2_ident},
                 {3, element::adf_lamp, token::adf_ident}};
    host->frame();
    for (const auto& l : lamps) {
        EXPECT_EQ(value(l.lamp), 0.0);
        EXPECT_EQ(gauge->element(l.lamp).bitmap->id, 8192u);
        click_then_frame(l.child);  // the host's ident switch turns on
        EXPECT_EQ(host->number(l.ident), 1.0);
        EXPECT_EQ(value(l.lamp), 1.0);
        EXPECT_EQ(gauge->element(l.lamp).frame, 1);
        EXPECT_EQ(gauge->element(l.lamp).bitmap->id, 8195u) << "the lit lamp";
        click_then_frame(l.child);
        EXPECT_EQ(value(l.lamp), 0.0);
        EXPECT_EQ(gauge->element(l.lamp).bitmap->id, 8192u);
    }
}

TEST_F(RadioTest, FmcButtonTogglesPanelWindow110) {
    host->frame();
    const double count_before = value(element::clock);
    ASSERT_TRUE(click(child::fmc));
    EXPECT_TRUE(host->panel_window_open(110));
    ASSERT_TRUE(click(child::fmc));
    EXPECT_FALSE(host->panel_window_open(110));
    std::vector<ID32> toggled;
    for (const emu::HostEvent& e : host->take_events())
        if (e.kind == emu::HostEvent::Kind::window_toggle) toggled.push_back(e.id);
    EXPECT_THAT(toggled, ElementsAre(110u, 110u));
    host->frame();
    EXPECT_EQ(value(element::clock), count_before) << "the FMC button counts no click";
    EXPECT_THAT(host->faults(), IsEmpty());
}

// The host reads what a handler returns: 0 from every handler, except the
// FMC button, which hands back what the window toggle answered (1 here).
TEST_F(RadioTest, HandlersReturnZeroAndTheFmcButtonTheToggleResult) {
    host->frame();
    const MOUSERECT* list = gauge->mouse_list();
    for (const Control& c : controls) {
        const MOUSE_FUNCTION handler = list[c.child].mouse_function;
        if (handler == nullptr) continue;
        PIXPOINT p = centre(c);
        EXPECT_EQ(handler(&p, MOUSE_LEFTSINGLE), c.child == child::fmc ? 1 : 0) << c.name;
    }
}
