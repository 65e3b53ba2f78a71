// Every shipping module of this build, through its whole life under the
// real loader, several times over: load, install each gauge, frames, kill,
// unload. Nothing may stay behind: not the module, not a library it loaded,
// and no registry key more from one round to the next. (Thread and handle
// totals are not compared: Wine starts a worker of its own now and then.)
#include <gtest/gtest.h>

#include "emulator/host_emulator.h"
#include "process_state.h"
#include "shipped_modules.h"

namespace {

// One round of a module's life, in a host of its own.
void live_once(const std::string& name) {
    emu::Host host;
    emu::Module& module = host.load(std::string(GAUGE_MODULE_DIR) + "/" + name + ".gau");
    EXPECT_TRUE(wine_tests::module_loaded(name + ".gau"));
    std::vector<emu::Gauge*> gauges;
    for (const emu::GaugeInfo& info : module.gauges()) gauges.push_back(&host.install(module, info.name));
    host.frames(3);
    for (emu::Gauge* g : gauges) host.kill(*g);
    host.unload(module);
    for (const std::string& fault : host.faults()) ADD_FAILURE() << name << ": host fault: " << fault;
}

class ModuleCycle : public ::testing::TestWithParam<std::string> {};

TEST_P(ModuleCycle, RepeatedLivesLeaveNothingLoaded) {
    const std::string name = GetParam();
    // The first rounds may start what Wine keeps for the process (system
    // libraries, sound drivers, a worker thread); from then on every round
    // must end as the one before.
    live_once(name);
    wine_tests::process_state();  // its own first look opens what it keeps
    live_once(name);
    const wine_tests::ProcessState settled = wine_tests::process_state();
    EXPECT_FALSE(wine_tests::module_loaded(name + ".gau"));
    EXPECT_FALSE(wine_tests::module_loaded("GaugeSound.dll"));
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE("round " + std::to_string(round + 3));
        live_once(name);
        const wine_tests::ProcessState now = wine_tests::process_state();
        EXPECT_EQ(now.modules, settled.modules);
        EXPECT_EQ(now.key_handles, settled.key_handles);
    }
}

INSTANTIATE_TEST_SUITE_P(Wine, ModuleCycle, ::testing::ValuesIn(shipped_module_names()),
                         [](const auto& param_info) { return param_info.param; });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ModuleCycle);

}  // namespace
