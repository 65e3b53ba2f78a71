// The host environment on the Win32 stand-in: its window and registry.
#include "emulator/host_environment.h"

#include "platform/standin/standin_control.h"

namespace emu {

namespace {
HWND host_window = nullptr;
}

void open_host_window() {
    if (!standin::window_exists(host_window)) host_window = standin::create_window(host_window_class);
}

// A stand-in reset forgets every window; then there is nothing to destroy.
void close_host_window() {
    if (standin::window_exists(host_window)) standin::destroy_window(host_window);
    host_window = nullptr;
}

bool host_window_open() { return standin::window_exists(host_window); }

void set_host_registry_value(const std::string& name, const std::string& value) {
    standin::set_registry_string(HKEY_LOCAL_MACHINE, host_registry_key, name, value);
}

void remove_host_registry_value(const std::string& name) {
    standin::remove_registry_value(HKEY_LOCAL_MACHINE, host_registry_key, name);
}

void remove_host_registry_key() { standin::remove_registry_key(HKEY_LOCAL_MACHINE, host_registry_key); }

void clear_host_environment() {
    close_host_window();
    remove_host_registry_key();
}

}  // namespace emu
