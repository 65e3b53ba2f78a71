#include "tools/pecheck/pe_file.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

namespace pecheck {

namespace {

constexpr std::uint32_t section_code = 0x00000020;
constexpr std::uint32_t section_execute = 0x20000000;

constexpr std::size_t directory_export = 0;
constexpr std::size_t directory_import = 1;
constexpr std::size_t directory_resource = 2;
constexpr std::size_t directory_delay_import = 13;

struct DataDirectory {
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
};

// Bounds-checked little-endian reads over the file's bytes and over the
// image's relative addresses (through the section table).
class Reader {
public:
    Reader(const std::vector<std::uint8_t>& bytes, std::string what) : bytes_(bytes), what_(std::move(what)) {}

    [[noreturn]] void fail(const std::string& why) const { throw PeError(what_ + ": " + why); }

    std::uint16_t u16(std::size_t at) const {
        need(at, 2);
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) const {
        need(at, 4);
        return static_cast<std::uint32_t>(bytes_[at]) | static_cast<std::uint32_t>(bytes_[at + 1]) << 8 |
               static_cast<std::uint32_t>(bytes_[at + 2]) << 16 | static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
    }
    void need(std::size_t at, std::size_t count) const {
        if (at > bytes_.size() || count > bytes_.size() - at) fail("is cut short (a table runs past the end of the file)");
    }
    std::size_t size() const { return bytes_.size(); }
    const std::uint8_t* data() const { return bytes_.data(); }

    void set_sections(const std::vector<Section>* sections) { sections_ = sections; }

    // The file offset of an image address, with `count` bytes behind it.
    std::size_t offset_of(std::uint32_t rva, std::size_t count = 1) const {
        for (const Section& s : *sections_) {
            const std::uint32_t span = s.virtual_size > s.raw_size ? s.virtual_size : s.raw_size;
            if (rva >= s.virtual_address && rva - s.virtual_address < span) {
                const std::uint32_t into = rva - s.virtual_address;
                if (into >= s.raw_size || count > s.raw_size - into) break;
                const std::size_t at = static_cast<std::size_t>(s.raw_offset) + into;
                need(at, count);
                return at;
            }
        }
        fail("has an address outside its sections (" + std::to_string(rva) + ")");
    }

    std::uint32_t rva32(std::uint32_t rva) const { return u32(offset_of(rva, 4)); }
    std::uint16_t rva16(std::uint32_t rva) const { return u16(offset_of(rva, 2)); }

