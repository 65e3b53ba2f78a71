// A reader of Windows PE files (PE32 and PE32+), for checking built
// modules from the outside: machine, sections, exports, imported DLLs and
// resources. It reads the file as bytes and trusts nothing in it; every
// offset is checked against the file before use.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace pecheck {

// A file that cannot be read as a PE file. The message is one line.
class PeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Section {
    std::string name;
    std::uint32_t virtual_address = 0;
    std::uint32_t virtual_size = 0;
    std::uint32_t raw_offset = 0;
    std::uint32_t raw_size = 0;
    std::uint32_t characteristics = 0;
    bool executable() const;
};

struct Export {
    std::string name;       // empty for an export by ordinal only
    std::uint32_t rva = 0;
    bool forwarded = false;  // the address points back into the export table
};

struct Resource {
    std::uint32_t type = 0;      // numeric type (2 is a bitmap); 0 when named
    std::string type_name;       // the type's name when it has one
    std::uint32_t id = 0;        // numeric name; 0 when named
    std::string name;            // the name when it has one
    std::uint16_t language = 0;
    std::vector<std::uint8_t> data;
};

struct PeFile {
    std::uint16_t machine = 0;
    bool pe32_plus = false;
    std::uint16_t characteristics = 0;
    std::vector<Section> sections;
    std::uint32_t exported_functions = 0;  // address table entries, named or not
    std::vector<Export> exports;
    std::vector<std::string> imported_dlls;
    std::vector<std::string> delay_imported_dlls;
    std::vector<Resource> resources;

    bool is_dll() const { return (characteristics & 0x2000) != 0; }
    const Section* section_of(std::uint32_t rva) const;
};

inline constexpr std::uint16_t machine_i386 = 0x014C;
inline constexpr std::uint16_t machine_amd64 = 0x8664;
inline constexpr std::uint32_t resource_type_bitmap = 2;

// Throws PeError naming the path: no such file, not a PE file, or a PE
// file whose tables run outside it.
PeFile read_pe_file(const std::string& path);
PeFile parse_pe(const std::vector<std::uint8_t>& bytes, const std::string& what);

}  // namespace pecheck
