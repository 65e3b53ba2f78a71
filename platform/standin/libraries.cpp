// The KERNEL32 library functions the modules use, over dlopen. Each
// LoadLibraryA that succeeds is one dlopen and one reference, each
// FreeLibrary one dlclose, so the library really unloads when its last
// reference goes, as on Windows. A bare name is looked for in the folder
// set by standin::set_library_dir and gets the default extension ".so".
//
// Handles are tokens that are never reused, so a handle kept past the
// library's unload is recognised as unknown rather than taken for a
// library loaded later at the same address; freeing one, or looking up an
// entry point in one, is recorded as a fault. Every call is logged.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/standin/parts.h"
#include "platform/standin/standin_control.h"

namespace {

struct Library {
    std::string key;   // the file name in lower case, as GetModuleHandleA matches it
    std::string file;  // as it was opened
    void* dl = nullptr;
    int references = 0;
    // Entry points looked up so far, found or not: a library's symbols do
    // not change while it is loaded, and modules ask for theirs every frame.
    std::vector<std::pair<std::string, FARPROC>> entry_points;
};

std::string library_dir;
std::map<std::uintptr_t, Library> libraries;  // by handle
std::uintptr_t next_handle = 0x10000;

constexpr const char* default_extension = ".so";

// The final component of a path, Windows or POSIX separators alike.
std::string file_part(const std::string& name) {
    const auto slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

bool has_path(const std::string& name) { return name.find_first_of("/\\") != std::string::npos; }

// The name with the default extension when it has none. A trailing dot
// means "no extension" on Windows and is dropped.
std::string with_extension(const std::string& name) {
    if (!name.empty() && name.back() == '.') return name.substr(0, name.size() - 1);
    return file_part(name).find('.') == std::string::npos ? name + default_extension : name;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string key_of(const std::string& name) { return lower(file_part(with_extension(name))); }

// Whether key_of(name) is `key`, worked out without building strings:
// GetModuleHandleA runs every frame.
bool has_key(const char* name, const std::string& key) {
    const char* file = name;
    for (const char* p = name; *p != '\0'; ++p)
        if (*p == '/' || *p == '\\') file = p + 1;
    std::size_t length = std::strlen(file);
    const char* extension = "";
    if (length > 0 && file[length - 1] == '.') --length;
    else if (std::memchr(file, '.', length) == nullptr) extension = default_extension;
    const std::size_t extension_length = std::strlen(extension);
    if (key.size() != length + extension_length) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (static_cast<char>(std::tolower(static_cast<unsigned char>(file[i]))) != key[i]) return false;
    return key.compare(length, extension_length, extension) == 0;
}

// Where LoadLibraryA looks for a name: a path as given, a bare name in the
// library folder (or, with no folder set, wherever dlopen searches). Made
// in one buffer that keeps its room, since a module may look for a missing
// library every frame; valid until the next call.
const std::string& file_of(const std::string& name) {
    static std::string path;
    path = with_extension(name);
    if (has_path(path) || library_dir.empty()) return path;
    path.insert(0, "/");
    path.insert(0, library_dir);
    return path;
}

Library* find(HMODULE module) {
    const auto it = libraries.find(reinterpret_cast<std::uintptr_t>(module));
    return it == libraries.end() ? nullptr : &it->second;
}

// When two loaded files share a name, the one loaded first, as on Windows.
std::map<std::uintptr_t, Library>::iterator find_by_key(const std::string& key) {
    return std::find_if(libraries.begin(), libraries.end(), [&](const auto& entry) { return entry.second.key == key; });
}

HMODULE handle_of(std::uintptr_t token) { return reinterpret_cast<HMODULE>(token); }

std::string_view logged_name(LPCSTR name) { return name == nullptr ? "-" : name; }

}  // namespace

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR name) {
    standin::log_call("LoadLibraryA", logged_name(name));
    if (name == nullptr || *name == '\0') return nullptr;
    // A bare name whose library is loaded already means that library,
    // whichever folder it came from.
    const auto loaded = has_path(name) ? libraries.end() : find_by_key(key_of(name));
    const std::string& file = loaded != libraries.end() ? loaded->second.file : file_of(name);
    // A file named by its path that is not there fails without dlopen,
    // which would search and report through the heap: a module may try a
    // missing library every frame.
    if (has_path(file) && access(file.c_str(), F_OK) != 0) return nullptr;
    void* dl = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (dl == nullptr) return nullptr;
    // The same library loaded again (under any of its names) shares its handle.
    for (auto& [token, library] : libraries) {
        if (library.dl == dl) {
            ++library.references;
            return handle_of(token);
        }
    }
    const std::uintptr_t token = next_handle;
    next_handle += 0x10000;
    libraries[token] = Library{.key = key_of(name), .file = file, .dl = dl, .references = 1};
    return handle_of(token);
}

// Only libraries loaded by LoadLibraryA count; the name is matched by file
// name without regard to case, with the default extension when it has none.
extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR name) {
    standin::log_call("GetModuleHandleA", logged_name(name));
    if (name == nullptr) return nullptr;
    const auto it =
        std::find_if(libraries.begin(), libraries.end(), [&](const auto& entry) { return has_key(name, entry.second.key); });
    return it == libraries.end() ? nullptr : handle_of(it->first);
}

extern "C" FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name) {
    // Names below 0x10000 are ordinals, which the stand-in does not export by.
    const auto ordinal = reinterpret_cast<std::uintptr_t>(name);
    if (ordinal < 0x10000) standin::log_call("GetProcAddress #" + std::to_string(ordinal));
    else standin::log_call("GetProcAddress", name);
    Library* library = find(module);
    if (library == nullptr && module != nullptr)
        standin::record_fault("GetProcAddress: a handle that is not a loaded library");
    if (library == nullptr || ordinal < 0x10000) return nullptr;
    for (const auto& [known, address] : library->entry_points)
        if (known == name) return address;
    const auto address = reinterpret_cast<FARPROC>(dlsym(library->dl, name));
    library->entry_points.emplace_back(name, address);
    return address;
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE module) {
    standin::log_call("FreeLibrary");
    Library* library = find(module);
    if (library == nullptr) {
        standin::record_fault("FreeLibrary: a handle that is not a loaded library");
        return FALSE;
    }
    dlclose(library->dl);
    if (--library->references == 0) libraries.erase(reinterpret_cast<std::uintptr_t>(module));
    return TRUE;
}

namespace standin {

void set_library_dir(const std::string& dir) { library_dir = dir; }

int library_references(const std::string& name) {
    const auto it = find_by_key(key_of(name));
    return it == libraries.end() ? 0 : it->second.references;
}

bool library_loaded(const std::string& name) { return find_by_key(key_of(name)) != libraries.end(); }

void reset_libraries() { library_dir.clear(); }

}  // namespace standin
