// Inside the host emulator: the per-gauge state the host keeps beside a
// module's records, and the functions behind the service table and the
// driving of gauges. Not for callers of the emulator.
#pragma once

#include <memory>
#include <vector>

#include "emulator/host_emulator.h"

namespace emu {

struct Module::Resources {
    std::vector<Bitmap> bitmaps;
};

// What the host owns for one installed gauge, from install to kill.
struct Gauge::Buffers {
    ELEMENT_HEADER* root = nullptr;
    bool installed = false;                     // element list installed, not yet killed
    std::vector<std::vector<char>> texts;       // string elements: buffer plus guard bytes
    std::vector<std::unique_ptr<IMAGE>> images; // static images and sliders
    std::vector<std::vector<const Bitmap*>> frames;  // icons: the bitmap of each frame
};

struct HostServices {
    static constexpr std::size_t guard_bytes = 16;
    static constexpr char guard_fill = static_cast<char>(0xA5);
    // A fresh text buffer holds this byte throughout, not zeros, as a real
    // host's memory may: a text written without its terminating zero, or a
    // callback that relies on an empty buffer, shows up as a fault.
    static constexpr char text_fill = static_cast<char>(0xCB);
    static constexpr std::size_t max_elements = 512;
    static constexpr std::size_t max_mouse_records = 1024;

    static PANELS table;

    // The host and gauge a service call belongs to; null when a service is
    // called outside any host call into the module.
    static Host* host();
    static Gauge* gauge(const char* service);
    // The phase the host handed the generate routine running now; null
    // outside one.
    static const ENUM32* generate_phase();
    static void fault(const std::string& what);
    static void log(const char* service, const void* subject, std::int64_t argument = 0);

    // Element lists (host_elements.cpp).
    static void install_elements(Gauge& g, ELEMENT_HEADER* root, MODULE_HANDLE instance);
    static void initialize_elements(Gauge& g);
    static void update_elements(Gauge& g);
    static void plot_elements(Gauge& g);
    static void kill_elements(Gauge& g);
    // Points the records' host fields (text buffers, images) at this
    // gauge's own, so that several installs of one gauge each keep theirs.
    static void bind(Gauge& g);

    // Mouse lists (host_mouse.cpp).
    static void install_mouse_list(Gauge& g, MOUSERECT* list, GAUGEHDR* header, const PIXPOINT* size);
    static const MOUSERECT* hit(const Gauge& g, int x, int y, FLAGS32 event_flags, bool want_child);
    static bool send_mouse(Host& h, Gauge& g, int x, int y, FLAGS32 event_flags);

    static bool owns_root(const Gauge& g, const ELEMENT_HEADER* root);
    static void set_registered(Gauge& g, bool on);
    static void toggle_window(Host& h, ID32 window_id);
    static void bind_variable(Host& h, MODULE_VAR& var);
    static void refresh_variable(Host& h, MODULE_VAR& var);

    // Variables and events (host.cpp).
    static VAR_VALUE read_variable(const Host& h, ID32 token);
    static SINT32 key_event(Host& h, ID32 event_id, std::uint32_t value, HostEvent::Origin origin);
};

}  // namespace emu
