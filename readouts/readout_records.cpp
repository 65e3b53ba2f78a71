// The records of the fourteen readouts: for each gauge, in the order the
// linkage lists them, its failure list, its text element, its background
// root, its element list, its tooltip mouse list, its routine set and its
// header; the linkage last.
//
// Every readout has the same shape, one line of text on the 60 by 30 black
// background, so the fields all readouts share are written once in the
// record builders below, and each gauge's records carry only what differs
// between readouts: name, variable tokens, style, character count, failure
// list, help id and callback.
#include "host/gauge.h"
#include "readouts/readout_rules.h"

namespace {

using text_callback = FLOAT64(HOSTAPI*)(ELEMENT_STRING*);

constexpr std::uint32_t gauge_size_x_mm = 100;

// The background: bitmap 4096 at the top left, black drawn transparent.
constexpr ID32 background_bitmap = 4096;
constexpr FLAGS32 background_image_flags = IMAGE_USE_TRANSPARENCY;

// The text field starts 2 pixels in from the top left corner and ends 1
// pixel short of the right and bottom edges.
constexpr PIXPOINT text_position = {2, 2};
constexpr SINT32 text_box_width = 57;
constexpr SINT32 text_box_height = 27;
constexpr FLAGS32 text_image_flags = 0x6;

// Colours, 0x00BBGGRR.
constexpr COLOR32 grey_foreground = 0xC0C0C0;
constexpr COLOR32 grey_background = 0x202020;
constexpr COLOR32 red_foreground = 0x0000FF;
constexpr COLOR32 red_background = 0x000000;
constexpr COLOR32 highlight = 0x5C5C5C;

constexpr std::int32_t font_weight_normal = 400;
constexpr std::uint32_t font_charset_default = 1;

constexpr ELEMENT_STRING readout_text(GAUGEHDR* gauge, ID32 first, ID32 second, ID32 third, COLOR32 foreground,
                                      COLOR32 background, std::uint32_t characters, FAILURE_RECORD* failures,
                                      text_callback callback) {
    return {
        .header = {.element_type = ELEMENT_TYPE_STRING,
                   .resource_id = RESOURCE_NONE,
                   .position = text_position,
                   .gauge_header = gauge,
                   .next_element = nullptr,
                   .failure_systems = failures,
                   .image_flags = text_image_flags},
        .source_var = {{.id = first}, {.id = second}, {.id = third}},
        .update_callback = {.element = callback},
        .box_width = text_box_width,
        .box_height = text_box_height,
        .fg_color = foreground,
        .bg_color = background,
        .hilite_color = highlight,
        .font_face = "Courier New",
        .font_weight = font_weight_normal,
        .font_charset = font_charset_default,
        .draw_text_flags = TEXT_CENTRED_SINGLE_LINE,
        .char_count = characters,
    };
}

// The text element in grey or red; the three tokens are 0 where the readout
// has no variable in that slot.
constexpr ELEMENT_STRING grey_text(GAUGEHDR* gauge, ID32 first, ID32 second, ID32 third, std::uint32_t characters,
                                   FAILURE_RECORD* failures, text_callback callback) {
    return readout_text(gauge, first, second, third, grey_foreground, grey_background, characters, failures, callback);
}

constexpr ELEMENT_STRING red_text(GAUGEHDR* gauge, ID32 first, ID32 second, ID32 third, std::uint32_t characters,
                                  FAILURE_RECORD* failures, text_callback callback) {
    return readout_text(gauge, first, second, third, red_foreground, red_background, characters, failures, callback);
}

// The root: the background image with the text element as its one child.
constexpr ELEMENT_STATIC_IMAGE background(GAUGEHDR* gauge, ELEMENT_HEADER** children) {
    return {
        .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE,
                   .resource_id = background_bitmap,
                   .position = {0, 0},
                   .gauge_header = gauge,
                   .next_element = children,
                   .failure_systems = nullptr,
                   .image_flags = background_image_flags},
    };
}

