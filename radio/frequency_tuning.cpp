// NAV1, NAV2 and COM: the active and standby frequency texts, the standby
// knobs and the swap buttons. A frequency is four BCD digits tu.f1f2 with
// the hundreds digit 1 implied: 0x1050 is 110.50 MHz.
#include "platform/win32.h"
#include "radio/radio.h"
#include "radio/radio_text.h"

static constexpr std::uint32_t nav_default = 0x0800;  // 108.00
static constexpr std::uint32_t com_default = 0x1800;  // 118.00

// Whole-megahertz bands: below `bottom_next` the value is at its lowest
// whole megahertz, from `top` on at its highest, and `span` is the step
// between the two ends (NAV 108 to 117, COM 118 to 136).
static constexpr std::uint32_t nav_bottom_next = 0x0900;
static constexpr std::uint32_t nav_top = 0x1700;
static constexpr std::uint32_t nav_span = 0x0F00;
static constexpr std::uint32_t com_bottom_next = 0x1900;
static constexpr std::uint32_t com_top = 0x3600;
static constexpr std::uint32_t com_span = 0x1E00;

static constexpr ID32 nav1_swap_event = 0x100AC;
static constexpr ID32 nav2_swap_event = 0x100AD;
static constexpr ID32 com_swap_event = 0x100AB;

// ---------------------------------------------------------------- texts

// "1tuf1f2" with a point put before the fraction digits: 0x1050 gives 110.50.
static void write_frequency_text(ELEMENT_STRING& element, std::uint32_t value) {
    char work[radio_work_area] = {};
    wsprintfA(work, "1%04X", value & 0xFFFF);
    work[5] = work[4];
    work[4] = work[3];
    work[3] = '.';
    write_element_text(element, work);
}

static FLOAT64 active_text(ELEMENT_STRING& element, FLOAT64 value) {
    write_frequency_text(element, variable_word(element.source_var[0]));
    return value;
}

// Rebuilt only when the standby value moved away from what the text shows,
// or when the buffer is not the one the shown copy was written into: each
// radio stack on the panel has buffers of its own, and every one of them
// shows the shared standby.
static FLOAT64 standby_text(ELEMENT_STRING& element, std::uint32_t& standby, std::uint32_t& shown,
                            const char*& written, std::uint32_t default_value) {
    if (standby == 0) standby = default_value;
    if (element.string != nullptr && (standby != shown || element.string != written)) {
        write_frequency_text(element, standby);
        shown = standby;
        written = element.string;
    }
    return static_cast<FLOAT64>(click_count);
}

FLOAT64 HOSTAPI nav1_active_text_cb(FLOAT64 value) { return active_text(nav1_active_text, value); }
FLOAT64 HOSTAPI nav2_active_text_cb(FLOAT64 value) { return active_text(nav2_active_text, value); }
FLOAT64 HOSTAPI com_active_text_cb(FLOAT64 value) { return active_text(com_active_text, value); }

FLOAT64 HOSTAPI nav1_standby_text_cb(FLOAT64) {
    return standby_text(nav1_standby_text, nav1_standby, nav1_standby_shown, nav1_standby_written,
                        nav_default);
}
FLOAT64 HOSTAPI nav2_standby_text_cb(FLOAT64) {
    return standby_text(nav2_standby_text, nav2_standby, nav2_standby_shown, nav2_standby_written,
                        nav_default);
}
FLOAT64 HOSTAPI com_standby_text_cb(FLOAT64) {
    return standby_text(com_standby_text, com_standby, com_standby_shown, com_standby_written,
                        com_default);
}

// ---------------------------------------------------------------- knobs

// The fraction digits never change; the whole megahertz wraps at the band's
// ends, and a units digit of 0 or 9 carries into the tens.
static void whole_down(std::uint32_t& value, std::uint32_t bottom_next, std::uint32_t span) {
    if ((value & 0x0F00) == 0) value -= 0x700;
    else if (value < bottom_next) value += span;
    else value -= 0x100;
    ++click_count;
}

