// The records of the coristal module: its linkage, its one gauge header
// (version 800: no routine set; the host drives the element tree and the
// mouse list itself), the chain of five elements and the lever areas.
#include "throttle/coristal.h"

extern GAUGEHDR coristal_header;
extern ELEMENT_STATIC_IMAGE quadrant_housing;
extern ELEMENT_SLIDER throttle_lever_1;
extern ELEMENT_SLIDER throttle_lever_2;
extern ELEMENT_SLIDER throttle_lever_3;
extern ELEMENT_SLIDER throttle_lever_4;
extern MOUSERECT quadrant_mouse_rects[];

// ---------------------------------------------------------------- linkage

GAUGESLINKAGE Linkage = {
    .module_id = MODULE_ID_GAUGES,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .module_version = 0,
    .sim_version = 0x800,
    .gauge_header_ptr = {&coristal_header, nullptr},
};

// ---------------------------------------------------------------- gauge header

static ELEMENT_HEADER* coristal_elements[] = {&quadrant_housing.header};

GAUGEHDR coristal_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_800,
    .gauge_name = "coristal",
    .elements_list = coristal_elements,
    .query_routine = nullptr,
    .install_routine = nullptr,
    .initialize_routine = nullptr,
    .update_routine = nullptr,
    .generate_routine = nullptr,
    .draw_routine = nullptr,
    .kill_routine = nullptr,
    .size_x_mm = 100,
    .size_y_mm = 0,
    .mouse_rect = quadrant_mouse_rects,
    .gauge_callback = sound_bridge_callback,
};

// ---------------------------------------------------------------- elements

// Every element: image flags 0x83, a failure list of its own holding only
// the end record, and the next element as its only child.
constexpr FLAGS32 quadrant_image_flags = 0x83;

// A lever moves up 157 pixels over the throttle's full range of 16384
// units, from y = 192 at 0 to y = 35 at 16384, and never sideways.
constexpr FLOAT64 lever_scale_x = 0.0;
constexpr FLOAT64 lever_scale_y = -157.0 / 16384.0;

// Engines 1 to 4's throttle lever position variables.
constexpr ID32 throttle_1_position = 0x80;
constexpr ID32 throttle_2_position = 0xA3;
constexpr ID32 throttle_3_position = 0xC6;
constexpr ID32 throttle_4_position = 0xE9;

static FAILURE_RECORD quadrant_housing_failures[] = {{0, 0, 0}};
static ELEMENT_HEADER* quadrant_housing_children[] = {&throttle_lever_1.header, nullptr};

ELEMENT_STATIC_IMAGE quadrant_housing = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 256, .position = {0, 0},
               .previous_position = {0, 0}, .ofs = {0, 0}, .gauge_header = &coristal_header,
               .previous_element = nullptr, .next_element = quadrant_housing_children,
               .failure_systems = quadrant_housing_failures, .image_flags = quadrant_image_flags,
               .aircraft_special_instrumentation = 0, .reserved = 0},
};

static FAILURE_RECORD throttle_lever_1_failures[] = {{0, 0, 0}};
static ELEMENT_HEADER* throttle_lever_1_children[] = {&throttle_lever_2.header, nullptr};

ELEMENT_SLIDER throttle_lever_1 = {
    .header = {.element_type = ELEMENT_TYPE_SLIDER, .resource_id = 6400, .position = {54, 192},
               .previous_position = {0, 0}, .ofs = {0, 0}, .gauge_header = &coristal_header,
               .previous_element = nullptr, .next_element = throttle_lever_1_children,
               .failure_systems = throttle_lever_1_failures, .image_flags = quadrant_image_flags,
               .aircraft_special_instrumentation = 0, .reserved = 0},
    .source_var_x = {.id = 0},
    .scale_x = lever_scale_x,
    .update_x = lever_1_x_cb,
    .source_var_y = {.id = throttle_1_position},
    .scale_y = lever_scale_y,
    .update_y = lever_1_y_cb,
};

static FAILURE_RECORD throttle_lever_2_failures[] = {{0, 0, 0}};
static ELEMENT_HEADER* throttle_lever_2_children[] = {&throttle_lever_3.header, nullptr};

