// Native modules: shared libraries opened with dlopen. Their bitmaps are
// the compiled resource image (.res) that the build places in the ELF
// section .gauge_resources; it is read from the file on disk.
#include <dlfcn.h>
#include <elf.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
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

#if defined(__x86_64__)
constexpr std::uint16_t host_machine = EM_X86_64;
#elif defined(__aarch64__)
constexpr std::uint16_t host_machine = EM_AARCH64;
#elif defined(__i386__)
constexpr std::uint16_t host_machine = EM_386;
#endif
constexpr unsigned char host_class = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;

std::string elf_machine_name(std::uint16_t machine) {
    switch (machine) {
        case EM_X86_64: return "x86_64";
        case EM_386: return "i386";
        case EM_AARCH64: return "arm64";
        case EM_ARM: return "arm";
        default: return "machine " + std::to_string(machine);
    }
}

// Names a file the loader would refuse for what it is, from its bytes: a
// Windows module, not an ELF file, built for another machine, cut short.
void check_elf_file(const std::vector<std::uint8_t>& file, const std::string& path) {
    if (file.size() >= 2 && file[0] == 'M' && file[1] == 'Z') {
        // The PE header's machine field says which Windows build loads it.
        const std::size_t pe = file.size() >= 0x40 ? le32(&file[0x3C]) : file.size();
        const std::uint16_t machine = pe < file.size() && file.size() - pe >= 6 ? le16(&file[pe + 4]) : 0;
        if (machine == 0x014C) throw WrongMachine(path + ": a 32-bit Windows module, not a native one", "i686");
        if (machine == 0x8664) throw WrongMachine(path + ": a 64-bit Windows module, not a native one", "x86_64");
        throw Error(path + ": not an ELF file (an MZ file of no machine this host knows)");
    }
    if (file.size() < SELFMAG || std::memcmp(file.data(), ELFMAG, SELFMAG) != 0)
        throw Error(path + ": not an ELF file (no ELF header)");
    const std::string cut = path + ": cut short (" + std::to_string(file.size()) + " bytes, ";
    if (file.size() < sizeof(Elf64_Ehdr) && !(file.size() >= sizeof(Elf32_Ehdr) && file[EI_CLASS] == ELFCLASS32))
        throw Error(cut + "not even its ELF header)");
    std::uint16_t machine = 0;
    std::memcpy(&machine, file.data() + offsetof(Elf64_Ehdr, e_machine), sizeof machine);
    if (file[EI_CLASS] != host_class || machine != host_machine)
        throw WrongMachine(path + ": built for " + elf_machine_name(machine) + " (" +
                               (file[EI_CLASS] == ELFCLASS32 ? "32" : "64") + "-bit); this program is " +
                               elf_machine_name(host_machine) + " (" + std::to_string(sizeof(void*) * 8) + "-bit)",
                           "native " + elf_machine_name(machine));
    Elf64_Ehdr eh;
    std::memcpy(&eh, file.data(), sizeof eh);
    const std::uint64_t sections_end = eh.e_shoff + std::uint64_t{eh.e_shnum} * eh.e_shentsize;
    const std::uint64_t segments_end = eh.e_phoff + std::uint64_t{eh.e_phnum} * eh.e_phentsize;
    std::uint64_t end = std::max(sections_end, segments_end);
    for (std::size_t i = 0; segments_end <= file.size() && eh.e_phentsize == sizeof(Elf64_Phdr) && i < eh.e_phnum; ++i) {
        Elf64_Phdr ph;
        std::memcpy(&ph, file.data() + eh.e_phoff + i * eh.e_phentsize, sizeof ph);
        end = std::max<std::uint64_t>(end, ph.p_offset + ph.p_filesz);
    }
    if (end > file.size()) throw Error(cut + "its contents end at byte " + std::to_string(end) + ")");
}

// Why dlopen refused a file whose headers are sound, in one line: a
// missing library is named.
std::string refusal(const std::string& full) {
    const char* raw = dlerror();
    std::string why = raw != nullptr ? raw : "unknown error";
    const std::string missing = ": cannot open shared object file";
    if (const std::size_t at = why.find(missing); at != std::string::npos && why.compare(0, at, full) != 0)
        return "a library it needs is missing: " + why.substr(0, at);
    if (const std::size_t at = why.rfind(": "); at != std::string::npos) why = why.substr(at + 2);
    return "cannot be loaded as a library: " + why;
}

// The bitmaps of each file read so far, by the file's identity on disk
// (device, inode, size, modification time): fuzzing and lifecycle runs load
// the same files thousands of times, and reading and parsing them again
// was most of a load's cost. A file rewritten in place is read anew.
using file_identity = std::tuple<dev_t, ino_t, off_t, time_t, long>;
std::map<file_identity, std::shared_ptr<const std::vector<Bitmap>>> bitmaps_read;

file_identity identity_of(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

// The files whose headers passed the check, by the same identity: a file
// is read whole for the check only the first time it is loaded.
std::set<file_identity> files_checked;

void check_file_once(const std::string& path, const char* resolved, const struct stat& st) {
    const file_identity id = identity_of(st);
    if (files_checked.count(id) != 0) return;
    check_elf_file(read_file(resolved), path);
    files_checked.insert(id);
}

std::shared_ptr<const std::vector<Bitmap>> bitmaps_of_file(const std::string& path, const struct stat& st) {
    const file_identity id = identity_of(st);
    std::shared_ptr<const std::vector<Bitmap>>& known = bitmaps_read[id];
    if (known == nullptr)
        known = std::make_shared<const std::vector<Bitmap>>(
            bitmaps_of(elf_section(read_file(path), ".gauge_resources"), path));
    return known;
}

}  // namespace

// The module is opened by its absolute path: dlopen searches the library
// path for a name without a slash, so a bare file name in the working
// folder would not be found, or another file of that name would.
ModuleFile open_module_file(const std::string& path) {
    char resolved[PATH_MAX];
    if (path.size() >= PATH_MAX || (realpath(path.c_str(), resolved) == nullptr && errno == ENAMETOOLONG))
        throw Error(path + ": path too long (" + std::to_string(path.size()) + " characters; at most " +
                    std::to_string(PATH_MAX - 1) + ")");
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) throw Error(path + ": no such file");
    if (!S_ISREG(st.st_mode)) throw Error(path + ": not a file");
    if (realpath(path.c_str(), resolved) == nullptr) throw Error(path + ": no such file");
    check_file_once(path, resolved, st);
    void* handle = dlopen(resolved, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) throw Error(path + ": not a gauge module (" + refusal(resolved) + ")");
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
