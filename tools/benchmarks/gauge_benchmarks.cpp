// Benchmarks of every gauge of every module of the build, through the host
// emulator with its service-call log off:
//   frame/<module>!<gauge>           one whole frame (update, generate, draw;
//                                    nothing is rendered) of the gauge alone
//   frame_bare/<module>!<gauge>      the same in a bare world: no main window,
//                                    no registry key, no outside library
//   element/<module>!<gauge>/<i>     one call of element i's callback, on the
//                                    gauge as the emulator installed it
//   mouse/<module>!<gauge>/<k>       one press of mouse area k (a click, or
//                                    a drag where the area takes only that),
//                                    dispatched by the emulator
//   panel/all                        one frame of every shipped gauge on one panel;
//                                    frames_per_second is the emulator's
//                                    headless rate
//   render/<module>!<gauge>          the bench's picture of the gauge after
//                                    its last frame, at scale 1 (what the
//                                    gallery and a live panel draw);
//                                    frames_per_second is its drawing rate
// Every benchmark reports allocs_per_iter, the heap allocations of one
// iteration. See BENCHMARKS.md for the command and the figures.
//
// gauge_benchmarks --allocations prints, instead, the allocations per
// frame, per element callback and per click of every gauge, and exits 1 if
// any module code (an element callback or a mouse handler) allocates.
// gauge_benchmarks --frame-allocations exits 1 if any frame of any shipped
// gauge allocates at all (emulator and stand-in included), in the simulator's
// whole world, where coristal keeps the outside GaugeSound library.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "counting_allocator.h"
#include "platform/standin/standin_control.h"
#include "support/panel_survey.h"
#include "support/simulator_world.h"
#include "tools/bench/render.h"

namespace {

// ---------------------------------------------------------------- a panel

// A host with some gauges installed, their variables set to values in the
// ranges they show, and a few frames run so that every first-time cost is
// paid before measuring.
class Panel {
public:
    // In the simulator's whole world, or in a bare one (no main window, no
    // registry key, no outside library), where gauges take their failure paths.
    explicit Panel(const std::vector<survey::GaugeRef>& refs, bool furnished = true) {
        if (furnished) world::furnish();
        else world::clear();
        for (const survey::GaugeRef& ref : refs) {
            emu::Module*& m = loaded_[ref.module_path];
            if (m == nullptr) m = &host.load(ref.module_path);
            gauges.push_back(&host.install(*m, ref.gauge));
        }
        host.frame();
        // The emulator's probe takes a variable as a text length, so its
        // gauges keep every variable at zero.
        for (std::size_t i = 0; i < gauges.size(); ++i)
            if (refs[i].module_name != "probe")
                for (ID32 t : survey::variable_tokens(host, *gauges[i])) host.set_number(t, 123.4);
        host.set_record_service_calls(false);
        host.clear_service_calls();
        host.frames(3);
        host.take_events();
    }
    ~Panel() { world::clear(); }
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // The event log grows with every key event sent; emptied now and then.
    void trim_events() {
        if (host.events().size() >= 4096) host.take_events();
    }

    bool healthy(benchmark::State& state) {
        const std::vector<std::string> misuses = standin::faults();
        if (host.faults().empty() && misuses.empty()) return true;
        const std::string what = !host.faults().empty() ? "host fault: " + host.faults().front()
                                                        : "Win32 misuse: " + misuses.front();
        state.SkipWithError(what.c_str());
        return false;
    }

