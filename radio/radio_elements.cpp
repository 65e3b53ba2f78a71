// The element tree of the radio stack: the face, the ident lamps, the
// legend layer and the eleven text windows, in drawing order.
#include "radio/radio.h"

// ---------------------------------------------------------------- colours

static constexpr COLOR32 text_green = 0x0000FF00;
static constexpr COLOR32 text_background = 0x00000000;
static constexpr COLOR32 highlight_yellow = 0x0000FFFF;
static constexpr COLOR32 highlight_orange = 0x000080FF;

static constexpr SINT32 quartz_weight = 400;
static constexpr std::uint32_t default_charset = 1;

// ---------------------------------------------------------------- text sizes
//
// The host sizes each text buffer from the declared character count. Each
// count holds the longest text the display shows for the values a host
// delivers in flight; a text longer than its field (a word beyond its
// digits, a clock or rate out of any range) shows as the field filled
// with '*' (write_element_text), never written past the buffer:
//  - frequencies: always six characters, "118.00";
//  - ADF active: "0344.5", and seven where the frequency carries a
//    thousands digit the extension does not, "01234.5"; standby "1234.5";
//  - transponder: four digits and two spaces, "7700  ";
//  - clock: "23:59:59 ", nine;
//  - simulation rate: up to "128.00", six.
static constexpr std::uint32_t frequency_chars = 6;
static constexpr std::uint32_t adf_active_chars = 7;
static constexpr std::uint32_t adf_standby_chars = 6;
static constexpr std::uint32_t xpndr_chars = 6;
static constexpr std::uint32_t clock_chars = 9;
static constexpr std::uint32_t sim_rate_chars = 6;

// ---------------------------------------------------------------- failure lists
//
// Every element carries key 1 with action 3; the texts of a radio (and the
// transponder) add that radio's own key with action 1.

static FAILURE_RECORD common_failures[] = {{1, 3, 0}, {0, 0, 0}};
static FAILURE_RECORD nav1_failures[] = {{1, 3, 0}, {0x0E, 1, 0}, {0, 0, 0}};
static FAILURE_RECORD nav2_failures[] = {{1, 3, 0}, {0x0F, 1, 0}, {0, 0, 0}};
static FAILURE_RECORD adf_failures[] = {{1, 3, 0}, {0x05, 1, 0}, {0, 0, 0}};
static FAILURE_RECORD com_failures[] = {{1, 3, 0}, {0x09, 1, 0}, {0, 0, 0}};
static FAILURE_RECORD xpndr_failures[] = {{1, 3, 0}, {0x11, 1, 0}, {0, 0, 0}};

// ---------------------------------------------------------------- highlights

static HIGHLIGHT_RECORD nav1_active_highlights[] = {{6, 0, 2}, {7, 4, 5}, {0, 0, 0}};
static HIGHLIGHT_RECORD nav2_active_highlights[] = {{8, 0, 2}, {9, 4, 5}, {0, 0, 0}};
static HIGHLIGHT_RECORD adf_active_highlights[] = {{19, 0, 1}, {20, 2, 2}, {21, 3, 5}, {0, 0, 0}};
static HIGHLIGHT_RECORD com_active_highlights[] = {{4, 0, 2}, {5, 4, 5}, {0, 0, 0}};
static HIGHLIGHT_RECORD xpndr_highlights[] = {{10, 0, 0}, {11, 1, 1}, {12, 2, 2}, {13, 3, 3}, {0, 0, 0}};
static HIGHLIGHT_RECORD sim_rate_highlights[] = {{23, 0, 3}, {0, 0, 0}};

// ---------------------------------------------------------------- children 1 to 4

static ELEMENT_ICON nav1_ident_lamp = {
    .header = {.element_type = ELEMENT_TYPE_ICON, .resource_id = 8192, .position = {15, 7},
               .gauge_header = &radio_gauge_header, .failure_systems = common_failures, .image_flags = 7},
    .source_var = {.id = 0x1A},
    .update_callback = {.variable = ident_lamp_cb},
    .frame_count = 2,
};

static ELEMENT_ICON nav2_ident_lamp = {
    .header = {.element_type = ELEMENT_TYPE_ICON, .resource_id = 8192, .position = {15, 35},
               .gauge_header = &radio_gauge_header, .failure_systems = common_failures, .image_flags = 7},
    .source_var = {.id = 0x1D},
    .update_callback = {.variable = ident_lamp_cb},
    .frame_count = 2,
};

static ELEMENT_ICON adf_ident_lamp = {
    .header = {.element_type = ELEMENT_TYPE_ICON, .resource_id = 8192, .position = {15, 63},
               .gauge_header = &radio_gauge_header, .failure_systems = common_failures, .image_flags = 7},
    .source_var = {.id = 0x15},
    .update_callback = {.variable = ident_lamp_cb},
    .frame_count = 2,
};

static ELEMENT_STATIC_IMAGE radio_legend_layer = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5376, .position = {0, 0},
               .gauge_header = &radio_gauge_header, .failure_systems = common_failures, .image_flags = 5},
};

