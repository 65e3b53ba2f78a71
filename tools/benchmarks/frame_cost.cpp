// The work of one frame of one gauge, for counting its instructions under
// callgrind (tools/benchmarks/instruction_counts.sh):
//
//   frame_cost --list                    every gauge, "<module file> <gauge>" a line
//   frame_cost <module file> <gauge> N   installs the gauge alone in the
//                                        simulator's whole world, sets every
//                                        variable it reads to 123.4, runs
//                                        warm-up frames, then N frames inside
//                                        measured_frames()
//
// Counting only inside measured_frames (callgrind --toggle-collect) is the
// whole run less the load, install and warm-up, so the count divided by N
// is the cost of one frame.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "platform/standin/standin_control.h"
#include "support/panel_survey.h"
#include "support/simulator_world.h"

extern "C" __attribute__((noinline)) void measured_frames(emu::Host& host, int count) {
    host.frames(count);
    __asm__ volatile("" ::: "memory");  // keeps the call a call
}

namespace {

std::vector<std::string> module_files() {
    std::vector<std::string> files = survey::module_files(GAUGE_MODULE_DIR);
    files.push_back(std::string(GAUGE_TEST_MODULE_DIR) + "/probe.so");  // the emulator's own cost
    return files;
}

int run(const std::string& path, const std::string& gauge, int count) {
    world::furnish();
    int status = 0;
    {
        emu::Host host;
        emu::Module& m = host.load(path);
        emu::Gauge& g = host.install(m, gauge);
        host.frame();
        // The emulator's probe takes a variable as a text length, so its
        // gauges keep every variable at zero.
        if (m.path().find("probe") == std::string::npos)
            for (ID32 t : survey::variable_tokens(host, g)) host.set_number(t, 123.4);
        host.set_record_service_calls(false);
        host.clear_service_calls();
        host.frames(3);
        host.take_events();
        measured_frames(host, count);
        if (!host.faults().empty() || !standin::faults().empty()) {
            std::fprintf(stderr, "frame_cost: %s!%s: a host fault or a Win32 misuse\n", path.c_str(), gauge.c_str());
            status = 1;
        }
    }
    world::clear();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 2 && std::string(argv[1]) == "--list") {
            for (const survey::GaugeRef& r : survey::gauges_of(module_files()))
                if (r.gauge != "probe_leaky") std::printf("%s %s\n", r.module_path.c_str(), r.gauge.c_str());
            return 0;
        }
        if (argc == 4) {
            char* end = nullptr;
            const long count = std::strtol(argv[3], &end, 10);
            if (*end != '\0' || count < 0 || count > 10000000) {
                std::fprintf(stderr, "frame_cost: %s: not a frame count\n", argv[3]);
                return 2;
            }
            return run(argv[1], argv[2], static_cast<int>(count));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "frame_cost: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "usage: frame_cost --list | frame_cost <module file> <gauge> <frames>\n");
    return 2;
}
