// The world outside the modules as the simulator sets it up on a user's
// machine (emulator/host_environment.h: its main window and registry key),
// plus what the Win32 stand-in decides beyond it: a working sound device
// and the outside sound library on the library path.
#pragma once

#include "emulator/host_environment.h"
#include "platform/standin/standin_control.h"

namespace world {

// No simulator and nothing outside: no main window, no key, the sound
// device working, no outside library; the stand-in's settings forgotten.
void clear();

// clear(), then the whole simulator world: every resource a module may
// take is there to be taken.
void furnish();

}  // namespace world
