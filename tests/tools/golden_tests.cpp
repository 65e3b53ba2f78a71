// Rendered gauges against committed golden pictures (tests/tools/golden),
// with a tolerance for font rasterisation. GAUGEBENCH_UPDATE_GOLDEN=1
// rewrites them.
#include <gtest/gtest.h>

#include "emulator/probe_fixture.h"
#include "golden.h"
#include "tools/bench/render.h"

namespace {

class BenchGolden : public ProbeTest {
protected:
    std::string check(emu::Module& module, const std::string& gauge, const std::vector<std::pair<ID32, double>>& values,
                      int scale, const std::string& golden_name) {
        emu::Gauge& g = host->install(module, gauge);
        for (const auto& [token, value] : values) host->set_number(token, value);
        host->frame();
        bench::FontBook fonts;
        return golden::check(bench::render(*host, g, scale, fonts), golden_name);
    }
};

TEST_F(BenchGolden, ProbeTextInCourierNew) { EXPECT_EQ(check(probe, "probe_text", {{0x9001, 4}}, 6, "probe_text"), ""); }

TEST_F(BenchGolden, ProbeLampLitAndItsNumber) {
    EXPECT_EQ(check(probe, "probe_610", {{0x9003, 1}, {0x9004, 42}}, 6, "probe_610"), "");
}

TEST_F(BenchGolden, AltitudeAlertLit) {
    EXPECT_EQ(check(load("belvane"), "belvane", {{0x4A, 9450}, {0x6D, 10000}}, 1, "belvane_shown"), "");
}

TEST_F(BenchGolden, ThrottleLeversAtFourPositions) {
    EXPECT_EQ(check(load("coristal"), "coristal", {{0x80, 0}, {0xA3, 5000}, {0xC6, 11000}, {0xE9, 16384}}, 1, "coristal"), "");
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
