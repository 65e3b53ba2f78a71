// coristal with the real loader under Wine: the test GaugeSound library
// present, absent, or without TerminateSounds, found through the DLL
// search path as the simulator's would be. The library's call log shows
// its real loads and unloads; the loader's reference count is read by
// releasing references until the library goes.
#include <gmock/gmock.h>
#include <windows.h>

#include "process_state.h"
#include "support/gauge_sound/call_log.h"
#include "support/host_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr ID32 lever_1_event = 0x1011C;

class CoristalWine : public HostFixture {
protected:
    void TearDown() override {
        HostFixture::TearDown();
        host.reset();
        SetDllDirectoryA(nullptr);
        EXPECT_FALSE(gauge_sound_loaded()) << "GaugeSound outlived the module";
    }

    // Where LoadLibraryA("GaugeSound") looks first; an empty folder means
    // the library is not on this machine.
    static void library_folder(const std::string& dir) { ASSERT_TRUE(SetDllDirectoryA(dir.c_str())); }
    static bool gauge_sound_loaded() { return wine_tests::module_loaded("GaugeSound"); }

    // The loader's reference count of GaugeSound, found by releasing one
    // reference at a time until the library is gone.
    static int release_all_references() {
        int count = 0;
        while (HMODULE m = GetModuleHandleA("GaugeSound")) {
            if (++count > 16 || !FreeLibrary(m)) break;
        }
        return count;
    }

    emu::Module& load_coristal() { return host->load(std::string(GAUGE_MODULE_DIR) + "/coristal.gau"); }

    GaugeSoundLog sound_log;
};

struct LibraryCase {
    const char* name;
    std::string folder;
    std::vector<std::string> at_install;
    std::vector<std::string> at_kill;
};

class CoristalLibraries : public CoristalWine, public ::testing::WithParamInterface<LibraryCase> {};

TEST_P(CoristalLibraries, HoldsTheLibraryItFindsForTheGaugesLife) {
    const LibraryCase& c = GetParam();
    library_folder(c.folder);
    emu::Module& coristal = load_coristal();
    emu::Gauge& g = host->install(coristal, "coristal");
    EXPECT_EQ(sound_log.take(), c.at_install);
    EXPECT_EQ(gauge_sound_loaded(), !c.at_install.empty());

    host->frames(3);  // updates look the library up (or try to load it) again
    EXPECT_THAT(sound_log.take(), IsEmpty());

    // The gauge works the same with or without the library.
    host->take_events();
    EXPECT_TRUE(host->click(g, 70, 1));  // inside lever 1's area, one pixel from its top
    ASSERT_EQ(host->events().size(), 1u);
    EXPECT_EQ(host->events()[0].id, lever_1_event);
    EXPECT_EQ(host->events()[0].value, 9900u);

    host->kill(g);
    EXPECT_EQ(sound_log.take(), c.at_kill);
    EXPECT_FALSE(gauge_sound_loaded());
}

INSTANTIATE_TEST_SUITE_P(
    Wine, CoristalLibraries,
    ::testing::Values(LibraryCase{"present", GAUGE_SOUND_DIR, {"load"}, {"TerminateSounds", "unload"}},
                      LibraryCase{"without_terminate_sounds", GAUGE_SOUND_WITHOUT_TERMINATE_DIR, {"load"}, {"unload"}},
                      LibraryCase{"absent", std::string(GAUGE_BINARY_DIR) + "/tests/wine", {}, {}}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(CoristalWine, TheGaugeTakesOneReferenceWhateverTheUpdates) {
    library_folder(GAUGE_SOUND_DIR);
    emu::Module& coristal = load_coristal();
    emu::Gauge& g = host->install(coristal, "coristal");
    host->frames(5);
    EXPECT_EQ(release_all_references(), 1);
    EXPECT_THAT(sound_log.take(), ElementsAre("load", "unload"));
    // The kill finds the library gone, loads it to terminate its sounds,
    // and releases it again.
    host->kill(g);
    EXPECT_THAT(sound_log.take(), ElementsAre("load", "TerminateSounds", "unload"));
}

TEST_F(CoristalWine, AReferenceHeldElsewhereSurvivesTheKill) {
    library_folder(GAUGE_SOUND_DIR);
    HMODULE other = LoadLibraryA("GaugeSound");
    ASSERT_NE(other, nullptr);
    EXPECT_THAT(sound_log.take(), ElementsAre("load"));
    emu::Module& coristal = load_coristal();
    emu::Gauge& g = host->install(coristal, "coristal");
    host->frames(3);
    host->kill(g);
    EXPECT_THAT(sound_log.take(), ElementsAre("TerminateSounds"));
    EXPECT_EQ(release_all_references(), 1) << "only the other holder's reference is left";
    EXPECT_THAT(sound_log.take(), ElementsAre("unload"));
}

TEST_F(CoristalWine, RepeatedModuleLivesLoadAndReleaseTheLibraryEachTime) {
    library_folder(GAUGE_SOUND_DIR);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round + 1));
        emu::Module& coristal = load_coristal();
        emu::Gauge& g = host->install(coristal, "coristal");
        host->frames(2);
        host->kill(g);
        host->unload(coristal);
        EXPECT_THAT(sound_log.take(), ElementsAre("load", "TerminateSounds", "unload"));
        EXPECT_FALSE(gauge_sound_loaded());
        EXPECT_FALSE(wine_tests::module_loaded("coristal.gau"));
    }
}

}  // namespace
