// The ADF row: active and standby texts, the standby knobs, the active
// units knob and the swap. Frequencies are BCD kilohertz digits (0x0344 is
// 344 kHz, 0x1234 is 1234 kHz); the extension word holds the thousands
// digit in bits 8 to 15 and the tenths (0 or 5) in bits 0 to 7. In extended
// mode, which the host selects with a non-zero token 0x11, the standby
// reaches 100.0 to 1699.5 kHz in half-kilohertz steps; in plain mode
// 200 to 999 kHz.
#include "platform/win32.h"
#include "radio/radio.h"
#include "radio/radio_text.h"

static constexpr std::uint32_t adf_default = 0x0200;  // 200 kHz

static constexpr ID32 adf_units_up_event = 0x10072;
static constexpr ID32 adf_units_down_event = 0x10084;
static constexpr ID32 adf_tenths_up_event = 0x10396;
static constexpr ID32 adf_tenths_down_event = 0x10395;
static constexpr ID32 adf_set_event = 0x1024A;
static constexpr ID32 adf_set_extension_event = 0x101FF;
static constexpr ID32 adf_set_kilohertz_event = 0x100B2;

// The host's values as it last delivered them to the active text.
static bool extended_mode() { return adf_active_text.source_var[1].var_value.n != 0.0; }
static std::uint32_t active_frequency() { return variable_word(adf_active_text.source_var[0]); }
static std::uint32_t active_extension() { return variable_word(adf_active_text.source_var[2]); }

static int tenths_of(std::uint32_t extension) { return static_cast<int>(extension & 0xFF); }

// ---------------------------------------------------------------- texts

FLOAT64 HOSTAPI adf_active_text_cb(FLOAT64 value) {
    const std::uint32_t f = active_frequency();
    const std::uint32_t e = active_extension();
    char work[radio_work_area] = {};
    if (!extended_mode()) wsprintfA(work, " %03X", f);
    else if (e <= 0xFF) wsprintfA(work, "0%03X.%d", f, tenths_of(e));
    else wsprintfA(work, "%03X.%d", f, tenths_of(e));
    write_element_text(adf_active_text, work);
    return value;
}

// Rebuilt only when the standby pair moved away from what the text shows, or
// when the buffer is not the one the shown pair was written into (another
// radio stack's); a change of mode alone shows with the next change of the
// pair.
FLOAT64 HOSTAPI adf_standby_text_cb(FLOAT64) {
    if (adf_standby == 0 && adf_standby_ext == 0) {
        adf_standby = adf_default;
        adf_standby_ext = 0;
    }
    const bool unchanged = adf_standby == adf_standby_shown && adf_standby_ext == adf_standby_ext_shown &&
                           adf_standby_text.string == adf_standby_written;
    if (adf_standby_text.string != nullptr && !unchanged) {
        char work[radio_work_area] = {};
        if (!extended_mode()) wsprintfA(work, " %03X", adf_standby);
        else wsprintfA(work, "%04X.%d", adf_standby, tenths_of(adf_standby_ext));
        write_element_text(adf_standby_text, work);
        adf_standby_shown = adf_standby;
        adf_standby_ext_shown = adf_standby_ext;
        adf_standby_written = adf_standby_text.string;
    }
    return static_cast<FLOAT64>(click_count);
}

// ---------------------------------------------------------------- standby knobs

// The first character of the standby written with "%03X": its hundreds
// digit while it has three digits.
static char plain_hundreds_character() {
    char work[radio_work_area] = {};
    wsprintfA(work, "%03X", adf_standby);
    return work[0];
}

// Plain mode: hundreds 2 to 9. Extended mode: thousands and hundreds
// together 01 to 16, the extension's thousands digit following along.
SINT32 HOSTAPI adf_standby_hundreds_inc(PIXPOINT*, FLAGS32) {
    if (!extended_mode()) {
        if (plain_hundreds_character() >= '9') adf_standby -= 0x700;
        else adf_standby += 0x100;
    } else if (adf_standby >= 0x1600) {
        adf_standby -= 0x1500;
        adf_standby_ext -= 0x100;
    } else if ((adf_standby & 0x0F00) == 0x0900) {
        adf_standby += 0x700;
        adf_standby_ext += 0x100;
    } else {
        adf_standby += 0x100;
    }
    ++click_count;
    return 0;
}

