// Steering of the Win32 stand-in, for the host emulator and tests on
// platforms without Windows: which windows exist, what the registry holds,
// whether a sound device can be had, where outside libraries are found,
// and counts of everything handed out and not yet given back.
#pragma once

#include <string>

#include "platform/standin/win32_standin.h"

namespace standin {

// Forgets every window, registry entry, fault and setting. Blocks, devices,
// keys and libraries still held stay counted, so a test can still see them.
void reset();

// Windows, found by FindWindowA by class name (and title, when given).
HWND create_window(const std::string& class_name, const std::string& title = "");
void destroy_window(HWND window);
int live_windows();

// Registry: string values under a key path of a root, matched without
// regard to case as Windows does. Setting a value creates its key.
void set_registry_string(HKEY root, const std::string& key, const std::string& name, const std::string& value);
void create_registry_key(HKEY root, const std::string& key);
void remove_registry_value(HKEY root, const std::string& key, const std::string& name);
void remove_registry_key(HKEY root, const std::string& key);
int open_registry_keys();

// GlobalAlloc: blocks not yet freed; make the next `count` calls fail.
int live_global_blocks();
void fail_global_allocs(int count);

// DirectSound: the default device works, cannot be created, or refuses
// the cooperative level.
enum class sound_fault { none, create_fails, cooperative_level_fails };
void set_sound_fault(sound_fault fault);
int live_sound_devices();
HWND last_cooperative_window();
DWORD last_cooperative_level();

// Libraries: LoadLibraryA("Name") finds Name.so in this folder (the bare
// name gets the platform's default extension, as on Windows).
void set_library_dir(const std::string& dir);
// References taken by LoadLibraryA and not yet given back by FreeLibrary,
// and whether the library is loaded at all.
int library_references(const std::string& name);
bool library_loaded(const std::string& name);

}  // namespace standin