// Failure lists are {key, action, 0} records ended by the zero record.
constexpr FAILURE_RECORD failure_list_end = {0, 0, 0};

// The one mouse area of a readout: the whole gauge, carrying the tooltip.
constexpr MOUSERECT tooltip_area(ID32 help_id) {
    return {.rect_type = MOUSE_RECT_PARENT, .relative_box = {0, 0, 0, 0}, .cursor = CURSOR_NONE, .help_id = help_id};
}
constexpr MOUSERECT tooltip_area_end = {.rect_type = MOUSE_RECT_END_PARENT, .relative_box = {0, 0, 0, 0},
                                        .cursor = CURSOR_NONE};
constexpr MOUSERECT mouse_list_end = {.rect_type = MOUSE_RECT_EOL, .relative_box = {0, 0, 0, 0},
                                      .cursor = CURSOR_NONE};

// The seven routines of one readout. The host passes no gauge to them, so
// each is bound to its readout and forwards to the host's element-list
// service with that readout's root. They leave the mouse list alone: it
// reaches the host through the header.
#define READOUT_ROUTINES(gauge)                                                                        \
    SINT32 HOSTAPI gauge##_query() { return host_services()->element_list_query(&gauge##_root.header); } \
    void HOSTAPI gauge##_install(MODULE_HANDLE instance) {                                             \
        host_services()->element_list_install(&gauge##_root.header, instance);                         \
    }                                                                                                  \
    void HOSTAPI gauge##_initialize() { host_services()->element_list_initialize(&gauge##_root.header); } \
    void HOSTAPI gauge##_update() { host_services()->element_list_update(&gauge##_root.header); }        \
    void HOSTAPI gauge##_generate(ENUM32 phase) {                                                      \
        host_services()->element_list_generate(&gauge##_root.header, phase);                           \
    }                                                                                                  \
    void HOSTAPI gauge##_draw() { host_services()->element_list_plot(&gauge##_root.header); }            \
    void HOSTAPI gauge##_kill() { host_services()->element_list_kill(&gauge##_root.header); }

// Each element names its gauge's header, which is defined after its records.
extern GAUGEHDR nav1_radial_gauge;
extern GAUGEHDR nav2_radial_gauge;
extern GAUGEHDR adf_radial_gauge;
extern GAUGEHDR heading_bug_gauge;
extern GAUGEHDR altitude_gauge;
extern GAUGEHDR vertical_speed_gauge;
extern GAUGEHDR airspeed_gauge;
extern GAUGEHDR heading_gauge;
extern GAUGEHDR gps_ground_speed_gauge;
extern GAUGEHDR clock_gauge;
extern GAUGEHDR zulu_clock_gauge;
extern GAUGEHDR kollsman_gauge;
extern GAUGEHDR compass_gauge;
extern GAUGEHDR radio_altimeter_gauge;

