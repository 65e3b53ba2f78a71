#include "fuzz_panel.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>

#include "platform/standin/standin_control.h"
#include "support/held_resources.h"
#include "support/simulator_world.h"

namespace fuzz {

// ---------------------------------------------------------------- input

std::uint8_t Input::byte() { return at_ < size_ ? data_[at_++] : 0; }

std::uint16_t Input::u16() {
    const std::uint16_t lo = byte();
    return static_cast<std::uint16_t>(lo | byte() << 8);
}

std::uint32_t Input::u32() {
    const std::uint32_t lo = u16();
    return lo | static_cast<std::uint32_t>(u16()) << 16;
}

double Input::f64() {
    std::uint64_t bits = u32();
    bits |= static_cast<std::uint64_t>(u32()) << 32;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string Input::text(std::size_t max_length) {
    std::size_t n = byte();
    if (n > max_length) n = max_length;
    std::string out;
    for (std::size_t i = 0; i < n && !empty(); ++i) {
        const char c = static_cast<char>(byte());
        out += c != '\0' ? c : 'x';
    }
    return out;
}

// ---------------------------------------------------------------- checks

void crash(const std::string& why) {
    std::fprintf(stderr, "==fuzz== %s\n", why.c_str());
    std::fflush(stderr);
    std::abort();
}

void check_faults(emu::Host& host, const char* after) {
    const std::vector<std::string> misuses = standin::faults();
    if (host.faults().empty() && misuses.empty()) return;
    std::ostringstream out;
    out << "host fault after " << after << ":";
    for (const std::string& f : host.faults()) out << "\n  " << f;
    for (const std::string& f : misuses) out << "\n  Win32 misuse: " << f;
    crash(out.str());
}

void check_nothing_held(const char* after) {
    const held::Resources now = held::now();
    if (!now.none()) crash(std::string("after ") + after + " the modules still hold " + now.describe());
}

// ---------------------------------------------------------------- modules

const std::vector<std::string>& modules_under_test() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> out;
        if (const char* named = std::getenv("GAUGE_FUZZ_MODULES")) {
            std::string list = named;
            for (std::size_t start = 0; start <= list.size();) {
                const std::size_t end = std::min(list.find(':', start), list.size());
                if (end > start) out.push_back(list.substr(start, end - start));
                start = end + 1;
            }
        } else {
            out = survey::module_files(GAUGE_MODULE_DIR);
        }
        // Libraries the modules load themselves (the outside sound library,
        // whole or without its TerminateSounds) are mapped for good as well.
        std::vector<std::string> mapped = out;
        for (const char* dir : {GAUGE_SOUND_DIR, GAUGE_SOUND_WITHOUT_TERMINATE_DIR})
            for (const std::string& f : survey::module_files(dir)) mapped.push_back(f);
        for (const std::string& f : mapped)
            if (dlopen(f.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE) == nullptr)
                crash(f + ": cannot be mapped: " + dlerror());
        if (out.empty()) crash("no gauge modules to fuzz in " GAUGE_MODULE_DIR);
        return out;
    }();
    return files;
}

// ---------------------------------------------------------------- environment

void clear_environment() { world::clear(); }

void set_environment(Input& in) {
    world::clear();
    const std::uint8_t w = in.byte();
    if (w & 0x01) emu::open_host_window();
    if (w & 0x02) standin::create_registry_key(HKEY_LOCAL_MACHINE, emu::host_registry_key);
    if (w & 0x04) emu::set_host_registry_value("PlayerName", in.text(32));
    // Folder paths up to and past what a 260-byte block holds.
    if (w & 0x08) emu::set_host_registry_value("path", in.text(255) + in.text(64));
    switch ((w >> 4) & 0x03) {
        case 1: standin::set_sound_fault(standin::sound_fault::create_fails); break;
        case 2: standin::set_sound_fault(standin::sound_fault::cooperative_level_fails); break;
        default: standin::set_sound_fault(standin::sound_fault::none); break;
    }
    if (w & 0x40) standin::fail_global_allocs(1 + in.byte() % 3);
    // The outside sound library: found whole, found without TerminateSounds,
    // or not found at all.
    if (w & 0x80) standin::set_library_dir((w & 0x40) ? GAUGE_SOUND_WITHOUT_TERMINATE_DIR : GAUGE_SOUND_DIR);
}

// ---------------------------------------------------------------- values

double special_number(std::uint8_t pick) {
    using lim = std::numeric_limits<double>;
    static const double values[] = {
        lim::quiet_NaN(), -lim::quiet_NaN(), lim::signaling_NaN(), lim::infinity(), -lim::infinity(),
        0.0, -0.0, lim::denorm_min(), -lim::denorm_min(), lim::min(), lim::max(), -lim::max(),
        1e300, -1e300, 1e19, -1e19, 9.3e18, 2147483647.0, 2147483648.0, -2147483648.0, -2147483649.0,
        4294967295.0, 4294967296.0, 9007199254740993.0, 1e10, -1e10, 1e6, 99999.5, -99999.5, 65535.5,
        9999.5, 999.5, 360.0, 359.9999999, -360.0, 180.0, -180.0, 0.5, -0.5, 0.9999999999, -0.9999999999,
        1.0, -1.0, 100.0, 1e-300, 16383.99, 32768.0, -32769.0,
    };
    return values[pick % std::size(values)];
}

void variable_action(emu::Host& host, const std::vector<ID32>& tokens, Input& in) {
    const std::uint8_t how = in.byte();
    const std::uint8_t which = in.byte();
    // Beyond the gauges' own tokens, sometimes any token at all.
    const ID32 token = tokens.empty() || which == 0xFF ? in.u32() : tokens[which % tokens.size()];
    switch (how % 4) {
        case 0: host.set_number(token, in.f64()); break;
        case 1: host.set_number(token, special_number(in.byte())); break;
        case 2: host.set_integer(token, in.u32()); break;
        default:
            // Every token at once, to the same special value.
            for (ID32 t : tokens) host.set_number(t, special_number(which));
            break;
    }
}

// ---------------------------------------------------------------- mouse

void mouse_action(emu::Host& host, Target& target, Input& in) {
    emu::Gauge& g = *target.gauge;
    const std::uint8_t how = in.byte();
    PIXPOINT p{0, 0};
    if (!target.areas.empty() && how % 8 < 5) {
        const survey::Area& area = target.areas[in.byte() % target.areas.size()];
        p = survey::point_in(area, in.byte(), in.byte());
    } else {
        p = PIXPOINT{static_cast<std::int16_t>(in.u16()), static_cast<std::int16_t>(in.u16())};
    }
    switch (how % 8) {
        case 0:
        case 5: host.click(g, p.x, p.y); break;
        case 1:
        case 6: host.hold(g, p.x, p.y, in.byte() % 48); break;
        case 2:
        case 7: host.drag(g, p.x, p.y); break;
        case 3:
            // A press, then the pointer moving with the button down.
            host.click(g, p.x, p.y);
            for (int i = in.byte() % 8; i > 0; --i) host.drag(g, p.x, p.y + static_cast<std::int8_t>(in.byte()));
            break;
        default:
            host.help_id_at(g, p.x, p.y);
            host.cursor_at(g, p.x, p.y);
            break;
    }
}

}  // namespace fuzz
