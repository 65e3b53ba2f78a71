// The artifact check must find each kind of fault in a built module, and
// must refuse files it cannot read with one line that names them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/pecheck/check.h"

namespace {

using pecheck::BitmapExpectation;
using pecheck::ColourRule;

// Files this test process writes: its own folder, as ctest runs the cases
// as separate processes side by side.
std::string scratch() { return std::string(PECHECK_SCRATCH) + "/" + std::to_string(getpid()); }

std::string fixture(const std::string& variant) { return std::string(PECHECK_FIXTURES) + "/" + variant + "/fixture.gau"; }

std::vector<std::string> check_fixture(const std::string& variant, const std::string& tree = "x86_64") {
    const pecheck::Table table = pecheck::read_table(PECHECK_TABLE);
    return pecheck::check_module(pecheck::read_pe_file(fixture(variant)), "fixture", tree, table);
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

struct VariantCase {
    const char* variant;
    const char* tree;
    std::vector<std::string> differences;  // exactly these, in order
};

class FixtureVariants : public ::testing::TestWithParam<VariantCase> {};

TEST_P(FixtureVariants, ReportsExactlyTheFaultBuiltIn) {
    const VariantCase& c = GetParam();
    EXPECT_EQ(joined(check_fixture(c.variant, c.tree)), joined(c.differences));
}

INSTANTIATE_TEST_SUITE_P(
    Pecheck, FixtureVariants,
    ::testing::Values(
        VariantCase{"good", "x86_64", {}},
        VariantCase{"good", "i686", {"machine 0x8664, expected 0x014C for i686", "is PE32+, expected PE32"}},
        VariantCase{"extra_export", "x86_64",
                    {"exports 'extra_entry', which is not expected",
                     "export 'extra_entry' lies in code section .text, not in data"}},
        VariantCase{"linkage_in_code", "x86_64", {"export 'Linkage' lies in code section .text, not in data"}},
        VariantCase{"imports_winsock", "x86_64", {"imports WS2_32.dll, which is not among the allowed DLLs"}},
        VariantCase{"no_language", "x86_64",
                    {"bitmap 4096 in language 0x0409 is not expected", "bitmap 4096 in language 0x040C is missing"}}),
    [](const auto& param_info) { return std::string(param_info.param.variant) + "_" + param_info.param.tree; });

// ---- bitmap rules, on device-independent bitmaps built here

struct Dib {
    int width = 4;
    int height = 3;
    std::uint16_t bits = 8;
    std::uint32_t compression = 0;
    std::uint32_t colours = 0;  // 0: the full palette for 8 bits
    std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(12, 0);  // palette indices, row by row

    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> b(40 + 4 * 256, 0);
        auto put32 = [&](std::size_t at, std::uint32_t v) {
            for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        };
        put32(0, 40);
        put32(4, static_cast<std::uint32_t>(width));
        put32(8, static_cast<std::uint32_t>(height));
        b[12] = 1;
        b[14] = static_cast<std::uint8_t>(bits);
        put32(16, compression);
        put32(32, colours);
        // Palette: index 0 black, index 1 grey, index 2 black again.
        b[40 + 4] = b[40 + 5] = b[40 + 6] = 0x80;
        const std::size_t row = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
        const int rows = height < 0 ? -height : height;
        for (int y = 0; y < rows; ++y) {
            std::vector<std::uint8_t> r(row, 0);
            for (int x = 0; x < width; ++x) r[static_cast<std::size_t>(x)] = pixels[static_cast<std::size_t>(y * width + x)];
            b.insert(b.end(), r.begin(), r.end());
        }
        return b;
    }
};

Dib with_pixel(int x, int y, std::uint8_t index) {
    Dib d;
    d.pixels[static_cast<std::size_t>(y * d.width + x)] = index;
    return d;
}

Dib all(std::uint8_t index) {
    Dib d;
    d.pixels.assign(d.pixels.size(), index);
    return d;
}

struct BitmapCase {
    const char* name;
    Dib dib;
    ColourRule rule;
    std::vector<std::string> differences;
};

class BitmapRules : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapRules, FindsEveryDifference) {
    const BitmapCase& c = GetParam();
    const BitmapExpectation want{.id = 1, .language = 0x040C, .width = 4, .height = 3, .rule = c.rule};
    EXPECT_EQ(joined(pecheck::check_bitmap(c.dib.bytes(), want)), joined(c.differences));
}

