// Driving gauges through their headers.
//
// Headers 610 and 700: the routine set. Install (with the module's instance
// handle), then initialize; each frame update, generate and draw; kill
// last. The generate phase is the frame's number, counted from 1: it
// changes every frame, and a gauge must hand it on to
// element_list_generate as it came. A 700 header's mouse list is
// installed and registered by the host after the install routine, and
// unregistered before the kill routine; a 610 gauge hands its own list
// over from its install routine.
//
// Header 800: the host drives the element list and mouse list itself and
// calls the gauge callback with a service id around each step:
//   query:    0, the host's own query, 1 (only when asked: Host::query);
//   install:  2, element list and mouse list installed, 3;
//             4, element list initialised, 5;
//   frame:    6, update, 7; 8, generate, 9; 10, draw, 11;
//   kill:     12, then the mouse list unregistered and the element list
//             killed. 12 is the last id a gauge receives.
#include "emulator/host_services.h"
#include "emulator/module_call.h"

namespace emu {

namespace {

// Marks the gauge whose code the host is running, for the services.
class Driving {
public:
    Driving(Gauge*& slot, Gauge* g) : slot_(slot), before_(slot) { slot_ = g; }
    ~Driving() { slot_ = before_; }
    Driving(const Driving&) = delete;
    Driving& operator=(const Driving&) = delete;

private:
    Gauge*& slot_;
    Gauge* before_;
};

// What a routine of gauge g is called in a fault.
auto routine(const Gauge& g, const char* which) {
    return [&g, which] { return "gauge " + g.name() + ": " + which; };
}

void notify(GAUGEHDR* h, SINT32 service_id) {
    if (h->gauge_callback == nullptr) return;
    detail::call_module(
        [&] { return std::string("gauge ") + h->gauge_name + ": gauge callback (service id " + std::to_string(service_id) + ")"; },
        h->gauge_callback, h, service_id, 0u);
}

}  // namespace

Gauge& Host::install(Module& module, const std::string& gauge_name) {
    const GaugeInfo& info = module.gauge(gauge_name);
    auto owned = std::make_unique<Gauge>();
    Gauge& g = *owned;
    g.info_ = info;
    g.module_ = &module;
    g.binding_ = &module.resources_->bound[info.header];
    gauges_.push_back(std::move(owned));
    Driving driving(driving_, &g);
    GAUGEHDR* h = info.header;

    if (info.header_version == GAUGE_HEADER_VERSION_800) {
        notify(h, PANEL_SERVICE_PRE_INSTALL);
        HostServices::install_elements(g, h->elements_list[0], module.instance());
        if (h->mouse_rect != nullptr) {
            HostServices::install_mouse_list(g, h->mouse_rect, h, &g.size_);
            HostServices::set_registered(g, true);
        }
        notify(h, PANEL_SERVICE_POST_INSTALL);
        notify(h, PANEL_SERVICE_PRE_INITIALIZE);
        if (HostServices::owns_root(g, h->elements_list[0])) HostServices::initialize_elements(g);
        notify(h, PANEL_SERVICE_POST_INITIALIZE);
        return g;
    }

    if (h->install_routine != nullptr) {
        detail::call_module(routine(g, "install routine"), h->install_routine, module.instance());
    } else {
        HostServices::install_elements(g, h->elements_list[0], module.instance());
    }
    if (g.buffers_ == nullptr || !g.buffers_->installed)
        HostServices::fault("gauge " + g.name() + " did not install its element list");
    if (info.header_version == GAUGE_HEADER_VERSION_700 && h->mouse_rect != nullptr && g.buffers_ != nullptr) {
        HostServices::install_mouse_list(g, h->mouse_rect, h, &g.size_);
        HostServices::set_registered(g, true);
    }
    HostServices::bind(g);
    if (h->initialize_routine != nullptr) {
        detail::call_module(routine(g, "initialize routine"), h->initialize_routine);
    } else if (g.buffers_ != nullptr && g.buffers_->installed) {
        HostServices::initialize_elements(g);
    }
    return g;
}

SINT32 Host::query(Gauge& g) {
    if (!g.alive_) return 0;
    Driving driving(driving_, &g);
    HostServices::bind(g);
    GAUGEHDR* h = g.info_.header;
    if (g.info_.header_version == GAUGE_HEADER_VERSION_800) {
        notify(h, PANEL_SERVICE_PRE_QUERY);
        const SINT32 known = HostServices::owns_root(g, h->elements_list[0]) ? 1 : 0;
        notify(h, PANEL_SERVICE_POST_QUERY);
        return known;
    }
    return h->query_routine != nullptr ? detail::call_module(routine(g, "query routine"), h->query_routine) : 0;
}

void Host::frame() {
    ++frame_number_;
    const ENUM32 phase = frame_number_;
    for (std::size_t i = 0; i < gauges_.size(); ++i) {
        Gauge& g = *gauges_[i];
        if (!g.alive_) continue;
        Driving driving(driving_, &g);
        HostServices::bind(g);
        GAUGEHDR* h = g.info_.header;
        const bool installed = g.buffers_ != nullptr && g.buffers_->installed;
        if (g.info_.header_version == GAUGE_HEADER_VERSION_800) {
            notify(h, PANEL_SERVICE_PRE_UPDATE);
            if (installed) HostServices::update_elements(g);
            notify(h, PANEL_SERVICE_POST_UPDATE);
            notify(h, PANEL_SERVICE_PRE_GENERATE);
            notify(h, PANEL_SERVICE_POST_GENERATE);
            notify(h, PANEL_SERVICE_PRE_DRAW);
            if (installed) HostServices::plot_elements(g);
            notify(h, PANEL_SERVICE_POST_DRAW);
            continue;
        }
        if (h->update_routine != nullptr) detail::call_module(routine(g, "update routine"), h->update_routine);
        else if (installed) HostServices::update_elements(g);
        if (h->generate_routine != nullptr) {
            generating_ = &phase;
            detail::call_module(routine(g, "generate routine"), h->generate_routine, phase);
            generating_ = nullptr;
        }
        if (h->draw_routine != nullptr) detail::call_module(routine(g, "draw routine"), h->draw_routine);
        else if (installed) HostServices::plot_elements(g);
    }
}

void Host::frames(int count) {
    for (int i = 0; i < count; ++i) frame();
}

void Host::kill(Gauge& g) {
    if (!g.alive_) return;
    Driving driving(driving_, &g);
    HostServices::bind(g);
    GAUGEHDR* h = g.info_.header;
    if (g.info_.header_version == GAUGE_HEADER_VERSION_800) {
        notify(h, PANEL_SERVICE_PRE_KILL);
        HostServices::set_registered(g, false);
        if (g.buffers_ != nullptr && g.buffers_->installed) HostServices::kill_elements(g);
    } else {
        if (g.info_.header_version == GAUGE_HEADER_VERSION_700 && h->mouse_rect != nullptr)
            HostServices::set_registered(g, false);
        if (h->kill_routine != nullptr) detail::call_module(routine(g, "kill routine"), h->kill_routine);
        else if (g.buffers_ != nullptr && g.buffers_->installed) HostServices::kill_elements(g);
    }
    if (g.buffers_ != nullptr && g.buffers_->installed) {
        HostServices::fault("gauge " + g.name() + " was killed without killing its element list");
        HostServices::kill_elements(g);
    }
    if (g.mouse_registered_) {
        HostServices::fault("gauge " + g.name() + " was killed with its mouse list still registered");
        HostServices::set_registered(g, false);
    }
    g.alive_ = false;
}

}  // namespace emu
