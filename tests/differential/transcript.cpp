// gauge_transcript <module file>...
// gauge_transcript --list <module file>...
//
// Runs one fixed scenario over every gauge of every module given and
// prints what the host saw: the module's bitmaps (as checksums), then for
// each gauge its elements after each step of host variables, every click
// and drag over a grid of the gauge with the events it sent, and the
// elements again after the clicks. The native build and the Windows build
// under Wine must print the same: texts from the stand-in's formatter and
// the real wsprintfA, bitmaps from the ELF section and from PE resources.
// With --list it prints only module!gauge for every gauge, as a panel
// configuration names them.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <float.h>
#include <io.h>
#endif

#include "emulator/host_emulator.h"

namespace {

struct Setting {
    ID32 token;
    bool integer;  // BCD and code values sit in the low 32 bits
    double value;
};

// Host variables in steps after the first (every token 0): a flight in
// feet with radios tuned, and a metric flight with values at and past the
// ends of their ranges. They cover the tokens every module reads.
const std::vector<std::vector<Setting>> steps = {
    {
        {0x02, false, 256.0 * 120.0}, {0x03, false, 13}, {0x04, false, 7}, {0x05, false, 42},
        {0x06, false, 21}, {0x07, false, 5}, {0x16, false, 359.6}, {0x2D, false, 123.4},
        {0x36, false, 0.4}, {0x3D, false, 250.7}, {0x41, false, 256.0 * 5.08}, {0x49, false, 1500.2},
        {0x4A, false, 12345.6}, {0x4B, false, 1013.25}, {0x4C, false, 29.92}, {0x53, false, 90.5},
        {0x54, false, 271.49}, {0x6B, false, 45}, {0x14F, false, 0}, {0x340, false, 128.6},
        {0x6D, false, 12000}, {0x80, false, 8192}, {0xA3, false, 16384}, {0xC6, false, 0},
        {0xE9, false, 4000}, {0x10, true, 0x0345}, {0x11, true, 0x0001}, {0x12, false, 0},
        {0x15, true, 1}, {0x17, true, 0x2275}, {0x18, true, 0x1080}, {0x1A, true, 1},
        {0x1B, true, 0x1130}, {0x1D, true, 0}, {0x26, true, 0x7700}, {0x150, false, 4},
    },
    {
        {0x02, false, -256.0 * 3.5}, {0x03, false, 0}, {0x04, false, 59}, {0x05, false, 59.9},
        {0x06, false, 23}, {0x07, false, 0}, {0x16, false, -0.4}, {0x2D, false, 360.0},
        {0x36, false, 720.5}, {0x3D, false, 0.99}, {0x41, false, -256.0 * 12.7}, {0x49, false, -10.5},
        {0x4A, false, -50.5}, {0x4B, false, 948.6}, {0x4C, false, 28.015}, {0x53, false, -90},
        {0x54, false, 1e6}, {0x6B, false, 359.5}, {0x14F, false, 1}, {0x340, false, 0.25},
        {0x6D, false, -50.5}, {0x80, false, -1000}, {0xA3, false, 20000}, {0xC6, false, 1234.5},
        {0xE9, false, 16383}, {0x10, true, 0x1799}, {0x11, true, 0x0105}, {0x12, false, 1},
        {0x15, true, 0}, {0x17, true, 0x1360}, {0x18, true, 0x1795}, {0x1A, true, 0},
        {0x1B, true, 0x1000}, {0x1D, true, 1}, {0x26, true, 0x1234}, {0x150, false, 0.25},
    },
};

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out + "\"";
}

// A number as its exact bits, so that no formatting of ours hides a difference.
std::string exact(double v) {
    if (std::isnan(v)) return "nan";
    char text[40];
    std::snprintf(text, sizeof text, "%a", v);
    return text;
}

std::uint32_t fnv1a(const std::uint8_t* data, std::size_t size, std::uint32_t h = 2166136261u) {
    for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
    return h;
}

void print_bitmaps(const emu::Module& module) {
    for (const emu::Bitmap& b : module.bitmaps()) {
        std::uint32_t h = fnv1a(b.pixels.data(), b.pixels.size());
        h = fnv1a(reinterpret_cast<const std::uint8_t*>(b.palette.data()), b.palette.size() * sizeof(std::uint32_t), h);
        std::printf("bitmap %u language 0x%04X %dx%d %d bpp %d colours compression %u checksum %08X\n", b.id,
                    b.language, b.width, b.height, b.bits_per_pixel, b.palette_entries, b.compression, h);
    }
}

