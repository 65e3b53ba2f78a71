// A gauge module made to probe the host emulator: one gauge per way the
// host drives gauges, each doing what the tests need to observe.
//   probe_text  (700): writes as many characters as token 0x9001 says, so
//                      a test can overrun its 4-character buffer (-1 and
//                      -2 update and kill its own element list from inside
//                      the update instead); clickable areas with an event,
//                      a callback and a drag callback.
//   probe_610   (610): an icon of two frames and a formatted text; hands its
//                      mouse list over from its install routine.
//   probe_800   (800): reports every service id as key event 0x20000 + id;
//                      a slider.
//   probe_leaky (610): its kill routine forgets to kill its element list.
#include <cstring>

#include "host/gauge.h"
#include "platform/win32.h"

extern GAUGEHDR probe_text_header;
extern GAUGEHDR probe_610_header;
extern GAUGEHDR probe_800_header;
extern GAUGEHDR probe_leaky_header;

// ---------------------------------------------------------------- probe_text

static FLOAT64 HOSTAPI probe_text_cb(ELEMENT_STRING* e) {
    const int n = static_cast<int>(e->source_var[0].var_value.n);
    if (n == -1 || n == -2) {
        e->string[0] = '\0';
        ELEMENT_HEADER* root = e->header.gauge_header->elements_list[0];
        if (n == -1) host_services()->element_list_update(root);
        else host_services()->element_list_kill(root);
        return 0;
    }
    std::memset(e->string, 'x', static_cast<std::size_t>(n));
    e->string[n] = '\0';
    return e->source_var[1].var_value.n * 2;
}

static SINT32 HOSTAPI probe_area_cb(PIXPOINT* point, FLAGS32) {
    host_services()->trigger_key_event(0x10101, static_cast<std::uint32_t>(point->x * 1000 + point->y));
    return 0;
}

static SINT32 HOSTAPI probe_drag_cb(PIXPOINT* point, FLAGS32) {
    host_services()->trigger_key_event(0x10102, static_cast<std::uint32_t>(point->y));
    return 0;
}

static FAILURE_RECORD no_failures[] = {{0, 0, 0}};

static ELEMENT_STRING probe_text_string = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {1, 1},
               .gauge_header = &probe_text_header, .failure_systems = no_failures, .image_flags = 0x6},
    .source_var = {{.id = 0x9001}, {.id = 0x9002}, {.id = 0}},
    .update_callback = {.element = probe_text_cb},
    .box_width = 14,
    .box_height = 6,
    .fg_color = 0xFF,
    .font_face = "Courier New",
    .font_weight = 400,
    .font_charset = 1,
    .draw_text_flags = 0x25,
    .char_count = 4,
};
static ELEMENT_HEADER* probe_text_children[] = {&probe_text_string.header, nullptr};
static ELEMENT_STATIC_IMAGE probe_text_face = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 100, .gauge_header = &probe_text_header,
               .next_element = probe_text_children, .image_flags = 0x1},
};
static ELEMENT_HEADER* probe_text_elements[] = {&probe_text_face.header, nullptr};

static MOUSERECT probe_text_mouse[] = {
    {.rect_type = MOUSE_RECT_PARENT, .cursor = CURSOR_NONE, .help_id = 77},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {0, 0, 4, 4}, .cursor = CURSOR_HAND, .help_id = 88,
     .mouse_flags = MOUSE_LEFTSINGLE, .event_id = 0x10100},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {4, 0, 4, 4}, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT, .mouse_function = probe_area_cb},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {8, 0, 4, 4}, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_MOVE_HELD, .mouse_function = probe_drag_cb},
    {.rect_type = MOUSE_RECT_END_PARENT, .cursor = CURSOR_NONE},
    {.rect_type = MOUSE_RECT_EOL, .cursor = CURSOR_NONE},
};

static void HOSTAPI probe_text_install(MODULE_HANDLE instance) {
    host_services()->element_list_install(&probe_text_face.header, instance);
}
static void HOSTAPI probe_text_initialize() { host_services()->element_list_initialize(&probe_text_face.header); }
static void HOSTAPI probe_text_update() { host_services()->element_list_update(&probe_text_face.header); }
static void HOSTAPI probe_text_draw() { host_services()->element_list_plot(&probe_text_face.header); }
static void HOSTAPI probe_text_kill() { host_services()->element_list_kill(&probe_text_face.header); }

GAUGEHDR probe_text_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "probe_text",
    .elements_list = probe_text_elements,
    .install_routine = probe_text_install,
    .initialize_routine = probe_text_initialize,
    .update_routine = probe_text_update,
    .draw_routine = probe_text_draw,
    .kill_routine = probe_text_kill,
    .size_x_mm = 50,
    .mouse_rect = probe_text_mouse,
};

// ---------------------------------------------------------------- probe_610

static FLOAT64 HOSTAPI probe_lamp_cb(MODULE_VAR* var) { return var->var_value.n; }

static FLOAT64 HOSTAPI probe_number_cb(FLOAT64 value);

static ELEMENT_ICON probe_lamp = {
    .header = {.element_type = ELEMENT_TYPE_ICON, .resource_id = 200, .position = {2, 2},
               .gauge_header = &probe_610_header, .image_flags = 0x7},
    .source_var = {.id = 0x9003},
    .update_callback = {.variable = probe_lamp_cb},
    .frame_count = 2,
};
static ELEMENT_STRING probe_number = {
    .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .position = {6, 1},
               .gauge_header = &probe_610_header, .image_flags = 0x6},
    .source_var = {{.id = 0x9004}, {.id = 0}, {.id = 0}},
    .update_callback = {.value = probe_number_cb},
    .box_width = 10,
    .box_height = 6,
    .font_face = "Quartz",
    .char_count = 6,
};

