// Stand-in for the Win32 names that module code calls, for builds on other
// platforms. Each function behaves like its Windows original in the cases
// the modules use; tests steer the outside world it reports (windows,
// registry, sound devices, libraries, allocation failures) through
// platform/standin/standin_control.h.
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define WINAPIV
#define TRUE 1
#define FALSE 0
#define MAX_PATH 260

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = unsigned int;
using HRESULT = std::int32_t;
using SIZE_T = std::size_t;
using LPVOID = void*;
using LPCSTR = const char*;
using LPSTR = char*;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;
using REGSAM = DWORD;

struct standin_window;
struct standin_key;
struct standin_module;
using HWND = standin_window*;
using HKEY = standin_key*;
using HMODULE = standin_module*;
using HINSTANCE = HMODULE;
using HGLOBAL = void*;
using PHKEY = HKEY*;
using FARPROC = void (*)();

struct GUID {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};
using LPCGUID = const GUID*;

struct IUnknown;
using LPUNKNOWN = IUnknown*;

#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_KEY_DELETED = 1018;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr UINT GMEM_FIXED = 0x00;
inline constexpr UINT GMEM_MOVEABLE = 0x02;
inline constexpr UINT GMEM_ZEROINIT = 0x40;
inline constexpr DWORD DLL_PROCESS_DETACH = 0;
inline constexpr DWORD DLL_PROCESS_ATTACH = 1;
inline constexpr DWORD DSSCL_NORMAL = 1;
inline constexpr DWORD DSSCL_PRIORITY = 2;
inline constexpr DWORD DSSCL_EXCLUSIVE = 3;
inline constexpr DWORD DSSCL_WRITEPRIMARY = 4;
inline constexpr HRESULT DS_OK = 0;
inline constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078u);
inline constexpr HRESULT DSERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT DSERR_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
inline constexpr HRESULT DSERR_ALLOCATED = static_cast<HRESULT>(0x8878000Au);

// The DirectSound device interface, with the two methods the modules use.
struct IDirectSound {
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD level) = 0;
    virtual ULONG Release() = 0;

protected:
    ~IDirectSound() = default;
};
using LPDIRECTSOUND = IDirectSound*;

extern "C" {
// USER32
int WINAPIV wsprintfA(LPSTR out, LPCSTR format, ...);
HWND WINAPI FindWindowA(LPCSTR class_name, LPCSTR window_name);

// KERNEL32
LPSTR WINAPI lstrcpyA(LPSTR dest, LPCSTR src);
LPSTR WINAPI lstrcatA(LPSTR dest, LPCSTR src);
int WINAPI lstrcmpA(LPCSTR a, LPCSTR b);
HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
HGLOBAL WINAPI GlobalFree(HGLOBAL block);
HMODULE WINAPI LoadLibraryA(LPCSTR name);
HMODULE WINAPI GetModuleHandleA(LPCSTR name);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name);
BOOL WINAPI FreeLibrary(HMODULE module);

// ADVAPI32
LONG WINAPI RegOpenKeyExA(HKEY root, LPCSTR sub_key, DWORD options, REGSAM access, PHKEY result);
LONG WINAPI RegQueryValueExA(HKEY key, LPCSTR value_name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                             LPDWORD data_bytes);
LONG WINAPI RegCloseKey(HKEY key);

// DSOUND
HRESULT WINAPI DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* result, LPUNKNOWN outer);
}
