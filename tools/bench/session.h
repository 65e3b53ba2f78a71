// One bench session: a host emulator with one module loaded from the file
// the user named, and the gauges installed from it.
#pragma once

#include <memory>
#include <string>

#include "emulator/host_emulator.h"

namespace bench {

// The file a module argument names: the path as given, else with the
// platform's module suffix added (tarnwick -> tarnwick.so or tarnwick.gau).
std::string resolve_module_path(const std::string& argument);

class Session {
public:
    explicit Session(const std::string& module_argument);  // throws Error naming the file

    emu::Host& host() { return *host_; }
    emu::Module& module() { return *module_; }
    const std::string& module_path() const { return module_->path(); }

    // Installs and initialises a gauge; throws Error naming the module and
    // the gauge when the module has no such gauge.
    emu::Gauge& install(const std::string& gauge_name);
    void require_gauge(const std::string& gauge_name) const;  // throws the same Error

    // Host faults seen since the last call, as one-line warnings on stderr.
    void report_faults();

private:
    std::unique_ptr<emu::Host> host_;
    emu::Module* module_ = nullptr;
};

}  // namespace bench