void print_elements(const emu::Gauge& g) {
    const auto& elements = g.elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const emu::ElementState& e = elements[i];
        std::printf("  element %zu text %s value %s frame %d at %d,%d%s bitmap %u\n", i, quoted(e.text).c_str(),
                    exact(e.value).c_str(), e.frame, e.placed.x, e.placed.y, e.hidden ? " hidden" : "",
                    e.bitmap != nullptr ? e.bitmap->id : 0u);
    }
}

void print_events(emu::Host& host) {
    for (const emu::HostEvent& e : host.take_events())
        std::printf("    %s %s 0x%X value %u\n", e.kind == emu::HostEvent::Kind::key_event ? "key" : "window",
                    e.origin == emu::HostEvent::Origin::module ? "module" : "area", e.id, e.value);
}

void set_variables(emu::Host& host, const std::vector<Setting>& settings) {
    for (const Setting& s : settings) {
        if (s.integer)
            host.set_integer(s.token, static_cast<std::uint32_t>(s.value));
        else
            host.set_number(s.token, s.value);
    }
}

// Every token of the scenario at 0, so that each gauge starts alike.
std::vector<Setting> all_zero() {
    std::vector<Setting> zero = steps.front();
    for (Setting& s : zero) s.value = 0;
    return zero;
}

void run_gauge(emu::Host& host, emu::Module& module, const emu::GaugeInfo& info) {
    std::printf("gauge %s version %u size %u mm\n", info.name.c_str(), info.header_version, info.size_x_mm);
    set_variables(host, all_zero());
    emu::Gauge& g = host.install(module, info.name);
    print_events(host);
    for (std::size_t step = 0; step <= steps.size(); ++step) {
        if (step > 0) set_variables(host, steps[step - 1]);
        host.frames(2);
        std::printf(" step %zu\n", step);
        print_elements(g);
        print_events(host);
    }
    // Every point of a grid over the gauge: what a click there does, and
    // what the pointer shows.
    const int grid = 3;
    for (int y = 0; y < g.size().y; y += grid)
        for (int x = 0; x < g.size().x; x += grid) {
            const ID32 cursor = host.cursor_at(g, x, y);
            const ID32 help = host.help_id_at(g, x, y);
            const bool clicked = host.click(g, x, y);
            const bool dragged = host.drag(g, x, y);
            if (clicked || dragged || cursor != CURSOR_NONE || help != 0)
                std::printf(" point %d,%d cursor %d help %u%s%s\n", x, y, static_cast<int>(cursor), help,
                            clicked ? " click" : "", dragged ? " drag" : "");
            print_events(host);
        }
    host.frames(2);
    std::printf(" after clicks\n");
    print_elements(g);
    print_events(host);
    host.kill(g);
    print_events(host);
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    _setmode(_fileno(stdout), _O_BINARY);  // the same line ends as the native run
#endif
#if defined(_WIN32) && defined(__i386__)
    // GAUGE_X87_PRECISION=24: the x87 unit computes in single precision, as
    // Direct3D leaves it in the simulator's process. The modules compute
    // doubles in SSE2 registers, so their transcript must not change.
    if (const char* precision = std::getenv("GAUGE_X87_PRECISION"); precision != nullptr && std::string(precision) == "24")
        _controlfp(_PC_24, _MCW_PC);
#endif
    const bool list = argc > 1 && std::string(argv[1]) == "--list";
    const int first = list ? 2 : 1;
    if (argc <= first) {
        std::fprintf(stderr, "usage: gauge_transcript [--list] <module file>...\n");
        return 2;
    }
    try {
        for (int i = first; i < argc; ++i) {
            if (list) {
                emu::Host host;
                const std::string path = argv[i];
                std::string name = path.substr(path.find_last_of("/\\") + 1);
                name = name.substr(0, name.rfind('.'));
                for (const emu::GaugeInfo& info : host.load(path).gauges())
                    std::printf("%s!%s\n", name.c_str(), info.name.c_str());
                continue;
            }
            emu::Host host;
            emu::Module& module = host.load(argv[i]);
            std::printf("module %d of %d: id 0x%X, %zu gauges\n", i, argc - first, module.linkage().module_id,
                        module.gauges().size());
            print_bitmaps(module);
            for (const emu::GaugeInfo& info : module.gauges()) run_gauge(host, module, info);
            host.unload(module);
            for (const std::string& fault : host.faults()) std::printf("fault %s\n", fault.c_str());
        }
    } catch (const emu::Error& e) {
        std::fprintf(stderr, "gauge_transcript: %s\n", e.what());
        return 1;
    }
    return 0;
}
