// Loading modules: what the host accepts as a gauge module, what it reads
// from it, and the one-line errors for everything else.
#include <gmock/gmock.h>

#include <cstdio>
#include <fstream>

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

TEST_F(HostFixture, RefusesFilesThatAreNotGaugeModules) {
    const std::string text_file = std::string(GAUGE_BINARY_DIR) + "/not_a_module.gau";
    std::ofstream(text_file) << "this is text\n";
#if defined(_WIN32)
    const std::string plain_library = "C:\\windows\\system32\\version.dll";  // a system library
#else
    const std::string plain_library = std::string(GAUGE_BINARY_DIR) + "/lib/libwin32_standin.so";
#endif
    struct row {
        std::string path;
        const char* says;
    };
    const row cases[] = {
        {std::string(GAUGE_BINARY_DIR) + "/no/such/module.gau", "no such file"},
        {GAUGE_BINARY_DIR, "not a file"},
        {text_file, "not a gauge module"},
        {plain_library, "does not export Linkage and ImportTable"},
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
    std::remove(text_file.c_str());
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
