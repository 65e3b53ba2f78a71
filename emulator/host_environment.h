// The machine around the simulator, as a gauge module finds it: the
// simulator's main window and the simulator's own registry key. Tests and
// tools set it up for a run and take it down afterwards. On Windows these
// are a real window and real registry values; elsewhere the Win32
// stand-in's.
#pragma once

#include <string>

namespace emu {

// The window class of the simulator's main window, which modules look for.
inline constexpr const char* host_window_class = "FS98MAIN";
// The simulator's key under HKEY_LOCAL_MACHINE.
inline constexpr const char* host_registry_key = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";

// Opens a top-level window of class host_window_class, so that modules find
// the simulator running. Opening it while it is open does nothing. Throws
// emu::Error when the window cannot be made.
void open_host_window();
// Closes the window if it is open.
void close_host_window();
bool host_window_open();

// String values (REG_SZ) of the host's key. Setting a value creates the
// key. Throws emu::Error when the registry refuses, naming the value.
void set_host_registry_value(const std::string& name, const std::string& value);
// Removing a value or key that is not there does nothing.
void remove_host_registry_value(const std::string& name);
// Removes the key with all its values.
void remove_host_registry_key();

// Closes the window and removes the key: no simulator on the machine.
void clear_host_environment();

}  // namespace emu
