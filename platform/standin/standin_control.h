// Steering of the Win32 stand-in, for the host emulator and tests on
// platforms without Windows: which windows exist, what the registry holds,
// whether a sound device can be had, where outside libraries are found,
// and counts of everything handed out and not yet given back.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/standin/win32_standin.h"

namespace standin {

// Forgets every window, registry entry, injected fault and setting, the
// call log and the recorded faults. Blocks, devices, keys and libraries
// still held stay counted, so a test can still see them.
void reset();

// What a failed call leaves in its out-parameters. Windows promises
// nothing there, so by default (and after reset) the stand-in leaves what a
// careless caller would trip on: a failed DirectSoundCreate leaves a
// non-null pointer that is no device (any use of it is recorded as a
// fault), a failed RegOpenKeyExA leaves the handle variable untouched.
// `cleared` writes null into both instead, as a forgiving system might.
enum class failed_results { junk, cleared };
void set_failed_results(failed_results how);

// Windows, found by FindWindowA by class name (and title, when given),
// both matched without regard to case as Windows does.
HWND create_window(const std::string& class_name, const std::string& title = "");
void destroy_window(HWND window);
bool window_exists(HWND window);
int live_windows();

// Registry: values under a key path of a root, key paths and value names
// matched without regard to case as Windows does. Setting a value creates
// its key and the key's parents.
// A string value is stored as REG_SZ with its terminating zero, so its
// size is its length plus one.
void set_registry_string(HKEY root, const std::string& key, const std::string& name, const std::string& value);
// A value stored exactly as the given bytes, e.g. a string without its
// terminating zero, as a careless writer can leave one.
void set_registry_bytes(HKEY root, const std::string& key, const std::string& name, DWORD type,
                        const std::string& bytes);
void create_registry_key(HKEY root, const std::string& key);
void remove_registry_value(HKEY root, const std::string& key, const std::string& name);
// Removes the key with its values and every key below it.
void remove_registry_key(HKEY root, const std::string& key);
int open_registry_keys();

// GlobalAlloc: blocks not yet freed; make the next `count` calls fail.
int live_global_blocks();
void fail_global_allocs(int count);
// The bytes of every live block, in the order they were allocated.
std::vector<std::string> live_global_block_contents();

// DirectSound: the default device works, cannot be created, or refuses
// the cooperative level.
enum class sound_fault { none, create_fails, cooperative_level_fails };
void set_sound_fault(sound_fault fault);
// Devices created and not yet released down to no reference.
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

// The calls made to the windows, registry, memory, sound and library
// functions, in order, one line each: the function's name and then what it
// was asked, separated by single spaces:
//   FindWindowA <class, or "-" for none> [<title>]
//   RegOpenKeyExA <root or "key">\<sub key> <access, hex 0x...>
//   RegQueryValueExA <value name> <buffer size, or "-" for no buffer>
//   RegCloseKey
//   GlobalAlloc <flags, hex 0x...> <bytes>
//   GlobalFree
//   DirectSoundCreate
//   SetCooperativeLevel <level>
//   Release
//   LoadLibraryA <name, or "-" for none>
//   GetModuleHandleA <name, or "-" for none>
//   GetProcAddress <entry-point name, or #<ordinal>>
//   FreeLibrary
// Roots are written HKLM and HKCU. Every call is logged, failed ones too;
// the log holds the last 4096 calls, each line cut at 192 characters.
std::vector<std::string> call_log();
void clear_call_log();
// Called with each line as it is logged, e.g. to place the calls among
// other events of a run; an empty function stops it. reset() keeps it.
void set_call_listener(std::function<void(const std::string&)> listener);

// Uses of the stand-in that Windows would reject or punish: a block freed
// twice or written past its end, a key closed twice, a device released
// more often than it was referenced, a handle that was never handed out
// or is used after its library was released.
// Empty in a healthy run.
std::vector<std::string> faults();
std::vector<std::string> take_faults();

}  // namespace standin