SINT32 HOSTAPI adf_standby_hundreds_dec(PIXPOINT*, FLAGS32) {
    if (!extended_mode()) {
        if (plain_hundreds_character() <= '2') adf_standby += 0x700;
        else adf_standby -= 0x100;
    } else {
        const std::uint32_t h = adf_standby & 0xFF00;
        if (h <= 0x100) {
            adf_standby += 0x1500;
            adf_standby_ext += 0x100;
        } else if (h == 0x1000) {
            adf_standby -= 0x700;
            adf_standby_ext -= 0x100;
        } else {
            adf_standby -= 0x100;
        }
    }
    ++click_count;
    return 0;
}

// Tens wrap 9 to 0 and back without carrying, in both modes.
SINT32 HOSTAPI adf_standby_tens_inc(PIXPOINT*, FLAGS32) {
    if ((adf_standby & 0xF0) >= 0x90) adf_standby -= 0x90;
    else adf_standby += 0x10;
    ++click_count;
    return 0;
}

SINT32 HOSTAPI adf_standby_tens_dec(PIXPOINT*, FLAGS32) {
    if ((adf_standby & 0xF0) == 0) adf_standby += 0x90;
    else adf_standby -= 0x10;
    ++click_count;
    return 0;
}

static void plain_units_up() {
    if ((adf_standby & 0x0F) >= 9) adf_standby -= 9;
    else adf_standby += 1;
}

static void plain_units_down() {
    if ((adf_standby & 0x0F) == 0) adf_standby += 9;
    else adf_standby -= 1;
}

// Extended mode steps half a kilohertz: x.0 to x.5 to (x+1).0 and back.
SINT32 HOSTAPI adf_standby_units_inc(PIXPOINT*, FLAGS32) {
    if (!extended_mode()) {
        plain_units_up();
    } else if (tenths_of(adf_standby_ext) == 0) {
        adf_standby_ext += 5;
    } else {
        adf_standby_ext -= 5;
        plain_units_up();
    }
    ++click_count;
    return 0;
}

SINT32 HOSTAPI adf_standby_units_dec(PIXPOINT*, FLAGS32) {
    if (!extended_mode()) {
        plain_units_down();
    } else if (tenths_of(adf_standby_ext) != 0) {
        adf_standby_ext -= 5;
    } else {
        adf_standby_ext += 5;
        plain_units_down();
    }
    ++click_count;
    return 0;
}

// ---------------------------------------------------------------- active units knob

// Plain mode steps the host's units digit. Extended mode steps its tenths,
// and the units too when the tenths pass through .0 (going down from .0,
// going up from .5). These are host actions: no click is counted.
SINT32 HOSTAPI adf_active_units_dec(PIXPOINT*, FLAGS32) {
    if (!extended_mode()) {
        host_services()->trigger_key_event(adf_units_down_event, 0);
        return 0;
    }
    const bool at_whole = tenths_of(active_extension()) == 0;
    host_services()->trigger_key_event(adf_tenths_down_event, 0);
    if (at_whole) host_services()->trigger_key_event(adf_units_down_event, 0);
    return 0;
}

SINT32 HOSTAPI adf_active_units_inc(PIXPOINT*, FLAGS32) {
    if (!extended_mode()) {
        host_services()->trigger_key_event(adf_units_up_event, 0);
        return 0;
    }
    const bool at_half = tenths_of(active_extension()) != 0;
    host_services()->trigger_key_event(adf_tenths_up_event, 0);
    if (at_half) host_services()->trigger_key_event(adf_units_up_event, 0);
    return 0;
}

// ---------------------------------------------------------------- swap

// Below 1000 kHz one event carries hundreds, tens, units and tenths; with a
// thousands digit the host takes 100.0 first, then the extension, then the
// kilohertz digits. The active pair from before the events becomes the
// standby.
SINT32 HOSTAPI adf_swap(PIXPOINT*, FLAGS32) {
    const std::uint32_t f = active_frequency();
    const std::uint32_t e = active_extension();
    if (adf_standby_ext < 0x100) {
        host_services()->trigger_key_event(adf_set_event, (adf_standby << 4) + (adf_standby_ext & 0xF));
    } else {
        host_services()->trigger_key_event(adf_set_event, 0x1000);
        host_services()->trigger_key_event(adf_set_extension_event, adf_standby_ext);
        host_services()->trigger_key_event(adf_set_kilohertz_event, adf_standby);
    }
    adf_standby = f;
    adf_standby_ext = e;
    ++click_count;
    return 0;
}
