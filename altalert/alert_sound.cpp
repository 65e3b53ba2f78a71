// The sound device and the sound folder path, both held from install to
// kill. The path comes from the host's own registry key: its "path" value
// followed by "\Sound\", in a 260-byte block of the module.
#include "altalert/alert_sound.h"

#include <cstring>

#include "platform/win32.h"

static LPDIRECTSOUND sound_device = nullptr;
static LPSTR sound_folder_path = nullptr;

static constexpr char host_window_class[] = "FS98MAIN";
static constexpr char host_key[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";
static constexpr DWORD path_block_bytes = 260;
static constexpr char sound_folder_suffix[] = "\\Sound\\";

// Whether the block holds a zero-terminated text short enough for the
// suffix and a new terminating zero. A "path" value of exactly the block's
// size comes back without a zero, and a long one leaves no room: in both
// cases appending would run past the block.
static bool path_leaves_room_for_suffix() {
    const void* end = std::memchr(sound_folder_path, '\0', path_block_bytes);
    if (end == nullptr) return false;
    const auto length = static_cast<std::size_t>(static_cast<const char*>(end) - sound_folder_path);
    return length + sizeof sound_folder_suffix <= path_block_bytes;
}

static void forget_sound_folder_path() {
    if (sound_folder_path == nullptr) return;
    GlobalFree(sound_folder_path);
    sound_folder_path = nullptr;
}

void alert_sound_open() {
    HWND host_window = FindWindowA(host_window_class, nullptr);
    if (host_window == nullptr) return;

    // An open before the last one was closed (a second install of the
    // gauge) starts by giving back what the first one holds.
    alert_sound_close();

    // A failed create may leave anything in the result; nothing is held.
    if (DirectSoundCreate(nullptr, &sound_device, nullptr) != DS_OK) {
        sound_device = nullptr;
        return;
    }
    // From here on the device stays held until close, whatever fails.
    if (sound_device->SetCooperativeLevel(host_window, DSSCL_NORMAL) != DS_OK) return;

    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, host_key, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    // Only whether the host has a player name matters.
    if (RegQueryValueExA(key, "PlayerName", nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        RegCloseKey(key);
        return;
    }
    sound_folder_path = static_cast<LPSTR>(GlobalAlloc(GMEM_ZEROINIT, path_block_bytes));
    if (sound_folder_path == nullptr) {
        RegCloseKey(key);
        return;
    }
    DWORD path_bytes = path_block_bytes;
    const LONG read = RegQueryValueExA(key, "path", nullptr, nullptr, reinterpret_cast<LPBYTE>(sound_folder_path),
                                       &path_bytes);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || !path_leaves_room_for_suffix()) {
        forget_sound_folder_path();
        return;
    }
    // Appended whatever the path ends with, a backslash included.
    lstrcatA(sound_folder_path, sound_folder_suffix);
}

void alert_sound_close() {
    forget_sound_folder_path();
    if (sound_device != nullptr) {
        sound_device->Release();
        sound_device = nullptr;
    }
}
