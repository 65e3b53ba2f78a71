// The world outside the modules, as the simulator sets it up on a user's
// machine: its main window, its registry key with the player's name and its
// folder, a working sound device, and the outside sound library on the
// library path. Through the Win32 stand-in's steering.
#pragma once

#include <string>

#include "platform/standin/standin_control.h"

namespace world {

inline constexpr const char* main_window_class = "FS98MAIN";
inline constexpr const char* simulator_key = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";

// Forgets whatever was set up before (windows included), then sets up
// nothing: no window, no key, sound device working, no outside library.
void clear();

// clear(), then the whole simulator world: every resource a module may
// take is there to be taken.
void furnish();

// The simulator's main window, created if there is none yet.
void open_main_window();

}  // namespace world
