// The "halbrook" gauge header, its routine set and the module's linkage.
#include "radio/radio.h"

static ELEMENT_HEADER* radio_elements[] = {&radio_face.header, nullptr};

static SINT32 HOSTAPI radio_query() { return host_services()->element_list_query(&radio_face.header); }

// A new install gets fresh text buffers from the host, so the standby texts
// must be written again even though the standby values have not changed.
static void HOSTAPI radio_install(MODULE_HANDLE instance) {
    forget_shown_standbys();
    host_services()->element_list_install(&radio_face.header, instance);
    PIXPOINT* face_size = radio_face.image_data != nullptr ? &radio_face.image_data->dim : nullptr;
    host_services()->mouse_list_install(radio_mouse_rects, &radio_gauge_header, face_size);
    host_services()->mouse_list_register(radio_mouse_rects, &radio_gauge_header);
}

static void HOSTAPI radio_initialize() { host_services()->element_list_initialize(&radio_face.header); }

static void HOSTAPI radio_update() {
    if (click_count > 100) click_count = 0;
    host_services()->element_list_update(&radio_face.header);
}

static void HOSTAPI radio_generate(ENUM32 phase) {
    host_services()->element_list_generate(&radio_face.header, phase);
}

static void HOSTAPI radio_draw() { host_services()->element_list_plot(&radio_face.header); }

// No click may reach a handler once the element tree is gone.
static void HOSTAPI radio_kill() {
    host_services()->mouse_list_unregister(radio_mouse_rects, &radio_gauge_header);
    host_services()->element_list_kill(&radio_face.header);
}

GAUGEHDR radio_gauge_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_610,
    .gauge_name = "halbrook",
    .elements_list = radio_elements,
    .query_routine = radio_query,
    .install_routine = radio_install,
    .initialize_routine = radio_initialize,
    .update_routine = radio_update,
    .generate_routine = radio_generate,
    .draw_routine = radio_draw,
    .kill_routine = radio_kill,
    .size_x_mm = 140,
};

GAUGESLINKAGE Linkage = {
    .module_id = MODULE_ID_GAUGES,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .module_version = 0,
    .sim_version = 0,
    .gauge_header_ptr = {&radio_gauge_header, nullptr},
};
