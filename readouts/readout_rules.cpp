// The readout rules: how each readout turns the values of its element's
// variables into the text of its field and the value it returns. The host
// refreshes the variables before every call; nothing is kept between calls.
//
// Every double the host may deliver gives a defined text:
//  - a value that is not a number counts as 0 where it is truncated or
//    rounded, and as 0 where it is a units setting;
//  - a value beyond the range of int is truncated to the nearest end of
//    that range (saturated), never converted out of range;
//  - a text wider than the field, whether from a large value or from a
//    floating value that is not finite, shows as the field filled with
//    '*'. Cutting it would show a wrong number (a descent of -10000 feet
//    per minute would read -1000), so the readout says "does not fit"
//    instead. Nothing is ever written past the field and its zero.
#include "readouts/readout_rules.h"

#include <climits>
#include <cmath>
#include <cstring>

#include "platform/win32.h"
#include "readouts/fixed_point.h"

namespace {

constexpr FLOAT64 degrees_max = 359;
constexpr FLOAT64 half = 0.5;
constexpr FLOAT64 seconds_per_minute = 60;
constexpr FLOAT64 times_256 = 256;  // vertical speed and ground elevation arrive scaled by 256
constexpr FLOAT64 feet_per_metre = 3.281;
constexpr FLOAT64 knots_per_metre_per_second = 1.94395;

// The work area a text is formed in, cleared to zero first. The integer
// formats take whole numbers only, so wsprintfA writes at most 35
// characters ("%02d:%02d:%02d" of three ints) and its zero; the fixed-point
// texts are bounded by the area's size. Small, so clearing it costs a few
// stores a frame.
constexpr std::size_t work_area_bytes = 64;

FLOAT64 first_value(const ELEMENT_STRING* e) { return e->source_var[0].var_value.n; }
FLOAT64 second_value(const ELEMENT_STRING* e) { return e->source_var[1].var_value.n; }
FLOAT64 third_value(const ELEMENT_STRING* e) { return e->source_var[2].var_value.n; }

// Drops the fraction toward zero: 2.9 gives 2, -2.9 gives -2.
int truncate(FLOAT64 x) {
    if (std::isnan(x)) return 0;
    if (x >= static_cast<FLOAT64>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<FLOAT64>(INT_MIN)) return INT_MIN;
    return static_cast<int>(x);
}

// Rounds positive values half up and truncates negative ones toward zero:
// 20.5 gives 21, -20.7 gives -20.
int round_half_up(FLOAT64 x) {
    const int n = truncate(x);
    if (n == INT_MAX) return n;
    return x - n >= half ? n + 1 : n;
}

// The units setting: 0, or a value that is not a number, selects feet and
// inches of mercury; any other value metres and millibars.
bool metric_units(FLOAT64 setting) { return setting != 0 && !std::isnan(setting); }

void show_overflow(ELEMENT_STRING* e) {
    std::memset(e->string, '*', e->char_count);
    e->string[e->char_count] = '\0';
}

// Copies a formed text of `length` characters into the element's field,
// which holds char_count characters and the terminating zero.
void show(ELEMENT_STRING* e, const char* text, int length) {
    if (e->string == nullptr) return;
    if (length < 0 || static_cast<std::uint32_t>(length) > e->char_count) {
        show_overflow(e);
        return;
    }
    std::memcpy(e->string, text, static_cast<std::size_t>(length) + 1);
}

void show_whole(ELEMENT_STRING* e, const char* format, int value) {
    char work[work_area_bytes] = {};
    show(e, work, wsprintfA(work, format, value));
}

// "%<width>.<decimals>f": the same text as the C library's, formed here.
void show_fixed(ELEMENT_STRING* e, int width, int decimals, FLOAT64 value) {
    char work[work_area_bytes] = {};
    show(e, work, fixed_point_text(work, sizeof work, value, width, decimals));
}

// ---------------------------------------------------------------- the rules

// The bound is 359, not 360: 359 shows 359, anything above shows 0, and so
// does anything below 0 or not a number. Whole degrees, never rounded up.
FLOAT64 clamped_degrees(ELEMENT_STRING* e) {
    FLOAT64 x = first_value(e);
    if (x > degrees_max) {
        x = 0;
    } else if (!(x >= 0)) {
        x = 0;
    }
    show_whole(e, "%3d", truncate(x));
    return x;
}

FLOAT64 rounded_altitude(ELEMENT_STRING* e) {
    const FLOAT64 altitude = first_value(e);
    show_whole(e, "%5d", round_half_up(altitude));
    return altitude;
}

// Metres per minute from metres per second times 256; feet per minute
// unless the units setting in the second slot selects metres.
FLOAT64 rounded_vertical_speed(ELEMENT_STRING* e) {
    FLOAT64 x = first_value(e) * seconds_per_minute / times_256;
    if (!metric_units(second_value(e))) x *= feet_per_metre;
    show_whole(e, "%5d", round_half_up(x));
    return x;
}

// The aircraft's altitude in metres less the ground elevation in metres
// times 256, in feet unless the third slot selects metres. Not limited at
// 0: ground above the aircraft gives a negative height. Returns the
// converted height itself, like the vertical speed readout, rather than
// the fraction its truncation drops.
FLOAT64 rounded_height_above_ground(ELEMENT_STRING* e) {
    FLOAT64 x = first_value(e) - second_value(e) / times_256;
    if (!metric_units(third_value(e))) x *= feet_per_metre;
    show_whole(e, "%5d", round_half_up(x));
    return x;
}

FLOAT64 truncated_airspeed(ELEMENT_STRING* e) {
    const FLOAT64 airspeed = first_value(e);
    show_whole(e, "%4d", truncate(airspeed));
    return airspeed;
}

FLOAT64 ground_speed_in_knots(ELEMENT_STRING* e) {
    const FLOAT64 knots = first_value(e) * knots_per_metre_per_second;
    show_fixed(e, 6, 1, knots);
    return knots;
}

// Hours, minutes and seconds from the three slots.
FLOAT64 time_of_day(ELEMENT_STRING* e) {
    char work[work_area_bytes] = {};
    const int length = wsprintfA(work, "%02d:%02d:%02d", truncate(first_value(e)), truncate(second_value(e)),
                                 truncate(third_value(e)));
    show(e, work, length);
    return first_value(e);
}

// Inches of mercury from the first slot, or whole millibars (not rounded)
// from the second when the third selects metric units. Returns the inches
// whichever is shown.
FLOAT64 altimeter_setting(ELEMENT_STRING* e) {
    if (metric_units(third_value(e))) {
        show_whole(e, "%5d", truncate(second_value(e)));
    } else {
        show_fixed(e, 5, 2, first_value(e));
    }
    return first_value(e);
}

}  // namespace

