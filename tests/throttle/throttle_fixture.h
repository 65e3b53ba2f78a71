// A host with the coristal module loaded and the test GaugeSound library
// in the library folder, its call log open.
#pragma once

#include <string>
#include <vector>

#include "platform/standin/standin_control.h"
#include "support/gauge_sound/call_log.h"
#include "support/host_fixture.h"

// A copy of a record's field. The host's records are packed to 4 bytes, so
// in 64-bit builds their pointers and doubles may sit off their natural
// alignment; a check must compare a copy rather than bind a reference.
template <class T>
T field(T value) {
    return value;
}

class ThrottleTest : public HostFixture {
protected:
    ThrottleTest() { standin::set_library_dir(GAUGE_SOUND_DIR); }

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
