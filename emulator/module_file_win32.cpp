// Windows modules: .gau files opened with the system loader, as the
// simulator opens them. Bitmaps come from the module's resources through
// the resource functions, every language copy of every bitmap.
#include <windows.h>

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

}  // namespace

ModuleFile open_module_file(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) throw Error(path + ": no such file");
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw Error(path + ": not a file");
    // No error dialog for a file the loader refuses.
    const UINT old_mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA(path.c_str());
    SetErrorMode(old_mode);
    if (module == nullptr) throw Error(path + ": not a gauge module (cannot be loaded as a library)");
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
