// Lifecycle abuse: every gauge of every module (and the emulator's probe
// gauges) driven through the orders of calls a host might make: a second
// kill, a kill routine run before any install, two installs before a kill,
// an install after a kill, an unload with live gauges, several instances on
// one panel, and a hundred whole cycles. In each: no crash, no host fault
// (no overrun, no unknown record), and nothing left held in the stand-in.
#include <gmock/gmock.h>

#include <cctype>
#include <string>
#include <vector>

#include "platform/standin/standin_control.h"
#include "support/held_resources.h"
#include "support/host_fixture.h"
#include "support/panel_survey.h"
#include "support/simulator_world.h"

using ::testing::Each;
using ::testing::HasSubstr;

namespace survey {
void PrintTo(const GaugeRef& g, std::ostream* out) { *out << g.module_name << "!" << g.gauge; }
}  // namespace survey

namespace {

std::vector<survey::GaugeRef> gauges_under_test() {
    std::vector<std::string> files = survey::module_files(GAUGE_MODULE_DIR);
    std::vector<survey::GaugeRef> out = survey::gauges_of(files);
    // The probe's gauges show the host's own behaviour; probe_leaky breaks
    // the contract on purpose and is left out.
    for (const survey::GaugeRef& g : survey::gauges_of({std::string(GAUGE_TEST_MODULE_DIR) + "/probe.so"}))
        if (g.gauge != "probe_leaky") out.push_back(g);
    return out;
}

class Lifecycle : public ::testing::TestWithParam<survey::GaugeRef> {
protected:
    void SetUp() override {
        world::furnish();  // every resource a module may take is there to take
        before = held::now();
        host = std::make_unique<emu::Host>();
        host->set_record_service_calls(false);
        module = &host->load(GetParam().module_path);
    }

    void TearDown() override {
        if (host != nullptr) {
            for (const std::string& f : host->faults()) ADD_FAILURE() << "host fault: " << f;
            host.reset();
        }
        for (const std::string& f : standin::take_faults()) ADD_FAILURE() << "Win32 misuse: " << f;
        world::clear();
        EXPECT_EQ(held::now(), before) << "held after the test: " << held::now().describe();
    }

    emu::Gauge& install() { return host->install(*module, GetParam().gauge); }

    // A press in the middle of every area of the gauge's mouse list.
    void click_everywhere(emu::Gauge& g) {
        for (const survey::Area& a : survey::mouse_areas(g)) survey::press(*host, g, a);
    }

    void expect_nothing_held_beyond_start() {
        EXPECT_EQ(held::now(), before) << "held: " << held::now().describe();
    }

    std::vector<std::string> texts(const emu::Gauge& g) {
        std::vector<std::string> out;
        for (const emu::ElementState& st : g.elements()) out.push_back(st.text);
        return out;
    }

