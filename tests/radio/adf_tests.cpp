// The ADF row in plain and extended mode: texts, standby knobs, the active
// units knob and the swap, through clicks on the face.
#include <gmock/gmock.h>

#include "radio_fixture.h"

using namespace radio;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

TEST_F(RadioTest, AdfStandbyStartsAt200) {
    host->frame();
    EXPECT_EQ(text(element::adf_standby), " 200");
}

TEST_F(RadioTest, AdfActiveTextFollowsTheMode) {
    const struct {
        double mode;
        std::uint32_t frequency, extension;
        const char* shown;
    } cases[] = {
        {false, 0x0344, 0x0000, " 344"},     {false, 0x0344, 0x0105, " 344"},  {true, 0x0344, 0x0005, "0344.5"},
        {true, 0x0344, 0x0000, "0344.0"},    {true, 0x1234, 0x0105, "1234.5"}, {true, 0x1000, 0x0100, "1000.0"},
        {true, 0x1234, 0x0005, "01234.5"},  // a thousands digit the extension does not carry
        // Words beyond their digits do not fit the window: its field fills with '*'.
        {true, 0xFFFFFFFF, 0x00FF, "*******"}, {false, 0xFFFFFFFF, 0, "*******"},
        // The last extension without a thousands digit keeps the leading 0,
        // and so no longer fits; the first with one drops it.
        {true, 0x0344, 0x00FF, "*******"},   {true, 0x1344, 0x0100, "1344.0"},
        // Any non-zero mode value is extended mode, also one a 32-bit float
        // would hold as 0.
        {1e-300, 0x0344, 0x0005, "0344.5"}, {-1e-50, 0x0344, 0x0005, "0344.5"},
    };
    for (const auto& c : cases) {
        host->set_number(token::adf_mode, c.mode);
        host->set_integer(token::adf, c.frequency);
        host->set_integer(token::adf_ext, c.extension);
        host->frame();
        EXPECT_EQ(text(element::adf_active), c.shown) << c.mode << " " << std::hex << c.frequency << "/" << c.extension;
        EXPECT_EQ(value(element::adf_active), host->number(token::adf)) << "the callback returns its argument";
    }
}

TEST_F(RadioTest, NegativeZeroModeIsPlainMode) {
    host->set_number(token::adf_mode, -0.0);
    host->set_integer(token::adf, 0x0344);
    host->frame();
    EXPECT_EQ(text(element::adf_active), " 344");
}

