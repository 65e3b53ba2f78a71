#include "tools/bench/session.h"

#include <filesystem>
#include <iostream>

#include "tools/bench/errors.h"

namespace bench {

namespace {

const char* module_suffix() {
#if defined(_WIN32)
    return ".gau";
#else
    return ".so";
#endif
}

}  // namespace

std::string resolve_module_path(const std::string& argument) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(argument, ec) || fs::path(argument).has_extension()) return argument;
    const std::string with_suffix = argument + module_suffix();
    return fs::exists(with_suffix, ec) ? with_suffix : argument;
}

Session::Session(const std::string& module_argument) : host_(std::make_unique<emu::Host>()) {
    try {
        module_ = &host_->load(resolve_module_path(module_argument));
    } catch (const emu::Error& e) {
        throw load_error(e);
    }
}

void Session::require_gauge(const std::string& gauge_name) const {
    bool known = false;
    std::string names;
    for (const emu::GaugeInfo& g : module_->gauges()) {
        known = known || g.name == gauge_name;
        names += (names.empty() ? "" : ", ") + g.name;
    }
    if (!known) throw Error(module_path() + ": no gauge named \"" + gauge_name + "\" (it has " + names + ")");
}

emu::Gauge& Session::install(const std::string& gauge_name) {
    require_gauge(gauge_name);
    try {
        return host_->install(*module_, gauge_name);
    } catch (const emu::Error& e) {
        throw Error(e.what());
    }
}

void Session::report_faults() {
    for (const std::string& f : host_->take_faults()) std::cerr << "gaugebench: warning: host fault: " << f << "\n";
}

}  // namespace bench