    emu::Host host;
    std::vector<emu::Gauge*> gauges;

private:
    std::map<std::string, emu::Module*> loaded_;
};

// ---------------------------------------------------------------- element callbacks

bool has_callback(const ELEMENT_HEADER* e) {
    switch (e->element_type) {
        case ELEMENT_TYPE_STRING: return reinterpret_cast<const ELEMENT_STRING*>(e)->update_callback.element != nullptr;
        case ELEMENT_TYPE_ICON: return reinterpret_cast<const ELEMENT_ICON*>(e)->update_callback.element != nullptr;
        case ELEMENT_TYPE_SLIDER: {
            const auto* s = reinterpret_cast<const ELEMENT_SLIDER*>(e);
            return s->update_x != nullptr || s->update_y != nullptr;
        }
        default: return false;
    }
}

// Calls the element's callback the way the host does for its header version.
double call_callback(ELEMENT_HEADER* e, std::uint32_t header_version) {
    const bool v610 = header_version == GAUGE_HEADER_VERSION_610;
    switch (e->element_type) {
        case ELEMENT_TYPE_STRING: {
            auto* s = reinterpret_cast<ELEMENT_STRING*>(e);
            return v610 ? s->update_callback.value(s->source_var[0].var_value.n) : s->update_callback.element(s);
        }
        case ELEMENT_TYPE_ICON: {
            auto* icon = reinterpret_cast<ELEMENT_ICON*>(e);
            return v610 ? icon->update_callback.variable(&icon->source_var) : icon->update_callback.element(icon);
        }
        case ELEMENT_TYPE_SLIDER: {
            auto* s = reinterpret_cast<ELEMENT_SLIDER*>(e);
            double v = 0;
            if (s->update_x != nullptr) v += s->update_x(s);
            if (s->update_y != nullptr) v += s->update_y(s);
            return v;
        }
        default: return 0;
    }
}

const char* type_name(ENUM32 type) {
    switch (type) {
        case ELEMENT_TYPE_STRING: return "string";
        case ELEMENT_TYPE_ICON: return "icon";
        case ELEMENT_TYPE_SLIDER: return "slider";
        default: return "image";
    }
}

// ---------------------------------------------------------------- benchmarks

void set_allocations(benchmark::State& state, std::uint64_t before) {
    state.counters["allocs_per_iter"] = benchmark::Counter(
        static_cast<double>(counting::allocations() - before), benchmark::Counter::kAvgIterations);
}

void bench_frame(benchmark::State& state, const std::vector<survey::GaugeRef>& refs, bool furnished) {
    Panel panel(refs, furnished);
    const std::uint64_t before = counting::allocations();
    for (auto _ : state) {
        panel.host.frame();
        panel.trim_events();
    }
    set_allocations(state, before);
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    panel.healthy(state);
}

void bench_element(benchmark::State& state, const survey::GaugeRef& ref, std::size_t index) {
    Panel panel({ref});
    emu::Gauge& g = *panel.gauges.front();
    ELEMENT_HEADER* e = g.elements()[index].element;
    const std::uint32_t version = g.info().header_version;
    const std::uint64_t before = counting::allocations();
    for (auto _ : state) benchmark::DoNotOptimize(call_callback(e, version));
    set_allocations(state, before);
    panel.healthy(state);
}

void bench_mouse(benchmark::State& state, const survey::GaugeRef& ref, std::size_t area) {
    Panel panel({ref});
    emu::Gauge& g = *panel.gauges.front();
    const survey::Area a = survey::mouse_areas(g)[area];
    const std::uint64_t before = counting::allocations();
    for (auto _ : state) {
        benchmark::DoNotOptimize(survey::press(panel.host, g, a));
        panel.trim_events();
    }
    set_allocations(state, before);
    panel.healthy(state);
}

void bench_render(benchmark::State& state, const survey::GaugeRef& ref) {
    Panel panel({ref});
    const emu::Gauge& g = *panel.gauges.front();
    bench::FontBook fonts;
    const std::uint64_t before = counting::allocations();
    for (auto _ : state) benchmark::DoNotOptimize(bench::render(panel.host, g, 1, fonts));
    set_allocations(state, before);
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    panel.healthy(state);
}

std::string label(const survey::GaugeRef& ref) { return ref.module_name + "!" + ref.gauge; }

void register_all(const std::vector<survey::GaugeRef>& refs) {
    for (const survey::GaugeRef& ref : refs) {
        benchmark::RegisterBenchmark(("frame/" + label(ref)).c_str(), bench_frame, std::vector{ref}, true);
        benchmark::RegisterBenchmark(("frame_bare/" + label(ref)).c_str(), bench_frame, std::vector{ref}, false);
        Panel panel({ref});
        const emu::Gauge& g = *panel.gauges.front();
        for (std::size_t i = 0; i < g.elements().size(); ++i)
            if (has_callback(g.elements()[i].element))
                benchmark::RegisterBenchmark(("element/" + label(ref) + "/" + std::to_string(i) + "_" +
                                              type_name(g.elements()[i].element->element_type))
                                                 .c_str(),
                                             bench_element, ref, i);
        const std::size_t areas = survey::mouse_areas(g).size();
        for (std::size_t k = 0; k < areas; ++k)
            benchmark::RegisterBenchmark(("mouse/" + label(ref) + "/" + std::to_string(k)).c_str(), bench_mouse, ref, k);
        if (g.size().x > 0 && g.size().y > 0)
            benchmark::RegisterBenchmark(("render/" + label(ref)).c_str(), bench_render, ref);
    }
    // The panel of every shipped gauge (the probe's are the emulator's own).
    std::vector<survey::GaugeRef> shipped;
    for (const survey::GaugeRef& ref : refs)
        if (ref.module_name != "probe") shipped.push_back(ref);
    benchmark::RegisterBenchmark("panel/all", bench_frame, shipped, true);
}

// ---------------------------------------------------------------- allocation report

int allocation_report(const std::vector<survey::GaugeRef>& refs) {
    int module_allocating = 0;
    std::printf("%-36s %12s %14s %12s\n", "gauge", "per frame", "per callback", "per click");
    for (const survey::GaugeRef& ref : refs) {
        Panel panel({ref});
        emu::Gauge& g = *panel.gauges.front();
        constexpr int frames = 100;
        std::uint64_t at = counting::allocations();
        panel.host.frames(frames);
        const double per_frame = static_cast<double>(counting::allocations() - at) / frames;

        std::uint64_t in_callbacks = 0;
        for (const emu::ElementState& st : g.elements()) {
            if (!has_callback(st.element)) continue;
            at = counting::allocations();
            call_callback(st.element, g.info().header_version);
            in_callbacks += counting::allocations() - at;
        }
        // Each area pressed twice first, so that the host's own first-time
        // costs (a variable or panel window seen for the first time) are paid.
        const std::vector<survey::Area> areas = survey::mouse_areas(g);
        for (int round = 0; round < 2; ++round)
            for (const survey::Area& a : areas) survey::press(panel.host, g, a);
        std::uint64_t in_clicks = 0;
        for (const survey::Area& a : areas) {
            if (!a.has_callback) continue;  // the host sends an area's own event
            const std::size_t log_room = panel.host.events().capacity();
            at = counting::allocations();
            survey::press(panel.host, g, a);
            std::uint64_t n = counting::allocations() - at;
            // The event log growing is the emulator's allocation, not the module's.
            if (panel.host.events().capacity() != log_room && n > 0) --n;
            in_clicks += n;
        }
        std::printf("%-36s %12.2f %14llu %12llu\n", label(ref).c_str(), per_frame,
                    static_cast<unsigned long long>(in_callbacks), static_cast<unsigned long long>(in_clicks));
        if (in_callbacks + in_clicks > 0) ++module_allocating;
    }
    if (module_allocating > 0) {
        std::printf("%d gauge(s) allocate in module code\n", module_allocating);
        return 1;
    }
    std::printf("no module code allocates\n");
    return 0;
}

// Every frame of every shipped gauge, after the first few: nothing on the
// heap. (The emulator's probe_800 sends a key event for every service id,
// and the host's event log it fills grows by design.)
int frame_allocation_check(const std::vector<survey::GaugeRef>& refs) {
    int allocating = 0;
    for (const survey::GaugeRef& ref : refs) {
        if (ref.module_name == "probe") continue;
        Panel panel({ref});
        constexpr int frames = 1000;
        const std::uint64_t at = counting::allocations();
        panel.host.frames(frames);
        const std::uint64_t n = counting::allocations() - at;
        std::printf("%-36s %8llu allocations in %d frames\n", label(ref).c_str(), static_cast<unsigned long long>(n),
                    frames);
        if (n > 0) ++allocating;
        if (!panel.host.faults().empty() || !standin::faults().empty()) {
            std::printf("%s: a host fault or a Win32 misuse\n", label(ref).c_str());
            ++allocating;
        }
    }
    if (allocating > 0) {
        std::printf("%d gauge(s) allocate in their frames\n", allocating);
        return 1;
    }
    std::printf("no frame of any gauge allocates\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files = survey::module_files(GAUGE_MODULE_DIR);
    files.push_back(std::string(GAUGE_TEST_MODULE_DIR) + "/probe.so");  // the emulator's own cost, for reference
    std::vector<survey::GaugeRef> refs;
    for (const survey::GaugeRef& r : survey::gauges_of(files))
        if (r.gauge != "probe_leaky") refs.push_back(r);
    if (argc > 1 && std::strcmp(argv[1], "--allocations") == 0) return allocation_report(refs);
    if (argc > 1 && std::strcmp(argv[1], "--frame-allocations") == 0) return frame_allocation_check(refs);
    register_all(refs);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
