// Text helpers shared by the radio stack's display callbacks.
#pragma once

#include <cstdint>

#include "host/gauge.h"

// Room for the longest text any display builds, with its terminating zero.
inline constexpr int radio_work_area = 40;

// Copies a finished text into the buffer the host supplied for an element,
// or fills the element's field with '*' when the text is longer than its
// character count; false (nothing written) while the host has supplied none.
bool write_element_text(ELEMENT_STRING& element, const char* text);

// The low 32 bits of an element variable's value, as the host delivers
// BCD frequencies and codes.
inline std::uint32_t variable_word(const MODULE_VAR& var) { return var.var_value.d; }

// A double truncated toward zero to a 32-bit integer. Values beyond the
// integer range (infinities among them) saturate at its ends and NaN gives
// 0, so that any value the host delivers formats to a bounded text.
SINT32 truncate_to_int(double value);
