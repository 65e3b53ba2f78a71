// Native modules: shared libraries opened with dlopen. Their bitmaps are
// the compiled resource image (.res) that the build places in the ELF
// section .gauge_resources; it is read from the file on disk.
#include <dlfcn.h>
#include <elf.h>
#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <map>
#include <tuple>

#include "emulator/module_file.h"

namespace emu::detail {

namespace {

constexpr std::uint16_t resource_type_bitmap = 2;

// In one read: modules are loaded again and again by fuzzing and lifecycle
// runs, and a byte-by-byte stream read dominated their cost.
std::vector<std::uint8_t> read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamsize size = in ? static_cast<std::streamsize>(in.tellg()) : 0;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size > 0 ? size : 0));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) bytes.clear();
    return bytes;
}

// The bytes of the named section of a 64-bit ELF file, empty if absent.
std::vector<std::uint8_t> elf_section(const std::vector<std::uint8_t>& file, const char* wanted) {
    if (file.size() < sizeof(Elf64_Ehdr) || std::memcmp(file.data(), ELFMAG, SELFMAG) != 0 ||
        file[EI_CLASS] != ELFCLASS64)
        return {};
    Elf64_Ehdr eh;
    std::memcpy(&eh, file.data(), sizeof eh);
    auto header = [&](std::size_t i, Elf64_Shdr& sh) {
        const std::size_t at = eh.e_shoff + i * sizeof(Elf64_Shdr);
        if (at + sizeof sh > file.size()) return false;
        std::memcpy(&sh, file.data() + at, sizeof sh);
        return sh.sh_offset <= file.size() && sh.sh_size <= file.size() - sh.sh_offset;
    };
    Elf64_Shdr names;
    if (eh.e_shentsize != sizeof(Elf64_Shdr) || !header(eh.e_shstrndx, names)) return {};
    for (std::size_t i = 0; i < eh.e_shnum; ++i) {
        Elf64_Shdr sh;
        if (!header(i, sh) || sh.sh_name >= names.sh_size) continue;
        const char* name = reinterpret_cast<const char*>(file.data() + names.sh_offset + sh.sh_name);
        const std::size_t room = names.sh_size - sh.sh_name;
        if (strnlen(name, room) < room && std::strcmp(name, wanted) == 0 && sh.sh_type != SHT_NOBITS)
            return {file.begin() + static_cast<std::ptrdiff_t>(sh.sh_offset),
                    file.begin() + static_cast<std::ptrdiff_t>(sh.sh_offset + sh.sh_size)};
    }
    return {};
}

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

// A resource type or name: a number (0xFFFF, then the id) or a UTF-16
// string ended by a zero character. Returns the bytes it takes, or 0.
std::size_t res_id(const std::uint8_t* p, std::size_t room, bool& numeric, std::uint16_t& id) {
    if (room >= 4 && le16(p) == 0xFFFF) {
        numeric = true;
        id = le16(p + 2);
        return 4;
    }
    numeric = false;
    for (std::size_t at = 0; at + 2 <= room; at += 2)
        if (le16(p + at) == 0) return at + 2;
    return 0;
}

// Every bitmap in a compiled resource image: records of data size, header
// size, type, name, then version, flags, language and two more words.
std::vector<Bitmap> bitmaps_of(const std::vector<std::uint8_t>& res, const std::string& path) {
    std::vector<Bitmap> out;
    std::size_t at = 0;
    while (at + 8 <= res.size()) {
        const std::uint32_t data_bytes = le32(&res[at]);
        const std::uint32_t header_bytes = le32(&res[at + 4]);
        if (header_bytes < 16 || at + header_bytes > res.size() || data_bytes > res.size() - at - header_bytes)
            throw Error(path + ": its resource image is damaged");
        bool type_numeric = false, name_numeric = false;
        std::uint16_t type = 0, name = 0;
        std::size_t field = at + 8;
        const std::size_t end = at + header_bytes;
        const std::size_t t = res_id(&res[field], end - field, type_numeric, type);
        if (t == 0) throw Error(path + ": its resource image is damaged");
        field += t;
        const std::size_t n = res_id(&res[field], end - field, name_numeric, name);
        if (n == 0) throw Error(path + ": its resource image is damaged");
        field = (field + n + 3) & ~static_cast<std::size_t>(3);
        if (field + 16 > end) throw Error(path + ": its resource image is damaged");
        const std::uint16_t language = le16(&res[field + 6]);
        if (type_numeric && type == resource_type_bitmap && name_numeric && data_bytes > 0)
            out.push_back(parse_dib(&res[at + header_bytes], data_bytes, name, language, path));
        at = (at + header_bytes + data_bytes + 3) & ~static_cast<std::size_t>(3);
    }
    return out;
}

// The bitmaps of each file read so far, by the file's identity on disk
// (device, inode, size, modification time): fuzzing and lifecycle runs load
// the same files thousands of times, and reading and parsing them again
// was most of a load's cost. A file rewritten in place is read anew.
using file_identity = std::tuple<dev_t, ino_t, off_t, time_t, long>;
std::map<file_identity, std::shared_ptr<const std::vector<Bitmap>>> bitmaps_read;

std::shared_ptr<const std::vector<Bitmap>> bitmaps_of_file(const std::string& path, const struct stat& st) {
    const file_identity id{st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
    std::shared_ptr<const std::vector<Bitmap>>& known = bitmaps_read[id];
    if (known == nullptr)
        known = std::make_shared<const std::vector<Bitmap>>(
            bitmaps_of(elf_section(read_file(path), ".gauge_resources"), path));
    return known;
}

}  // namespace

ModuleFile open_module_file(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) throw Error(path + ": no such file");
    if (!S_ISREG(st.st_mode)) throw Error(path + ": not a file");
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) throw Error(path + ": not a gauge module (cannot be loaded as a library)");
    ModuleFile m;
    m.handle = handle;
    m.linkage = static_cast<GAUGESLINKAGE*>(dlsym(handle, "Linkage"));
    m.import_table = static_cast<IMPORT_TABLE*>(dlsym(handle, "ImportTable"));
    if (m.linkage == nullptr || m.import_table == nullptr) {
        dlclose(handle);
        throw Error(path + ": not a gauge module (it does not export Linkage and ImportTable)");
    }
    try {
        m.bitmaps = bitmaps_of_file(path, st);
    } catch (...) {
        dlclose(handle);
        throw;
    }
    return m;
}

void close_module_file(MODULE_HANDLE handle) {
    if (handle != nullptr) dlclose(handle);
}

}  // namespace emu::detail
