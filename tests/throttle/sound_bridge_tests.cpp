// The throttle quadrant's hold on the GaugeSound library: loaded at
// initialisation, looked up at every update, told to terminate its sounds
// and released at kill. The test library's call log shows what ran in it
// and when it was really loaded and unloaded; the stand-in counts the
// references taken.
#include <gmock/gmock.h>

#include <filesystem>
#include <limits>

#include "throttle_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

int references() { return standin::library_references("GaugeSound"); }

}  // namespace

TEST_F(ThrottleTest, OneGaugeHoldsTheLibraryFromInitialisationToKill) {
    emu::Gauge& g = host->install(coristal, "coristal");
    EXPECT_THAT(sound_log.take(), ElementsAre("load"));
    EXPECT_EQ(references(), 1);

    host->frames(3);  // each update looks the library up again, adding no reference
    EXPECT_EQ(references(), 1);
    EXPECT_THAT(sound_log.take(), IsEmpty()) << "nothing in the library is called while the gauge lives";

    host->kill(g);  // terminate the sounds, then release: the library goes
    EXPECT_THAT(sound_log.take(), ElementsAre("TerminateSounds", "unload"));
    EXPECT_EQ(references(), 0);
    EXPECT_FALSE(standin::library_loaded("GaugeSound"));

    host->install(coristal, "coristal");  // a new life loads it again
    EXPECT_THAT(sound_log.take(), ElementsAre("load"));
    EXPECT_EQ(references(), 1);
}

TEST_F(ThrottleTest, EachStepGetsTheLibraryThenLooksUpItsEntryPointsInOrder) {
    log_library_calls();
    const char* play = "GetProcAddress GaugePlaySound";
    const char* stop = "GetProcAddress GaugeStopSound";
    const char* terminate = "GetProcAddress TerminateSounds";

    emu::Gauge& g = host->install(coristal, "coristal");  // no handle held: load
    EXPECT_THAT(sound_log.take(), ElementsAre("LoadLibraryA GaugeSound", "load", play, stop, terminate));
    host->frame();  // the loaded library is found, not loaded again
    EXPECT_THAT(sound_log.take(), ElementsAre("GetModuleHandleA GaugeSound", play, stop, terminate));
    host->kill(g);  // TerminateSounds is the last call into the library before its release
    EXPECT_THAT(sound_log.take(), ElementsAre("GetModuleHandleA GaugeSound", play, stop, terminate,
                                              "TerminateSounds", "FreeLibrary", "unload"));
}

TEST_F(ThrottleTest, AKillWithNoEarlierStepStillTerminatesAndReleases) {
    service(PANEL_SERVICE_PRE_KILL);
    EXPECT_THAT(sound_log.take(), ElementsAre("load", "TerminateSounds", "unload"));
    EXPECT_EQ(references(), 0);
    service(PANEL_SERVICE_PRE_KILL);  // no handle held: the same again, nothing left over
    EXPECT_THAT(sound_log.take(), ElementsAre("load", "TerminateSounds", "unload"));
    EXPECT_EQ(references(), 0);
}

TEST_F(ThrottleTest, RepeatedInitialisationsLoadTheLibraryOnce) {
    for (int i = 0; i < 3; ++i) service(PANEL_SERVICE_PRE_INITIALIZE);
    EXPECT_THAT(sound_log.take(), ElementsAre("load"));
    EXPECT_EQ(references(), 1);
    service(PANEL_SERVICE_PRE_KILL);  // the one kill gives back the one reference
    EXPECT_EQ(references(), 0);
    EXPECT_THAT(sound_log.take(), ElementsAre("TerminateSounds", "unload"));
}

