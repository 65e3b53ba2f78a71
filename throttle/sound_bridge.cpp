// The gauge callback: while the gauge lives it holds the outside GaugeSound
// library and keeps three of its entry points at hand, and when the gauge
// is killed it has the library terminate its sounds, then releases it. The
// module never plays or stops a sound itself; a missing library or entry
// point leaves this off and the gauge working.
//
// The handle is module-wide and shared by every live instance of the
// gauge, while the host's steps come per instance. So that the module
// never releases a reference it did not take (with several instances and
// the library also held by another module, one kill per instance would
// otherwise drop the other module's reference too), it counts the
// references its own loads took and releases only those. With one
// instance this is the load at initialisation and the release at kill.
#include "platform/win32.h"
#include "throttle/coristal.h"

namespace {

constexpr LPCSTR gauge_sound_name = "GaugeSound";

HMODULE gauge_sound_handle = nullptr;
FARPROC gauge_play_sound = nullptr;
FARPROC gauge_stop_sound = nullptr;
FARPROC terminate_sounds = nullptr;

// References taken by this module's LoadLibraryA calls and not yet released.
int references_taken = 0;

HMODULE load_gauge_sound() {
    HMODULE handle = LoadLibraryA(gauge_sound_name);
    if (handle != nullptr) ++references_taken;
    return handle;
}

// The entry points of the held library, null where absent or when no
// library is held. Run at every step, so the addresses follow the library
// if another module has unloaded and reloaded it since.
void look_up_entry_points() {
    if (gauge_sound_handle == nullptr) {
        gauge_play_sound = gauge_stop_sound = terminate_sounds = nullptr;
        return;
    }
    gauge_play_sound = GetProcAddress(gauge_sound_handle, "GaugePlaySound");
    gauge_stop_sound = GetProcAddress(gauge_sound_handle, "GaugeStopSound");
    terminate_sounds = GetProcAddress(gauge_sound_handle, "TerminateSounds");
}

// The library as the process has it now, loading it only when it is not
// loaded at all: a missing library costs one load attempt per call.
void get_or_load() {
    HMODULE handle = GetModuleHandleA(gauge_sound_name);
    if (handle == nullptr) handle = load_gauge_sound();
    gauge_sound_handle = handle;
}

void on_initialize() {
    if (gauge_sound_handle == nullptr) gauge_sound_handle = load_gauge_sound();
    look_up_entry_points();
}

void on_update() {
    get_or_load();
    look_up_entry_points();
}

// TerminateSounds is the module's last call into the library before it
// lets go of it.
void on_kill() {
    get_or_load();
    look_up_entry_points();
    if (terminate_sounds != nullptr) terminate_sounds();
    if (gauge_sound_handle != nullptr && references_taken > 0) {
        FreeLibrary(gauge_sound_handle);
        --references_taken;
    }
    gauge_sound_handle = nullptr;
    gauge_play_sound = gauge_stop_sound = terminate_sounds = nullptr;
}

}  // namespace

void HOSTAPI sound_bridge_callback(GAUGEHDR*, SINT32 service_id, std::uint32_t) {
    switch (service_id) {
        case PANEL_SERVICE_PRE_INITIALIZE:
            on_initialize();
            break;
        case PANEL_SERVICE_PRE_UPDATE:
            on_update();
            break;
        case PANEL_SERVICE_PRE_KILL:
            on_kill();
            break;
        default:
            break;
    }
}
