// The Windows side of loading a module: the system loader, the two exported
// records found by name, and every language copy of every bitmap read
// through the resource functions.
#include <gmock/gmock.h>
#include <windows.h>

#include <fstream>

#include "support/host_fixture.h"
#include "process_state.h"

using ::testing::HasSubstr;

namespace {

std::string probe_path() { return std::string(GAUGE_TEST_MODULE_DIR) + "/probe.gau"; }

TEST_F(HostFixture, ReadsTheProbesRecordsAndBitmapsThroughTheLoader) {
    emu::Module& probe = host->load(probe_path());
    EXPECT_TRUE(wine_tests::module_loaded("probe.gau"));
    EXPECT_EQ(probe.linkage().module_id, 0x13u);
    EXPECT_EQ(probe.import_table().panels.id, 0x0Fu);
    EXPECT_NE(probe.import_table().panels.services, nullptr);

    struct row {
        ID32 id;
        int width, height;
    };
    const row expected[] = {{100, 16, 8}, {200, 2, 2}, {203, 2, 2}, {300, 4, 4}};
    ASSERT_EQ(probe.bitmaps().size(), std::size(expected));
    for (const row& r : expected) {
        SCOPED_TRACE(r.id);
        const auto b = probe.bitmap(r.id, 0x040C);
        ASSERT_TRUE(b.has_value());
        EXPECT_EQ(b->language, 0x040C);
        EXPECT_EQ(b->width, r.width);
        EXPECT_EQ(b->height, r.height);
        EXPECT_EQ(b->bits_per_pixel, 8);
        EXPECT_EQ(b->palette_entries, 256);
    }
    const auto lit = probe.bitmap(203, 0x040C);
    EXPECT_EQ(lit->pixels.front(), 1);
    EXPECT_EQ(lit->palette[1], 0xFF8000u);

    host->unload(probe);
    EXPECT_FALSE(wine_tests::module_loaded("probe.gau"));
}

TEST_F(HostFixture, RefusesFilesThatAreNotGaugeModulesWithOneLine) {
    const std::string text_file = std::string(GAUGE_BINARY_DIR) + "/not_a_module.gau";
    std::ofstream(text_file) << "this is text\n";
    char system_dir[MAX_PATH];
    GetSystemDirectoryA(system_dir, MAX_PATH);
    const std::string plain_library = std::string(system_dir) + "\\version.dll";
    struct row {
        std::string path;
        const char* says;
    };
    const row cases[] = {
        {std::string(GAUGE_BINARY_DIR) + "/no/such/module.gau", "no such file"},
        {GAUGE_BINARY_DIR, "not a file"},
        {text_file, "not a gauge module (cannot be loaded as a library)"},
        {plain_library, "not a gauge module (it does not export Linkage and ImportTable)"},
    };
    for (const row& c : cases) {
        SCOPED_TRACE(c.path);
        try {
            host->load(c.path);
            ADD_FAILURE() << "loaded " << c.path;
        } catch (const emu::Error& e) {
            const std::string message = e.what();
            EXPECT_THAT(message, HasSubstr(c.path));
            EXPECT_THAT(message, HasSubstr(c.says));
            EXPECT_EQ(message.find('\n'), std::string::npos) << "an error is one line";
        }
    }
    EXPECT_FALSE(wine_tests::module_loaded("not_a_module.gau"));
    DeleteFileA(text_file.c_str());
}

}  // namespace
