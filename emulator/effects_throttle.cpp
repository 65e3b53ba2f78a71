// What the host does with the key events the throttle module relies on.
#include "emulator/effects.h"

namespace emu::detail {

void install_throttle_effects(Host& host) { (void)host; }

}  // namespace emu::detail
