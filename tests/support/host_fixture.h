// A test fixture with a fresh host emulator and the module folder of this
// build. Every test ends by checking that the host saw no contract fault
// (an overrun text buffer, an unknown record handed to a service).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "emulator/host_emulator.h"

class HostFixture : public ::testing::Test {
protected:
    static std::string module_path(const std::string& name) {
        return std::string(GAUGE_MODULE_DIR) + "/" + name + module_suffix();
    }
    static const char* module_suffix() {
#if defined(_WIN32)
        return ".gau";
#else
        return ".so";
#endif
    }

    emu::Module& load(const std::string& name) { return host->load(module_path(name)); }

    void TearDown() override {
        // Gauges a test leaves alive are killed here, while their faults can
        // still be reported; otherwise the host's unload would kill them unseen.
        for (const auto& g : host->gauges()) host->kill(*g);
        for (const auto& fault : host->faults()) ADD_FAILURE() << "host fault: " << fault;
    }

    std::unique_ptr<emu::Host> host = std::make_unique<emu::Host>();
};
