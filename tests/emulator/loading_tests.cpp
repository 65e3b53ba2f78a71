// Loading modules: what the host accepts as a gauge module, what it reads
// from it, and the one-line errors for everything else.
#include <gmock/gmock.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "probe_fixture.h"

using ::testing::HasSubstr;

TEST_F(ProbeTest, ListsTheGaugesOfAModuleInLinkageOrder) {
    struct row {
        const char* name;
        std::uint32_t version;
        std::uint32_t size_x_mm;
        bool header_mouse_list;
    };
    const row expected[] = {
        {"probe_text", 700, 50, true},
        {"probe_610", 610, 60, false},
        {"probe_800", 800, 40, true},
        {"probe_leaky", 610, 10, false},
    };
    ASSERT_EQ(probe.gauges().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].name);
        const emu::GaugeInfo& g = probe.gauges()[i];
        EXPECT_EQ(g.name, expected[i].name);
        EXPECT_EQ(g.header_version, expected[i].version);
        EXPECT_EQ(g.size_x_mm, expected[i].size_x_mm);
        EXPECT_EQ(g.header_mouse_list, expected[i].header_mouse_list);
    }
}

TEST_F(ProbeTest, FillsTheImportTableBeforeCallingTheModule) {
    EXPECT_EQ(probe.import_table().panels.id, 0x0Fu);
    // The pointer sits at 4-byte packing: read it by value, never bind to it.
    const PANELS* services = probe.import_table().panels.services;
    ASSERT_NE(services, nullptr);
    EXPECT_NE(services->trigger_key_event, nullptr);
    EXPECT_EQ(probe.import_table().end.id, 0u);
    EXPECT_EQ(probe.linkage().module_id, 0x13u);
}

TEST_F(ProbeTest, ReadsEveryBitmapResourceWithItsLanguage) {
    const auto face = probe.bitmap(100, 0x040C);
    ASSERT_TRUE(face.has_value());
    EXPECT_EQ(face->width, 16);
    EXPECT_EQ(face->height, 8);
    EXPECT_EQ(face->bits_per_pixel, 8);
    EXPECT_EQ(face->language, 0x040C);
    const auto lit = probe.bitmap(203, 0x0409);  // no 0x0409 copy: the one there is
    ASSERT_TRUE(lit.has_value());
    EXPECT_EQ(lit->pixels.front(), 1);
    EXPECT_EQ(lit->palette[1], 0xFF8000u);
    EXPECT_FALSE(probe.bitmap(101, 0x040C).has_value());
    EXPECT_EQ(probe.bitmaps().size(), 4u);
}

TEST_F(ProbeTest, AnUnknownGaugeNameIsAnErrorNamingIt) {
    try {
        host->install(probe, "probe_missing");
        FAIL() << "installed a gauge the module does not have";
    } catch (const emu::Error& e) {
        EXPECT_THAT(e.what(), HasSubstr("no gauge named \"probe_missing\""));
        EXPECT_THAT(e.what(), HasSubstr(probe_path()));
    }
}