// ---------------------------------------------------------------- the callbacks

FLOAT64 HOSTAPI nav1_radial_format(ELEMENT_STRING* element) { return clamped_degrees(element); }
FLOAT64 HOSTAPI nav2_radial_format(ELEMENT_STRING* element) { return clamped_degrees(element); }
FLOAT64 HOSTAPI adf_radial_format(ELEMENT_STRING* element) { return clamped_degrees(element); }
FLOAT64 HOSTAPI heading_bug_format(ELEMENT_STRING* element) { return clamped_degrees(element); }
FLOAT64 HOSTAPI altitude_format(ELEMENT_STRING* element) { return rounded_altitude(element); }
FLOAT64 HOSTAPI vertical_speed_format(ELEMENT_STRING* element) { return rounded_vertical_speed(element); }
FLOAT64 HOSTAPI airspeed_format(ELEMENT_STRING* element) { return truncated_airspeed(element); }
FLOAT64 HOSTAPI heading_format(ELEMENT_STRING* element) { return clamped_degrees(element); }
FLOAT64 HOSTAPI gps_ground_speed_format(ELEMENT_STRING* element) { return ground_speed_in_knots(element); }
FLOAT64 HOSTAPI clock_format(ELEMENT_STRING* element) { return time_of_day(element); }
FLOAT64 HOSTAPI zulu_clock_format(ELEMENT_STRING* element) { return time_of_day(element); }
FLOAT64 HOSTAPI kollsman_format(ELEMENT_STRING* element) { return altimeter_setting(element); }
FLOAT64 HOSTAPI compass_format(ELEMENT_STRING* element) { return clamped_degrees(element); }
FLOAT64 HOSTAPI radio_altimeter_format(ELEMENT_STRING* element) { return rounded_height_above_ground(element); }
