// Rendered gauges against committed golden pictures (tests/tools/golden),
// with a tolerance for font rasterisation. GAUGEBENCH_UPDATE_GOLDEN=1
// rewrites them. Each picture is set up by a few script steps.
#include <gtest/gtest.h>

#include "emulator/probe_fixture.h"
#include "golden.h"
#include "tools/bench/render.h"
#include "tools/bench/script_runner.h"

namespace {

class BenchGolden : public ProbeTest {
protected:
    std::string check(emu::Module& module, const std::string& gauge, const std::string& steps, int scale,
                      const std::string& golden_name) {
        emu::Gauge& g = host->install(module, gauge);
        bench::ScriptRunner(*host, g).run(bench::parse_script(steps, golden_name));
        bench::FontBook fonts;
        return golden::check(bench::render(*host, g, scale, fonts), golden_name);
    }
};

TEST_F(BenchGolden, ProbeTextInCourierNew) {
    EXPECT_EQ(check(probe, "probe_text", "set 0x9001 4\nframes 1\n", 6, "probe_text"), "");
}

TEST_F(BenchGolden, ProbeLampLit) { EXPECT_EQ(check(probe, "probe_610", "set 0x9003 1\nframes 1\n", 6, "probe_610"), ""); }

// A grey readout at the background's size, and a red one enlarged, whose
// text is drawn at the larger size rather than enlarged pixel by pixel.
TEST_F(BenchGolden, ReadoutsInCourierNew) {
    EXPECT_EQ(check(load("tarnwick"), "KollsmanHG", "set 0x4C 29.92\nframes 1\n", 1, "KollsmanHG"), "");
    host->kill(*host->gauges().back());
    EXPECT_EQ(check(load("tarnwick"), "Clock", "set 3 14\nset 4 35\nset 5 20\nframes 1\n", 3, "Clock_x3"), "");
}

TEST_F(BenchGolden, AltitudeAlertLit) {
    EXPECT_EQ(check(load("belvane"), "belvane", "set 0x4A 9450\nset 0x6D 10000\nframes 1\n", 1, "belvane_shown"), "");
}

TEST_F(BenchGolden, ThrottleLeversAtFourPositions) {
    EXPECT_EQ(check(load("coristal"), "coristal", "set 0xA3 5000\nset 0xC6 11000\nset 0xE9 16384\nframes 1\n", 1, "coristal"), "");
}

// The radio stack with a lit NAV1 lamp (frame 8195), tuned standby
// frequencies in Quartz, and NAV1's whole megahertz highlighted.
TEST_F(BenchGolden, RadioStackLampsTextsAndHighlight) {
    EXPECT_EQ(check(load("halbrook"), "halbrook",
                    "set 0x18 bcd:1090\nset 0x1B bcd:1345\nset 0x17 bcd:1895\nset 0x10 bcd:0344\nset 0x26 bcd:1200\n"
                    "set 3 14\nset 4 35\nset 5 20\nset 0x150 1\nset 0x1A 1\nselect 6\nframes 1\nhold 140 12 2\nframes 1\n",
                    2, "halbrook"),
              "");
}

TEST(BenchGoldenCompare, ToleranceAllowsSmallShiftsButNotAnotherPicture) {
    bench::RgbImage a(10, 10), b(10, 10);
    b.set(3, 3, bench::Rgb{40, 40, 40});  // within tolerance
    EXPECT_EQ(golden::compare(a, b, 48).pixels, 0);
    b.set(4, 4, bench::Rgb{200, 0, 0});
    const golden::Difference d = golden::compare(a, b, 48);
    EXPECT_EQ(d.pixels, 1);
    EXPECT_EQ(d.largest, 200);
}

}  // namespace
