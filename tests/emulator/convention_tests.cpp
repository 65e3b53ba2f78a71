// 32-bit x86 only: the host calls every function a module's records name as
// stdcall, and a function of another convention is a host fault naming it,
// with the host's stack put right, rather than a crash somewhere later.
// The shipped modules are held to the same check by every other test (any
// fault fails a test).
#include <gmock/gmock.h>

#include "support/host_fixture.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

struct WrongFunction {
    const char* gauge;
    void (*act)(emu::Host&, emu::Gauge&);
    const char* names;  // what the fault says the function is
    const char* offset;
};

void frame(emu::Host& h, emu::Gauge&) { h.frame(); }
void click(emu::Host& h, emu::Gauge& g) { h.click(g, 2, 2); }
void nothing(emu::Host&, emu::Gauge&) {}

class WrongConvention : public HostFixture, public ::testing::WithParamInterface<WrongFunction> {};

TEST_P(WrongConvention, IsAFaultNamingTheFunction) {
    const WrongFunction& w = GetParam();
    emu::Module& probe = host->load(std::string(GAUGE_TEST_MODULE_DIR) + "/convention_probe.gau");
    emu::Gauge& g = host->install(probe, w.gauge);
    w.act(*host, g);
    const std::vector<std::string> faults = host->take_faults();
    ASSERT_FALSE(faults.empty()) << "the wrong convention went unseen";
    EXPECT_THAT(faults.front(), HasSubstr(std::string("gauge ") + w.gauge));
    EXPECT_THAT(faults.front(), HasSubstr(w.names));
    EXPECT_THAT(faults.front(), HasSubstr(std::string("not called back as stdcall (the stack pointer came back ") + w.offset));
    // The host goes on with its stack intact: the gauge runs on and dies
    // normally (faults again for each further wrong call, nothing else).
    host->frames(2);
    host->kill(g);
    host->unload(probe);
    for (const std::string& f : host->take_faults()) EXPECT_THAT(f, HasSubstr("not called back as stdcall"));
}

INSTANTIATE_TEST_SUITE_P(
    I686, WrongConvention,
    ::testing::Values(
        WrongFunction{"cdecl_text", frame, "element 1: update callback", "4 bytes low"},
        WrongFunction{"cdecl_value", frame, "element 1: update callback", "8 bytes low"},
        WrongFunction{"cdecl_mouse", click, "mouse function", "8 bytes low"},
        WrongFunction{"cdecl_callback", nothing, "gauge callback (service id 2)", "12 bytes low"},
        WrongFunction{"extra_argument", nothing, "install routine", "4 bytes high"}),
    [](const auto& param_info) { return std::string(param_info.param.gauge); });

// The same thunk carries results back: a stdcall function's double and
// integer results arrive as returned.
TEST_F(HostFixture, RightConventionPassesArgumentsAndResultsThrough) {
    emu::Module& probe = host->load(std::string(GAUGE_TEST_MODULE_DIR) + "/probe.gau");
    emu::Gauge& g = host->install(probe, "probe_610");
    host->set_number(0x9004, 41);
    host->frame();
    EXPECT_EQ(g.element(2).text, "41");
    EXPECT_DOUBLE_EQ(g.element(2).value, 42);
    EXPECT_THAT(host->faults(), ElementsAre());
}

}  // namespace