    // A zero-terminated ANSI string at an image address.
    std::string rva_string(std::uint32_t rva) const {
        std::size_t at = offset_of(rva);
        std::string out;
        while (true) {
            need(at, 1);
            const char c = static_cast<char>(bytes_[at++]);
            if (c == '\0') return out;
            if (out.size() > 4096) fail("has a name that does not end");
            out.push_back(c);
        }
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::string what_;
    const std::vector<Section>* sections_ = nullptr;
};

std::vector<Export> read_exports(const Reader& r, DataDirectory dir, std::uint32_t& functions) {
    std::vector<Export> out;
    functions = 0;
    if (dir.rva == 0 || dir.size == 0) return out;
    const std::size_t at = r.offset_of(dir.rva, 40);
    functions = r.u32(at + 20);
    const std::uint32_t names = r.u32(at + 24);
    const std::uint32_t address_table = r.u32(at + 28);
    const std::uint32_t name_table = r.u32(at + 32);
    const std::uint32_t ordinal_table = r.u32(at + 36);
    if (functions > 65536 || names > functions) r.fail("has an export table of impossible size");
    std::vector<bool> named(functions, false);
    for (std::uint32_t i = 0; i < names; ++i) {
        Export e;
        e.name = r.rva_string(r.rva32(name_table + 4 * i));
        const std::uint16_t index = r.rva16(ordinal_table + 2 * i);
        if (index >= functions) r.fail("has an export whose ordinal lies outside its address table");
        named[index] = true;
        e.rva = r.rva32(address_table + 4 * index);
        e.forwarded = e.rva >= dir.rva && e.rva - dir.rva < dir.size;
        out.push_back(e);
    }
    for (std::uint32_t i = 0; i < functions; ++i) {
        const std::uint32_t rva = r.rva32(address_table + 4 * i);
        if (!named[i] && rva != 0) out.push_back(Export{.name = "", .rva = rva, .forwarded = false});
    }
    return out;
}

// DLL names of an import table whose descriptors are `stride` bytes long
// with the name's address `name_at` bytes in; the table ends at a
// descriptor of zeros.
std::vector<std::string> read_import_names(const Reader& r, DataDirectory dir, std::uint32_t stride,
                                           std::uint32_t name_at) {
    std::vector<std::string> out;
    if (dir.rva == 0 || dir.size == 0) return out;
    for (std::uint32_t i = 0;; ++i) {
        if (i > 4096) r.fail("has an import table that does not end");
        const std::uint32_t descriptor = dir.rva + i * stride;
        const std::size_t at = r.offset_of(descriptor, stride);
        bool zero = true;
        for (std::uint32_t b = 0; b < stride; ++b) zero = zero && r.data()[at + b] == 0;
        if (zero) return out;
        out.push_back(r.rva_string(r.u32(at + name_at)));
    }
}

// A resource directory entry's name: a number, or a counted UTF-16 string
// (kept as its ASCII characters) at an offset into the resource section.
void entry_name(const Reader& r, std::size_t base, std::uint32_t word, std::uint32_t& id, std::string& name) {
    if ((word & 0x80000000u) == 0) {
        id = word;
        return;
    }
    const std::size_t at = base + (word & 0x7FFFFFFFu);
    const std::uint16_t length = r.u16(at);
    r.need(at + 2, 2u * length);
    for (std::uint16_t i = 0; i < length; ++i) {
        const std::uint16_t c = r.u16(at + 2 + 2u * i);
        name.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
}

struct ResourceEntry {
    std::uint32_t id = 0;
    std::string name;
    bool directory = false;
    std::size_t target = 0;  // file offset of the subdirectory or data entry
};

std::vector<ResourceEntry> read_resource_directory(const Reader& r, std::size_t base, std::size_t at) {
    const std::uint32_t count = static_cast<std::uint32_t>(r.u16(at + 12)) + r.u16(at + 14);
    std::vector<ResourceEntry> out;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = at + 16 + 8u * i;
        ResourceEntry e;
        entry_name(r, base, r.u32(entry), e.id, e.name);
        const std::uint32_t target = r.u32(entry + 4);
        e.directory = (target & 0x80000000u) != 0;
        e.target = base + (target & 0x7FFFFFFFu);
        r.need(e.target, 16);  // a subdirectory header or a data entry
        out.push_back(e);
    }
    return out;
}

std::vector<Resource> read_resources(const Reader& r, DataDirectory dir) {
    std::vector<Resource> out;
    if (dir.rva == 0 || dir.size == 0) return out;
    const std::size_t base = r.offset_of(dir.rva, 16);
    for (const ResourceEntry& type : read_resource_directory(r, base, base)) {
        if (!type.directory) r.fail("has a resource type that is not a directory");
        for (const ResourceEntry& name : read_resource_directory(r, base, type.target)) {
            if (!name.directory) r.fail("has a resource name that is not a directory");
            for (const ResourceEntry& language : read_resource_directory(r, base, name.target)) {
                if (language.directory) r.fail("has resources nested deeper than type, name and language");
                const std::uint32_t data_rva = r.u32(language.target);
                const std::uint32_t data_size = r.u32(language.target + 4);
                Resource res;
                res.type = type.id;
                res.type_name = type.name;
                res.id = name.id;
                res.name = name.name;
                res.language = static_cast<std::uint16_t>(language.id);
                if (data_size > 0) {
                    const std::size_t data_at = r.offset_of(data_rva, data_size);
                    res.data.assign(r.data() + data_at, r.data() + data_at + data_size);
                }
                out.push_back(std::move(res));
            }
        }
    }
    return out;
}

}  // namespace

bool Section::executable() const { return (characteristics & (section_code | section_execute)) != 0; }

const Section* PeFile::section_of(std::uint32_t rva) const {
    for (const Section& s : sections) {
        const std::uint32_t span = s.virtual_size > s.raw_size ? s.virtual_size : s.raw_size;
        if (rva >= s.virtual_address && rva - s.virtual_address < span) return &s;
    }
    return nullptr;
}

PeFile parse_pe(const std::vector<std::uint8_t>& bytes, const std::string& what) {
    Reader r(bytes, what);
    if (bytes.size() < 64 || bytes[0] != 'M' || bytes[1] != 'Z') r.fail("not a PE file (no MZ header)");
    const std::uint32_t pe_at = r.u32(0x3C);
    if (pe_at > bytes.size() || bytes.size() - pe_at < 24 || r.u32(pe_at) != 0x00004550)
        r.fail("not a PE file (no PE signature)");
    PeFile pe;
    const std::size_t coff = pe_at + 4;
    pe.machine = r.u16(coff);
    const std::uint16_t section_count = r.u16(coff + 2);
    const std::uint16_t optional_size = r.u16(coff + 16);
    pe.characteristics = r.u16(coff + 18);
    const std::size_t optional = coff + 20;
    const std::uint16_t magic = r.u16(optional);
    if (magic != 0x10B && magic != 0x20B) r.fail("not a PE file (unknown optional header)");
    pe.pe32_plus = magic == 0x20B;
    const std::size_t count_at = optional + (pe.pe32_plus ? 108 : 92);
    const std::uint32_t directory_count = r.u32(count_at);
    std::vector<DataDirectory> dirs(16);
    for (std::uint32_t i = 0; i < directory_count && i < 16; ++i) {
        const std::size_t at = count_at + 4 + 8u * i;
        if (at + 8 > optional + optional_size) r.fail("has a data directory outside its optional header");
        dirs[i] = {r.u32(at), r.u32(at + 4)};
    }

    const std::size_t table = optional + optional_size;
    r.need(table, 40u * section_count);
    for (std::uint16_t i = 0; i < section_count; ++i) {
        const std::size_t at = table + 40u * i;
        Section s;
        for (std::size_t c = 0; c < 8 && bytes[at + c] != 0; ++c) s.name.push_back(static_cast<char>(bytes[at + c]));
        s.virtual_size = r.u32(at + 8);
        s.virtual_address = r.u32(at + 12);
        s.raw_size = r.u32(at + 16);
        s.raw_offset = r.u32(at + 20);
        s.characteristics = r.u32(at + 36);
        pe.sections.push_back(s);
    }
    r.set_sections(&pe.sections);

    pe.exports = read_exports(r, dirs[directory_export], pe.exported_functions);
    pe.imported_dlls = read_import_names(r, dirs[directory_import], 20, 12);
    pe.delay_imported_dlls = read_import_names(r, dirs[directory_delay_import], 32, 4);
    pe.resources = read_resources(r, dirs[directory_resource]);
    return pe;
}

PeFile read_pe_file(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) throw PeError(path + ": no such file");
    if (!S_ISREG(st.st_mode)) throw PeError(path + ": not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PeError(path + ": cannot be read");
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return parse_pe(bytes, path);
}

}  // namespace pecheck