// ---------------------------------------------------------------- 1: NAV1_Radial
FAILURE_RECORD nav1_radial_failures[] = {failure_list_end};
constinit ELEMENT_STRING nav1_radial_text = grey_text(&nav1_radial_gauge, 0x2D, 0, 0, 3, nav1_radial_failures, nav1_radial_format);
ELEMENT_HEADER* nav1_radial_children[] = {&nav1_radial_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE nav1_radial_root = background(&nav1_radial_gauge, nav1_radial_children);
ELEMENT_HEADER* nav1_radial_elements[] = {&nav1_radial_root.header, nullptr};
MOUSERECT nav1_radial_mouse[] = {tooltip_area(43890), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(nav1_radial)
GAUGEHDR nav1_radial_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "NAV1_Radial",
    .elements_list = nav1_radial_elements,
    .query_routine = nav1_radial_query,
    .install_routine = nav1_radial_install,
    .initialize_routine = nav1_radial_initialize,
    .update_routine = nav1_radial_update,
    .generate_routine = nav1_radial_generate,
    .draw_routine = nav1_radial_draw,
    .kill_routine = nav1_radial_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = nav1_radial_mouse,
};

// ---------------------------------------------------------------- 2: NAV2_Radial
FAILURE_RECORD nav2_radial_failures[] = {failure_list_end};
constinit ELEMENT_STRING nav2_radial_text = grey_text(&nav2_radial_gauge, 0x36, 0, 0, 3, nav2_radial_failures, nav2_radial_format);
ELEMENT_HEADER* nav2_radial_children[] = {&nav2_radial_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE nav2_radial_root = background(&nav2_radial_gauge, nav2_radial_children);
ELEMENT_HEADER* nav2_radial_elements[] = {&nav2_radial_root.header, nullptr};
MOUSERECT nav2_radial_mouse[] = {tooltip_area(43892), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(nav2_radial)
GAUGEHDR nav2_radial_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "NAV2_Radial",
    .elements_list = nav2_radial_elements,
    .query_routine = nav2_radial_query,
    .install_routine = nav2_radial_install,
    .initialize_routine = nav2_radial_initialize,
    .update_routine = nav2_radial_update,
    .generate_routine = nav2_radial_generate,
    .draw_routine = nav2_radial_draw,
    .kill_routine = nav2_radial_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = nav2_radial_mouse,
};

// ---------------------------------------------------------------- 3: ADF_Radial
FAILURE_RECORD adf_radial_failures[] = {failure_list_end};
constinit ELEMENT_STRING adf_radial_text = grey_text(&adf_radial_gauge, 0x16, 0, 0, 3, adf_radial_failures, adf_radial_format);
ELEMENT_HEADER* adf_radial_children[] = {&adf_radial_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE adf_radial_root = background(&adf_radial_gauge, adf_radial_children);
ELEMENT_HEADER* adf_radial_elements[] = {&adf_radial_root.header, nullptr};
MOUSERECT adf_radial_mouse[] = {tooltip_area(43776), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(adf_radial)
GAUGEHDR adf_radial_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "ADF_Radial",
    .elements_list = adf_radial_elements,
    .query_routine = adf_radial_query,
    .install_routine = adf_radial_install,
    .initialize_routine = adf_radial_initialize,
    .update_routine = adf_radial_update,
    .generate_routine = adf_radial_generate,
    .draw_routine = adf_radial_draw,
    .kill_routine = adf_radial_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = adf_radial_mouse,
};

// ---------------------------------------------------------------- 4: HeadingBug
FAILURE_RECORD heading_bug_failures[] = {failure_list_end};
constinit ELEMENT_STRING heading_bug_text = grey_text(&heading_bug_gauge, 0x6B, 0, 0, 3, heading_bug_failures, heading_bug_format);
ELEMENT_HEADER* heading_bug_children[] = {&heading_bug_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE heading_bug_root = background(&heading_bug_gauge, heading_bug_children);
ELEMENT_HEADER* heading_bug_elements[] = {&heading_bug_root.header, nullptr};
MOUSERECT heading_bug_mouse[] = {tooltip_area(43827), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(heading_bug)
GAUGEHDR heading_bug_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "HeadingBug",
    .elements_list = heading_bug_elements,
    .query_routine = heading_bug_query,
    .install_routine = heading_bug_install,
    .initialize_routine = heading_bug_initialize,
    .update_routine = heading_bug_update,
    .generate_routine = heading_bug_generate,
    .draw_routine = heading_bug_draw,
    .kill_routine = heading_bug_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = heading_bug_mouse,
};

// ---------------------------------------------------------------- 5: Altitiude
FAILURE_RECORD altitude_failures[] = {{20, 3, 0}, {3, 1, 0}, {7, 1, 0}, failure_list_end};
constinit ELEMENT_STRING altitude_text = red_text(&altitude_gauge, 0x4A, 0, 0, 5, altitude_failures, altitude_format);
ELEMENT_HEADER* altitude_children[] = {&altitude_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE altitude_root = background(&altitude_gauge, altitude_children);
ELEMENT_HEADER* altitude_elements[] = {&altitude_root.header, nullptr};
MOUSERECT altitude_mouse[] = {tooltip_area(43783), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(altitude)
GAUGEHDR altitude_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Altitiude",
    .elements_list = altitude_elements,
    .query_routine = altitude_query,
    .install_routine = altitude_install,
    .initialize_routine = altitude_initialize,
    .update_routine = altitude_update,
    .generate_routine = altitude_generate,
    .draw_routine = altitude_draw,
    .kill_routine = altitude_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = altitude_mouse,
};

// ---------------------------------------------------------------- 6: VSpeed
FAILURE_RECORD vertical_speed_failures[] = {{20, 3, 0}, {3, 2, 0}, {7, 2, 0}, {19, 1, 0}, failure_list_end};
constinit ELEMENT_STRING vertical_speed_text = red_text(&vertical_speed_gauge, 0x41, 0x14F, 0, 5, vertical_speed_failures, vertical_speed_format);
ELEMENT_HEADER* vertical_speed_children[] = {&vertical_speed_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE vertical_speed_root = background(&vertical_speed_gauge, vertical_speed_children);
ELEMENT_HEADER* vertical_speed_elements[] = {&vertical_speed_root.header, nullptr};
MOUSERECT vertical_speed_mouse[] = {tooltip_area(43894), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(vertical_speed)
GAUGEHDR vertical_speed_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "VSpeed",
    .elements_list = vertical_speed_elements,
    .query_routine = vertical_speed_query,
    .install_routine = vertical_speed_install,
    .initialize_routine = vertical_speed_initialize,
    .update_routine = vertical_speed_update,
    .generate_routine = vertical_speed_generate,
    .draw_routine = vertical_speed_draw,
    .kill_routine = vertical_speed_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = vertical_speed_mouse,
};

// ---------------------------------------------------------------- 7: AirSpeed
FAILURE_RECORD airspeed_failures[] = {{20, 3, 0}, {6, 1, 0}, failure_list_end};
constinit ELEMENT_STRING airspeed_text = red_text(&airspeed_gauge, 0x3D, 0, 0, 4, airspeed_failures, airspeed_format);
ELEMENT_HEADER* airspeed_children[] = {&airspeed_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE airspeed_root = background(&airspeed_gauge, airspeed_children);
ELEMENT_HEADER* airspeed_elements[] = {&airspeed_root.header, nullptr};
MOUSERECT airspeed_mouse[] = {tooltip_area(43778), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(airspeed)
GAUGEHDR airspeed_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "AirSpeed",
    .elements_list = airspeed_elements,
    .query_routine = airspeed_query,
    .install_routine = airspeed_install,
    .initialize_routine = airspeed_initialize,
    .update_routine = airspeed_update,
    .generate_routine = airspeed_generate,
    .draw_routine = airspeed_draw,
    .kill_routine = airspeed_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = airspeed_mouse,
};

// ---------------------------------------------------------------- 8: Heading
FAILURE_RECORD heading_failures[] = {{20, 3, 0}, failure_list_end};
constinit ELEMENT_STRING heading_text = red_text(&heading_gauge, 0x54, 0, 0, 3, heading_failures, heading_format);
ELEMENT_HEADER* heading_children[] = {&heading_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE heading_root = background(&heading_gauge, heading_children);
ELEMENT_HEADER* heading_elements[] = {&heading_root.header, nullptr};
MOUSERECT heading_mouse[] = {tooltip_area(43828), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(heading)
GAUGEHDR heading_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Heading",
    .elements_list = heading_elements,
    .query_routine = heading_query,
    .install_routine = heading_install,
    .initialize_routine = heading_initialize,
    .update_routine = heading_update,
    .generate_routine = heading_generate,
    .draw_routine = heading_draw,
    .kill_routine = heading_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = heading_mouse,
};

// ---------------------------------------------------------------- 9: GPSGroundSpeed
FAILURE_RECORD gps_ground_speed_failures[] = {{20, 3, 0}, failure_list_end};
constinit ELEMENT_STRING gps_ground_speed_text = red_text(&gps_ground_speed_gauge, 0x340, 0, 0, 6, gps_ground_speed_failures, gps_ground_speed_format);
ELEMENT_HEADER* gps_ground_speed_children[] = {&gps_ground_speed_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE gps_ground_speed_root = background(&gps_ground_speed_gauge, gps_ground_speed_children);
ELEMENT_HEADER* gps_ground_speed_elements[] = {&gps_ground_speed_root.header, nullptr};
READOUT_ROUTINES(gps_ground_speed)
GAUGEHDR gps_ground_speed_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "GPSGroundSpeed",
    .elements_list = gps_ground_speed_elements,
    .query_routine = gps_ground_speed_query,
    .install_routine = gps_ground_speed_install,
    .initialize_routine = gps_ground_speed_initialize,
    .update_routine = gps_ground_speed_update,
    .generate_routine = gps_ground_speed_generate,
    .draw_routine = gps_ground_speed_draw,
    .kill_routine = gps_ground_speed_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = nullptr,
};

// ---------------------------------------------------------------- 10: Clock
FAILURE_RECORD clock_failures[] = {{20, 3, 0}, failure_list_end};
constinit ELEMENT_STRING clock_text = red_text(&clock_gauge, 0x3, 0x4, 0x5, 8, clock_failures, clock_format);
ELEMENT_HEADER* clock_children[] = {&clock_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE clock_root = background(&clock_gauge, clock_children);
ELEMENT_HEADER* clock_elements[] = {&clock_root.header, nullptr};
MOUSERECT clock_mouse[] = {tooltip_area(43798), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(clock)
GAUGEHDR clock_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Clock",
    .elements_list = clock_elements,
    .query_routine = clock_query,
    .install_routine = clock_install,
    .initialize_routine = clock_initialize,
    .update_routine = clock_update,
    .generate_routine = clock_generate,
    .draw_routine = clock_draw,
    .kill_routine = clock_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = clock_mouse,
};

// ---------------------------------------------------------------- 11: ZuluClock
FAILURE_RECORD zulu_clock_failures[] = {{20, 3, 0}, failure_list_end};
constinit ELEMENT_STRING zulu_clock_text = red_text(&zulu_clock_gauge, 0x6, 0x7, 0x5, 8, zulu_clock_failures, zulu_clock_format);
ELEMENT_HEADER* zulu_clock_children[] = {&zulu_clock_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE zulu_clock_root = background(&zulu_clock_gauge, zulu_clock_children);
ELEMENT_HEADER* zulu_clock_elements[] = {&zulu_clock_root.header, nullptr};
MOUSERECT zulu_clock_mouse[] = {tooltip_area(43798), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(zulu_clock)
GAUGEHDR zulu_clock_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "ZuluClock",
    .elements_list = zulu_clock_elements,
    .query_routine = zulu_clock_query,
    .install_routine = zulu_clock_install,
    .initialize_routine = zulu_clock_initialize,
    .update_routine = zulu_clock_update,
    .generate_routine = zulu_clock_generate,
    .draw_routine = zulu_clock_draw,
    .kill_routine = zulu_clock_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = zulu_clock_mouse,
};

// ---------------------------------------------------------------- 12: KollsmanHG
FAILURE_RECORD kollsman_failures[] = {failure_list_end};
constinit ELEMENT_STRING kollsman_text = grey_text(&kollsman_gauge, 0x4C, 0x4B, 0x14F, 5, kollsman_failures, kollsman_format);
ELEMENT_HEADER* kollsman_children[] = {&kollsman_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE kollsman_root = background(&kollsman_gauge, kollsman_children);
ELEMENT_HEADER* kollsman_elements[] = {&kollsman_root.header, nullptr};
MOUSERECT kollsman_mouse[] = {tooltip_area(43834), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(kollsman)
GAUGEHDR kollsman_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "KollsmanHG",
    .elements_list = kollsman_elements,
    .query_routine = kollsman_query,
    .install_routine = kollsman_install,
    .initialize_routine = kollsman_initialize,
    .update_routine = kollsman_update,
    .generate_routine = kollsman_generate,
    .draw_routine = kollsman_draw,
    .kill_routine = kollsman_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = kollsman_mouse,
};

// ---------------------------------------------------------------- 13: Compass
FAILURE_RECORD compass_failures[] = {{20, 3, 0}, {12, 1, 0}, failure_list_end};
constinit ELEMENT_STRING compass_text = red_text(&compass_gauge, 0x53, 0, 0, 3, compass_failures, compass_format);
ELEMENT_HEADER* compass_children[] = {&compass_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE compass_root = background(&compass_gauge, compass_children);
ELEMENT_HEADER* compass_elements[] = {&compass_root.header, nullptr};
MOUSERECT compass_mouse[] = {tooltip_area(43895), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(compass)
GAUGEHDR compass_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "Compass",
    .elements_list = compass_elements,
    .query_routine = compass_query,
    .install_routine = compass_install,
    .initialize_routine = compass_initialize,
    .update_routine = compass_update,
    .generate_routine = compass_generate,
    .draw_routine = compass_draw,
    .kill_routine = compass_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = compass_mouse,
};

// ---------------------------------------------------------------- 14: RadioAltimeter
FAILURE_RECORD radio_altimeter_failures[] = {{20, 3, 0}, failure_list_end};
constinit ELEMENT_STRING radio_altimeter_text = red_text(&radio_altimeter_gauge, 0x49, 0x2, 0x14F, 5, radio_altimeter_failures, radio_altimeter_format);
ELEMENT_HEADER* radio_altimeter_children[] = {&radio_altimeter_text.header, nullptr};
constinit ELEMENT_STATIC_IMAGE radio_altimeter_root = background(&radio_altimeter_gauge, radio_altimeter_children);
ELEMENT_HEADER* radio_altimeter_elements[] = {&radio_altimeter_root.header, nullptr};
MOUSERECT radio_altimeter_mouse[] = {tooltip_area(43540), tooltip_area_end, mouse_list_end};
READOUT_ROUTINES(radio_altimeter)
GAUGEHDR radio_altimeter_gauge = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "RadioAltimeter",
    .elements_list = radio_altimeter_elements,
    .query_routine = radio_altimeter_query,
    .install_routine = radio_altimeter_install,
    .initialize_routine = radio_altimeter_initialize,
    .update_routine = radio_altimeter_update,
    .generate_routine = radio_altimeter_generate,
    .draw_routine = radio_altimeter_draw,
    .kill_routine = radio_altimeter_kill,
    .size_x_mm = gauge_size_x_mm,
    .mouse_rect = radio_altimeter_mouse,
};

#undef READOUT_ROUTINES

}  // namespace

GAUGESLINKAGE Linkage = {
    .module_id = MODULE_ID_GAUGES,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .module_version = 0,
    .sim_version = 0,
    .gauge_header_ptr = {&nav1_radial_gauge, &nav2_radial_gauge, &adf_radial_gauge, &heading_bug_gauge,
                         &altitude_gauge, &vertical_speed_gauge, &airspeed_gauge, &heading_gauge,
                         &gps_ground_speed_gauge, &clock_gauge, &zulu_clock_gauge, &kollsman_gauge,
                         &compass_gauge, &radio_altimeter_gauge, nullptr},
};