// Each case puts a pair into the standby, clicks one knob half once and
// reads the standby window.
TEST_F(RadioTest, AdfStandbyKnobsInBothModes) {
    struct Case {
        bool extended;
        std::uint32_t frequency, extension;
        int knob;
        const char* after;
    };
    const Case cases[] = {
        // Plain mode: hundreds 2 to 9 wrapping; tens and units wrap without carrying.
        {false, 0x0944, 0, child::adf_hundreds_up, " 244"},
        {false, 0x0244, 0, child::adf_hundreds_down, " 944"},
        {false, 0x0544, 0, child::adf_hundreds_up, " 644"},
        {false, 0x0544, 0, child::adf_hundreds_down, " 444"},
        {false, 0x0394, 0, child::adf_tens_up, " 304"},
        {false, 0x0304, 0, child::adf_tens_down, " 394"},
        {false, 0x0349, 0, child::adf_units_up, " 340"},
        {false, 0x0340, 0, child::adf_units_down, " 349"},
        // One step inside each plain-mode wrap.
        {false, 0x0844, 0, child::adf_hundreds_up, " 944"},
        {false, 0x0344, 0, child::adf_hundreds_down, " 244"},
        {false, 0x0384, 0, child::adf_tens_up, " 394"},
        {false, 0x0314, 0, child::adf_tens_down, " 304"},
        {false, 0x0348, 0, child::adf_units_up, " 349"},
        {false, 0x0341, 0, child::adf_units_down, " 340"},
        // Extended mode, units: half-kilohertz steps.
        {true, 0x0344, 0x0000, child::adf_units_up, "0344.5"},
        {true, 0x0344, 0x0005, child::adf_units_up, "0345.0"},
        {true, 0x0349, 0x0005, child::adf_units_up, "0340.0"},
        {true, 0x0340, 0x0000, child::adf_units_down, "0349.5"},
        {true, 0x0344, 0x0005, child::adf_units_down, "0344.0"},
        // Extended mode, hundreds: thousands and hundreds 01 to 16.
        {true, 0x0944, 0x0000, child::adf_hundreds_up, "1044.0"},
        {true, 0x1544, 0x0100, child::adf_hundreds_up, "1644.0"},
        {true, 0x1644, 0x0100, child::adf_hundreds_up, "0144.0"},
        {true, 0x0144, 0x0000, child::adf_hundreds_down, "1644.0"},
        {true, 0x1044, 0x0100, child::adf_hundreds_down, "0944.0"},
        // The wrap at 16 and at 01, at the value and one step either side.
        {true, 0x1599, 0x0100, child::adf_hundreds_up, "1699.0"},
        {true, 0x1600, 0x0100, child::adf_hundreds_up, "0100.0"},
        {true, 0x1601, 0x0100, child::adf_hundreds_up, "0101.0"},
        {true, 0x0100, 0x0000, child::adf_hundreds_down, "1600.0"},
        {true, 0x0244, 0x0000, child::adf_hundreds_down, "0144.0"},
        {true, 0x1144, 0x0100, child::adf_hundreds_down, "1044.0"},
        {true, 0x0844, 0x0000, child::adf_hundreds_up, "0944.0"},
        {true, 0x1044, 0x0100, child::adf_hundreds_up, "1144.0"},
        {true, 0x0544, 0x0005, child::adf_hundreds_down, "0444.5"},
        // Extended mode, tens: as in plain mode.
        {true, 0x1294, 0x0105, child::adf_tens_up, "1204.5"},
    };
    for (const Case& c : cases) {
        adf_standby_from_active(c.extended, c.frequency, c.extension);
        click_then_frame(c.knob);
        EXPECT_EQ(text(element::adf_standby), c.after)
            << (c.extended ? "extended " : "plain ") << std::hex << c.frequency << "/" << c.extension << " child "
            << std::dec << c.knob;
    }
}

// The extension's thousands digit follows the frequency's through the
// hundreds knob, so a later swap sends the right events.
TEST_F(RadioTest, ExtendedHundredsCarryTheThousandsIntoTheSwap) {
    adf_standby_from_active(true, 0x0944, 0x0005);
    click_then_frame(child::adf_hundreds_up);  // 0944.5 -> 1044.5
    ASSERT_EQ(text(element::adf_standby), "1044.5");
    ASSERT_TRUE(click(child::adf_swap));
    EXPECT_THAT(key_events(), ElementsAre(Pair(0x1024A, 0x1000), Pair(0x101FF, 0x0105), Pair(0x100B2, 0x1044)));
    host->frame();
    EXPECT_EQ(text(element::adf_active), "1044.5");
}

