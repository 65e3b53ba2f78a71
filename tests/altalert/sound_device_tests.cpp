// The sound device and the sound folder path: how far the open gets on
// each machine, what it holds afterwards, and what kill gives back.
#include <functional>
#include <string>
#include <vector>

#include "alert_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using calls = std::vector<std::string>;

calls then(calls first, const calls& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

const calls find_window = {"FindWindowA FS98MAIN"};
const calls create_device = then(find_window, {"DirectSoundCreate"});
const calls bind_device = then(create_device, {"SetCooperativeLevel 1"});
const calls open_key = then(
    bind_device, {"RegOpenKeyExA HKLM\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0 0x20019"});
const calls ask_player = then(open_key, {"RegQueryValueExA PlayerName -"});
const calls allocate = then(ask_player, {"GlobalAlloc 0x40 260"});
const calls read_path = then(allocate, {"RegQueryValueExA path 260", "RegCloseKey"});
const calls path_refused = then(read_path, {"GlobalFree"});

struct open_case {
    const char* machine;
    std::function<void()> set_up;
    calls open_calls;
    bool device_held;
    std::string path_held;  // empty: no block held
    calls kill_calls;
};

std::vector<open_case> open_cases() {
    const std::string long_folder(252, 'f');  // 252 characters + 7 + the zero: 260
    return {
        {"no simulator window", [] { host_registry_complete("C:\\FS"); }, find_window, false, "", {}},
        {"no sound device",
         [] {
             simulator_running("C:\\FS");
             standin::set_sound_fault(standin::sound_fault::create_fails);
         },
         create_device, false, "", {}},
        {"cooperative level refused",
         [] {
             simulator_running("C:\\FS");
             standin::set_sound_fault(standin::sound_fault::cooperative_level_fails);
         },
         bind_device, true, "", {"Release"}},
        {"no host key", [] { emu::open_host_window(); }, open_key, true, "", {"Release"}},
        {"no PlayerName",
         [] {
             simulator_running("C:\\FS");
             emu::remove_host_registry_value("PlayerName");
         },
         then(ask_player, {"RegCloseKey"}), true, "", {"Release"}},
        {"no memory for the path",
         [] {
             simulator_running("C:\\FS");
             standin::fail_global_allocs(1);
         },
         then(allocate, {"RegCloseKey"}), true, "", {"Release"}},
        {"no path",
         [] {
             simulator_running("C:\\FS");
             emu::remove_host_registry_value("path");
         },
         path_refused, true, "", {"Release"}},
        {"path longer than the block", [] { simulator_running(std::string(300, 'p')); }, path_refused, true,
         "", {"Release"}},
        // Fits the block, but not with the suffix and its zero.
        {"path of 253 characters", [] { simulator_running(std::string(253, 'p')); }, path_refused, true, "",
         {"Release"}},
        // Exactly fills the block and so comes back without a zero.
        {"path of 260 bytes without a terminating zero",
         [] {
             simulator_running("C:\\FS");
             standin::set_registry_bytes(HKEY_LOCAL_MACHINE, emu::host_registry_key, "path", REG_SZ,
                                         std::string(260, 'p'));
         },
         path_refused, true, "", {"Release"}},
        {"path without a trailing backslash", [] { simulator_running("C:\\FS"); }, read_path, true,
         "C:\\FS\\Sound\\", {"GlobalFree", "Release"}},
        {"path with a trailing backslash", [] { simulator_running("C:\\FS\\"); }, read_path, true,
         "C:\\FS\\\\Sound\\", {"GlobalFree", "Release"}},
        {"longest path that takes the suffix", [=] { simulator_running(long_folder); }, read_path, true,
         long_folder + "\\Sound\\", {"GlobalFree", "Release"}},
    };
}

}  // namespace

TEST_F(AlertTest, OpenStopsAtTheFirstMissingPieceAndKillGivesBackWhatIsHeld) {
    for (const open_case& c : open_cases()) {
        SCOPED_TRACE(c.machine);
        emu::clear_host_environment();
        standin::reset();
        c.set_up();

        emu::Gauge& g = install();
        EXPECT_EQ(standin::call_log(), c.open_calls);
        EXPECT_EQ(standin::live_sound_devices(), c.device_held ? 1 : 0);
        EXPECT_EQ(standin::open_registry_keys(), 0);
        const std::vector<std::string> blocks = standin::live_global_block_contents();
        if (c.path_held.empty()) {
            EXPECT_THAT(blocks, IsEmpty());
        } else {
            // The whole block: the path, its suffix, then zeroes to the end.
            std::string expected = c.path_held;
            expected.resize(260, '\0');
            EXPECT_THAT(blocks, ElementsAre(expected));
        }
        EXPECT_THAT(standin::take_faults(), IsEmpty());

        // The light works the same whatever the sound device did.
        host->set_number(altitude, 10500.0);
        host->set_number(selected_altitude, 10000.0);
        host->frame();
        EXPECT_FALSE(g.element(light).hidden);

        standin::clear_call_log();
        host->kill(g);
        EXPECT_EQ(standin::call_log(), c.kill_calls);
        EXPECT_EQ(standin::live_sound_devices(), 0);
        EXPECT_EQ(standin::live_global_blocks(), 0);
        EXPECT_THAT(standin::take_faults(), IsEmpty());
    }
}

TEST_F(AlertTest, TheDeviceIsBoundToTheSimulatorWindowAtTheNormalLevel) {
    simulator_running();
    install();
    EXPECT_EQ(standin::last_cooperative_window(), FindWindowA(emu::host_window_class, nullptr));
    EXPECT_EQ(standin::last_cooperative_level(), DSSCL_NORMAL);
}

// One device and one path block at a time, however often the gauge is
// installed; the first kill gives them back, later kills find nothing.
TEST_F(AlertTest, InstallingAgainBeforeKillHoldsOneDeviceAndOnePath) {
    simulator_running("D:\\Sim");
    emu::Gauge& first = install();
    emu::Gauge& second = install();
    EXPECT_EQ(standin::live_sound_devices(), 1);
    EXPECT_THAT(standin::live_global_block_contents(),
                ElementsAre(std::string("D:\\Sim\\Sound\\") + std::string(260 - 13, '\0')));
    host->kill(first);
    EXPECT_EQ(standin::live_sound_devices(), 0);
    EXPECT_EQ(standin::live_global_blocks(), 0);
    host->kill(second);

    emu::Gauge& again = install();  // a fresh open after the kills
    EXPECT_EQ(standin::live_sound_devices(), 1);
    EXPECT_EQ(standin::live_global_blocks(), 1);
    host->kill(again);
}

// A later install on a machine without the simulator leaves the first
// install's device and path alone; kill still gives them back once.
TEST_F(AlertTest, AnOpenThatFindsNoWindowKeepsWhatIsHeld) {
    simulator_running();
    emu::Gauge& first = install();
    emu::close_host_window();
    emu::Gauge& second = install();
    EXPECT_EQ(standin::live_sound_devices(), 1);
    EXPECT_EQ(standin::live_global_blocks(), 1);
    host->kill(second);
    host->kill(first);
}
