// DirectSoundCreate and the device objects it hands out: reference
// counted, created with one reference, gone from the count when Release
// takes the last. A device's record outlives its last reference, so a
// Release too many is reported instead of touching freed memory.
#include <memory>
#include <vector>

#include "platform/standin/parts.h"
#include "platform/standin/standin_control.h"

namespace standin {

namespace {

sound_fault current_fault = sound_fault::none;
HWND cooperative_window = nullptr;
DWORD cooperative_level = 0;
// Devices with a reference left, counted as they come and go: the records
// of every device ever made grow with a long run, and the count is asked
// for after every fuzz input.
int live_devices = 0;

class device final : public IDirectSound {
public:
    HRESULT SetCooperativeLevel(HWND window, DWORD level) override {
        log_call("SetCooperativeLevel " + std::to_string(level));
        if (references_ == 0) {
            record_fault("SetCooperativeLevel on a released device");
            return DSERR_INVALIDPARAM;
        }
        if (!window_exists(window) || level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY) return DSERR_INVALIDPARAM;
        if (current_fault == sound_fault::cooperative_level_fails) return DSERR_ALLOCATED;
        cooperative_window = window;
        cooperative_level = level;
        return DS_OK;
    }

    ULONG Release() override {
        log_call("Release");
        if (references_ == 0) {
            record_fault("Release on a device with no reference left");
            return 0;
        }
        if (--references_ == 0) --live_devices;
        return references_;
    }

private:
    ULONG references_ = 1;
};

// Every device ever made, so that late calls on released ones stay safe.
std::vector<std::unique_ptr<device>> devices;

// What a failed DirectSoundCreate leaves in its result: no device, and
// any call on it a fault.
class junk_result final : public IDirectSound {
public:
    HRESULT SetCooperativeLevel(HWND, DWORD) override {
        log_call("SetCooperativeLevel");
        record_fault("SetCooperativeLevel on the result of a failed DirectSoundCreate");
        return DSERR_INVALIDPARAM;
    }
    ULONG Release() override {
        log_call("Release");
        record_fault("Release on the result of a failed DirectSoundCreate");
        return 0;
    }
};

junk_result junk;

// A failed create's result: junk unless the test asked for null.
HRESULT failed(LPDIRECTSOUND* result, HRESULT error) {
    *result = failures_leave_junk() ? static_cast<LPDIRECTSOUND>(&junk) : nullptr;
    return error;
}

}  // namespace

void set_sound_fault(sound_fault fault) { current_fault = fault; }

int live_sound_devices() { return live_devices; }

HWND last_cooperative_window() { return cooperative_window; }

DWORD last_cooperative_level() { return cooperative_level; }

// Devices still referenced stay counted.
void reset_sound() {
    current_fault = sound_fault::none;
    cooperative_window = nullptr;
    cooperative_level = 0;
}

}  // namespace standin

// Only the default device (no GUID) exists; aggregation is not supported.
extern "C" HRESULT WINAPI DirectSoundCreate(LPCGUID guid, LPDIRECTSOUND* result, LPUNKNOWN outer) {
    standin::log_call("DirectSoundCreate");
    if (result == nullptr) return DSERR_INVALIDPARAM;
    if (outer != nullptr) return standin::failed(result, DSERR_NOAGGREGATION);
    if (guid != nullptr || standin::current_fault == standin::sound_fault::create_fails)
        return standin::failed(result, DSERR_NODRIVER);
    standin::devices.push_back(std::make_unique<standin::device>());
    ++standin::live_devices;
    *result = standin::devices.back().get();
    return DS_OK;
}
