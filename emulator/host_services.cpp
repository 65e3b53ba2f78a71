// The service table the host writes into every module's ImportTable. Each
// service finds the gauge it belongs to (the one whose routine or callback
// the host is running), logs the call and does what the contract says.
#include "emulator/host_services.h"

namespace emu {

namespace {

SINT32 HOSTAPI element_list_query(ELEMENT_HEADER* root) {
    HostServices::log("element_list_query", root);
    Gauge* g = HostServices::gauge("element_list_query");
    return g != nullptr && HostServices::owns_root(*g, root) ? 1 : 0;
}

void HOSTAPI element_list_install(ELEMENT_HEADER* root, MODULE_HANDLE instance) {
    HostServices::log("element_list_install", root);
    if (Gauge* g = HostServices::gauge("element_list_install")) HostServices::install_elements(*g, root, instance);
}

// Faults are built out of line, so that the services every frame calls
// stay small.
[[gnu::cold, gnu::noinline]] void fault_root(const char* service, const Gauge& g) {
    HostServices::fault(std::string(service) + ": gauge " + g.name() + " passed a root it has not installed");
}

[[gnu::cold, gnu::noinline]] void fault_inside_update(const char* service, const Gauge& g) {
    HostServices::fault(std::string(service) + ": gauge " + g.name() + " called it from inside its own update");
}

[[gnu::cold, gnu::noinline]] void fault_phase(const Gauge& g, ENUM32 phase, ENUM32 expected) {
    HostServices::fault("element_list_generate: gauge " + g.name() + " passed phase " + std::to_string(phase) +
                        ", its generate routine was given " + std::to_string(expected));
}

// The other element services take the root of the tree the gauge installed.
[[gnu::always_inline]] inline Gauge* gauge_of_root(const char* service, ELEMENT_HEADER* root) {
    HostServices::log(service, root);
    Gauge* g = HostServices::gauge(service);
    if (g == nullptr) return nullptr;
    if (!HostServices::owns_root(*g, root)) {
        fault_root(service, *g);
        return nullptr;
    }
    return g;
}

// Updating or killing the list from inside one of its own element
// callbacks would update without end or free what the update is walking:
// refused.
[[gnu::always_inline]] inline Gauge* gauge_of_root_outside_update(const char* service, ELEMENT_HEADER* root) {
    Gauge* g = gauge_of_root(service, root);
    if (g != nullptr && HostServices::updating(*g)) {
        fault_inside_update(service, *g);
        return nullptr;
    }
    return g;
}

void HOSTAPI element_list_initialize(ELEMENT_HEADER* root) {
    if (Gauge* g = gauge_of_root("element_list_initialize", root)) HostServices::initialize_elements(*g);
}

void HOSTAPI element_list_update(ELEMENT_HEADER* root) {
    if (Gauge* g = gauge_of_root_outside_update("element_list_update", root)) HostServices::update_elements(*g);
}

void HOSTAPI element_list_generate(ELEMENT_HEADER* root, ENUM32 phase) {
    HostServices::log("element_list_generate", root, phase);
    Gauge* g = HostServices::gauge("element_list_generate");
    if (g != nullptr && !HostServices::owns_root(*g, root)) fault_root("element_list_generate", *g);
    const ENUM32* expected = g != nullptr ? HostServices::generate_phase() : nullptr;
    if (expected != nullptr && phase != *expected) fault_phase(*g, phase, *expected);
}

void HOSTAPI element_list_plot(ELEMENT_HEADER* root) {
    if (Gauge* g = gauge_of_root("element_list_plot", root)) HostServices::plot_elements(*g);
}

void HOSTAPI element_list_kill(ELEMENT_HEADER* root) {
    if (Gauge* g = gauge_of_root_outside_update("element_list_kill", root)) HostServices::kill_elements(*g);
}

void HOSTAPI mouse_list_install(MOUSERECT* list, GAUGEHDR* header, PIXPOINT* size) {
    HostServices::log("mouse_list_install", list);
    if (Gauge* g = HostServices::gauge("mouse_list_install")) HostServices::install_mouse_list(*g, list, header, size);
}

void HOSTAPI mouse_list_register(MOUSERECT* list, GAUGEHDR* header) {
    HostServices::log("mouse_list_register", list);
    Gauge* g = HostServices::gauge("mouse_list_register");
    if (g == nullptr) return;
    if (list == nullptr || list != g->mouse_list() || header != g->info().header) {
        HostServices::fault("mouse_list_register: gauge " + g->name() + " registers a list it has not installed");
        return;
    }
    HostServices::set_registered(*g, true);
}

void HOSTAPI mouse_list_unregister(MOUSERECT* list, GAUGEHDR* header) {
    HostServices::log("mouse_list_unregister", list);
    Gauge* g = HostServices::gauge("mouse_list_unregister");
    if (g == nullptr) return;
    if (list == nullptr || list != g->mouse_list() || header != g->info().header) {
        HostServices::fault("mouse_list_unregister: gauge " + g->name() + " unregisters a list it has not installed");
        return;
    }
    HostServices::set_registered(*g, false);
}

SINT32 HOSTAPI panel_window_toggle(ID32 window_id) {
    HostServices::log("panel_window_toggle", nullptr, window_id);
    Host* h = HostServices::host();
    if (h == nullptr) return 0;
    HostServices::toggle_window(*h, window_id);
    return 1;
}

SINT32 HOSTAPI trigger_key_event(ID32 event_id, std::uint32_t value) {
    HostServices::log("trigger_key_event", nullptr, event_id);
    Host* h = HostServices::host();
    if (h == nullptr) return -1;
    return HostServices::key_event(*h, event_id, value, HostEvent::Origin::module);
}

void HOSTAPI initialize_var(MODULE_VAR* var) {
    HostServices::log("initialize_var", var, var != nullptr ? var->id : 0);
    if (Host* h = HostServices::host()) {
        if (var == nullptr) return HostServices::fault("initialize_var: no variable record");
        HostServices::bind_variable(*h, *var);
    }
}

void HOSTAPI lookup_var(MODULE_VAR* var) {
    HostServices::log("lookup_var", var, var != nullptr ? var->id : 0);
    if (Host* h = HostServices::host()) {
        if (var == nullptr) return HostServices::fault("lookup_var: no variable record");
        HostServices::refresh_variable(*h, *var);
    }
}

}  // namespace

PANELS HostServices::table = {
    .unused_slots_0_23 = {},
    .element_list_query = element_list_query,
    .element_list_install = element_list_install,
    .element_list_initialize = element_list_initialize,
    .element_list_update = element_list_update,
    .element_list_generate = element_list_generate,
    .element_list_plot = element_list_plot,
    .unused_slot_30 = nullptr,
    .element_list_kill = element_list_kill,
    .mouse_list_install = mouse_list_install,
    .mouse_list_register = mouse_list_register,
    .mouse_list_unregister = mouse_list_unregister,
    .panel_window_toggle = panel_window_toggle,
    .trigger_key_event = trigger_key_event,
    .unused_slot_37 = nullptr,
    .initialize_var = initialize_var,
    .unused_slot_39 = nullptr,
    .lookup_var = lookup_var,
};

void HostServices::fault_outside(const char* service) {
    fault(std::string(service) + " called outside any call of the host into a gauge");
}

void HostServices::fault(const std::string& what) {
    if (Host* h = Host::current()) h->faults_.push_back(what);
}

void HostServices::record(Host& h, const char* service, const void* subject, std::int64_t argument) {
    h.calls_.push_back(ServiceCall{.service = service, .subject = subject, .argument = argument});
}

void HostServices::set_registered(Gauge& g, bool on) { g.mouse_registered_ = on; }

void HostServices::toggle_window(Host& h, ID32 window_id) {
    h.windows_[window_id] = !h.windows_[window_id];
    h.events_.push_back(HostEvent{.kind = HostEvent::Kind::window_toggle, .origin = HostEvent::Origin::module,
                                  .id = window_id, .value = h.windows_[window_id] ? 1u : 0u});
}

void HostServices::bind_variable(Host& h, MODULE_VAR& var) {
    if (var.id == 0) return;
    var.var_ptr = &h.variables_[var.id];  // map nodes keep their address
    var.var_type = 1;
    var.var_value = read_variable(h, var.id);
    var.var_old = var.var_value;
}

void HostServices::refresh_variable(Host& h, MODULE_VAR& var) {
    if (var.id == 0) return;
    var.var_old = var.var_value;
    var.var_value = read_variable(h, var.id);
}

const VAR_VALUE* HostServices::variable_slot(Host& h, ID32 token) { return &h.variables_[token]; }

}  // namespace emu
