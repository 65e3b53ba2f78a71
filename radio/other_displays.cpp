// The transponder, clock and simulation-rate texts, the ident lamps and the
// FMC button. Their knobs and the lamp areas are host events.
#include <cstdint>

#include "platform/win32.h"
#include "radio/radio.h"
#include "radio/radio_text.h"

static constexpr ID32 fmc_window_id = 110;

// The four BCD digits of the code, then two spaces: 1200 becomes "1200  ".
FLOAT64 HOSTAPI xpndr_text_cb(FLOAT64 value) {
    char work[radio_work_area] = {};
    wsprintfA(work, "%04X  ", variable_word(xpndr_text.source_var[0]));
    write_element_text(xpndr_text, work);
    return value;
}

// Hours, minutes and seconds truncated, then one space: "09:05:30 ".
FLOAT64 HOSTAPI clock_text_cb(FLOAT64) {
    char work[radio_work_area] = {};
    wsprintfA(work, "%02d:%02d:%02d ", truncate_to_int(clock_text.source_var[0].var_value.n),
              truncate_to_int(clock_text.source_var[1].var_value.n),
              truncate_to_int(clock_text.source_var[2].var_value.n));
    write_element_text(clock_text, work);
    return static_cast<FLOAT64>(click_count);
}

// The whole rate, ".", and the hundredths the rate has beyond it: 0.25,
// 1.00, 16.00. The whole part times 100 is taken as a 64-bit integer so
// that no rate overflows it.
FLOAT64 HOSTAPI sim_rate_text_cb(FLOAT64 value) {
    const SINT32 whole = truncate_to_int(value);
    const std::int64_t whole_hundreds = static_cast<std::int64_t>(whole) * 100;
    const SINT32 hundredths = truncate_to_int(value * 100 - static_cast<double>(whole_hundreds));
    char work[radio_work_area] = {};
    wsprintfA(work, "%d.%02d", whole, hundredths);
    write_element_text(sim_rate_text, work);
    return value;
}

FLOAT64 HOSTAPI ident_lamp_cb(MODULE_VAR* var) { return var->var_value.n; }

SINT32 HOSTAPI fmc_window_toggle(PIXPOINT*, FLAGS32) { return host_services()->panel_window_toggle(fmc_window_id); }
