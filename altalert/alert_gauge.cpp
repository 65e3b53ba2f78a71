// belvane: the altitude alert annunciator of a twin-jet panel. The amber
// ALTITUDE ALERT light shows while the aircraft is more than 300 and less
// than 900 feet above or below the selected altitude. Install and kill
// also open and close the module's sound device.
#include "altalert/alert_sound.h"
#include "host/gauge.h"

extern GAUGEHDR belvane_header;
extern ELEMENT_ICON alert_light;

// ---------------------------------------------------------------- elements

static ELEMENT_HEADER* alert_canvas_children[] = {&alert_light.header, nullptr};

ELEMENT_STATIC_IMAGE alert_canvas = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 4096, .position = {0, 0},
               .gauge_header = &belvane_header, .next_element = alert_canvas_children,
               .failure_systems = nullptr, .image_flags = 0x1},
};

static FAILURE_RECORD alert_light_failures[] = {
    {.key = 1, .action = 3, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

// One picture and no callback: the light shows and hides through the hide
// bit alone.
ELEMENT_ICON alert_light = {
    .header = {.element_type = ELEMENT_TYPE_ICON, .resource_id = 4099, .position = {2, 2},
               .gauge_header = &belvane_header, .next_element = nullptr,
               .failure_systems = alert_light_failures, .image_flags = 0x6},
    .source_var = {.id = 0},
    .update_callback = {.variable = nullptr},
    .frame_count = 1,
};

static ELEMENT_HEADER* belvane_elements[] = {&alert_canvas.header, nullptr};

// ---------------------------------------------------------------- mouse

// A parent over the whole gauge and no child: a click does nothing.
static MOUSERECT alert_mouse_rects[] = {
    {.rect_type = MOUSE_RECT_PARENT, .relative_box = {0, 0, 0, 0}, .cursor = CURSOR_NONE, .help_id = 0,
     .mouse_flags = 0, .event_id = 0, .mouse_function = nullptr},
    {.rect_type = MOUSE_RECT_END_PARENT, .relative_box = {0, 0, 0, 0}, .cursor = CURSOR_NONE, .help_id = 0,
     .mouse_flags = 0, .event_id = 0, .mouse_function = nullptr},
    {.rect_type = MOUSE_RECT_EOL, .relative_box = {0, 0, 0, 0}, .cursor = CURSOR_NONE, .help_id = 0,
     .mouse_flags = 0, .event_id = 0, .mouse_function = nullptr},
};

// ---------------------------------------------------------------- variables

static MODULE_VAR altitude_var = {.id = 0x4A};           // feet
static MODULE_VAR selected_altitude_var = {.id = 0x6D};  // autopilot altitude setting, feet
static MODULE_VAR vertical_speed_var = {.id = 0x41};     // metres per second times 256; refreshed, not used

// ---------------------------------------------------------------- band rule

// Shown strictly inside the band on either side of the selected altitude;
// a NaN fails every comparison and so hides the light. Only the hide bit
// of the flags changes.
static void alert_band_rule() {
    const FLOAT64 altitude = altitude_var.var_value.n;
    const FLOAT64 selected = selected_altitude_var.var_value.n;
    const bool above = altitude - selected > 300.0 && altitude - selected < 900.0;
    const bool below = selected - altitude > 300.0 && selected - altitude < 900.0;
    if (above || below) {
        alert_light.header.image_flags &= ~IMAGE_HIDDEN;
    } else {
        alert_light.header.image_flags |= IMAGE_HIDDEN;
    }
}

// ---------------------------------------------------------------- routines

static SINT32 HOSTAPI alert_query() { return host_services()->element_list_query(&alert_canvas.header); }

static void HOSTAPI alert_install(MODULE_HANDLE instance) {
    host_services()->element_list_install(&alert_canvas.header, instance);
    alert_sound_open();
    // The canvas image the host just loaded carries the gauge's pixel size.
    PIXPOINT* canvas_size = alert_canvas.image_data != nullptr ? &alert_canvas.image_data->dim : nullptr;
    host_services()->mouse_list_install(alert_mouse_rects, &belvane_header, canvas_size);
    host_services()->mouse_list_register(alert_mouse_rects, &belvane_header);
}

static void HOSTAPI alert_initialize() {
    host_services()->element_list_initialize(&alert_canvas.header);
    host_services()->initialize_var(&altitude_var);
    host_services()->initialize_var(&selected_altitude_var);
    host_services()->initialize_var(&vertical_speed_var);
}

static void HOSTAPI alert_update() {
    host_services()->element_list_update(&alert_canvas.header);
    host_services()->lookup_var(&altitude_var);
    host_services()->lookup_var(&selected_altitude_var);
    host_services()->lookup_var(&vertical_speed_var);
    alert_band_rule();
}

static void HOSTAPI alert_generate(ENUM32 phase) { host_services()->element_list_generate(&alert_canvas.header, phase); }

static void HOSTAPI alert_draw() { host_services()->element_list_plot(&alert_canvas.header); }

static void HOSTAPI alert_kill() {
    host_services()->mouse_list_unregister(alert_mouse_rects, &belvane_header);
    alert_sound_close();
    host_services()->element_list_kill(&alert_canvas.header);
}

// ---------------------------------------------------------------- header and linkage

GAUGEHDR belvane_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_610,
    .gauge_name = "belvane",
    .elements_list = belvane_elements,
    .query_routine = alert_query,
    .install_routine = alert_install,
    .initialize_routine = alert_initialize,
    .update_routine = alert_update,
    .generate_routine = alert_generate,
    .draw_routine = alert_draw,
    .kill_routine = alert_kill,
    .size_x_mm = 100,
    .size_y_mm = 0,
    .mouse_rect = nullptr,
    .gauge_callback = nullptr,
};

GAUGESLINKAGE Linkage = {
    .module_id = MODULE_ID_GAUGES,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .module_version = 0,
    .sim_version = 0,
    .gauge_header_ptr = {&belvane_header, nullptr},
};
