#include "tools/bench/variable_names.h"

#include <cctype>

#include "tools/bench/values.h"

namespace bench {

const std::vector<VariableName>& variable_names() {
    static const std::vector<VariableName> all{
        {"altitude", 0x4A, "altitude shown by the readout, feet"},
        {"altitude_m", 0x49, "aircraft altitude, metres"},
        {"selected_altitude", 0x6D, "autopilot altitude setting, feet"},
        {"vertical_speed", 0x41, "vertical speed, metres per second times 256"},
        {"airspeed", 0x3D, "airspeed, knots"},
        {"heading", 0x54, "heading, degrees"},
        {"compass", 0x53, "magnetic compass heading, degrees"},
        {"heading_bug", 0x6B, "heading bug, degrees"},
        {"ground_speed", 0x340, "GPS ground speed, metres per second"},
        {"ground_elevation", 0x2, "ground elevation, metres times 256"},
        {"kollsman_inhg", 0x4C, "altimeter setting, inches of mercury"},
        {"kollsman_mb", 0x4B, "altimeter setting, millibars"},
        {"units", 0x14F, "0: feet and inches of mercury; else metres and millibars"},
        {"nav1_radial", 0x2D, "NAV1 radial, degrees"},
        {"nav2_radial", 0x36, "NAV2 radial, degrees"},
        {"adf_bearing", 0x16, "ADF bearing, degrees"},
        {"nav1", 0x18, "NAV1 active frequency, BCD (bcd:1090 is 110.90)"},
        {"nav2", 0x1B, "NAV2 active frequency, BCD"},
        {"com", 0x17, "COM active frequency, BCD (bcd:1800 is 118.00)"},
        {"adf", 0x10, "ADF active frequency, BCD kHz (bcd:344)"},
        {"adf_extended", 0x11, "ADF extended mode: 0 off, 1 on"},
        {"adf_extension", 0x12, "ADF thousands digit and tenths (0x0105)"},
        {"transponder", 0x26, "transponder code, BCD (bcd:1200)"},
        {"clock_hours", 0x3, "local time, hours"},
        {"clock_minutes", 0x4, "local time, minutes"},
        {"clock_seconds", 0x5, "local time, seconds (zulu too)"},
        {"zulu_hours", 0x6, "zulu time, hours"},
        {"zulu_minutes", 0x7, "zulu time, minutes"},
        {"sim_rate", 0x150, "simulation rate (0.25, 1, 4)"},
        {"nav1_ident", 0x1A, "NAV1 ident lamp: 0 off"},
        {"nav2_ident", 0x1D, "NAV2 ident lamp: 0 off"},
        {"adf_ident", 0x15, "ADF ident lamp: 0 off"},
        {"throttle1", 0x80, "engine 1 throttle lever, 0 to 16384"},
        {"throttle2", 0xA3, "engine 2 throttle lever, 0 to 16384"},
        {"throttle3", 0xC6, "engine 3 throttle lever, 0 to 16384"},
        {"throttle4", 0xE9, "engine 4 throttle lever, 0 to 16384"},
    };
    return all;
}

std::optional<ID32> variable_token(const std::string& name_or_token) {
    std::string lowered = name_or_token;
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const VariableName& v : variable_names())
        if (lowered == v.name) return v.token;
    return parse_u32(name_or_token);
}

}  // namespace bench