TEST_F(ThrottleTest, OtherServiceIdsChangeNothingAndCallNothing) {
    const SINT32 ids[] = {0, 1, 2, 3, 5, 7, 8, 9, 10, 11, 13, 14, 1000, -1, std::numeric_limits<SINT32>::min()};
    standin::clear_call_log();
    for (SINT32 id : ids) service(id);  // nothing held: nothing is loaded
    EXPECT_EQ(references(), 0);
    EXPECT_FALSE(standin::library_loaded("GaugeSound"));
    EXPECT_THAT(sound_log.take(), IsEmpty());
    EXPECT_THAT(standin::call_log(), IsEmpty());

    service(PANEL_SERVICE_PRE_INITIALIZE);
    sound_log.take();
    standin::clear_call_log();
    for (SINT32 id : ids) service(id);  // held: nothing is released or called
    EXPECT_EQ(references(), 1);
    EXPECT_THAT(sound_log.take(), IsEmpty());
    EXPECT_THAT(standin::call_log(), IsEmpty());
    service(PANEL_SERVICE_PRE_KILL);
    EXPECT_EQ(references(), 0);
}

TEST_F(ThrottleTest, ALibraryLoadedByAnotherModuleKeepsItsReference) {
    HMODULE other = LoadLibraryA("GaugeSound");  // the other module's reference
    ASSERT_NE(other, nullptr);
    sound_log.take();

    emu::Gauge& g = host->install(coristal, "coristal");
    EXPECT_EQ(references(), 2) << "initialisation takes a reference even so";
    host->frames(2);
    EXPECT_EQ(references(), 2) << "updates find the loaded library and take none";
    host->kill(g);
    EXPECT_EQ(references(), 1);
    EXPECT_THAT(sound_log.take(), ElementsAre("TerminateSounds")) << "still loaded for the other module";

    // A kill with no load of the gauge's own: the other module's reference stays.
    service(PANEL_SERVICE_PRE_KILL);
    EXPECT_THAT(sound_log.take(), ElementsAre("TerminateSounds"));
    EXPECT_EQ(references(), 1);
    EXPECT_EQ(FreeLibrary(other), TRUE);
    EXPECT_THAT(sound_log.take(), ElementsAre("unload"));
}

TEST_F(ThrottleTest, WithoutTheLibraryTheGaugeWorksAndEachUpdateTriesAgain) {
    const std::string empty = std::string(GAUGE_BINARY_DIR) + "/no_libraries_here";
    std::filesystem::create_directories(empty);
    standin::set_library_dir(empty);

    emu::Gauge& g = host->install(coristal, "coristal");
    log_library_calls();
    host->frames(2);  // one load attempt per update, and no look-up without a library
    EXPECT_THAT(sound_log.take(), ElementsAre("GetModuleHandleA GaugeSound", "LoadLibraryA GaugeSound",
                                              "GetModuleHandleA GaugeSound", "LoadLibraryA GaugeSound"));
    standin::set_call_listener({});
    host->set_number(0x80, 16384);
    host->frame();
    EXPECT_EQ(g.element(lever(1)).placed.y, 35);
    ASSERT_TRUE(host->click(g, 60, 100));
    EXPECT_EQ(host->take_events().size(), 1u);
    EXPECT_FALSE(standin::library_loaded("GaugeSound"));

    standin::set_library_dir(GAUGE_SOUND_DIR);  // the library turns up
    EXPECT_THAT(sound_log.take(), IsEmpty());
    host->frame();  // the next update loads it
    EXPECT_THAT(sound_log.take(), ElementsAre("load"));
    EXPECT_EQ(references(), 1);
    host->frames(2);
    EXPECT_EQ(references(), 1);
    host->kill(g);
    EXPECT_THAT(sound_log.take(), ElementsAre("TerminateSounds", "unload"));
    EXPECT_EQ(references(), 0);
}

