// The platform side of loading a module: open the library file, find its
// two exported records, read its bitmap resources, and let it go again.
// module_file_posix.cpp opens native modules (dlopen; resources from the
// ELF section .gauge_resources), module_file_win32.cpp opens .gau files
// with the real loader and resource functions.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "emulator/host_emulator.h"

namespace emu::detail {

struct ModuleFile {
    MODULE_HANDLE handle = nullptr;
    GAUGESLINKAGE* linkage = nullptr;
    IMPORT_TABLE* import_table = nullptr;
    // Every language copy of every bitmap resource; shared and never
    // changed, so that a file loaded again need not be read again.
    std::shared_ptr<const std::vector<Bitmap>> bitmaps;
};

// Throws Error, naming the path, when the file is missing, cannot be loaded
// as a library, or does not export both records.
ModuleFile open_module_file(const std::string& path);
void close_module_file(MODULE_HANDLE handle);

// A device-independent bitmap as stored in a bitmap resource (no file
// header): 8 bits per pixel with its palette. Throws Error for any other
// form, naming `what`.
Bitmap parse_dib(const std::uint8_t* data, std::size_t size, ID32 id, std::uint16_t language, const std::string& what);

}  // namespace emu::detail
