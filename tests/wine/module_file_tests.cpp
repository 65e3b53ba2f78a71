// The Windows side of loading a module, beyond what the emulator's own
// tests (which run here too) check: the module is the system loader's, its
// instance handle is the loader's handle, and unloading gives it back.
#include <gtest/gtest.h>
#include <windows.h>

#include "process_state.h"
#include "support/host_fixture.h"

namespace {

TEST_F(HostFixture, AModuleIsTheLoadersFromLoadToUnload) {
    EXPECT_FALSE(wine_tests::module_loaded("probe.gau"));
    emu::Module& probe = host->load(std::string(GAUGE_TEST_MODULE_DIR) + "/probe.gau");
    EXPECT_EQ(probe.instance(), GetModuleHandleA("probe.gau"));
    EXPECT_NE(probe.instance(), nullptr);
    host->unload(probe);
    EXPECT_FALSE(wine_tests::module_loaded("probe.gau"));
}

TEST_F(HostFixture, AFileTheLoaderRefusesStaysOut) {
    const std::string text_file = std::string(GAUGE_BINARY_DIR) + "/refused.gau";
    HANDLE f = CreateFileA(text_file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(f, "MZ but nothing more", 19, &written, nullptr);
    CloseHandle(f);
    EXPECT_THROW(host->load(text_file), emu::Error);
    EXPECT_FALSE(wine_tests::module_loaded("refused.gau"));
    DeleteFileA(text_file.c_str());
}

}  // namespace