namespace {

std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes bytes as a file in the build tree and returns its path.
std::string fixture_file(const std::string& name, const std::string& bytes) {
    const std::string path = std::string(GAUGE_BINARY_DIR) + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// The probe with its machine field changed to another machine's.
std::string probe_for_another_machine(std::string bytes) {
#if defined(_WIN32)
    std::size_t pe = 0;  // e_lfanew, little-endian at 0x3C
    for (int i = 3; i >= 0; --i) pe = pe << 8 | static_cast<unsigned char>(bytes.at(0x3C + static_cast<std::size_t>(i)));
    const std::size_t machine = pe + 4;
    const std::uint16_t other = sizeof(void*) == 8 ? 0x014C : 0x8664;
#else
    const std::size_t machine = 18;      // e_machine
    const std::uint16_t other = 183;     // arm64
#endif
    bytes.at(machine) = static_cast<char>(other & 0xFF);
    bytes.at(machine + 1) = static_cast<char>(other >> 8);
    return bytes;
}

// The smallest file of the other kind of module: an ELF header for the
// Windows host, an i386 PE header for the native one.
std::string module_of_the_other_kind() {
#if defined(_WIN32)
    std::string bytes(64, '\0');
    bytes.replace(0, 4, "\x7F" "ELF");
#else
    std::string bytes(0x80, '\0');
    bytes.replace(0, 2, "MZ");
    bytes[0x3C] = 0x40;
    bytes.replace(0x40, 6, std::string("PE\0\0\x4C\x01", 6));
#endif
    return bytes;
}

}  // namespace

TEST_F(HostFixture, RefusesFilesThatAreNotGaugeModulesSayingWhy) {
    const std::string probe = std::string(GAUGE_TEST_MODULE_DIR) + "/probe" + module_suffix();
    const std::string probe_bytes = read_bytes(probe);
    ASSERT_GT(probe_bytes.size(), 4096u);
#if defined(_WIN32)
    const std::string plain_library = "C:\\windows\\system32\\version.dll";  // a system library
    const char* not_a_module = "not a PE file (no MZ header)";
    const char* other_kind = "a native (ELF) module, not a Windows one";
    const char* other_machine = sizeof(void*) == 8 ? "built for i686 (a 32-bit module); this program is 64-bit"
                                                   : "built for x86_64 (a 64-bit module); this program is 32-bit";
    const std::string too_long = "C:\\" + std::string(300, 'x') + ".gau";
#else
    const std::string plain_library = std::string(GAUGE_BINARY_DIR) + "/lib/libwin32_standin.so";
    const char* not_a_module = "not an ELF file (no ELF header)";
    const char* other_kind = "a 32-bit Windows module, not a native one";
    const char* other_machine = "built for arm64 (64-bit); this program is x86_64";
    const std::string too_long = std::string(GAUGE_BINARY_DIR) + "/" + std::string(5000, 'x') + ".so";
#endif
    struct row {
        std::string path;
        std::string says;
    };
    std::vector<row> cases = {
        {std::string(GAUGE_BINARY_DIR) + "/no/such/module.gau", "no such file"},
        {GAUGE_BINARY_DIR, "not a file"},
        {fixture_file("not_a_module.gau", "this is text\n"), not_a_module},
        {fixture_file("empty_module.gau", ""), not_a_module},
        {fixture_file("cut_short.gau", probe_bytes.substr(0, probe_bytes.size() / 2)), "cut short"},
        {fixture_file("header_only.gau", probe_bytes.substr(0, 40)), "cut short"},
        {fixture_file("other_machine.gau", probe_for_another_machine(probe_bytes)), other_machine},
        {fixture_file("other_kind.gau", module_of_the_other_kind()), other_kind},
        {std::string(GAUGE_TEST_MODULE_DIR) + "/needs_absent" + module_suffix(),
         "not a gauge module (a library it needs is missing: absent_dependency"},
        {too_long, "path too long"},
        {plain_library, "does not export Linkage and ImportTable"},
    };
#if defined(_WIN32)
    cases.push_back({std::string(GAUGE_TEST_MODULE_DIR) + "/refuses_entry.gau",
                     "not a gauge module (its entry point refused to load (DllMain returned FALSE))"});
#endif
    for (const row& c : cases) {
        SCOPED_TRACE(c.path.substr(0, 200));
        try {
            host->load(c.path);
            ADD_FAILURE() << "loaded " << c.path;
        } catch (const emu::Error& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind(c.path + ": ", 0), 0u) << message;
            EXPECT_THAT(message, HasSubstr(c.says));
            EXPECT_EQ(message.find('\n'), std::string::npos) << "an error is one line";
        }
    }
}

// A name without a folder is the file of that name in the working folder,
// even when the program's own folder (first in the Windows library search)
// holds another module of the same name.
TEST_F(HostFixture, ABareFileNameLoadsTheFileInTheWorkingFolder) {
    namespace fs = std::filesystem;
    const fs::path program_folder = fs::path(GAUGE_BINARY_DIR) / "tests" / "emulator";
    const fs::path work = fs::path(GAUGE_BINARY_DIR) / "bare_name_work";
    const std::string name = std::string("same_name") + module_suffix();
    fs::create_directories(work);
    fs::copy_file(fs::path(GAUGE_TEST_MODULE_DIR) / (std::string("probe") + module_suffix()), work / name,
                  fs::copy_options::overwrite_existing);
    fs::copy_file(module_path("belvane"), program_folder / name, fs::copy_options::overwrite_existing);
    const fs::path before = fs::current_path();
    fs::current_path(work);
    std::string first_gauge;
    try {
        first_gauge = host->load(name).gauges().at(0).name;
    } catch (const emu::Error& e) {
        ADD_FAILURE() << e.what();
    }
    fs::current_path(before);
    host.reset();  // lets the library go before its file is removed
    host = std::make_unique<emu::Host>();
    fs::remove(program_folder / name);
    fs::remove_all(work);
    EXPECT_EQ(first_gauge, "probe_text");
}

TEST(HostLifetime, OnlyOneHostRunsAtATime) {
    emu::Host first;
    EXPECT_EQ(emu::Host::current(), &first);
    EXPECT_THROW(emu::Host second, emu::Error);
    EXPECT_EQ(emu::Host::current(), &first);
}

TEST_F(ProbeTest, UnloadKillsTheModulesLiveGauges) {
    emu::Gauge& text = host->install(probe, "probe_text");
    emu::Gauge& g800 = host->install(probe, "probe_800");
    host->take_events();
    host->unload(probe);
    EXPECT_FALSE(text.alive());
    EXPECT_FALSE(g800.alive());
    EXPECT_EQ(event_ids(), std::vector<ID32>{0x20000 + 12});
}
