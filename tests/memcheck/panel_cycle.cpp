// panel_cycle: the whole life of a panel, for leak and memory-error checks
// under valgrind. For each cycle: load every module named, install each of
// its gauges, run frames with the gauges' variables changing, click every
// mouse area, kill every gauge, unload every module. Fails (exit 1, one
// line on stderr) on any host fault, any Win32 misuse, or on anything the modules still hold
// of the stand-in after a cycle.
//
//   panel_cycle [--frames N] [--cycles N] [--only gauge,gauge] [--still] module...
//
// --still leaves every variable at zero (for modules whose gauges take a
// variable as a length, as the emulator's probe does).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "emulator/host_emulator.h"
#include "platform/standin/standin_control.h"
#include "support/held_resources.h"
#include "support/panel_survey.h"
#include "support/simulator_world.h"

namespace {

struct Options {
    int frames = 1000;
    int cycles = 1;
    bool still = false;
    std::set<std::string> only;
    std::vector<std::string> modules;
};

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "panel_cycle: %s\n", why.c_str());
    std::exit(1);
}

int count_of(const char* flag, const char* value) {
    char* end = nullptr;
    const long n = value != nullptr ? std::strtol(value, &end, 10) : 0;
    if (value == nullptr || *end != '\0' || n < 1 || n > 1000000)
        fail(std::string(flag) + " takes a whole number from 1 to 1000000, not \"" + (value ? value : "") + "\"");
    return static_cast<int>(n);
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--frames") {
            o.frames = count_of("--frames", i + 1 < argc ? argv[++i] : nullptr);
        } else if (a == "--cycles") {
            o.cycles = count_of("--cycles", i + 1 < argc ? argv[++i] : nullptr);
        } else if (a == "--only") {
            if (i + 1 >= argc) fail("--only takes a list of gauge names");
            std::stringstream list(argv[++i]);
            for (std::string name; std::getline(list, name, ',');) o.only.insert(name);
        } else if (a == "--still") {
            o.still = true;
        } else if (a.starts_with("--")) {
            fail("unknown option \"" + a + "\"");
        } else {
            o.modules.push_back(a);
        }
    }
    if (o.modules.empty()) fail("no module named; usage: panel_cycle [--frames N] [--cycles N] [--only g,g] [--still] module...");
    return o;
}

void check_faults(emu::Host& host, const std::string& after) {
    if (!host.faults().empty()) fail("host fault after " + after + ": " + host.faults().front());
    const std::vector<std::string> misuses = standin::faults();
    if (!misuses.empty()) fail("Win32 misuse after " + after + ": " + misuses.front());
}

// A value that moves every frame through the ranges gauges show: small and
// large, negative and positive, whole and fractional.
double value_at(int frame, ID32 token) {
    const double t = frame * 0.37 + static_cast<double>(token % 97);
    return std::sin(t) * std::pow(10.0, frame % 7) + (frame % 13) * 0.5;
}

void one_cycle(const Options& o, int cycle) {
    const std::string which = "cycle " + std::to_string(cycle + 1);
    {
        emu::Host host;
        std::vector<emu::Module*> modules;
        std::vector<emu::Gauge*> gauges;
        for (const std::string& path : o.modules) {
            emu::Module& m = host.load(path);
            modules.push_back(&m);
            for (const emu::GaugeInfo& info : m.gauges())
                if (o.only.empty() || o.only.contains(info.name)) gauges.push_back(&host.install(m, info.name));
        }
        check_faults(host, "install in " + which);
        host.frame();
        std::vector<ID32> tokens;
        for (emu::Gauge* g : gauges)
            for (ID32 t : survey::variable_tokens(host, *g)) tokens.push_back(t);
        host.set_record_service_calls(false);
        host.clear_service_calls();

        for (int f = 0; f < o.frames; ++f) {
            if (!o.still) {
                for (ID32 t : tokens) {
                    if (f % 2 == 0) host.set_number(t, value_at(f, t));
                    else host.set_integer(t, static_cast<std::uint32_t>(f * 2654435761u) ^ t);
                }
            }
            host.frame();
            host.take_events();
        }
        check_faults(host, "frames in " + which);
        for (emu::Gauge* g : gauges)
            for (const survey::Area& a : survey::mouse_areas(*g)) {
                survey::press(host, *g, a);
                const PIXPOINT p = survey::point_in(a, 128, 128);
                host.hold(*g, p.x, p.y, 3);
            }
        host.frame();
        check_faults(host, "clicks in " + which);
        for (emu::Gauge* g : gauges) host.kill(*g);
        for (emu::Module* m : modules) host.unload(*m);
        check_faults(host, "kill and unload in " + which);
    }
    const held::Resources now = held::now();
    if (!now.none()) fail("after " + which + " the modules still hold " + now.describe());
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    world::furnish();  // everything a module may take is there to be taken
    try {
        for (int c = 0; c < o.cycles; ++c) one_cycle(o, c);
    } catch (const emu::Error& e) {
        fail(e.what());
    }
    world::clear();
    std::printf("panel_cycle: %d cycle(s) of %d frame(s), %zu module(s): nothing left behind\n", o.cycles, o.frames,
                o.modules.size());
    return 0;
}
