// The stand-in's library functions: finding a library by name in the
// library folder, references taken and given back, the real unload at the
// last reference, and entry points. Driven with the test GaugeSound
// library, whose call log shows when it is really loaded and unloaded.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/standin/standin_control.h"
#include "platform/win32.h"
#include "support/gauge_sound/call_log.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

const std::string complete_dir = GAUGE_SOUND_DIR;
const std::string without_terminate_dir = GAUGE_SOUND_WITHOUT_TERMINATE_DIR;

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        standin::reset();
        standin::set_library_dir(complete_dir);
    }
    void TearDown() override {
        EXPECT_EQ(standin::library_references("GaugeSound"), 0) << "the test left references behind";
        EXPECT_THAT(standin::take_faults(), IsEmpty());
        while (HMODULE left = GetModuleHandleA("GaugeSound")) FreeLibrary(left);
        standin::reset();
    }
    GaugeSoundLog log;
};

TEST_F(LibraryTest, EachLoadTakesAReferenceAndTheLastFreeUnloads) {
    EXPECT_FALSE(standin::library_loaded("GaugeSound"));
    HMODULE first = LoadLibraryA("GaugeSound");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(standin::library_references("GaugeSound"), 1);
    EXPECT_THAT(log.take(), ElementsAre("load"));

    HMODULE second = LoadLibraryA("GaugeSound");
    EXPECT_EQ(second, first);  // the loaded library again, not a second copy
    EXPECT_EQ(standin::library_references("GaugeSound"), 2);

    EXPECT_EQ(FreeLibrary(first), TRUE);
    EXPECT_EQ(standin::library_references("GaugeSound"), 1);
    EXPECT_TRUE(standin::library_loaded("GaugeSound"));
    EXPECT_THAT(log.take(), IsEmpty());

    EXPECT_EQ(FreeLibrary(second), TRUE);
    EXPECT_EQ(standin::library_references("GaugeSound"), 0);
    EXPECT_FALSE(standin::library_loaded("GaugeSound"));
    EXPECT_THAT(log.take(), ElementsAre("unload"));

    // The handle of an unloaded library is unknown from now on, even after
    // the library is loaded again.
    HMODULE again = LoadLibraryA("GaugeSound");
    EXPECT_EQ(FreeLibrary(first), FALSE);
    EXPECT_EQ(GetProcAddress(first, "GaugePlaySound"), nullptr);
    EXPECT_EQ(standin::library_references("GaugeSound"), 1);
    EXPECT_THAT(standin::take_faults(),
                ElementsAre(HasSubstr("FreeLibrary: a handle that is not a loaded library"),
                            HasSubstr("GetProcAddress: a handle that is not a loaded library")));
    EXPECT_EQ(FreeLibrary(again), TRUE);
}

TEST_F(LibraryTest, NamesAreResolvedLikeWindows) {
    struct row {
        std::string name;
        bool found;
    };
    const row rows[] = {
        {"GaugeSound", true},                        // bare: the folder and the default extension
        {"GaugeSound.so", true},                     // an extension of its own: none added
        {complete_dir + "/GaugeSound.so", true},     // a path: used as given
        {"GaugeSound.dll", false},                   // no such file in the folder
        {"GaugeSound.", false},                      // a trailing dot: no extension at all
        {"Missing", false},
        {complete_dir + "/GaugeSound", true},        // a path without extension gets the default one
        {"", false},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        HMODULE h = LoadLibraryA(r.name.c_str());
        EXPECT_EQ(h != nullptr, r.found);
        EXPECT_EQ(standin::library_references("GaugeSound"), r.found ? 1 : 0);
        if (h != nullptr) {
            EXPECT_EQ(FreeLibrary(h), TRUE);
        }
    }
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
}

TEST_F(LibraryTest, APathIsNotLookedForInTheLibraryFolder) {
    HMODULE h = LoadLibraryA((without_terminate_dir + "/GaugeSound.so").c_str());
    ASSERT_NE(h, nullptr);
    EXPECT_NE(GetProcAddress(h, "GaugePlaySound"), nullptr);
    EXPECT_EQ(GetProcAddress(h, "TerminateSounds"), nullptr);  // the other folder's library
    FreeLibrary(h);
}

