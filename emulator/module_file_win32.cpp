// Windows modules: .gau files opened with the system loader, as the
// simulator opens them. Bitmaps come from the module's resources through
// the resource functions, every language copy of every bitmap.
#include <windows.h>

#include <algorithm>

#include "emulator/module_file.h"

namespace emu::detail {

namespace {

// Resource ids and languages are collected first and read afterwards: the
// enumeration callbacks must not throw through the system's frames.
BOOL CALLBACK collect_id(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<WORD>*>(param)->push_back(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

BOOL CALLBACK collect_language(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) {
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

Bitmap read_bitmap(HMODULE module, WORD id, WORD language, const std::string& path) {
    HRSRC found = FindResourceExA(module, RT_BITMAP, MAKEINTRESOURCEA(id), language);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) throw Error(path + ": bitmap " + std::to_string(id) + " cannot be read");
    return parse_dib(static_cast<const std::uint8_t*>(data), SizeofResource(module, found), id, language, path);
}

std::vector<Bitmap> bitmaps_of(HMODULE module, const std::string& path) {
    // A module without bitmaps makes the enumeration fail with
    // ERROR_RESOURCE_TYPE_NOT_FOUND: an empty list, not an error.
    std::vector<WORD> ids;
    EnumResourceNamesA(module, RT_BITMAP, collect_id, reinterpret_cast<LONG_PTR>(&ids));
    std::vector<Bitmap> out;
    for (WORD id : ids) {
        std::vector<WORD> languages;
        EnumResourceLanguagesA(module, RT_BITMAP, MAKEINTRESOURCEA(id), collect_language,
                               reinterpret_cast<LONG_PTR>(&languages));
        for (WORD language : languages) out.push_back(read_bitmap(module, id, language, path));
    }
    return out;
}

// The machine this host loads modules for, and its name.
#if defined(_WIN64)
constexpr WORD host_machine = IMAGE_FILE_MACHINE_AMD64;
#else
constexpr WORD host_machine = IMAGE_FILE_MACHINE_I386;
#endif

std::string machine_name(WORD machine) {
    switch (machine) {
        case IMAGE_FILE_MACHINE_I386: return "i686";
        case IMAGE_FILE_MACHINE_AMD64: return "x86_64";
        case IMAGE_FILE_MACHINE_ARM64: return "arm64";
        default: {
            char hex[8];
            wsprintfA(hex, "0x%04X", machine);
            return std::string("machine ") + hex;
        }
    }
}

std::string bits_of(WORD machine) { return machine == IMAGE_FILE_MACHINE_I386 ? "32-bit" : "64-bit"; }

std::vector<std::uint8_t> read_file(const std::string& full, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    HANDLE f = CreateFileA(full.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) throw Error(path + ": cannot be read");
    LARGE_INTEGER size{};
    DWORD got = 0;
    const bool ok = GetFileSizeEx(f, &size) != 0 && size.QuadPart < (1LL << 30) &&
                    (bytes.resize(static_cast<std::size_t>(size.QuadPart)), true) &&
                    (bytes.empty() || ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) != 0) &&
                    got == bytes.size();
    CloseHandle(f);
    if (!ok) throw Error(path + ": cannot be read");
    return bytes;
}

std::uint32_t le32(const std::vector<std::uint8_t>& f, std::size_t at) {
    return static_cast<std::uint32_t>(f[at]) | static_cast<std::uint32_t>(f[at + 1]) << 8 |
           static_cast<std::uint32_t>(f[at + 2]) << 16 | static_cast<std::uint32_t>(f[at + 3]) << 24;
}
std::uint16_t le16(const std::vector<std::uint8_t>& f, std::size_t at) {
    return static_cast<std::uint16_t>(f[at] | f[at + 1] << 8);
}

// The names of the libraries a PE file imports, read from the file.
std::vector<std::string> imported_libraries(const std::vector<std::uint8_t>& f, std::size_t sections,
                                            std::size_t section_count, std::uint32_t import_rva) {
    auto offset_of = [&](std::uint32_t rva) -> std::size_t {
        for (std::size_t i = 0; i < section_count; ++i) {
            const std::size_t sh = sections + i * 40;
            const std::uint32_t va = le32(f, sh + 12), raw_size = le32(f, sh + 16), raw = le32(f, sh + 20);
            if (rva >= va && rva - va < raw_size) return raw + (rva - va);
        }
        return f.size();
    };
    std::vector<std::string> names;
    for (std::size_t at = offset_of(import_rva); import_rva != 0 && at + 20 <= f.size(); at += 20) {
        const std::uint32_t name_rva = le32(f, at + 12);
        if (name_rva == 0) break;
        const std::size_t name = offset_of(name_rva);
        std::string text;
        for (std::size_t i = name; i < f.size() && f[i] != 0 && text.size() < 260; ++i) text += static_cast<char>(f[i]);
        if (!text.empty()) names.push_back(text);
    }
    return names;
}

// Reads the file's headers before the loader sees it, so that a file the
// loader would refuse is named for what it is: not a PE file, cut short,
// or built for another machine. Returns the libraries it imports.
std::vector<std::string> check_pe_file(const std::string& full, const std::string& path) {
    const std::vector<std::uint8_t> f = read_file(full, path);
    if (f.size() >= 4 && f[0] == 0x7F && f[1] == 'E' && f[2] == 'L' && f[3] == 'F')
        throw WrongMachine(path + ": a native (ELF) module, not a Windows one", "native");
    if (f.size() < 2 || f[0] != 'M' || f[1] != 'Z') throw Error(path + ": not a PE file (no MZ header)");
    const std::string cut = path + ": cut short (" + std::to_string(f.size()) + " bytes, ";
    if (f.size() < 0x40) throw Error(cut + "not even its DOS header)");
    const std::size_t pe = le32(f, 0x3C);
    if (pe > f.size() || f.size() - pe < 24) throw Error(cut + "its PE header lies beyond)");
    if (le32(f, pe) != 0x00004550) throw Error(path + ": not a PE file (no PE signature)");
    const WORD machine = le16(f, pe + 4);
    if (machine != host_machine)
        throw WrongMachine(path + ": built for " + machine_name(machine) + " (a " + bits_of(machine) +
                               " module); this program is " + bits_of(host_machine) + " (" +
                               machine_name(host_machine) + ")",
                           machine_name(machine));
    const std::size_t section_count = le16(f, pe + 6);
    const std::size_t optional = pe + 24, optional_size = le16(f, pe + 20);
    const std::size_t sections = optional + optional_size;
    if (sections + section_count * 40 > f.size()) throw Error(cut + "its section table lies beyond)");
    std::size_t end = sections + section_count * 40;
    for (std::size_t i = 0; i < section_count; ++i) {
        const std::size_t sh = sections + i * 40;
        end = std::max<std::size_t>(end, std::size_t{le32(f, sh + 20)} + le32(f, sh + 16));
    }
    if (end > f.size()) throw Error(cut + "its sections end at byte " + std::to_string(end) + ")");
    // The import directory: data directory 1, after 96 (PE32) or 112
    // (PE32+) bytes of the optional header.
    const std::size_t directories = optional + (le16(f, optional) == 0x20B ? 112 : 96);
    const std::uint32_t import_rva =
        directories + 16 <= sections && le32(f, optional + (le16(f, optional) == 0x20B ? 108 : 92)) > 1
            ? le32(f, directories + 8)
            : 0;
    return imported_libraries(f, sections, section_count, import_rva);
}

// Why the loader refused a file whose headers are sound, in one line.
std::string refusal(DWORD code, const std::vector<std::string>& imports) {
    switch (code) {
        case ERROR_MOD_NOT_FOUND:
            for (const std::string& library : imports) {
                HMODULE found = LoadLibraryExA(library.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
                if (found == nullptr) return "a library it needs is missing: " + library;
                FreeLibrary(found);
            }
            return "a library that one of its libraries needs is missing";
        case ERROR_PROC_NOT_FOUND:
            return "a library it needs lacks a function it imports";
        case ERROR_DLL_INIT_FAILED:
            return "its entry point refused to load (DllMain returned FALSE)";
        default:
            return "cannot be loaded as a library (Windows error " + std::to_string(code) + ")";
    }
}

}  // namespace

// The module is loaded by its full path, made from the name given and the
// working folder: a relative name handed to the loader as it is would go
// through the library search, which can find another file of that name
// first (beside the program, in the system folders).
ModuleFile open_module_file(const std::string& path) {
    char full[MAX_PATH];
    const DWORD length = path.size() < MAX_PATH ? GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr) : 0;
    if (path.size() >= MAX_PATH || length >= MAX_PATH)
        throw Error(path + ": path too long (" + std::to_string(std::max<std::size_t>(path.size(), length)) +
                    " characters; the loader takes at most " + std::to_string(MAX_PATH - 1) + ")");
    if (length == 0) throw Error(path + ": no such file");
    const DWORD attributes = GetFileAttributesA(full);
    if (attributes == INVALID_FILE_ATTRIBUTES) throw Error(path + ": no such file");
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw Error(path + ": not a file");
    const std::vector<std::string> imports = check_pe_file(full, path);
    // No error dialog for a file the loader refuses.
    const UINT old_mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA(full);
    const DWORD code = module == nullptr ? GetLastError() : 0;
    SetErrorMode(old_mode);
    if (module == nullptr) throw Error(path + ": not a gauge module (" + refusal(code, imports) + ")");
    ModuleFile m;
    m.handle = module;
    m.linkage = reinterpret_cast<GAUGESLINKAGE*>(GetProcAddress(module, "Linkage"));
    m.import_table = reinterpret_cast<IMPORT_TABLE*>(GetProcAddress(module, "ImportTable"));
    if (m.linkage == nullptr || m.import_table == nullptr) {
        FreeLibrary(module);
        throw Error(path + ": not a gauge module (it does not export Linkage and ImportTable)");
    }
    try {
        m.bitmaps = std::make_shared<const std::vector<Bitmap>>(bitmaps_of(module, path));
    } catch (...) {
        FreeLibrary(module);
        throw;
    }
    return m;
}

void close_module_file(MODULE_HANDLE handle) {
    if (handle != nullptr) FreeLibrary(static_cast<HMODULE>(handle));
}

}  // namespace emu::detail
