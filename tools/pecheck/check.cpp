#include "tools/pecheck/check.h"

#include <cstdio>
#include <map>
#include <set>

namespace pecheck {

namespace {

constexpr std::uint32_t section_initialized_data = 0x00000040;
constexpr std::uint32_t section_uninitialized_data = 0x00000080;

std::string hex(unsigned value, int digits = 4) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// The MinGW runtime libraries that a statically linked module must not need.
bool is_mingw_runtime(const std::string& dll) {
    const std::string u = upper_case(dll);
    return u.rfind("LIBGCC_S", 0) == 0 || u.rfind("LIBSTDC++", 0) == 0 || u.rfind("LIBWINPTHREAD", 0) == 0;
}

void check_exports(const PeFile& pe, const Table& table, std::vector<std::string>& out) {
    std::set<std::string> found;
    for (const Export& e : pe.exports) {
        if (e.name.empty()) {
            out.push_back("exports an entry by ordinal only (address " + hex(e.rva, 8) + ")");
            continue;
        }
        found.insert(e.name);
        if (table.exports.count(e.name) == 0) out.push_back("exports '" + e.name + "', which is not expected");
        if (e.forwarded) {
            out.push_back("export '" + e.name + "' is forwarded to another DLL");
            continue;
        }
        const Section* s = pe.section_of(e.rva);
        if (s == nullptr)
            out.push_back("export '" + e.name + "' points outside every section");
        else if (s->executable())
            out.push_back("export '" + e.name + "' lies in code section " + s->name + ", not in data");
        else if ((s->characteristics & (section_initialized_data | section_uninitialized_data)) == 0)
            out.push_back("export '" + e.name + "' lies in section " + s->name + ", which holds no data");
    }
    for (const std::string& name : table.exports)
        if (found.count(name) == 0) out.push_back("does not export '" + name + "'");
}

void check_imports(const PeFile& pe, const Table& table, const ModuleExpectations& want,
                   std::vector<std::string>& out) {
    auto check = [&](const std::string& dll, const char* how) {
        if (is_mingw_runtime(dll)) {
            out.push_back(std::string(how) + " the MinGW runtime library " + dll + " (the runtime must be linked statically)");
            return;
        }
        const std::string u = upper_case(dll);
        if (table.common_dlls.count(u) == 0 && want.dlls.count(u) == 0)
            out.push_back(std::string(how) + " " + dll + ", which is not among the allowed DLLs");
    };
    for (const std::string& dll : pe.imported_dlls) check(dll, "imports");
    for (const std::string& dll : pe.delay_imported_dlls) check(dll, "delay-loads");
    std::set<std::string> imported;
    for (const std::string& dll : pe.imported_dlls) imported.insert(upper_case(dll));
    for (const std::string& dll : want.dlls)
        if (imported.count(dll) == 0) out.push_back("does not import " + dll + ", which this module needs");
}

std::string resource_label(const Resource& r) {
    const std::string type = r.type_name.empty() ? std::to_string(r.type) : "'" + r.type_name + "'";
    const std::string name = r.name.empty() ? std::to_string(r.id) : "'" + r.name + "'";
    return "resource of type " + type + " named " + name + " in language " + hex(r.language);
}

void check_resources(const PeFile& pe, const ModuleExpectations& want, std::vector<std::string>& out) {
    std::map<std::pair<std::uint32_t, std::uint16_t>, const BitmapExpectation*> wanted;
    for (const BitmapExpectation& b : want.bitmaps) wanted[{b.id, b.language}] = &b;
    std::set<std::pair<std::uint32_t, std::uint16_t>> seen;
    for (const Resource& r : pe.resources) {
        if (r.type != resource_type_bitmap || !r.type_name.empty()) {
            if (r.language != want.language)
                out.push_back(resource_label(r) + ": expected language " + hex(want.language));
            continue;
        }
        const auto key = std::make_pair(r.id, r.language);
        const auto it = r.name.empty() ? wanted.find(key) : wanted.end();
        if (it == wanted.end()) {
            out.push_back("bitmap " + (r.name.empty() ? std::to_string(r.id) : "'" + r.name + "'") + " in language " +
                          hex(r.language) + " is not expected");
            continue;
        }
        seen.insert(key);
        for (const std::string& d : check_bitmap(r.data, *it->second))
            out.push_back("bitmap " + std::to_string(r.id) + " (" + hex(r.language) + "): " + d);
    }
    for (const BitmapExpectation& b : want.bitmaps)
        if (seen.count({b.id, b.language}) == 0)
            out.push_back("bitmap " + std::to_string(b.id) + " in language " + hex(b.language) + " is missing");
}

}  // namespace

std::vector<std::string> check_bitmap(const std::vector<std::uint8_t>& dib, const BitmapExpectation& want) {
    std::vector<std::string> out;
    if (dib.size() < 40 || le32(dib, 0) < 40 || le32(dib, 0) > dib.size()) {
        out.push_back("has no bitmap information header");
        return out;
    }
    const std::uint32_t header = le32(dib, 0);
    const auto width = static_cast<std::int32_t>(le32(dib, 4));
    const auto stored_height = static_cast<std::int32_t>(le32(dib, 8));
    const std::uint16_t bits = le16(dib, 14);
    const std::uint32_t compression = le32(dib, 16);
    const std::uint32_t colours = le32(dib, 32);
    const std::int64_t height = stored_height < 0 ? -static_cast<std::int64_t>(stored_height) : stored_height;
    if (width != want.width || height != want.height)
        out.push_back("is " + std::to_string(width) + "x" + std::to_string(height) + " pixels, expected " +
                      std::to_string(want.width) + "x" + std::to_string(want.height));
    if (bits != 8) out.push_back("has " + std::to_string(bits) + " bits per pixel, expected 8");
    if (compression != 0) out.push_back("is compressed (method " + std::to_string(compression) + "), expected none");
    const std::uint32_t entries = colours == 0 && bits == 8 ? 256 : colours;
    if (entries != 256) out.push_back("has a palette of " + std::to_string(entries) + " entries, expected 256");
    if (!out.empty() || width <= 0 || height <= 0 || height > 65536 || width > 65536) return out;

    const std::size_t row_bytes = (static_cast<std::size_t>(width) + 3) & ~static_cast<std::size_t>(3);
    const std::size_t pixels_at = header + 4u * 256u;
    if (pixels_at + row_bytes * static_cast<std::size_t>(height) > dib.size()) {
        out.push_back("is cut short: its pixels run past the resource");
        return out;
    }
    auto black = [&](std::size_t x, std::size_t y) {
        const std::uint8_t index = dib[pixels_at + row_bytes * y + x];
        const std::size_t q = header + 4u * index;
        return dib[q] == 0 && dib[q + 1] == 0 && dib[q + 2] == 0;
    };
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    std::size_t black_pixels = 0, coloured_in_end_rows = 0;
    for (std::size_t y = 0; y < h; ++y)
        for (std::size_t x = 0; x < w; ++x) {
            const bool b = black(x, y);
            black_pixels += b ? 1 : 0;
            coloured_in_end_rows += (y == 0 || y == h - 1) && !b ? 1 : 0;
        }
    switch (want.rule) {
    case ColourRule::black:
        if (black_pixels != w * h)
            out.push_back(std::to_string(w * h - black_pixels) + " pixels are not black; all must be");
        break;
    case ColourRule::no_black:
        if (black_pixels != 0) out.push_back(std::to_string(black_pixels) + " pixels are pure black; none may be");
        break;
    case ColourRule::black_rows:
        if (coloured_in_end_rows != 0)
            out.push_back(std::to_string(coloured_in_end_rows) + " pixels of its top and bottom rows are not black; all must be");
        break;
    case ColourRule::black_corners:
        if (!black(0, 0) || !black(w - 1, 0) || !black(0, h - 1) || !black(w - 1, h - 1))
            out.push_back("has a corner pixel that is not black; all four must be");
        break;
    case ColourRule::any: break;
    }
    return out;
}

std::vector<std::string> check_module(const PeFile& pe, const std::string& module, const std::string& tree,
                                      const Table& table) {
    std::vector<std::string> out;
    const auto machine = table.machines.find(tree);
    if (machine == table.machines.end()) {
        out.push_back("no machine is expected for build tree '" + tree + "'");
    } else {
        if (pe.machine != machine->second)
            out.push_back("machine " + hex(pe.machine) + ", expected " + hex(machine->second) + " for " + tree);
        const bool wide = machine->second == machine_amd64;
        if (pe.pe32_plus != wide) out.push_back(std::string("is ") + (pe.pe32_plus ? "PE32+" : "PE32") + ", expected " + (wide ? "PE32+" : "PE32"));
    }
    if (!pe.is_dll()) out.push_back("is not a DLL");
    const auto it = table.modules.find(module);
    if (it == table.modules.end()) {
        out.push_back("no expectations for module '" + module + "'");
        return out;
    }
    check_exports(pe, table, out);
    check_imports(pe, table, it->second, out);
    check_resources(pe, it->second, out);
    return out;
}

}  // namespace pecheck
