// A host with the coristal module loaded and the test GaugeSound library
// in the library folder, its call log open. Every test ends by checking
// that neither the host nor the stand-in saw a fault.
#pragma once

#include <string>
#include <vector>

#include "platform/standin/standin_control.h"
#include "support/gauge_sound/call_log.h"
#include "support/host_fixture.h"

class ThrottleTest : public HostFixture {
protected:
    ThrottleTest() {
        standin::reset();
        standin::set_library_dir(GAUGE_SOUND_DIR);
    }

    void TearDown() override {
        HostFixture::TearDown();
        for (const auto& fault : standin::take_faults()) ADD_FAILURE() << "stand-in fault: " << fault;
        standin::set_call_listener({});
    }

    // From now on the library calls of the stand-in go into the sound log
    // too, in order among what runs inside the library.
    void log_library_calls() {
        standin::set_call_listener([this](const std::string& line) { sound_log.note(line); });
    }

    // Elements in tree order: the housing, then levers 1 to 4.
    static constexpr std::size_t housing = 0;
    static std::size_t lever(int n) { return static_cast<std::size_t>(n); }

    GAUGEHDR* header() const { return coristal.gauge("coristal").header; }
    // The gauge callback as the host calls it, with any service id.
    void service(SINT32 id) { header()->gauge_callback(header(), id, 0); }

    ELEMENT_SLIDER* slider(const emu::Gauge& g, int n) const {
        return reinterpret_cast<ELEMENT_SLIDER*>(g.element(lever(n)).element);
    }

    GaugeSoundLog sound_log;
    emu::Module& coristal = load("coristal");
};
