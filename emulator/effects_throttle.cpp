// What the host does with the key events the throttle module relies on.
//
// 0x1011C to 0x1011F set the throttle lever position of engines 1 to 4
// (variables 0x80, 0xA3, 0xC6, 0xE9) to the event's value, read as a signed
// 32-bit number. The lever's range is 0 (idle) to 16384 (full): values
// outside it are clamped to the nearer end, so a click below the middle of
// a lever area, which sends a negative value, leaves the lever at idle.
// The variable changes at once; a gauge shows it at its next update.
#include <algorithm>
#include <cstdint>

#include "emulator/effects.h"

namespace emu::detail {

namespace {

struct ThrottleLever {
    ID32 event;
    ID32 position;
};

constexpr ThrottleLever throttle_levers[] = {
    {0x1011C, 0x80},
    {0x1011D, 0xA3},
    {0x1011E, 0xC6},
    {0x1011F, 0xE9},
};

constexpr std::int64_t throttle_idle = 0;
constexpr std::int64_t throttle_full = 16384;

}  // namespace

void install_throttle_effects(Host& host) {
    for (const ThrottleLever& lever : throttle_levers) {
        host.set_key_effect(lever.event, [position = lever.position](Host& h, std::uint32_t value) {
            const std::int64_t asked = static_cast<std::int32_t>(value);
            h.set_number(position, static_cast<double>(std::clamp(asked, throttle_idle, throttle_full)));
        });
    }
}

}  // namespace emu::detail
