// What the Win32 stand-in has handed out to module code and not had back:
// registry keys, global blocks, sound devices and references to
// the outside sound library. A panel whose gauges are all killed and whose
// modules are unloaded holds none of them.
#pragma once

#include <string>

namespace held {

struct Resources {
    int registry_keys = 0;
    int global_blocks = 0;
    int sound_devices = 0;
    int gauge_sound_references = 0;

    bool none() const {
        return registry_keys == 0 && global_blocks == 0 && sound_devices == 0 &&
               gauge_sound_references == 0;
    }
    bool operator==(const Resources&) const = default;
    std::string describe() const;  // "2 registry keys, 1 sound device", or "nothing"
};

Resources now();

}  // namespace held