TEST_F(RadioTest, AdfSwapSendsOneOrThreeEventsAndKeepsTheActivePair) {
    // Below 1000 kHz: hundreds, tens, units and tenths in one event.
    adf_standby_from_active(true, 0x0344, 0x0005);
    host->set_integer(token::adf, 0x0415);
    host->set_integer(token::adf_ext, 0x0000);
    host->frame();
    ASSERT_TRUE(click(child::adf_swap));
    EXPECT_THAT(key_events(), ElementsAre(Pair(0x1024A, 0x3445)));
    host->frame();
    EXPECT_EQ(text(element::adf_active), "0344.5");
    EXPECT_EQ(text(element::adf_standby), "0415.0");

    // With a thousands digit: 100.0 first, then the extension, then the digits.
    adf_standby_from_active(true, 0x1234, 0x0105);
    ASSERT_TRUE(click(child::adf_swap));
    EXPECT_THAT(key_events(), ElementsAre(Pair(0x1024A, 0x1000), Pair(0x101FF, 0x0105), Pair(0x100B2, 0x1234)));
    host->frame();
    EXPECT_EQ(text(element::adf_active), "1234.5");

    // Plain mode: the three digits followed by a 0 tenths digit.
    adf_standby_from_active(false, 0x0275, 0);
    ASSERT_TRUE(click(child::adf_swap));
    EXPECT_THAT(key_events(), ElementsAre(Pair(0x1024A, 0x2750)));

    // Three events from the first extension with a thousands digit on, one
    // below it: at the threshold and one step either side.
    const struct {
        std::uint32_t frequency, extension;
        std::vector<std::pair<ID32, std::uint32_t>> sent;
    } around_the_threshold[] = {
        {0x0344, 0x00FF, {{0x1024A, 0x344F}}},
        {0x1000, 0x0100, {{0x1024A, 0x1000}, {0x101FF, 0x0100}, {0x100B2, 0x1000}}},
        {0x1000, 0x0101, {{0x1024A, 0x1000}, {0x101FF, 0x0101}, {0x100B2, 0x1000}}},
    };
    for (const auto& c : around_the_threshold) {
        adf_standby_from_active(true, c.frequency, c.extension);
        ASSERT_TRUE(click(child::adf_swap));
        EXPECT_EQ(key_events(), c.sent) << std::hex << c.frequency << "/" << c.extension;
    }
}

// A change of mode alone leaves the standby text as it is; the new form
// shows with the next change of the standby.
TEST_F(RadioTest, AModeChangeAloneDoesNotRebuildTheStandby) {
    host->frame();
    ASSERT_EQ(text(element::adf_standby), " 200");
    host->set_number(token::adf_mode, 1.0);
    host->frames(2);
    EXPECT_EQ(text(element::adf_standby), " 200");
    EXPECT_EQ(text(element::adf_active), "0000.0");
    click_then_frame(child::adf_tens_up);
    EXPECT_EQ(text(element::adf_standby), "0210.0");
}

TEST_F(RadioTest, AdfActiveUnitsKnobSendsTheModesEvents) {
    struct Case {
        bool extended;
        std::uint32_t extension;  // as the host last delivered it
        int knob;
        std::vector<std::pair<ID32, std::uint32_t>> sent;
    };
    const std::vector<Case> cases = {
        {false, 0x0000, child::adf_active_units_up, {{0x10072, 0}}},
        {false, 0x0005, child::adf_active_units_down, {{0x10084, 0}}},
        {true, 0x0005, child::adf_active_units_up, {{0x10396, 0}, {0x10072, 0}}},
        {true, 0x0000, child::adf_active_units_up, {{0x10396, 0}}},
        {true, 0x0000, child::adf_active_units_down, {{0x10395, 0}, {0x10084, 0}}},
        {true, 0x0105, child::adf_active_units_down, {{0x10395, 0}}},
    };
    for (const Case& c : cases) {
        host->set_number(token::adf_mode, c.extended ? 1.0 : 0.0);
        host->set_integer(token::adf_ext, c.extension);
        host->frame();
        key_events();
        ASSERT_TRUE(click(c.knob));
        EXPECT_EQ(key_events(), c.sent) << (c.extended ? "extended " : "plain ") << std::hex << c.extension;
    }
}

// The host's own knobs and the module's units knob together tune the
// active frequency, as the window shows.
TEST_F(RadioTest, AdfActiveKnobsTuneTheHostFrequency) {
    host->set_number(token::adf_mode, 1.0);
    host->set_integer(token::adf, 0x0349);
    host->set_integer(token::adf_ext, 0x0005);
    host->frame();
    click_then_frame(child::adf_active_units_up);  // 349.5 -> 350.0: tenths and units
    EXPECT_EQ(text(element::adf_active), "0340.0") << "the units wrap without carrying into the tens";
    click_then_frame(child::adf_active_units_down);  // 340.0 -> 339.5
    EXPECT_EQ(text(element::adf_active), "0349.5");
    click_then_frame(20);  // hundreds down
    EXPECT_EQ(text(element::adf_active), "0249.5");
    click_then_frame(23);  // tens up
    EXPECT_EQ(text(element::adf_active), "0259.5");
    EXPECT_THAT(host->faults(), IsEmpty());
}
