// The stand-in's windows, registry, global memory and DirectSound: each
// behaves as its Windows original in what modules rely on, and counts what
// it hands out so that leaks show.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/standin/standin_control.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

constexpr const char* key_path = "SOFTWARE\\Vendor\\Product";

class StandinTest : public ::testing::Test {
protected:
    void SetUp() override { standin::reset(); }
    void TearDown() override {
        EXPECT_THAT(standin::take_faults(), IsEmpty());
        EXPECT_EQ(standin::open_registry_keys(), 0);
        EXPECT_EQ(standin::live_global_blocks(), 0);
        EXPECT_EQ(standin::live_sound_devices(), 0);
        standin::reset();
    }

    HKEY open_key(const char* path = key_path) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key), ERROR_SUCCESS);
        return key;
    }
};

// ---------------------------------------------------------------- windows

TEST_F(StandinTest, FindWindowMatchesClassAndTitleWithoutRegardToCase) {
    HWND main = standin::create_window("FS98MAIN");
    HWND other = standin::create_window("Other", "Some Title");
    EXPECT_EQ(FindWindowA("fs98main", nullptr), main);
    EXPECT_EQ(FindWindowA(nullptr, "some title"), other);
    EXPECT_EQ(FindWindowA("Other", "Another Title"), nullptr);
    EXPECT_EQ(FindWindowA("FS98MAI", nullptr), nullptr);
    EXPECT_EQ(standin::live_windows(), 2);

    standin::destroy_window(main);
    EXPECT_EQ(FindWindowA("FS98MAIN", nullptr), nullptr);
    EXPECT_FALSE(standin::window_exists(main));
    standin::reset();  // forgets the remaining window
    EXPECT_EQ(standin::live_windows(), 0);
    EXPECT_EQ(FindWindowA("Other", nullptr), nullptr);
}

// ---------------------------------------------------------------- registry

TEST_F(StandinTest, MissingKeysAndValuesAreNotFound) {
    // A failed open leaves the caller's handle as it was, unless asked to clear it.
    int marker = 0;
    const HKEY before = reinterpret_cast<HKEY>(&marker);
    HKEY key = before;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_path, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, before);
    standin::set_failed_results(standin::failed_results::cleared);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_path, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(standin::open_registry_keys(), 0);

    standin::create_registry_key(HKEY_LOCAL_MACHINE, key_path);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key_path, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    key = open_key("software\\VENDOR\\product");
    EXPECT_EQ(standin::open_registry_keys(), 1);
    EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(standin::open_registry_keys(), 0);
}

