// The halbrook radio stack: what its files share. The records live in
// radio_gauge.cpp (header, routines, linkage), radio_elements.cpp (the
// element tree) and radio_mouse.cpp (the mouse rectangles); the callbacks
// in frequency_tuning.cpp, adf_tuning.cpp and other_displays.cpp.
#pragma once

#include <cstdint>

#include "host/gauge.h"

// ---------------------------------------------------------------- records

extern GAUGEHDR radio_gauge_header;
extern ELEMENT_STATIC_IMAGE radio_face;
extern MOUSERECT radio_mouse_rects[];

extern ELEMENT_STRING nav1_active_text;
extern ELEMENT_STRING nav1_standby_text;
extern ELEMENT_STRING nav2_active_text;
extern ELEMENT_STRING nav2_standby_text;
extern ELEMENT_STRING adf_active_text;
extern ELEMENT_STRING adf_standby_text;
extern ELEMENT_STRING com_active_text;
extern ELEMENT_STRING com_standby_text;
extern ELEMENT_STRING xpndr_text;
extern ELEMENT_STRING clock_text;
extern ELEMENT_STRING sim_rate_text;

// ---------------------------------------------------------------- statics

// Standby frequencies (four BCD digits) and the value last written into
// each standby text.
extern std::uint32_t nav1_standby, nav2_standby, com_standby;
extern std::uint32_t nav1_standby_shown, nav2_standby_shown, com_standby_shown;
// ADF standby: BCD kilohertz digits, and the extension word (thousands
// digit in bits 8 to 15, tenths in bits 0 to 7), with their shown copies.
extern std::uint32_t adf_standby, adf_standby_ext;
extern std::uint32_t adf_standby_shown, adf_standby_ext_shown;
// The text buffer each standby text was last written into. The shown copy
// is module-wide while every installation of the gauge has buffers of its
// own (a radio stack on the main panel and another in a pop-up), so a
// standby text is rebuilt whenever the host hands it a buffer other than
// the one that shows the copy.
extern const char* nav1_standby_written, * nav2_standby_written, * com_standby_written;
extern const char* adf_standby_written;
// Raised by every counted click, returned by the standby and clock texts.
extern SINT32 click_count;

// Makes every standby text rebuild on its next callback.
void forget_shown_standbys();

// ---------------------------------------------------------------- callbacks

FLOAT64 HOSTAPI nav1_active_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI nav1_standby_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI nav2_active_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI nav2_standby_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI com_active_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI com_standby_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI adf_active_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI adf_standby_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI xpndr_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI clock_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI sim_rate_text_cb(FLOAT64 value);
FLOAT64 HOSTAPI ident_lamp_cb(MODULE_VAR* var);

SINT32 HOSTAPI nav1_standby_whole_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI nav1_standby_whole_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI nav1_standby_fract_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI nav1_standby_fract_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI nav2_standby_whole_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI nav2_standby_whole_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI nav2_standby_fract_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI nav2_standby_fract_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI com_standby_whole_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI com_standby_whole_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI com_standby_fract_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI com_standby_fract_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI adf_active_units_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI adf_active_units_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI adf_standby_hundreds_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI adf_standby_hundreds_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI adf_standby_tens_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI adf_standby_tens_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI adf_standby_units_dec(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI adf_standby_units_inc(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI nav1_swap(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI nav2_swap(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI adf_swap(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI com_swap(PIXPOINT* point, FLAGS32 flags);
SINT32 HOSTAPI fmc_window_toggle(PIXPOINT* point, FLAGS32 flags);
