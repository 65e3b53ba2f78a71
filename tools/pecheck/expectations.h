// The table of what every built module must look like, read from a text
// file (modules.table beside this file). One fact a line:
//
//   machine <tree> <machine number>
//   exports <name>...
//   dlls <module or *> <dll>...   (*: any module may import them; a
//                                  module's own: it may and must)
//   language <module> <language id>
//   bitmap <module> <id> <language id> <width>x<height> <rule>
//
// Rules: any, black (every pixel black), no-black (no pixel black),
// black-rows (every pixel of the top and bottom rows black),
// black-corners (the four corner pixels black).
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace pecheck {

// A table that cannot be read; the message names the file and line.
class TableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class ColourRule { any, black, no_black, black_rows, black_corners };

struct BitmapExpectation {
    std::uint32_t id = 0;
    std::uint16_t language = 0;
    int width = 0;
    int height = 0;
    ColourRule rule = ColourRule::any;
};

struct ModuleExpectations {
    std::uint16_t language = 0;           // of every resource that is not a bitmap
    std::set<std::string> dlls;           // upper case, beside the ones every module may import
    std::vector<BitmapExpectation> bitmaps;
};

struct Table {
    std::map<std::string, std::uint16_t> machines;  // by build tree: i686, x86_64
    std::set<std::string> exports;
    std::set<std::string> common_dlls;               // upper case
    std::map<std::string, ModuleExpectations> modules;
};

Table read_table(const std::string& path);
Table parse_table(const std::string& text, const std::string& what);

std::string rule_name(ColourRule rule);

// DLL names compare without regard to case, as Windows compares them.
std::string upper_case(std::string s);

}  // namespace pecheck
