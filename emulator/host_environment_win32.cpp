// The host environment on Windows: a real top-level window of the host's
// class, and real values under the host's key in HKEY_LOCAL_MACHINE.
#include <windows.h>

#include "emulator/host_emulator.h"
#include "emulator/host_environment.h"

namespace emu {

namespace {

HWND host_window = nullptr;

std::string system_message(LONG code) {
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, static_cast<DWORD>(code), 0,
                   text, sizeof text, nullptr);
    std::string s = text;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ' || s.back() == '.')) s.pop_back();
    return s.empty() ? "error " + std::to_string(code) : s;
}

// The class is registered once per process and kept: windows of it come
// and go with the tests.
void register_host_class() {
    WNDCLASSA existing{};
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoA(instance, host_window_class, &existing)) return;
    WNDCLASSA c{};
    c.lpfnWndProc = DefWindowProcA;
    c.hInstance = instance;
    c.lpszClassName = host_window_class;
    if (RegisterClassA(&c) == 0)
        throw Error(std::string("window class ") + host_window_class + ": " +
                    system_message(static_cast<LONG>(GetLastError())));
}

}  // namespace

void open_host_window() {
    if (host_window_open()) return;
    register_host_class();
    host_window = CreateWindowExA(0, host_window_class, "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (host_window == nullptr)
        throw Error(std::string("window of class ") + host_window_class + ": " +
                    system_message(static_cast<LONG>(GetLastError())));
}

void close_host_window() {
    if (host_window_open()) DestroyWindow(host_window);
    host_window = nullptr;
}

bool host_window_open() { return host_window != nullptr && IsWindow(host_window); }

void set_host_registry_value(const std::string& name, const std::string& value) {
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, host_registry_key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                  nullptr);
    if (result == ERROR_SUCCESS) {
        result = RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }
    if (result != ERROR_SUCCESS)
        throw Error(std::string("HKEY_LOCAL_MACHINE\\") + host_registry_key + " value \"" + name +
                    "\": " + system_message(result));
}

void remove_host_registry_value(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, host_registry_key, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

// The key has values only, no subkeys, so deleting it takes them along.
void remove_host_registry_key() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, host_registry_key); }

void clear_host_environment() {
    close_host_window();
    remove_host_registry_key();
}

}  // namespace emu