Dib top_down() {
    Dib d;
    d.height = -3;
    return d;
}
Dib sized(int w, int h) {
    Dib d;
    d.width = w;
    d.height = h;
    d.pixels.assign(static_cast<std::size_t>(w * h), 0);
    return d;
}
Dib bits(std::uint16_t b) {
    Dib d;
    d.bits = b;
    return d;
}
Dib compressed() {
    Dib d;
    d.compression = 1;
    return d;
}
Dib small_palette() {
    Dib d;
    d.colours = 16;
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Pecheck, BitmapRules,
    ::testing::Values(
        BitmapCase{"all_black_is_black", all(0), ColourRule::black, {}},
        BitmapCase{"black_through_another_index", all(2), ColourRule::black, {}},
        BitmapCase{"top_down_rows_are_read", top_down(), ColourRule::black, {}},
        BitmapCase{"one_grey_pixel_is_not_black", with_pixel(2, 1, 1), ColourRule::black, {"1 pixels are not black; all must be"}},
        BitmapCase{"all_grey_has_no_black", all(1), ColourRule::no_black, {}},
        BitmapCase{"one_black_pixel_in_no_black", [] { Dib d = all(1); d.pixels[5] = 2; return d; }(), ColourRule::no_black,
                   {"1 pixels are pure black; none may be"}},
        BitmapCase{"grey_between_black_end_rows", with_pixel(3, 1, 1), ColourRule::black_rows, {}},
        BitmapCase{"grey_in_the_top_row", with_pixel(1, 0, 1), ColourRule::black_rows,
                   {"1 pixels of its top and bottom rows are not black; all must be"}},
        BitmapCase{"grey_in_the_bottom_row", with_pixel(2, 2, 1), ColourRule::black_rows,
                   {"1 pixels of its top and bottom rows are not black; all must be"}},
        BitmapCase{"grey_edge_but_black_corners", with_pixel(1, 0, 1), ColourRule::black_corners, {}},
        BitmapCase{"grey_corner", with_pixel(3, 2, 1), ColourRule::black_corners,
                   {"has a corner pixel that is not black; all four must be"}},
        BitmapCase{"grey_anywhere_with_no_rule", all(1), ColourRule::any, {}},
        BitmapCase{"wrong_size", sized(5, 3), ColourRule::any, {"is 5x3 pixels, expected 4x3"}},
        BitmapCase{"four_bits", bits(4), ColourRule::any, {"has 4 bits per pixel, expected 8", "has a palette of 0 entries, expected 256"}},
        BitmapCase{"run_length_compressed", compressed(), ColourRule::any, {"is compressed (method 1), expected none"}},
        BitmapCase{"sixteen_colours", small_palette(), ColourRule::any, {"has a palette of 16 entries, expected 256"}}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(PecheckBitmap, CutShortPixelsAreReportedNotRead) {
    std::vector<std::uint8_t> b = all(0).bytes();
    b.resize(b.size() - 4);
    const BitmapExpectation want{.id = 1, .language = 0x040C, .width = 4, .height = 3, .rule = ColourRule::black};
    EXPECT_EQ(joined(pecheck::check_bitmap(b, want)), "is cut short: its pixels run past the resource\n");
    EXPECT_EQ(joined(pecheck::check_bitmap({1, 2, 3}, want)), "has no bitmap information header\n");
}

// ---- the program: exit codes and one-line errors

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string read_all(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

ProgramRun run_pecheck(const std::string& args) {
    const std::string dir = scratch();
    std::filesystem::create_directories(dir);
    const std::string command = std::string(PECHECK_PROGRAM) + " " + args + " >" + dir + "/out.txt 2>" + dir + "/err.txt";
    const int raw = std::system(command.c_str());
    ProgramRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = read_all(dir + "/out.txt");
    r.err = read_all(dir + "/err.txt");
    return r;
}

std::string scratch_file(const std::string& name, const std::string& content) {
    std::filesystem::create_directories(scratch());
    const std::string path = scratch() + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

struct CliCase {
    const char* name;
    std::string args;
    int status;
    std::string err;  // the whole of standard error
};

class PecheckProgram : public ::testing::TestWithParam<CliCase> {};

TEST_P(PecheckProgram, FailsWithOneLineNamingTheInput) {
    const CliCase& c = GetParam();
    const ProgramRun r = run_pecheck(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
}

const std::string table = PECHECK_TABLE;
const std::string missing = scratch() + "/missing.gau";
const std::string text_file = scratch() + "/notes.gau";
const std::string cut_file = scratch() + "/cut.gau";
const std::string bad_table = scratch() + "/bad.table";

INSTANTIATE_TEST_SUITE_P(
    Pecheck, PecheckProgram,
    ::testing::Values(
        CliCase{"missing_file", table + " x86_64 " + missing, 1, "pecheck: " + missing + ": no such file\n"},
        CliCase{"text_file", table + " x86_64 " + text_file, 1, "pecheck: " + text_file + ": not a PE file (no MZ header)\n"},
        CliCase{"cut_short", table + " x86_64 " + cut_file, 1,
                "pecheck: " + cut_file + ": is cut short (a table runs past the end of the file)\n"},
        CliCase{"bad_table_line", bad_table + " x86_64 " + fixture("good"), 2,
                "pecheck: " + bad_table + ":3: bad size '60by30' (want <width>x<height>)\n"},
        CliCase{"missing_table", missing + ".table x86_64 " + fixture("good"), 2, "pecheck: " + missing + ".table: no such file\n"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

class PecheckFiles : public ::testing::Environment {
public:
    void SetUp() override {
        scratch_file("notes.gau", "these are notes, not a library\n");
        scratch_file("bad.table", "machine x86_64 0x8664\nexports ImportTable Linkage\nbitmap fixture 4096 0x040C 60by30 black\n");
        const std::string good = read_all(fixture("good"));
        scratch_file("cut.gau", good.substr(0, 1024));
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(scratch(), ignored);
    }
};
const auto* files = ::testing::AddGlobalTestEnvironment(new PecheckFiles);

TEST(PecheckProgramRun, ReportsDifferencesOnStandardOutputAndFails) {
    const ProgramRun good = run_pecheck(table + " x86_64 " + fixture("good"));
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(good.err, "");
    EXPECT_NE(good.out.find(": as expected"), std::string::npos) << good.out;

    const ProgramRun bad = run_pecheck(table + " x86_64 " + fixture("good") + " " + fixture("imports_winsock"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, fixture("good") + ": as expected (2 exports, 2 DLLs, 1 resources)\n" + fixture("imports_winsock") +
                           ": imports WS2_32.dll, which is not among the allowed DLLs\n");
}

TEST(PecheckTable, ModuleTableReadsAndCoversTheFourModules) {
    const pecheck::Table t = pecheck::read_table(PECHECK_MODULES_TABLE);
    EXPECT_EQ(t.exports, (std::set<std::string>{"ImportTable", "Linkage"}));
    ASSERT_EQ(t.modules.size(), 4u);
    EXPECT_EQ(t.modules.at("tarnwick").bitmaps.size(), 1u);
    EXPECT_EQ(t.modules.at("halbrook").bitmaps.size(), 6u);
    EXPECT_EQ(t.modules.at("belvane").dlls, (std::set<std::string>{"DSOUND.DLL"}));
    EXPECT_EQ(t.modules.at("coristal").bitmaps.size(), 5u);
}

}  // namespace
