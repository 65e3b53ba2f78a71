// The host's handling of key events: each function registers the effects
// (Host::set_key_effect) of one module's events. Every effect is documented
// beside its event id.
#pragma once

#include "emulator/host_emulator.h"

namespace emu::detail {

void install_radio_effects(Host& host);
void install_throttle_effects(Host& host);

inline void install_default_effects(Host& host) {
    install_radio_effects(host);
    install_throttle_effects(host);
}

}  // namespace emu::detail
