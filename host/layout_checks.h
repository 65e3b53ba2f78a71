// Layout facts of the 32-bit host, checked wherever the records are
// compiled for it (the shipping i686 modules). On 64-bit builds pointers
// widen and these offsets do not apply.
#pragma once

#include <cstddef>

#include "host/gauge_records.h"

#if defined(__i386__) || defined(_M_IX86)

static_assert(sizeof(MODULE_VAR) == 28, "a module variable record is 28 bytes");
static_assert(offsetof(MODULE_VAR, var_value) == 12 && offsetof(MODULE_VAR, var_old) == 20);

static_assert(offsetof(PANELS, element_list_query) == 24 * 4);
static_assert(offsetof(PANELS, element_list_install) == 25 * 4);
static_assert(offsetof(PANELS, element_list_initialize) == 26 * 4);
static_assert(offsetof(PANELS, element_list_update) == 27 * 4);
static_assert(offsetof(PANELS, element_list_generate) == 28 * 4);
static_assert(offsetof(PANELS, element_list_plot) == 29 * 4);
static_assert(offsetof(PANELS, element_list_kill) == 31 * 4);
static_assert(offsetof(PANELS, mouse_list_install) == 32 * 4);
static_assert(offsetof(PANELS, mouse_list_register) == 33 * 4);
static_assert(offsetof(PANELS, mouse_list_unregister) == 34 * 4);
static_assert(offsetof(PANELS, panel_window_toggle) == 35 * 4);
static_assert(offsetof(PANELS, trigger_key_event) == 36 * 4);
static_assert(offsetof(PANELS, initialize_var) == 38 * 4);
static_assert(offsetof(PANELS, lookup_var) == 40 * 4);

static_assert(sizeof(IMPORT_TABLE) == 16);
static_assert(offsetof(IMAGE, dim) == 4, "the pixel size pair lies 4 bytes into an image");
static_assert(sizeof(FAILURE_RECORD) == 12 && sizeof(HIGHLIGHT_RECORD) == 12);
static_assert(sizeof(ELEMENT_HEADER) == 60);

// The string element of header 610, field by field.
static_assert(offsetof(ELEMENT_STRING, source_var) == 60);
static_assert(offsetof(ELEMENT_STRING, host_fields_a) == 60 + 3 * 28);
static_assert(offsetof(ELEMENT_STRING, update_callback) == 144 + 9 * 4);
static_assert(offsetof(ELEMENT_STRING, string) == 184);
static_assert(offsetof(ELEMENT_STRING, host_field_b) == 188);
static_assert(offsetof(ELEMENT_STRING, box_width) == 192 && offsetof(ELEMENT_STRING, box_height) == 196);
static_assert(offsetof(ELEMENT_STRING, host_fields_c) == 200);
static_assert(offsetof(ELEMENT_STRING, fg_color) == 208);
static_assert(offsetof(ELEMENT_STRING, bg_color) == 212);
static_assert(offsetof(ELEMENT_STRING, hilite_color) == 216);
static_assert(offsetof(ELEMENT_STRING, host_fields_d) == 220);
static_assert(offsetof(ELEMENT_STRING, font_face) == 248);
static_assert(offsetof(ELEMENT_STRING, font_weight) == 280);
static_assert(offsetof(ELEMENT_STRING, font_charset) == 284);
static_assert(offsetof(ELEMENT_STRING, draw_text_flags) == 288);
static_assert(offsetof(ELEMENT_STRING, char_count) == 292);
static_assert(offsetof(ELEMENT_STRING, host_field_e) == 296);
static_assert(offsetof(ELEMENT_STRING, highlight_list) == 300);
static_assert(sizeof(ELEMENT_STRING) == 312);

// The icon element: one variable, the callback, five words, the frame
// count, four words.
static_assert(offsetof(ELEMENT_ICON, update_callback) == 60 + 28);
static_assert(offsetof(ELEMENT_ICON, frame_count) == 92 + 5 * 4);
static_assert(sizeof(ELEMENT_ICON) == 112 + 4 + 4 * 4);

// The static image element: five words after the header.
static_assert(sizeof(ELEMENT_STATIC_IMAGE) == 60 + 5 * 4);

static_assert(sizeof(MOUSERECT) == 11 * 4);

#endif
