// A host with the probe module loaded: a module made to show what the host
// does (see probe/probe.cpp).
#pragma once

#include "support/host_fixture.h"

class ProbeTest : public HostFixture {
protected:
    static std::string probe_path() { return std::string(GAUGE_TEST_MODULE_DIR) + "/probe" + module_suffix(); }
    emu::Module& probe = host->load(probe_path());

    // The key events since the last call, as ids.
    std::vector<ID32> event_ids() {
        std::vector<ID32> ids;
        for (const emu::HostEvent& e : host->take_events()) ids.push_back(e.id);
        return ids;
    }
};
