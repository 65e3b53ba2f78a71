// The host emulator: modules, variables, events and what the host saw.
#include <algorithm>

#include "emulator/effects.h"
#include "emulator/host_services.h"
#include "emulator/module_call.h"
#include "emulator/module_file.h"

namespace emu {

Host::Host() {
    if (current_ != nullptr) throw Error("host emulator: another host is already running");
    current_ = this;
    detail::install_default_effects(*this);
}

Host::~Host() {
    while (!modules_.empty()) unload(*modules_.back());
    current_ = nullptr;
}

// ---------------------------------------------------------------- modules

Module::~Module() { detail::close_module_file(handle_); }

const GaugeInfo& Module::gauge(const std::string& name) const {
    for (const GaugeInfo& g : gauges_)
        if (g.name == name) return g;
    throw Error(path_ + ": no gauge named \"" + name + "\"");
}

std::optional<Bitmap> Module::bitmap(ID32 id, std::uint16_t language) const {
    const Bitmap* first = nullptr;
    for (const Bitmap& b : *resources_->bitmaps) {
        if (b.id != id) continue;
        if (b.language == language) return b;
        if (first == nullptr) first = &b;
    }
    if (first != nullptr) return *first;
    return std::nullopt;
}

std::vector<Bitmap> Module::bitmaps() const { return *resources_->bitmaps; }

Module& Host::load(const std::string& path) {
    detail::ModuleFile file = detail::open_module_file(path);
    std::unique_ptr<Module> m(new Module());
    m->path_ = path;
    m->handle_ = file.handle;  // from here on the module's destructor closes the file
    m->linkage_ = file.linkage;
    m->import_table_ = file.import_table;
    m->resources_ = std::make_unique<Module::Resources>();
    m->resources_->bitmaps = std::move(file.bitmaps);

    const IMPORT_TABLE& imports = *m->import_table_;
    if (imports.panels.id != IMPORT_ID_PANELS || imports.end.id != 0 || imports.end.services != nullptr)
        throw Error(path + ": not a gauge module (its ImportTable is not the host's two-entry table)");
    const GAUGESLINKAGE& linkage = *m->linkage_;
    if (linkage.module_id != MODULE_ID_GAUGES)
        throw Error(path + ": not a gauge module (its Linkage has module id " + std::to_string(linkage.module_id) + ")");
    for (std::size_t i = 0; i < GAUGES_PER_MODULE_MAX && linkage.gauge_header_ptr[i] != nullptr; ++i) {
        GAUGEHDR* h = linkage.gauge_header_ptr[i];
        const std::uint32_t v = h->gauge_header_version;
        if (v != GAUGE_HEADER_VERSION_610 && v != GAUGE_HEADER_VERSION_700 && v != GAUGE_HEADER_VERSION_800)
            throw Error(path + ": gauge header " + std::to_string(i + 1) + " has unknown version " + std::to_string(v));
        if (h->gauge_name == nullptr || h->elements_list == nullptr || h->elements_list[0] == nullptr)
            throw Error(path + ": gauge header " + std::to_string(i + 1) + " has no name or no element list");
        m->gauges_.push_back(GaugeInfo{
            .name = h->gauge_name,
            .header_version = v,
            .size_x_mm = h->size_x_mm,
            .header_mouse_list = h->mouse_rect != nullptr,
            .header = h,
        });
    }
    if (m->gauges_.empty()) throw Error(path + ": not a gauge module (its Linkage lists no gauge)");

    m->import_table_->panels.services = &HostServices::table;
    if (linkage.module_init != nullptr)
        detail::call_module([&] { return path + ": module_init"; }, linkage.module_init);
    modules_.push_back(std::move(m));
    return *modules_.back();
}

void Host::unload(Module& module) {
    for (auto& g : gauges_)
        if (g->module_ == &module && g->alive_) kill(*g);
    if (module.linkage_->module_deinit != nullptr)
        detail::call_module([&] { return module.path() + ": module_deinit"; }, module.linkage_->module_deinit);
    for (auto& g : gauges_)
        if (g->module_ == &module) g->module_ = nullptr;
    std::erase_if(modules_, [&](const std::unique_ptr<Module>& m) { return m.get() == &module; });
}

void Host::clear_panel() {
    for (const auto& g : gauges_)
        if (g->alive_) throw Error("host emulator: gauge " + g->name() + " is still alive");
    gauges_.clear();
    variables_.clear();
    windows_.clear();
    events_.clear();
    calls_.clear();
    faults_.clear();
    radio_selection_ = 0;
}

// ---------------------------------------------------------------- variables

void Host::set_number(ID32 token, double value) {
    VAR_VALUE v{};
    v.n = value;
    variables_[token] = v;
}

void Host::set_integer(ID32 token, std::uint32_t value) {
    VAR_VALUE v{};  // the upper 32 bits stay zero
    v.d = value;
    variables_[token] = v;
}

double Host::number(ID32 token) const { return HostServices::read_variable(*this, token).n; }

std::uint32_t Host::integer(ID32 token) const { return HostServices::read_variable(*this, token).d; }

VAR_VALUE HostServices::read_variable(const Host& h, ID32 token) {
    const auto it = h.variables_.find(token);
    if (it != h.variables_.end()) return it->second;
    VAR_VALUE zero{};
    return zero;
}

// ---------------------------------------------------------------- events

void Host::set_key_effect(ID32 event_id, KeyEffect effect) { effects_[event_id] = std::move(effect); }

SINT32 HostServices::key_event(Host& h, ID32 event_id, std::uint32_t value, HostEvent::Origin origin) {
    h.events_.push_back(HostEvent{.kind = HostEvent::Kind::key_event, .origin = origin, .id = event_id, .value = value});
    const auto it = h.effects_.find(event_id);
    if (it != h.effects_.end()) it->second(h, value);
    return 0;
}

std::vector<HostEvent> Host::take_events() {
    std::vector<HostEvent> out;
    out.swap(events_);
    return out;
}

std::vector<std::string> Host::take_faults() {
    std::vector<std::string> out;
    out.swap(faults_);
    return out;
}

bool Host::panel_window_open(ID32 window_id) const {
    const auto it = windows_.find(window_id);
    return it != windows_.end() && it->second;
}

// ---------------------------------------------------------------- gauges

const ElementState& Gauge::element(std::size_t index) const {
    if (index >= elements_.size())
        throw Error("gauge " + info_.name + ": no element " + std::to_string(index) + " (it has " +
                    std::to_string(elements_.size()) + ")");
    return elements_[index];
}

}  // namespace emu