    held::Resources before;
    std::unique_ptr<emu::Host> host;
    emu::Module* module = nullptr;
};

TEST_P(Lifecycle, ASecondKillDoesNothingAndAKilledGaugeGetsNoFramesOrClicks) {
    emu::Gauge& g = install();
    host->frames(3);
    host->kill(g);
    host->set_record_service_calls(true);
    host->take_events();
    host->kill(g);
    host->frames(2);  // a killed gauge gets no more frames
    for (const survey::Area& a : survey::mouse_areas(g)) EXPECT_FALSE(survey::press(*host, g, a));
    EXPECT_TRUE(host->service_calls().empty());
    EXPECT_TRUE(host->events().empty());
    EXPECT_FALSE(g.alive());
    expect_nothing_held_beyond_start();
}

TEST_P(Lifecycle, AKillRoutineRunBeforeAnyInstallTakesNothingAndBreaksNothing) {
    // A host that kills a gauge it never installed: the gauge's last step
    // runs with nothing of its own installed, outside any host call.
    GAUGEHDR* h = module->gauge(GetParam().gauge).header;
    if (h->gauge_header_version == GAUGE_HEADER_VERSION_800) {
        if (h->gauge_callback != nullptr) h->gauge_callback(h, PANEL_SERVICE_PRE_KILL, 0);
    } else if (h->kill_routine != nullptr) {
        h->kill_routine();
    }
    // Any service it called was outside a host call, and so did nothing.
    EXPECT_THAT(host->take_faults(), Each(HasSubstr("called outside any call of the host into a gauge")));
    expect_nothing_held_beyond_start();
    // The gauge still installs and runs normally afterwards.
    emu::Gauge& g = install();
    host->frames(3);
    host->kill(g);
    expect_nothing_held_beyond_start();
}

TEST_P(Lifecycle, TwoInstallsBeforeAKillKeepTheirOwnBuffersAndGiveEverythingBack) {
    emu::Gauge& first = install();
    emu::Gauge& second = install();
    host->frames(5);
    EXPECT_EQ(texts(second), texts(first));  // the same variables, each in its own buffers
    click_everywhere(first);
    click_everywhere(second);
    host->frames(2);
    host->kill(first);
    host->frames(2);  // the second lives on alone
    EXPECT_TRUE(second.alive());
    host->kill(second);
    expect_nothing_held_beyond_start();
}

TEST_P(Lifecycle, AnInstallAfterAKillShowsWhatTheFirstInstallShowed) {
    emu::Gauge& first = install();
    host->frames(3);
    const std::vector<std::string> shown = texts(first);
    host->kill(first);
    expect_nothing_held_beyond_start();

    emu::Gauge& again = install();  // fresh buffers, the same host variables
    host->frames(3);
    EXPECT_EQ(texts(again), shown);
    host->kill(again);
    expect_nothing_held_beyond_start();
}

TEST_P(Lifecycle, UnloadingWithLiveGaugesKillsThemFirst) {
    emu::Gauge& first = install();
    emu::Gauge& second = install();
    host->frames(3);
    host->unload(*module);
    EXPECT_FALSE(first.alive());
    EXPECT_FALSE(second.alive());
    expect_nothing_held_beyond_start();
    host->frames(2);  // nothing of the module runs any more

    module = &host->load(GetParam().module_path);  // and it loads again as new
    emu::Gauge& again = install();
    host->frames(2);
    host->kill(again);
    expect_nothing_held_beyond_start();
}

TEST_P(Lifecycle, SeveralInstancesOnOnePanelComeAndGoInAnyOrder) {
    std::vector<emu::Gauge*> panel;
    for (int i = 0; i < 4; ++i) panel.push_back(&install());
    host->frames(2);
    for (emu::Gauge* g : panel) click_everywhere(*g);
    host->kill(*panel[1]);  // from the middle
    host->frame();
    panel.push_back(&install());
    host->kill(*panel[3]);  // the newest but one
    host->frames(2);
    for (emu::Gauge* g : panel)
        if (g->alive()) click_everywhere(*g);
    host->frame();
    host->kill(*panel[0]);
    host->kill(*panel[4]);
    host->kill(*panel[2]);
    expect_nothing_held_beyond_start();
}

TEST_P(Lifecycle, AHundredCyclesLeaveNothingBehind) {
    host->unload(*module);
    for (int cycle = 0; cycle < 100; ++cycle) {
        module = &host->load(GetParam().module_path);
        emu::Gauge& g = install();
        host->frames(10);
        click_everywhere(g);
        host->kill(g);
        host->unload(*module);
        ASSERT_EQ(held::now(), before) << "after cycle " << cycle << ": " << held::now().describe();
        ASSERT_TRUE(host->faults().empty()) << "after cycle " << cycle << ": " << host->faults().front();
    }
    module = &host->load(GetParam().module_path);
}

std::string name_of(const ::testing::TestParamInfo<survey::GaugeRef>& info) {
    std::string name = info.param.module_name + "_" + info.param.gauge;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryGauge, Lifecycle, ::testing::ValuesIn(gauges_under_test()), name_of);

}  // namespace
