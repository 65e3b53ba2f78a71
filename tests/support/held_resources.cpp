#include "support/held_resources.h"

#include "platform/standin/standin_control.h"

namespace held {

Resources now() {
    return Resources{
        .registry_keys = standin::open_registry_keys(),
        .global_blocks = standin::live_global_blocks(),
        .sound_devices = standin::live_sound_devices(),
        .gauge_sound_references = standin::library_references("GaugeSound"),
    };
}

std::string Resources::describe() const {
    std::string out;
    const auto add = [&](int n, const char* what) {
        if (n == 0) return;
        if (!out.empty()) out += ", ";
        out += std::to_string(n) + " " + what;
    };
    add(registry_keys, "registry keys");
    add(global_blocks, "global blocks");
    add(sound_devices, "sound devices");
    add(gauge_sound_references, "GaugeSound references");
    return out.empty() ? "nothing" : out;
}

}  // namespace held