TEST_F(StandinTest, ParentKeysExistOnceAValueIsSet) {
    standin::set_registry_string(HKEY_LOCAL_MACHINE, key_path, "Name", "x");
    HKEY parent = open_key("SOFTWARE\\Vendor");
    HKEY child = nullptr;
    EXPECT_EQ(RegOpenKeyExA(parent, "Product", 0, KEY_READ, &child), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(child, "name", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    standin::remove_registry_key(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor");  // and everything below
    EXPECT_EQ(RegQueryValueExA(child, "Name", nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    RegCloseKey(child);
    RegCloseKey(parent);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_path, 0, KEY_READ, &child), ERROR_FILE_NOT_FOUND);
}

// What a query reports and writes, by the buffer it is given. "C:\FS" is
// five characters, so six bytes with its terminating zero.
TEST_F(StandinTest, QueriesReportSizesAndFillBuffersAsWindowsDoes) {
    standin::set_registry_string(HKEY_LOCAL_MACHINE, key_path, "path", "C:\\FS");
    standin::set_registry_bytes(HKEY_LOCAL_MACHINE, key_path, "raw", REG_BINARY, std::string("ab\0cd", 5));
    HKEY key = open_key();
    struct query_case {
        const char* name;
        bool buffer;
        DWORD capacity;
        LONG result;
        DWORD reported_size;
        DWORD reported_type;
        std::string written;  // the buffer's first bytes after the call
    } cases[] = {
        {"path", false, 0, ERROR_SUCCESS, 6, REG_SZ, ""},
        {"path", true, 6, ERROR_SUCCESS, 6, REG_SZ, std::string("C:\\FS\0", 6)},
        {"path", true, 100, ERROR_SUCCESS, 6, REG_SZ, std::string("C:\\FS\0", 6)},
        // Too small: the size needed comes back, and no terminating zero.
        {"path", true, 5, ERROR_MORE_DATA, 6, REG_SZ, "C:\\FS"},
        {"PATH", true, 0, ERROR_MORE_DATA, 6, REG_SZ, ""},
        {"raw", true, 5, ERROR_SUCCESS, 5, REG_BINARY, std::string("ab\0cd", 5)},
    };
    for (const query_case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " into " + (c.buffer ? std::to_string(c.capacity) : "no") + " bytes");
        std::string buffer(100, '#');
        DWORD size = c.capacity;
        DWORD type = 0;
        EXPECT_EQ(RegQueryValueExA(key, c.name, nullptr, &type, c.buffer ? reinterpret_cast<LPBYTE>(buffer.data()) : nullptr,
                                   &size),
                  c.result);
        EXPECT_EQ(size, c.reported_size);
        EXPECT_EQ(type, c.reported_type);
        EXPECT_EQ(buffer.substr(0, c.written.size()), c.written);
        EXPECT_EQ(buffer[c.written.size()], '#') << "nothing written beyond the bytes that fit";
    }
    // Presence alone: no type, no buffer, no size.
    EXPECT_EQ(RegQueryValueExA(key, "path", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    // A buffer without its size is refused.
    char buffer[8];
    EXPECT_EQ(RegQueryValueExA(key, "path", nullptr, nullptr, reinterpret_cast<LPBYTE>(buffer), nullptr),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

TEST_F(StandinTest, ClosingAKeyTwiceIsRefusedAndRecorded) {
    standin::create_registry_key(HKEY_LOCAL_MACHINE, key_path);
    HKEY key = open_key();
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(key, "x", nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
    EXPECT_THAT(standin::take_faults(), ElementsAre(HasSubstr("RegCloseKey"), HasSubstr("RegQueryValueExA")));
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);  // a predefined root: nothing to close
}

TEST_F(StandinTest, ResetForgetsTheRegistryButKeepsOpenKeysCounted) {
    standin::set_registry_string(HKEY_LOCAL_MACHINE, key_path, "Name", "x");
    HKEY key = open_key();
    standin::reset();
    EXPECT_EQ(standin::open_registry_keys(), 1);
    EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

// ---------------------------------------------------------------- memory

TEST_F(StandinTest, GlobalBlocksAreZeroedWhenAskedAndFreedOnce) {
    auto* zeroed = static_cast<char*>(GlobalAlloc(GMEM_ZEROINIT, 8));
    auto* raw = static_cast<char*>(GlobalAlloc(GMEM_FIXED, 4));
    ASSERT_NE(zeroed, nullptr);
    ASSERT_NE(raw, nullptr);
    std::memcpy(zeroed, "abc", 3);
    EXPECT_THAT(standin::live_global_block_contents(),
                ElementsAre(std::string("abc\0\0\0\0\0", 8), std::string(4, '\xCD')));
    EXPECT_EQ(standin::live_global_blocks(), 2);

    EXPECT_EQ(GlobalFree(zeroed), nullptr);
    EXPECT_EQ(GlobalFree(zeroed), zeroed) << "a second free fails and hands the block back";
    EXPECT_THAT(standin::take_faults(), ElementsAre(HasSubstr("GlobalFree: not a live block")));
    EXPECT_EQ(GlobalFree(raw), nullptr);
    EXPECT_EQ(GlobalFree(nullptr), nullptr);
}

TEST_F(StandinTest, GlobalAllocFailsAsOftenAsToldAndOffersFixedBlocksOnly) {
    standin::fail_global_allocs(2);
    EXPECT_EQ(GlobalAlloc(GMEM_ZEROINIT, 16), nullptr);
    EXPECT_EQ(GlobalAlloc(GMEM_ZEROINIT, 16), nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_ZEROINIT, 16);
    EXPECT_NE(block, nullptr);
    GlobalFree(block);

    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 16), nullptr);
    EXPECT_THAT(standin::take_faults(), ElementsAre(HasSubstr("only fixed blocks")));
}

TEST_F(StandinTest, WritingPastABlockIsRecorded) {
    auto* block = static_cast<char*>(GlobalAlloc(GMEM_ZEROINIT, 4));
    std::memcpy(block, "abcde", 5);  // one byte into the guard that follows the block
    GlobalFree(block);
    EXPECT_THAT(standin::take_faults(), ElementsAre(HasSubstr("block of 4 bytes was written past its end")));
}

// ---------------------------------------------------------------- sound

TEST_F(StandinTest, DeviceObjectsAreCountedUntilTheirLastRelease) {
    HWND window = standin::create_window("FS98MAIN");
    LPDIRECTSOUND first = nullptr;
    LPDIRECTSOUND second = nullptr;
    ASSERT_EQ(DirectSoundCreate(nullptr, &first, nullptr), DS_OK);
    ASSERT_EQ(DirectSoundCreate(nullptr, &second, nullptr), DS_OK);
    EXPECT_NE(first, second);
    EXPECT_EQ(standin::live_sound_devices(), 2);

    EXPECT_EQ(first->SetCooperativeLevel(window, DSSCL_NORMAL), DS_OK);
    EXPECT_EQ(standin::last_cooperative_window(), window);
    EXPECT_EQ(standin::last_cooperative_level(), DSSCL_NORMAL);
    EXPECT_EQ(first->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DSERR_INVALIDPARAM);
    EXPECT_EQ(first->SetCooperativeLevel(window, 0), DSERR_INVALIDPARAM);

    EXPECT_EQ(first->Release(), 0u);
    EXPECT_EQ(standin::live_sound_devices(), 1);
    EXPECT_EQ(first->Release(), 0u);  // one too many: recorded, harmless
    EXPECT_THAT(standin::take_faults(), ElementsAre(HasSubstr("no reference left")));
    EXPECT_EQ(second->Release(), 0u);
    EXPECT_EQ(standin::live_sound_devices(), 0);
}

TEST_F(StandinTest, SoundFaultsAndUnsupportedRequestsHandNoDevice) {
    HWND window = standin::create_window("FS98MAIN");
    const GUID some_device{1, 2, 3, {4}};
    IUnknown* outer = reinterpret_cast<IUnknown*>(&window);
    struct create_case {
        const char* what;
        standin::sound_fault fault;
        LPCGUID guid;
        LPUNKNOWN outer;
        HRESULT result;
    } cases[] = {
        {"no default device", standin::sound_fault::create_fails, nullptr, nullptr, DSERR_NODRIVER},
        {"a device other than the default", standin::sound_fault::none, &some_device, nullptr, DSERR_NODRIVER},
        {"aggregation", standin::sound_fault::none, nullptr, outer, DSERR_NOAGGREGATION},
    };
    for (const create_case& c : cases) {
        SCOPED_TRACE(c.what);
        standin::set_sound_fault(c.fault);
        // By default the result is junk: not null, and no device to call.
        standin::set_failed_results(standin::failed_results::junk);
        LPDIRECTSOUND device = nullptr;
        EXPECT_EQ(DirectSoundCreate(c.guid, &device, c.outer), c.result);
        ASSERT_NE(device, nullptr);
        device->Release();
        EXPECT_THAT(standin::take_faults(), ElementsAre(HasSubstr("failed DirectSoundCreate")));
        // Asked to clear it, the stand-in writes null.
        standin::set_failed_results(standin::failed_results::cleared);
        device = reinterpret_cast<LPDIRECTSOUND>(&window);
        EXPECT_EQ(DirectSoundCreate(c.guid, &device, c.outer), c.result);
        EXPECT_EQ(device, nullptr);
        EXPECT_EQ(standin::live_sound_devices(), 0);
    }

    standin::set_sound_fault(standin::sound_fault::cooperative_level_fails);
    LPDIRECTSOUND device = nullptr;
    ASSERT_EQ(DirectSoundCreate(nullptr, &device, nullptr), DS_OK);
    EXPECT_NE(device->SetCooperativeLevel(window, DSSCL_NORMAL), DS_OK);
    EXPECT_EQ(standin::last_cooperative_window(), nullptr);
    device->Release();
}

// ---------------------------------------------------------------- call log

TEST_F(StandinTest, TheCallLogListsEveryCallInOrderAndResetClearsIt) {
    std::vector<std::string> heard;
    standin::set_call_listener([&](const std::string& line) { heard.push_back(line); });
    FindWindowA("FS98MAIN", nullptr);
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\X", 0, KEY_READ, &key);
    HGLOBAL block = GlobalAlloc(GMEM_ZEROINIT, 260);
    GlobalFree(block);
    LPDIRECTSOUND device = nullptr;
    DirectSoundCreate(nullptr, &device, nullptr);
    device->Release();
    standin::set_call_listener(nullptr);
    const auto expected = ElementsAre("FindWindowA FS98MAIN", "RegOpenKeyExA HKLM\\SOFTWARE\\X 0x20019",
                                      "GlobalAlloc 0x40 260", "GlobalFree", "DirectSoundCreate", "Release");
    EXPECT_THAT(standin::call_log(), expected);
    EXPECT_THAT(heard, expected);
    standin::reset();
    EXPECT_THAT(standin::call_log(), IsEmpty());
}

}  // namespace