ELEMENT_SLIDER throttle_lever_2 = {
    .header = {.element_type = ELEMENT_TYPE_SLIDER, .resource_id = 8448, .position = {104, 192},
               .previous_position = {0, 0}, .ofs = {0, 0}, .gauge_header = &coristal_header,
               .previous_element = nullptr, .next_element = throttle_lever_2_children,
               .failure_systems = throttle_lever_2_failures, .image_flags = quadrant_image_flags,
               .aircraft_special_instrumentation = 0, .reserved = 0},
    .source_var_x = {.id = 0},
    .scale_x = lever_scale_x,
    .update_x = lever_2_x_cb,
    .source_var_y = {.id = throttle_2_position},
    .scale_y = lever_scale_y,
    .update_y = lever_2_y_cb,
};

static FAILURE_RECORD throttle_lever_3_failures[] = {{0, 0, 0}};
static ELEMENT_HEADER* throttle_lever_3_children[] = {&throttle_lever_4.header, nullptr};

ELEMENT_SLIDER throttle_lever_3 = {
    .header = {.element_type = ELEMENT_TYPE_SLIDER, .resource_id = 8704, .position = {154, 192},
               .previous_position = {0, 0}, .ofs = {0, 0}, .gauge_header = &coristal_header,
               .previous_element = nullptr, .next_element = throttle_lever_3_children,
               .failure_systems = throttle_lever_3_failures, .image_flags = quadrant_image_flags,
               .aircraft_special_instrumentation = 0, .reserved = 0},
    .source_var_x = {.id = 0},
    .scale_x = lever_scale_x,
    .update_x = lever_3_x_cb,
    .source_var_y = {.id = throttle_3_position},
    .scale_y = lever_scale_y,
    .update_y = lever_3_y_cb,
};

// Lever 4 uses bitmap 8192, the lowest of the four lever ids.
static FAILURE_RECORD throttle_lever_4_failures[] = {{0, 0, 0}};

ELEMENT_SLIDER throttle_lever_4 = {
    .header = {.element_type = ELEMENT_TYPE_SLIDER, .resource_id = 8192, .position = {204, 192},
               .previous_position = {0, 0}, .ofs = {0, 0}, .gauge_header = &coristal_header,
               .previous_element = nullptr, .next_element = nullptr,
               .failure_systems = throttle_lever_4_failures, .image_flags = quadrant_image_flags,
               .aircraft_special_instrumentation = 0, .reserved = 0},
    .source_var_x = {.id = 0},
    .scale_x = lever_scale_x,
    .update_x = lever_4_x_cb,
    .source_var_y = {.id = throttle_4_position},
    .scale_y = lever_scale_y,
    .update_y = lever_4_y_cb,
};

// ---------------------------------------------------------------- mouse

// A lever area: a click or a drag with the left button held, hand cursor;
// its callback sends the throttle event.
constexpr FLAGS32 lever_mouse_flags = MOUSE_LEFTSINGLE | MOUSE_MOVE_HELD;

MOUSERECT quadrant_mouse_rects[] = {
    {.rect_type = MOUSE_RECT_PARENT, .relative_box = {0, 0, 0, 0}, .cursor = CURSOR_NONE, .help_id = 0,
     .mouse_flags = 0, .event_id = 0, .mouse_function = nullptr, .api_data = nullptr},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {58, 1, 30, 247}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = lever_mouse_flags, .event_id = 0, .mouse_function = lever_mouse_1, .api_data = nullptr},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {116, 7, 25, 259}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = lever_mouse_flags, .event_id = 0, .mouse_function = lever_mouse_2, .api_data = nullptr},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {158, 7, 25, 279}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = lever_mouse_flags, .event_id = 0, .mouse_function = lever_mouse_3, .api_data = nullptr},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {202, 5, 26, 266}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = lever_mouse_flags, .event_id = 0, .mouse_function = lever_mouse_4, .api_data = nullptr},
    {.rect_type = MOUSE_RECT_END_PARENT, .relative_box = {0, 0, 0, 0}, .cursor = CURSOR_NONE, .help_id = 0,
     .mouse_flags = 0, .event_id = 0, .mouse_function = nullptr, .api_data = nullptr},
    {.rect_type = MOUSE_RECT_EOL, .relative_box = {0, 0, 0, 0}, .cursor = CURSOR_NONE, .help_id = 0,
     .mouse_flags = 0, .event_id = 0, .mouse_function = nullptr, .api_data = nullptr},
};
