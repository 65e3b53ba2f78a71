// Fuzzes the order of a panel's life: modules loaded and unloaded, gauges
// installed (several instances of one gauge too), killed, reinstalled,
// frames between, clicks on live and dead instances, and the outside world
// changing under live gauges.
//
// Input: one byte of environment, then up to max_operations operations
// until the input ends.
// Anything still live at the end is killed and unloaded; a host fault, a
// sanitizer report, or anything the modules still hold then is a crash.
// Modules are really loaded and unloaded here, input after input; the
// parsed resources of a module file are kept by the emulator in between.
#include <cstddef>
#include <cstdint>

#include "fuzz_panel.h"
#include "platform/standin/standin_control.h"

namespace {

constexpr std::size_t max_live_instances = 12;
// Operations an input may run: room for long lives of many instances,
// while no input costs more than a few milliseconds.
constexpr int max_operations = 128;

struct Slot {
    const std::string* path = nullptr;
    emu::Module* module = nullptr;  // null while unloaded
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One host for the whole run, with no module loaded between inputs: each
    // input loads and unloads what it likes and starts on a fresh panel.
    static emu::Host host;
    fuzz::Input in(data, size);
    fuzz::set_environment(in);
    host.clear_panel();
    {
        host.set_record_service_calls(false);
        std::vector<Slot> slots;
        for (const std::string& path : fuzz::modules_under_test()) slots.push_back({&path, nullptr});
        std::vector<fuzz::Target> instances;  // every install, live or killed
        std::vector<ID32> tokens;

        const auto live = [&] {
            std::size_t n = 0;
            for (const fuzz::Target& t : instances) n += t.gauge->alive() ? 1 : 0;
            return n;
        };
        // Instances stay listed after their kill or their module's unload:
        // a kill of a dead instance must do nothing, and only live ones are
        // clicked.
        for (int n = 0; n < max_operations && !in.empty(); ++n) {
            const std::uint8_t op = in.byte();
            Slot& slot = slots[in.byte() % slots.size()];
            switch (op % 9) {
                case 0:
                    if (slot.module == nullptr) slot.module = &host.load(*slot.path);
                    break;
                case 1:
                    if (slot.module != nullptr) host.unload(*slot.module);
                    slot.module = nullptr;
                    break;
                case 2:
                case 3: {
                    if (slot.module == nullptr || live() >= max_live_instances) break;
                    const auto& gauges = slot.module->gauges();
                    emu::Gauge& g = host.install(*slot.module, gauges[in.byte() % gauges.size()].name);
                    instances.push_back({&g, survey::mouse_areas(g)});
                    for (ID32 token : survey::variable_tokens(host, g)) tokens.push_back(token);
                    break;
                }
                case 4:
                    if (!instances.empty()) host.kill(*instances[in.byte() % instances.size()].gauge);
                    break;
                case 5: host.frames(1 + in.byte() % 3); break;
                case 6:
                    if (!instances.empty()) {
                        fuzz::Target& t = instances[in.byte() % instances.size()];
                        if (t.gauge->alive()) fuzz::mouse_action(host, t, in);
                    }
                    break;
                case 7: fuzz::variable_action(host, tokens, in); break;
                default:
                    // The world changes while gauges live.
                    fuzz::set_environment(in);
                    break;
            }
            fuzz::check_faults(host, "an operation");
            host.take_events();
        }
        for (fuzz::Target& t : instances) host.kill(*t.gauge);
        fuzz::check_faults(host, "killing every gauge");
        for (Slot& s : slots)
            if (s.module != nullptr) host.unload(*s.module);
        fuzz::check_faults(host, "unloading every module");
    }
    fuzz::clear_environment();
    fuzz::check_nothing_held("the panel's life");
    return 0;
}
