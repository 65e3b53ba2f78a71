// Fuzzes the gauges of every module on one panel: arbitrary host variable
// values (every bit pattern of the number form, every low 32 bits of the
// integer form, for the tokens the gauges read), frames, and clicks, held
// clicks and drags over every mouse area and beyond.
//
// Input: one byte of environment (see fuzz_panel.h), one byte saying how
// many gauges go on the panel (1 to 4, or 0xFF: every gauge of every
// module), a byte choosing each of them (the same gauge may be chosen
// twice), then up to max_operations operations until the input ends. A
// few gauges an input keep each input cheap, so that many more inputs run;
// which gauges share a panel is the input's choice. The modules stay loaded
// in one host for the whole run (loading and unloading are lifecycle_fuzz's
// to fuzz); each input starts a fresh panel on it and ends by killing every
// gauge; a host fault, a sanitizer report, or anything the modules still
// hold then is a crash.
#include <cstddef>
#include <cstdint>

#include "fuzz_panel.h"

namespace {

// Operations an input may run: room for long sequences of clicks and
// values on a few gauges, while no input costs more than a few milliseconds.
constexpr int max_operations = 128;
constexpr std::uint8_t every_gauge = 0xFF;  // the gauge count that installs them all

struct Choice {
    emu::Module* module;
    const std::string* gauge;
};

struct Panel {
    emu::Host host;
    std::vector<Choice> gauges;  // every gauge of every module under test

    Panel() {
        for (const std::string& path : fuzz::modules_under_test()) {
            emu::Module& m = host.load(path);
            for (const emu::GaugeInfo& info : m.gauges()) gauges.push_back({&m, &info.name});
        }
        fuzz::check_faults(host, "loading every module");
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Panel panel;
    emu::Host& host = panel.host;
    fuzz::Input in(data, size);
    fuzz::set_environment(in);
    host.clear_panel();  // nothing of the previous input's panel: values, windows, logs
    host.set_record_service_calls(true);
    std::vector<fuzz::Target> targets;
    std::vector<ID32> tokens;
    const std::uint8_t count = in.byte();
    if (count == every_gauge) {
        for (const Choice& c : panel.gauges) targets.push_back({&host.install(*c.module, *c.gauge), {}});
    } else {
        for (int i = 0; i <= count % 4; ++i) {
            const Choice& c = panel.gauges[in.byte() % panel.gauges.size()];
            targets.push_back({&host.install(*c.module, *c.gauge), {}});
        }
    }
    fuzz::check_faults(host, "install");
    // The first frame shows which variables the gauges read through the
    // services as well as through their elements.
    host.frame();
    fuzz::check_faults(host, "the first frame");
    for (fuzz::Target& t : targets) {
        t.areas = survey::mouse_areas(*t.gauge);
        for (ID32 token : survey::variable_tokens(host, *t.gauge)) tokens.push_back(token);
    }
    host.set_record_service_calls(false);
    host.clear_service_calls();

    for (int n = 0; n < max_operations && !in.empty(); ++n) {
        const std::uint8_t op = in.byte();
        switch (op % 6) {
            case 0:
            case 1: fuzz::variable_action(host, tokens, in); break;
            case 2: host.frames(1 + in.byte() % 4); break;
            case 3:
            case 4: fuzz::mouse_action(host, targets[in.byte() % targets.size()], in); break;
            default: host.set_radio_selection(static_cast<SINT32>(in.u32())); break;
        }
        fuzz::check_faults(host, "an operation");
        host.take_events();  // the log would only grow
    }
    host.frame();
    fuzz::check_faults(host, "the last frame");
    for (fuzz::Target& t : targets) host.kill(*t.gauge);
    fuzz::check_faults(host, "killing every gauge");
    fuzz::clear_environment();
    fuzz::check_nothing_held("a whole panel's life");
    return 0;
}