static FLOAT64 HOSTAPI probe_number_cb(FLOAT64 value) {
    wsprintfA(probe_number.string, "%d", static_cast<int>(value));
    return value + 1;
}

static ELEMENT_HEADER* probe_610_children[] = {&probe_lamp.header, &probe_number.header, nullptr};
static ELEMENT_STATIC_IMAGE probe_610_face = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 100, .gauge_header = &probe_610_header,
               .next_element = probe_610_children, .image_flags = 0x1},
};
static ELEMENT_HEADER* probe_610_elements[] = {&probe_610_face.header, nullptr};

static MOUSERECT probe_610_mouse[] = {
    {.rect_type = MOUSE_RECT_PARENT, .cursor = CURSOR_NONE},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {0, 0, 16, 8}, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .event_id = 0x10104},
    {.rect_type = MOUSE_RECT_END_PARENT, .cursor = CURSOR_NONE},
    {.rect_type = MOUSE_RECT_EOL, .cursor = CURSOR_NONE},
};

static void HOSTAPI probe_610_install(MODULE_HANDLE instance) {
    host_services()->element_list_install(&probe_610_face.header, instance);
    host_services()->mouse_list_install(probe_610_mouse, &probe_610_header, &probe_610_face.image_data->dim);
    host_services()->mouse_list_register(probe_610_mouse, &probe_610_header);
}
static void HOSTAPI probe_610_initialize() { host_services()->element_list_initialize(&probe_610_face.header); }
static void HOSTAPI probe_610_update() { host_services()->element_list_update(&probe_610_face.header); }
static void HOSTAPI probe_610_generate(ENUM32 phase) {
    host_services()->element_list_generate(&probe_610_face.header, phase);
}
static void HOSTAPI probe_610_draw() { host_services()->element_list_plot(&probe_610_face.header); }
static void HOSTAPI probe_610_kill() {
    host_services()->mouse_list_unregister(probe_610_mouse, &probe_610_header);
    host_services()->element_list_kill(&probe_610_face.header);
}

GAUGEHDR probe_610_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_610,
    .gauge_name = "probe_610",
    .elements_list = probe_610_elements,
    .install_routine = probe_610_install,
    .initialize_routine = probe_610_initialize,
    .update_routine = probe_610_update,
    .generate_routine = probe_610_generate,
    .draw_routine = probe_610_draw,
    .kill_routine = probe_610_kill,
    .size_x_mm = 60,
};

// ---------------------------------------------------------------- probe_800

static void HOSTAPI probe_800_callback(GAUGEHDR*, SINT32 service_id, std::uint32_t) {
    host_services()->trigger_key_event(0x20000 + static_cast<ID32>(service_id), 0);
}

static SINT32 HOSTAPI probe_800_click(PIXPOINT*, FLAGS32) {
    host_services()->trigger_key_event(0x10103, 0);
    return 0;
}

static ELEMENT_SLIDER probe_knob = {
    .header = {.element_type = ELEMENT_TYPE_SLIDER, .resource_id = 300, .position = {4, 2},
               .gauge_header = &probe_800_header, .image_flags = 0x1},
    .source_var_x = {.id = 0x9006},
    .scale_x = 1.0,
    .source_var_y = {.id = 0x9005},
    .scale_y = 0.5,
};
static ELEMENT_HEADER* probe_800_children[] = {&probe_knob.header, nullptr};
static ELEMENT_STATIC_IMAGE probe_800_face = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 100, .gauge_header = &probe_800_header,
               .next_element = probe_800_children, .image_flags = 0x1},
};
static ELEMENT_HEADER* probe_800_elements[] = {&probe_800_face.header};

static MOUSERECT probe_800_mouse[] = {
    {.rect_type = MOUSE_RECT_PARENT, .cursor = CURSOR_NONE},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {0, 0, 16, 8}, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .mouse_function = probe_800_click},
    {.rect_type = MOUSE_RECT_END_PARENT, .cursor = CURSOR_NONE},
    {.rect_type = MOUSE_RECT_EOL, .cursor = CURSOR_NONE},
};

GAUGEHDR probe_800_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_800,
    .gauge_name = "probe_800",
    .elements_list = probe_800_elements,
    .size_x_mm = 40,
    .mouse_rect = probe_800_mouse,
    .gauge_callback = probe_800_callback,
};

// ---------------------------------------------------------------- probe_leaky

static ELEMENT_STATIC_IMAGE probe_leaky_face = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 100, .gauge_header = &probe_leaky_header,
               .image_flags = 0x1},
};
static ELEMENT_HEADER* probe_leaky_elements[] = {&probe_leaky_face.header, nullptr};

static void HOSTAPI probe_leaky_install(MODULE_HANDLE instance) {
    host_services()->element_list_install(&probe_leaky_face.header, instance);
}
static void HOSTAPI probe_leaky_kill() {}

GAUGEHDR probe_leaky_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_610,
    .gauge_name = "probe_leaky",
    .elements_list = probe_leaky_elements,
    .install_routine = probe_leaky_install,
    .kill_routine = probe_leaky_kill,
    .size_x_mm = 10,
};

// ---------------------------------------------------------------- linkage

GAUGESLINKAGE Linkage = {
    .module_id = MODULE_ID_GAUGES,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .module_version = 0,
    .sim_version = 0,
    .gauge_header_ptr = {&probe_text_header, &probe_610_header, &probe_800_header, &probe_leaky_header, nullptr},
};