static void whole_up(std::uint32_t& value, std::uint32_t top, std::uint32_t span) {
    if ((value & 0x0F00) == 0x0900) value += 0x700;
    else if (value >= top) value -= span;
    else value += 0x100;
    ++click_count;
}

// The fraction steps through the 25 kHz raster shown with two decimals
// (.00 .02 .05 .07 .10 ... .97) and wraps without touching the megahertz.
static void fraction_down(std::uint32_t& value) {
    const std::uint32_t fraction = value & 0xFF;
    const std::uint32_t last = value & 0x0F;
    if (fraction == 0x00) value += 0x97;
    else if (last == 0) value -= 9;
    else if (last == 5) value -= 3;
    else value -= 2;
    ++click_count;
}

static void fraction_up(std::uint32_t& value) {
    const std::uint32_t fraction = value & 0xFF;
    const std::uint32_t last = value & 0x0F;
    if (fraction == 0x97) value -= 0x97;
    else if (last == 7) value += 9;
    else if (last == 2) value += 3;
    else value += 2;
    ++click_count;
}

SINT32 HOSTAPI nav1_standby_whole_dec(PIXPOINT*, FLAGS32) {
    whole_down(nav1_standby, nav_bottom_next, nav_span);
    return 0;
}
SINT32 HOSTAPI nav1_standby_whole_inc(PIXPOINT*, FLAGS32) {
    whole_up(nav1_standby, nav_top, nav_span);
    return 0;
}
SINT32 HOSTAPI nav1_standby_fract_dec(PIXPOINT*, FLAGS32) {
    fraction_down(nav1_standby);
    return 0;
}
SINT32 HOSTAPI nav1_standby_fract_inc(PIXPOINT*, FLAGS32) {
    fraction_up(nav1_standby);
    return 0;
}

SINT32 HOSTAPI nav2_standby_whole_dec(PIXPOINT*, FLAGS32) {
    whole_down(nav2_standby, nav_bottom_next, nav_span);
    return 0;
}
SINT32 HOSTAPI nav2_standby_whole_inc(PIXPOINT*, FLAGS32) {
    whole_up(nav2_standby, nav_top, nav_span);
    return 0;
}
SINT32 HOSTAPI nav2_standby_fract_dec(PIXPOINT*, FLAGS32) {
    fraction_down(nav2_standby);
    return 0;
}
SINT32 HOSTAPI nav2_standby_fract_inc(PIXPOINT*, FLAGS32) {
    fraction_up(nav2_standby);
    return 0;
}

SINT32 HOSTAPI com_standby_whole_dec(PIXPOINT*, FLAGS32) {
    whole_down(com_standby, com_bottom_next, com_span);
    return 0;
}
SINT32 HOSTAPI com_standby_whole_inc(PIXPOINT*, FLAGS32) {
    whole_up(com_standby, com_top, com_span);
    return 0;
}
SINT32 HOSTAPI com_standby_fract_dec(PIXPOINT*, FLAGS32) {
    fraction_down(com_standby);
    return 0;
}
SINT32 HOSTAPI com_standby_fract_inc(PIXPOINT*, FLAGS32) {
    fraction_up(com_standby);
    return 0;
}

// ---------------------------------------------------------------- swaps

// The standby goes to the host as the new active frequency and the active
// frequency last delivered becomes the standby. The shown copy stays, so
// the standby text is rebuilt on its next callback.
static void swap(const ELEMENT_STRING& active, ID32 event, std::uint32_t& standby) {
    const std::uint32_t kept_active = variable_word(active.source_var[0]);
    host_services()->trigger_key_event(event, standby);
    standby = kept_active;
    ++click_count;
}

SINT32 HOSTAPI nav1_swap(PIXPOINT*, FLAGS32) {
    swap(nav1_active_text, nav1_swap_event, nav1_standby);
    return 0;
}
SINT32 HOSTAPI nav2_swap(PIXPOINT*, FLAGS32) {
    swap(nav2_active_text, nav2_swap_event, nav2_standby);
    return 0;
}
SINT32 HOSTAPI com_swap(PIXPOINT*, FLAGS32) {
    swap(com_active_text, com_swap_event, com_standby);
    return 0;
}
