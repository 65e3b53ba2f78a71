// belvane with real Win32 under Wine: a real FS98MAIN window, the host's
// registry key written into the prefix (and its values left out one at a
// time), DirectSound through ALSA's null device or with no audio driver.
// What the module holds is read from the process: a DirectSound device
// runs threads of its own, the sound folder path is a 260-byte block on the
// process heap, and registry keys are handles.
#include <gtest/gtest.h>
#include <windows.h>
#include <dsound.h>

#include <optional>

#include "emulator/host_environment.h"
#include "process_state.h"
#include "support/host_fixture.h"

namespace {

constexpr std::size_t path_block = 260;
constexpr ID32 altitude = 0x4A;
constexpr ID32 selected_altitude = 0x6D;

// Whether this process can have a DirectSound device at all.
bool sound_device_available() {
    LPDIRECTSOUND device = nullptr;
    if (DirectSoundCreate(nullptr, &device, nullptr) != DS_OK) return false;
    device->Release();
    return true;
}

std::multiset<std::string> new_blocks(const std::multiset<std::string>& before,
                                      const std::multiset<std::string>& now) {
    std::multiset<std::string> added = now;
    for (const std::string& b : before)
        if (auto it = added.find(b); it != added.end()) added.erase(it);
    return added;
}

class BelvaneWine : public HostFixture {
protected:
    static void SetUpTestSuite() {
        // The first device of a process loads the audio drivers, which stay:
        // one device made and released here keeps them out of the counts.
        sound_device_available();
        emu::open_host_window();
        emu::close_host_window();
    }
    void SetUp() override { emu::clear_host_environment(); }
    void TearDown() override {
        HostFixture::TearDown();
        host.reset();
        emu::clear_host_environment();
    }

    std::string module_path() const { return std::string(GAUGE_MODULE_DIR) + "/belvane.gau"; }

    // The light shows for 300 < |A - B| < 900 whatever the module holds.
    static void expect_light_follows_band(emu::Host& h, emu::Gauge& g) {
        h.set_number(altitude, 10000);
        h.set_number(selected_altitude, 10500);
        h.frame();
        EXPECT_FALSE(g.element(1).hidden) << "500 ft below the selected altitude";
        h.set_number(selected_altitude, 10000);
        h.frame();
        EXPECT_TRUE(g.element(1).hidden) << "at the selected altitude";
    }
};

struct Machine {
    const char* name;
    bool window;
    std::optional<std::string> player_name;
    std::optional<std::string> path;
    bool device;                        // the module holds a device while the gauge lives
    std::optional<std::string> folder;  // the sound folder path it holds
};

class BelvaneMachines : public BelvaneWine, public ::testing::WithParamInterface<Machine> {};

TEST_P(BelvaneMachines, HoldsWhatTheMachineOffersUntilKill) {
    const Machine& m = GetParam();
    ASSERT_TRUE(sound_device_available()) << "this run is meant to have ALSA's null device";
    if (m.window) emu::open_host_window();
    if (m.player_name) emu::set_host_registry_value("PlayerName", *m.player_name);
    if (m.path) emu::set_host_registry_value("path", *m.path);

    const wine_tests::ProcessState before = wine_tests::process_state();
    const auto blocks_before = wine_tests::heap_block_texts(path_block);
    emu::Module& belvane = host->load(module_path());
    emu::Gauge& gauge = host->install(belvane, "belvane");

    const wine_tests::ProcessState during = wine_tests::process_state();
    EXPECT_EQ(during.threads > before.threads, m.device) << "threads " << before.threads << " -> " << during.threads;
    EXPECT_EQ(during.key_handles, before.key_handles) << "a registry key was left open";
    std::multiset<std::string> expected_blocks;
    if (m.folder) expected_blocks.insert(*m.folder);
    EXPECT_EQ(new_blocks(blocks_before, wine_tests::heap_block_texts(path_block)), expected_blocks);

    expect_light_follows_band(*host, gauge);

    host->kill(gauge);
    const wine_tests::ProcessState after = wine_tests::process_state();
    EXPECT_EQ(after.threads, before.threads) << "the device outlived the kill";
    EXPECT_EQ(after.key_handles, before.key_handles);
    EXPECT_EQ(new_blocks(blocks_before, wine_tests::heap_block_texts(path_block)), std::multiset<std::string>{});
    host->unload(belvane);
    EXPECT_FALSE(wine_tests::module_loaded("belvane.gau"));
}

const std::string long_path = "C:\\" + std::string(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Wine, BelvaneMachines,
    ::testing::Values(
        Machine{"simulator_running", true, "Pilot", "C:\\FS", true, "C:\\FS\\Sound\\"},
        Machine{"path_with_trailing_backslash", true, "Pilot", "C:\\FS\\", true, "C:\\FS\\\\Sound\\"},
        Machine{"no_window", false, "Pilot", "C:\\FS", false, std::nullopt},
        Machine{"no_registry_key", true, std::nullopt, std::nullopt, true, std::nullopt},
        Machine{"no_player_name", true, std::nullopt, "C:\\FS", true, std::nullopt},
        Machine{"no_path", true, "Pilot", std::nullopt, true, std::nullopt},
        Machine{"path_longer_than_the_block", true, "Pilot", long_path, true, std::nullopt}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(BelvaneWine, TheWindowItFindsIsTheRealOne) {
    emu::open_host_window();
    EXPECT_NE(FindWindowA(emu::host_window_class, nullptr), nullptr);
    emu::close_host_window();
    EXPECT_EQ(FindWindowA(emu::host_window_class, nullptr), nullptr);
}

// Run with the audio drivers turned off (see CMakeLists.txt): DirectSound
// has no device to give, so the open stops before the registry.
TEST_F(BelvaneWine, NoAudioDeviceHoldsNothingAndTheLightStillWorks) {
    ASSERT_FALSE(sound_device_available()) << "this run is meant to have no audio driver";
    emu::open_host_window();
    emu::set_host_registry_value("PlayerName", "Pilot");
    emu::set_host_registry_value("path", "C:\\FS");
    const wine_tests::ProcessState before = wine_tests::process_state();
    const auto blocks_before = wine_tests::heap_block_texts(path_block);

    emu::Module& belvane = host->load(module_path());
    emu::Gauge& gauge = host->install(belvane, "belvane");
    EXPECT_EQ(wine_tests::process_state().threads, before.threads);
    EXPECT_EQ(new_blocks(blocks_before, wine_tests::heap_block_texts(path_block)), std::multiset<std::string>{});
    expect_light_follows_band(*host, gauge);
    host->kill(gauge);
    host->unload(belvane);
    EXPECT_EQ(wine_tests::process_state().key_handles, before.key_handles);
}

}  // namespace

// The simulator is a 32-bit program: on 64-bit Windows it and its modules
// see HKLM\SOFTWARE through the 32-bit view. The host's values must land
// in the view of this build's bitness, where belvane reads them, and only
// there.
TEST_F(BelvaneWine, TheHostsRegistryValuesLandInTheViewTheModuleReads) {
    emu::set_host_registry_value("PlayerName", "Pilot");
    const REGSAM own_view = sizeof(void*) == 4 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    const REGSAM other_view = sizeof(void*) == 4 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    auto has_value = [](REGSAM view) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, emu::host_registry_key, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
            return false;
        const bool found = RegQueryValueExA(key, "PlayerName", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    };
    EXPECT_TRUE(has_value(own_view));
    EXPECT_FALSE(has_value(other_view));
}