TEST_F(LibraryTest, ABareNameMeansTheLoadedLibraryWhereverItCameFrom) {
    HMODULE first = LoadLibraryA("GaugeSound");
    ASSERT_NE(first, nullptr);
    standin::set_library_dir(without_terminate_dir);
    HMODULE second = LoadLibraryA("GaugeSound");
    EXPECT_EQ(second, first);
    EXPECT_EQ(standin::library_references("GaugeSound"), 2);
    EXPECT_NE(GetProcAddress(second, "TerminateSounds"), nullptr) << "still the first folder's library";
    FreeLibrary(second);
    FreeLibrary(first);
    EXPECT_THAT(log.take(), ElementsAre("load", "unload"));
}

TEST_F(LibraryTest, ModuleHandleFindsOnlyALoadedLibraryAndTakesNoReference) {
    EXPECT_EQ(GetModuleHandleA("GaugeSound"), nullptr);  // in the folder, but not loaded
    HMODULE h = LoadLibraryA("GaugeSound");
    ASSERT_NE(h, nullptr);
    for (const char* name : {"GaugeSound", "gaugesound", "GAUGESOUND.SO", "GaugeSound.so"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(GetModuleHandleA(name), h);
    }
    EXPECT_EQ(GetModuleHandleA("GaugeSound.dll"), nullptr);
    EXPECT_EQ(GetModuleHandleA("Other"), nullptr);
    EXPECT_EQ(GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(standin::library_references("GaugeSound"), 1);
    FreeLibrary(h);
    EXPECT_EQ(GetModuleHandleA("GaugeSound"), nullptr);
}

TEST_F(LibraryTest, EntryPointsAreFoundByNameOrNull) {
    HMODULE h = LoadLibraryA("GaugeSound");
    ASSERT_NE(h, nullptr);
    log.take();
    FARPROC terminate = GetProcAddress(h, "TerminateSounds");
    ASSERT_NE(terminate, nullptr);
    terminate();
    EXPECT_THAT(log.take(), ElementsAre("TerminateSounds"));  // the library's own function ran
    EXPECT_NE(GetProcAddress(h, "GaugePlaySound"), nullptr);
    EXPECT_NE(GetProcAddress(h, "GaugeStopSound"), nullptr);
    EXPECT_EQ(GetProcAddress(h, "NoSuchEntryPoint"), nullptr);
    EXPECT_EQ(GetProcAddress(h, nullptr), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "TerminateSounds"), nullptr);
    FreeLibrary(h);
}

TEST_F(LibraryTest, TheLibraryFolderPicksTheVariant) {
    standin::set_library_dir(without_terminate_dir);
    HMODULE h = LoadLibraryA("GaugeSound");
    ASSERT_NE(h, nullptr);
    EXPECT_NE(GetProcAddress(h, "GaugePlaySound"), nullptr);
    EXPECT_NE(GetProcAddress(h, "GaugeStopSound"), nullptr);
    EXPECT_EQ(GetProcAddress(h, "TerminateSounds"), nullptr);
    FreeLibrary(h);
}

TEST_F(LibraryTest, FreeingAnUnknownHandleFailsAndIsAFault) {
    EXPECT_EQ(FreeLibrary(nullptr), FALSE);
    EXPECT_EQ(FreeLibrary(reinterpret_cast<HMODULE>(&log)), FALSE);
    EXPECT_EQ(standin::take_faults().size(), 2u);
}

TEST_F(LibraryTest, EveryCallIsLogged) {
    standin::clear_call_log();
    HMODULE h = LoadLibraryA("GaugeSound");
    GetModuleHandleA("GaugeSound");
    GetProcAddress(h, "TerminateSounds");
    GetProcAddress(h, reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(7)));
    FreeLibrary(h);
    LoadLibraryA("Missing");  // failed calls too
    GetModuleHandleA(nullptr);
    EXPECT_THAT(standin::call_log(),
                ElementsAre("LoadLibraryA GaugeSound", "GetModuleHandleA GaugeSound", "GetProcAddress TerminateSounds",
                            "GetProcAddress #7", "FreeLibrary", "LoadLibraryA Missing", "GetModuleHandleA -"));
}

TEST_F(LibraryTest, ResetForgetsTheFolderButKeepsLoadedLibrariesCounted) {
    HMODULE h = LoadLibraryA("GaugeSound");
    ASSERT_NE(h, nullptr);
    standin::reset();
    EXPECT_EQ(standin::library_references("GaugeSound"), 1);
    EXPECT_EQ(GetModuleHandleA("GaugeSound"), h);
    EXPECT_EQ(FreeLibrary(h), TRUE);
    EXPECT_EQ(LoadLibraryA("GaugeSound"), nullptr);  // no folder to look in any more
}

}  // namespace
