// What the host does with the key events the radio module relies on.
#include "emulator/effects.h"

namespace emu::detail {

void install_radio_effects(Host& host) { (void)host; }

}  // namespace emu::detail
