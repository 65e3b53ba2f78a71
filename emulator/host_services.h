// Inside the host emulator: the per-gauge state the host keeps beside a
// module's records, and the functions behind the service table and the
// driving of gauges. Not for callers of the emulator.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "emulator/host_emulator.h"

namespace emu {

struct Module::Resources {
    std::shared_ptr<const std::vector<Bitmap>> bitmaps;  // never null
    // Per gauge header, the live gauge its records are bound to now, if any
    // (several installs of one header share its records).
    std::map<const GAUGEHDR*, Gauge*> bound;
};

// What the host owns for one installed gauge, from install to kill.
struct Gauge::Buffers {
    ELEMENT_HEADER* root = nullptr;
    bool installed = false;  // element list installed, not yet killed
    bool updating = false;   // its element callbacks are running
    // Where a variable lives in the host's store, found once rather than
    // searched for every frame.
    struct VariableLink {
        ID32 id = 0;
        const VAR_VALUE* value = nullptr;
    };
    // What the host keeps beside one element, in tree order.
    struct Element {
        // String elements: the text buffer (room bytes: the character count
        // plus the zero), its guard bytes, then a copy of the buffer's first
        // compared_words() words as they were after the last text, if that
        // was terminated (last_seen), so that an unchanged text costs a word
        // compare or two.
        std::vector<char> text;
        std::size_t room = 0;
        bool last_seen = false;
        std::unique_ptr<IMAGE> image;     // static images and sliders
        std::vector<const Bitmap*> frames;  // icons: the bitmap of each frame
        VariableLink links[3];            // in the order of the element's variable records
        std::size_t compared_words() const { return (room + 7) / 8; }
    };
    std::vector<Element> elements;
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
    // Inline: every service call of every frame goes through them.
    static Host* host() { return Host::current(); }
    static Gauge* gauge(const char* service) {
        Host* h = Host::current();
        if (h == nullptr) return nullptr;
        if (h->driving_ == nullptr) fault_outside(service);
        return h->driving_;
    }
    // The phase the host handed the generate routine running now; null
    // outside one.
    static const ENUM32* generate_phase() {
        Host* h = Host::current();
        return h != nullptr ? h->generating_ : nullptr;
    }
    static void fault(const std::string& what);
    static void fault_outside(const char* service);
    static void log(const char* service, const void* subject, std::int64_t argument = 0) {
        Host* h = Host::current();
        if (h != nullptr && h->record_calls_) record(*h, service, subject, argument);
    }
    static void record(Host& h, const char* service, const void* subject, std::int64_t argument);

    // Element lists (host_elements.cpp).
    static void install_elements(Gauge& g, ELEMENT_HEADER* root, MODULE_HANDLE instance);
    static void initialize_elements(Gauge& g);
    static void update_elements(Gauge& g);
    // One element's update, by kind; the frequent kinds inline in the loop.
    [[gnu::always_inline]] static inline void update_text(Host& h, const Gauge& g, std::size_t i, ElementState& st,
                                                          Gauge::Buffers::Element& held, bool v610);
    [[gnu::always_inline]] static inline void update_icon(Host& h, const Gauge& g, std::size_t i, ElementState& st,
                                                          Gauge::Buffers::Element& held, bool v610);
    static void update_slider(Host& h, const Gauge& g, std::size_t i, ElementState& st, Gauge::Buffers::Element& held);
    // The rare paths of a text update, kept out of the frame's loop.
    [[gnu::noinline]] static void take_new_text(const Gauge& g, std::size_t i, ElementState& st,
                                                Gauge::Buffers::Element& held);
    [[gnu::noinline]] static void repair_guard(const Gauge& g, std::size_t i, Gauge::Buffers::Element& held);
    static void plot_elements(Gauge& g);
    static void kill_elements(Gauge& g);
    // Points the records' host fields (text buffers, images) at this
    // gauge's own, so that several installs of one gauge each keep theirs.
    // Records already bound to this gauge are left alone; rebind() binds
    // them again after the gauge's buffers changed.
    static void bind(Gauge& g) {
        if (g.buffers_ != nullptr && (g.binding_ == nullptr || *g.binding_ != &g)) bind_records(g);
    }
    static void rebind(Gauge& g);
    static void bind_records(Gauge& g);

    // Mouse lists (host_mouse.cpp).
    static void install_mouse_list(Gauge& g, MOUSERECT* list, GAUGEHDR* header, const PIXPOINT* size);
    static const MOUSERECT* hit(const Gauge& g, int x, int y, FLAGS32 event_flags, bool want_child);
    static bool send_mouse(Host& h, Gauge& g, int x, int y, FLAGS32 event_flags);

    static bool owns_root(const Gauge& g, const ELEMENT_HEADER* root) {
        return g.buffers_ != nullptr && g.buffers_->installed && g.buffers_->root == root;
    }
    static bool updating(const Gauge& g) { return g.buffers_ != nullptr && g.buffers_->updating; }
    static void set_registered(Gauge& g, bool on);
    static void toggle_window(Host& h, ID32 window_id);
    static void bind_variable(Host& h, MODULE_VAR& var);
    static void refresh_variable(Host& h, MODULE_VAR& var);
    // The same through a link that remembers where the variable lives; it
    // follows the record to another token if the module changes its id.
    static void refresh_variable(Host& h, MODULE_VAR& var, Gauge::Buffers::VariableLink& link) {
        if (var.id == 0) return;
        if (link.id != var.id || link.value == nullptr) relink(h, var, link);
        var.var_old = var.var_value;
        var.var_value = *link.value;
    }
    [[gnu::noinline]] static void relink(Host& h, const MODULE_VAR& var, Gauge::Buffers::VariableLink& link) {
        link = {var.id, variable_slot(h, var.id)};
    }
    // Where a variable lives in the store. A variable never set reads as
    // zero either way; its entry is made now so that a link has somewhere
    // to point (map nodes keep their address).
    static const VAR_VALUE* variable_slot(Host& h, ID32 token);

    // Variables and events (host.cpp).
    static VAR_VALUE read_variable(const Host& h, ID32 token);
    static SINT32 key_event(Host& h, ID32 event_id, std::uint32_t value, HostEvent::Origin origin);
};

}  // namespace emu