// ---------------------------------------------------------------- children 5 to 15

ELEMENT_STRING nav1_active_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {22, 12},
               .gauge_header = &radio_gauge_header, .failure_systems = nav1_failures, .image_flags = 6},
    .source_var = {{.id = 0x18}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = nav1_active_text_cb},
    .box_width = 60,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_yellow,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = frequency_chars,
    .highlight_list = nav1_active_highlights,
};

ELEMENT_STRING nav1_standby_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {151, 12},
               .gauge_header = &radio_gauge_header, .failure_systems = nav1_failures, .image_flags = 6},
    .source_var = {{.id = 0}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = nav1_standby_text_cb},
    .box_width = 60,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_orange,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = frequency_chars,
    .highlight_list = nullptr,
};

ELEMENT_STRING nav2_active_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {22, 40},
               .gauge_header = &radio_gauge_header, .failure_systems = nav2_failures, .image_flags = 6},
    .source_var = {{.id = 0x1B}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = nav2_active_text_cb},
    .box_width = 60,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_yellow,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = frequency_chars,
    .highlight_list = nav2_active_highlights,
};

ELEMENT_STRING nav2_standby_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {151, 40},
               .gauge_header = &radio_gauge_header, .failure_systems = nav2_failures, .image_flags = 6},
    .source_var = {{.id = 0}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = nav2_standby_text_cb},
    .box_width = 60,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_orange,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = frequency_chars,
    .highlight_list = nullptr,
};

ELEMENT_STRING adf_active_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {21, 68},
               .gauge_header = &radio_gauge_header, .failure_systems = adf_failures, .image_flags = 6},
    .source_var = {{.id = 0x10}, {.id = 0x11}, {.id = 0x12}},
    .update_callback = {.value = adf_active_text_cb},
    .box_width = 48,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_yellow,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = adf_active_chars,
    .highlight_list = adf_active_highlights,
};

ELEMENT_STRING adf_standby_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {150, 68},
               .gauge_header = &radio_gauge_header, .failure_systems = adf_failures, .image_flags = 6},
    .source_var = {{.id = 0}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = adf_standby_text_cb},
    .box_width = 48,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_orange,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = adf_standby_chars,
    .highlight_list = nullptr,
};

ELEMENT_STRING com_active_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {22, 96},
               .gauge_header = &radio_gauge_header, .failure_systems = com_failures, .image_flags = 6},
    .source_var = {{.id = 0x17}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = com_active_text_cb},
    .box_width = 60,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_yellow,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = frequency_chars,
    .highlight_list = com_active_highlights,
};

ELEMENT_STRING com_standby_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {151, 96},
               .gauge_header = &radio_gauge_header, .failure_systems = com_failures, .image_flags = 6},
    .source_var = {{.id = 0}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = com_standby_text_cb},
    .box_width = 60,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_orange,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = frequency_chars,
    .highlight_list = nullptr,
};

ELEMENT_STRING xpndr_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {51, 124},
               .gauge_header = &radio_gauge_header, .failure_systems = xpndr_failures, .image_flags = 6},
    .source_var = {{.id = 0x26}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = xpndr_text_cb},
    .box_width = 60,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_yellow,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = xpndr_chars,
    .highlight_list = xpndr_highlights,
};

ELEMENT_STRING clock_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {22, 152},
               .gauge_header = &radio_gauge_header, .failure_systems = common_failures, .image_flags = 6},
    .source_var = {{.id = 0x03}, {.id = 0x04}, {.id = 0x05}},
    .update_callback = {.value = clock_text_cb},
    .box_width = 90,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_orange,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = clock_chars,
    .highlight_list = nullptr,
};

ELEMENT_STRING sim_rate_text = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {171, 152},
               .gauge_header = &radio_gauge_header, .failure_systems = common_failures, .image_flags = 6},
    .source_var = {{.id = 0x150}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = sim_rate_text_cb},
    .box_width = 40,
    .box_height = 18,
    .fg_color = text_green,
    .bg_color = text_background,
    .hilite_color = highlight_yellow,
    .font_face = "Quartz",
    .font_weight = quartz_weight,
    .font_charset = default_charset,
    .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
    .char_count = sim_rate_chars,
    .highlight_list = sim_rate_highlights,
};

// ---------------------------------------------------------------- root

static ELEMENT_HEADER* radio_face_children[] = {
    &nav1_ident_lamp.header,   &nav2_ident_lamp.header,   &adf_ident_lamp.header,  &radio_legend_layer.header,
    &nav1_active_text.header,  &nav1_standby_text.header, &nav2_active_text.header, &nav2_standby_text.header,
    &adf_active_text.header,   &adf_standby_text.header,  &com_active_text.header, &com_standby_text.header,
    &xpndr_text.header,        &clock_text.header,        &sim_rate_text.header,   nullptr,
};

ELEMENT_STATIC_IMAGE radio_face = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4096, .position = {0, 0},
               .gauge_header = &radio_gauge_header, .next_element = radio_face_children,
               .failure_systems = nullptr, .image_flags = 1},
};
