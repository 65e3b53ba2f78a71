// A host with belvane loaded, on a machine without the simulator until a
// test sets it up. Every test ends with nothing of the stand-in's left
// held (no key open, no block, no device) once the host has unloaded the
// module, and with no misuse of the stand-in recorded.
#pragma once

#include <gmock/gmock.h>

#include "emulator/host_environment.h"
#include "platform/standin/standin_control.h"
#include "support/host_fixture.h"

// A copy of a record's field. The host's records are packed to 4 bytes, so
// in 64-bit builds their pointers may sit off their natural alignment; a
// check must compare a copy rather than bind a reference to the field.
template <class T>
T field(T value) {
    return value;
}

// The simulator's registry key with a player name and the given folder.
inline void host_registry_complete(const std::string& path) {
    emu::set_host_registry_value("PlayerName", "Pilot");
    emu::set_host_registry_value("path", path);
}

// The simulator running: its main window open and its key complete.
inline void simulator_running(const std::string& path = "C:\\FS") {
    emu::open_host_window();
    host_registry_complete(path);
}

class AlertTest : public HostFixture {
protected:
    static constexpr std::size_t canvas = 0;
    static constexpr std::size_t light = 1;
    static constexpr ID32 altitude = 0x4A;
    static constexpr ID32 selected_altitude = 0x6D;
    static constexpr ID32 vertical_speed = 0x41;

    void SetUp() override {
        standin::reset();
        emu::clear_host_environment();
    }

    void TearDown() override {
        HostFixture::TearDown();
        host.reset();  // unloads the module, killing any gauge still alive
        EXPECT_THAT(standin::take_faults(), ::testing::IsEmpty());
        EXPECT_EQ(standin::open_registry_keys(), 0);
        EXPECT_EQ(standin::live_global_blocks(), 0);
        EXPECT_EQ(standin::live_sound_devices(), 0);
        emu::clear_host_environment();
        standin::reset();
    }

    emu::Gauge& install() { return host->install(belvane, "belvane"); }

    static FLAGS32& light_flags(emu::Gauge& g) { return g.element(light).element->image_flags; }

    emu::Module& belvane = load("belvane");
};
