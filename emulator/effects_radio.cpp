// What the host does with the key events the radio stack sends or names:
// radio frequency swaps and tuning, the ADF digits, the transponder code,
// the clock, the simulation rate and the ident switches. Frequencies and
// codes are four BCD digits in the low 32 bits of their variable, as the
// host delivers them to the gauges.
#include <algorithm>
#include <cmath>

#include "emulator/effects.h"

namespace emu::detail {

namespace {

// ---- variables the events act on
constexpr ID32 com_active = 0x17;
constexpr ID32 nav1_active = 0x18;
constexpr ID32 nav2_active = 0x1B;
constexpr ID32 adf_active = 0x10;            // BCD kilohertz digits, thousands in bits 12 to 15
constexpr ID32 adf_extended_mode = 0x11;     // non-zero: thousands digit and half kilohertz in use
constexpr ID32 adf_active_extension = 0x12;  // thousands digit in bits 8 to 15, tenths in bits 0 to 7
constexpr ID32 transponder_code = 0x26;
constexpr ID32 clock_hours = 0x03;
constexpr ID32 clock_minutes = 0x04;
constexpr ID32 clock_seconds = 0x05;
constexpr ID32 simulation_rate = 0x150;
constexpr ID32 adf_ident = 0x15;
constexpr ID32 nav1_ident = 0x1A;
constexpr ID32 nav2_ident = 0x1D;

std::uint32_t bcd_digit(std::uint32_t word, int index) { return (word >> (4 * index)) & 0xF; }

std::uint32_t with_bcd_digit(std::uint32_t word, int index, std::uint32_t digit) {
    const std::uint32_t mask = 0xFu << (4 * index);
    return (word & ~mask) | ((digit & 0xF) << (4 * index));
}

// A digit stepped by one within 0..top, wrapping at both ends.
std::uint32_t step_digit(std::uint32_t digit, int step, std::uint32_t top) {
    if (digit > top) digit = top;
    if (step > 0) return digit >= top ? 0 : digit + 1;
    return digit == 0 ? top : digit - 1;
}

int wrap(int value, int lowest, int highest) {
    const int span = highest - lowest + 1;
    return lowest + ((value - lowest) % span + span) % span;
}

// ---- NAV and COM frequencies: 1tu.f1f2 MHz in the digits t u f1 f2.

int whole_mhz(std::uint32_t bcd) {
    return 100 + 10 * static_cast<int>(bcd_digit(bcd, 3)) + static_cast<int>(bcd_digit(bcd, 2));
}

// The two fraction digits as a number of hundredths of a megahertz.
int hundredths(std::uint32_t bcd) {
    return 10 * static_cast<int>(bcd_digit(bcd, 1)) + static_cast<int>(bcd_digit(bcd, 0));
}

std::uint32_t frequency_bcd(int whole, int fraction) {
    const int tu = whole - 100;
    fraction = std::clamp(fraction, 0, 99);  // digits beyond 9 are not BCD
    return static_cast<std::uint32_t>((tu / 10) << 12 | (tu % 10) << 8 | (fraction / 10) << 4 | (fraction % 10));
}

// The whole megahertz steps within the band and wraps at its ends; the
// fraction stays.
void step_whole(Host& host, ID32 token, int step, int lowest, int highest) {
    const std::uint32_t bcd = host.integer(token);
    host.set_integer(token, frequency_bcd(wrap(whole_mhz(bcd) + step, lowest, highest), hundredths(bcd)));
}

// The fraction steps one channel of `spacing_khz` (shown in hundredths of
// a megahertz, truncated: 25 kHz channels read .00 .02 .05 .07) and wraps
// within the megahertz.
void step_fraction(Host& host, ID32 token, int step, int spacing_khz) {
    const std::uint32_t bcd = host.integer(token);
    const int channels = 1000 / spacing_khz;
    int channel = 0;
    while (channel + 1 < channels && (channel + 1) * spacing_khz / 10 <= hundredths(bcd)) ++channel;
    channel = wrap(channel + step, 0, channels - 1);
    host.set_integer(token, frequency_bcd(whole_mhz(bcd), channel * spacing_khz / 10));
}

void set_word(Host& host, ID32 token, std::uint32_t value) { host.set_integer(token, value); }

// ---- ADF: the active frequency lives in two variables that both carry the
// thousands digit; every effect keeps them in step.

struct AdfFrequency {
    std::uint32_t thousands, hundreds, tens, units, tenths;
};

AdfFrequency adf_read(const Host& host) {
    const std::uint32_t f = host.integer(adf_active);
    const std::uint32_t e = host.integer(adf_active_extension);
    return {bcd_digit(f, 3), bcd_digit(f, 2), bcd_digit(f, 1), bcd_digit(f, 0), e & 0xFF};
}

void adf_write(Host& host, const AdfFrequency& a) {
    host.set_integer(adf_active, a.thousands << 12 | a.hundreds << 8 | a.tens << 4 | a.units);
    host.set_integer(adf_active_extension, a.thousands << 8 | a.tenths);
}

bool adf_extended(const Host& host) { return host.number(adf_extended_mode) != 0.0; }

// Hundreds: 2 to 9 in plain mode; thousands and hundreds together 1 to 16
// in extended mode, wrapping at both ends.
void adf_step_hundreds(Host& host, int step) {
    AdfFrequency a = adf_read(host);
    if (adf_extended(host)) {
        const int hundreds = wrap(static_cast<int>(10 * a.thousands + a.hundreds) + step, 1, 16);
        a.thousands = static_cast<std::uint32_t>(hundreds / 10);
        a.hundreds = static_cast<std::uint32_t>(hundreds % 10);
    } else {
        a.thousands = 0;
        a.hundreds = static_cast<std::uint32_t>(wrap(static_cast<int>(a.hundreds) + step, 2, 9));
    }
    adf_write(host, a);
}

void adf_step_tens(Host& host, int step) {
    AdfFrequency a = adf_read(host);
    a.tens = step_digit(a.tens, step, 9);
    adf_write(host, a);
}

void adf_step_units(Host& host, int step) {
    AdfFrequency a = adf_read(host);
    a.units = step_digit(a.units, step, 9);
    adf_write(host, a);
}

// Half a kilohertz, .0 to .5 and back, without touching the units.
void adf_toggle_tenths(Host& host) {
    AdfFrequency a = adf_read(host);
    a.tenths = a.tenths == 0 ? 5 : 0;
    adf_write(host, a);
}

// ---- the other displays

// A transponder digit steps up through the octal digits 0 to 7.
void transponder_digit_up(Host& host, int index) {
    const std::uint32_t code = host.integer(transponder_code);
    host.set_integer(transponder_code, with_bcd_digit(code, index, step_digit(bcd_digit(code, index), 1, 7)));
}

void clock_step(Host& host, ID32 token, int step, int highest) {
    const double now = host.number(token);
    const int whole = std::isfinite(now) ? static_cast<int>(std::clamp(now, 0.0, static_cast<double>(highest))) : 0;
    host.set_number(token, wrap(whole + step, 0, highest));
}

// The simulation rate doubles or halves between 1/4 and 128.
constexpr double slowest_rate = 0.25;
constexpr double fastest_rate = 128.0;

void rate_step(Host& host, bool faster) {
    double rate = host.number(simulation_rate);
    if (!(rate >= slowest_rate && rate <= fastest_rate)) rate = 1.0;
    rate = faster ? std::min(rate * 2, fastest_rate) : std::max(rate / 2, slowest_rate);
    host.set_number(simulation_rate, rate);
}

void toggle(Host& host, ID32 token) { host.set_number(token, host.number(token) != 0.0 ? 0.0 : 1.0); }

}  // namespace

void install_radio_effects(Host& host) {
    // 0x100AC, 0x100AD, 0x100AB: the value becomes the active NAV1, NAV2 or
    // COM frequency.
    host.set_key_effect(0x100AC, [](Host& h, std::uint32_t v) { set_word(h, nav1_active, v); });
    host.set_key_effect(0x100AD, [](Host& h, std::uint32_t v) { set_word(h, nav2_active, v); });
    host.set_key_effect(0x100AB, [](Host& h, std::uint32_t v) { set_word(h, com_active, v); });

    // 0x10064 to 0x10067: COM whole megahertz down and up (118 to 136,
    // wrapping), fraction down and up one 25 kHz channel.
    host.set_key_effect(0x10064, [](Host& h, std::uint32_t) { step_whole(h, com_active, -1, 118, 136); });
    host.set_key_effect(0x10065, [](Host& h, std::uint32_t) { step_whole(h, com_active, +1, 118, 136); });
    host.set_key_effect(0x10066, [](Host& h, std::uint32_t) { step_fraction(h, com_active, -1, 25); });
    host.set_key_effect(0x10067, [](Host& h, std::uint32_t) { step_fraction(h, com_active, +1, 25); });
    // 0x10068 to 0x1006B: NAV1 whole megahertz down and up (108 to 117,
    // wrapping), fraction down and up one 50 kHz channel.
    host.set_key_effect(0x10068, [](Host& h, std::uint32_t) { step_whole(h, nav1_active, -1, 108, 117); });
    host.set_key_effect(0x10069, [](Host& h, std::uint32_t) { step_whole(h, nav1_active, +1, 108, 117); });
    host.set_key_effect(0x1006A, [](Host& h, std::uint32_t) { step_fraction(h, nav1_active, -1, 50); });
    host.set_key_effect(0x1006B, [](Host& h, std::uint32_t) { step_fraction(h, nav1_active, +1, 50); });
    // 0x1006C to 0x1006F: the same for NAV2.
    host.set_key_effect(0x1006C, [](Host& h, std::uint32_t) { step_whole(h, nav2_active, -1, 108, 117); });
    host.set_key_effect(0x1006D, [](Host& h, std::uint32_t) { step_whole(h, nav2_active, +1, 108, 117); });
    host.set_key_effect(0x1006E, [](Host& h, std::uint32_t) { step_fraction(h, nav2_active, -1, 50); });
    host.set_key_effect(0x1006F, [](Host& h, std::uint32_t) { step_fraction(h, nav2_active, +1, 50); });

    // 0x1024A: the value's four BCD digits are hundreds, tens, units and
    // tenths of the new active ADF frequency, thousands 0 (0x3445 is 344.5).
    host.set_key_effect(0x1024A, [](Host& h, std::uint32_t v) {
        adf_write(h, {0, bcd_digit(v, 3), bcd_digit(v, 2), bcd_digit(v, 1), bcd_digit(v, 0)});
    });
    // 0x101FF: the value's thousands digit (bits 8 to 15) and tenths (bits 0
    // to 7) become the active ones.
    host.set_key_effect(0x101FF, [](Host& h, std::uint32_t v) {
        AdfFrequency a = adf_read(h);
        a.thousands = (v >> 8) & 0xFF;
        a.tenths = v & 0xFF;
        adf_write(h, a);
    });
    // 0x100B2: the value's four BCD digits become the active kilohertz
    // digits, thousands included; the tenths stay.
    host.set_key_effect(0x100B2, [](Host& h, std::uint32_t v) {
        AdfFrequency a = adf_read(h);
        adf_write(h, {bcd_digit(v, 3), bcd_digit(v, 2), bcd_digit(v, 1), bcd_digit(v, 0), a.tenths});
    });
    // 0x10082, 0x10070: hundreds down and up (plain mode 2 to 9; extended
    // mode thousands and hundreds 1 to 16), wrapping.
    host.set_key_effect(0x10082, [](Host& h, std::uint32_t) { adf_step_hundreds(h, -1); });
    host.set_key_effect(0x10070, [](Host& h, std::uint32_t) { adf_step_hundreds(h, +1); });
    // 0x10083, 0x10071: tens down and up, 0 to 9 wrapping, no carry.
    host.set_key_effect(0x10083, [](Host& h, std::uint32_t) { adf_step_tens(h, -1); });
    host.set_key_effect(0x10071, [](Host& h, std::uint32_t) { adf_step_tens(h, +1); });
    // 0x10084, 0x10072: units down and up, 0 to 9 wrapping, no carry.
    host.set_key_effect(0x10084, [](Host& h, std::uint32_t) { adf_step_units(h, -1); });
    host.set_key_effect(0x10072, [](Host& h, std::uint32_t) { adf_step_units(h, +1); });
    // 0x10395, 0x10396: tenths down and up by half a kilohertz; with only .0
    // and .5 both go to the other one, and neither touches the units.
    host.set_key_effect(0x10395, [](Host& h, std::uint32_t) { adf_toggle_tenths(h); });
    host.set_key_effect(0x10396, [](Host& h, std::uint32_t) { adf_toggle_tenths(h); });

    // 0x10073 to 0x10076: the first (leftmost) to fourth transponder digit
    // steps up, 7 wrapping to 0.
    host.set_key_effect(0x10073, [](Host& h, std::uint32_t) { transponder_digit_up(h, 3); });
    host.set_key_effect(0x10074, [](Host& h, std::uint32_t) { transponder_digit_up(h, 2); });
    host.set_key_effect(0x10075, [](Host& h, std::uint32_t) { transponder_digit_up(h, 1); });
    host.set_key_effect(0x10076, [](Host& h, std::uint32_t) { transponder_digit_up(h, 0); });

    // 0x10079, 0x1007A: clock hours down and up, 0 to 23 wrapping.
    host.set_key_effect(0x10079, [](Host& h, std::uint32_t) { clock_step(h, clock_hours, -1, 23); });
    host.set_key_effect(0x1007A, [](Host& h, std::uint32_t) { clock_step(h, clock_hours, +1, 23); });
    // 0x1007B, 0x1007C: clock minutes down and up, 0 to 59 wrapping, the
    // hours untouched.
    host.set_key_effect(0x1007B, [](Host& h, std::uint32_t) { clock_step(h, clock_minutes, -1, 59); });
    host.set_key_effect(0x1007C, [](Host& h, std::uint32_t) { clock_step(h, clock_minutes, +1, 59); });
    // 0x1007D: the seconds go back to zero.
    host.set_key_effect(0x1007D, [](Host& h, std::uint32_t) { h.set_number(clock_seconds, 0.0); });

    // 0x100FE, 0x100FD: the simulation rate halves or doubles, within 1/4 to
    // 128; a rate outside that range starts again from 1.
    host.set_key_effect(0x100FE, [](Host& h, std::uint32_t) { rate_step(h, false); });
    host.set_key_effect(0x100FD, [](Host& h, std::uint32_t) { rate_step(h, true); });

    // 0x10132, 0x10133, 0x10136: the NAV1, NAV2 and ADF ident switches turn
    // on (1) or off (0).
    host.set_key_effect(0x10132, [](Host& h, std::uint32_t) { toggle(h, nav1_ident); });
    host.set_key_effect(0x10133, [](Host& h, std::uint32_t) { toggle(h, nav2_ident); });
    host.set_key_effect(0x10136, [](Host& h, std::uint32_t) { toggle(h, adf_ident); });
}

}  // namespace emu::detail