// Loads that failed took no reference: once another module has loaded the
// library, the gauge finds it, and its kill gives back nothing of the
// other module's.
TEST_F(ThrottleTest, FailedLoadsTakeNoReferenceWhenTheLibraryAppearsLater) {
    standin::set_library_dir(std::string(GAUGE_BINARY_DIR) + "/no_libraries_here");
    emu::Gauge& g = host->install(coristal, "coristal");
    host->frames(3);  // a failed load at initialisation and at each update
    EXPECT_FALSE(standin::library_loaded("GaugeSound"));

    standin::set_library_dir(GAUGE_SOUND_DIR);
    HMODULE other = LoadLibraryA("GaugeSound");  // another module's load
    ASSERT_NE(other, nullptr);
    sound_log.take();
    host->frames(2);  // found, not loaded
    EXPECT_EQ(references(), 1);
    host->kill(g);
    EXPECT_THAT(sound_log.take(), ElementsAre("TerminateSounds")) << "still loaded for the other module";
    EXPECT_EQ(references(), 1);
    EXPECT_EQ(FreeLibrary(other), TRUE);
    EXPECT_THAT(sound_log.take(), ElementsAre("unload"));
}

TEST_F(ThrottleTest, AKillWithoutTheLibraryCallsAndReleasesNothing) {
    standin::set_library_dir(std::string(GAUGE_BINARY_DIR) + "/no_libraries_here");
    emu::Gauge& g = host->install(coristal, "coristal");
    host->frame();
    log_library_calls();
    host->kill(g);
    EXPECT_THAT(sound_log.take(), ElementsAre("GetModuleHandleA GaugeSound", "LoadLibraryA GaugeSound"));
    EXPECT_EQ(references(), 0);
}

TEST_F(ThrottleTest, AMissingTerminateSoundsIsSkippedAndTheLibraryStillReleased) {
    standin::set_library_dir(GAUGE_SOUND_WITHOUT_TERMINATE_DIR);
    emu::Gauge& g = host->install(coristal, "coristal");
    host->frame();
    EXPECT_EQ(references(), 1);
    sound_log.take();
    log_library_calls();
    host->kill(g);
    EXPECT_THAT(sound_log.take(),
                ElementsAre("GetModuleHandleA GaugeSound", "GetProcAddress GaugePlaySound",
                            "GetProcAddress GaugeStopSound", "GetProcAddress TerminateSounds", "FreeLibrary", "unload"));
    EXPECT_EQ(references(), 0);
}

TEST_F(ThrottleTest, SeveralGaugesShareTheLibraryAndReleaseWhatTheyTook) {
    emu::Gauge& first = host->install(coristal, "coristal");
    emu::Gauge& second = host->install(coristal, "coristal");
    EXPECT_THAT(sound_log.take(), ElementsAre("load")) << "the second reuses the held library";
    EXPECT_EQ(references(), 1);
    host->frame();

    host->kill(first);  // terminates the sounds and drops the one reference
    EXPECT_THAT(sound_log.take(), ElementsAre("TerminateSounds", "unload"));
    EXPECT_EQ(references(), 0);
    host->frame();  // the survivor's update loads it again, with fresh entry points
    EXPECT_THAT(sound_log.take(), ElementsAre("load"));
    EXPECT_EQ(references(), 1);

    host->kill(second);  // calls TerminateSounds of the library as loaded now
    EXPECT_THAT(sound_log.take(), ElementsAre("TerminateSounds", "unload"));
    EXPECT_EQ(references(), 0);
}

TEST_F(ThrottleTest, SeveralGaugesNeverReleaseAnotherModulesReference) {
    HMODULE other = LoadLibraryA("GaugeSound");
    ASSERT_NE(other, nullptr);
    emu::Gauge& first = host->install(coristal, "coristal");
    emu::Gauge& second = host->install(coristal, "coristal");
    emu::Gauge& third = host->install(coristal, "coristal");
    EXPECT_EQ(references(), 2);
    host->frame();
    host->kill(second);
    EXPECT_EQ(references(), 1);
    host->frame();
    host->kill(first);
    host->kill(third);  // two more kills, no more references of the gauge's own to give back
    EXPECT_EQ(references(), 1);
    EXPECT_TRUE(standin::library_loaded("GaugeSound"));
    sound_log.take();
    EXPECT_EQ(FreeLibrary(other), TRUE);
    EXPECT_THAT(sound_log.take(), ElementsAre("unload"));
}
