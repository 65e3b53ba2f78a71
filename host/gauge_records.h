// Record formats of the panel host: the service table, the two exported
// records, gauge headers, element records, failure lists and mouse
// rectangles. Modules fill these statically; the host reads them and owns
// every field a module leaves zero.
//
// All records use 4-byte packing, which is how the 32-bit host lays them
// out (a module variable record is 28 bytes there, with its 8-byte values
// on 4-byte boundaries). Never take the address of a FLOAT64 member: it may
// be under-aligned for a plain double pointer.
#pragma once

#include <cstddef>

#include "host/host_types.h"

#pragma pack(push, 4)

struct ELEMENT_HEADER;
struct GAUGEHDR;
struct MOUSERECT;

// ---------------------------------------------------------------- variables

// The value of a host variable: a 64-bit float, or an integer in the low
// 32 bits where a module reads it so.
union VAR_VALUE {
    FLOAT64 n;
    std::uint32_t d;
    SINT32 i;
};

struct MODULE_VAR {
    ID32 id;             // token id: the only field a module sets
    void* var_ptr;       // host: where the variable lives
    ENUM32 var_type;     // host: the variable's type
    VAR_VALUE var_value; // host: current value
    VAR_VALUE var_old;   // host: value before the last refresh
};

// ---------------------------------------------------------------- services

// The host's service table, by 4-byte slot. Slots the modules never call
// are kept as opaque pointers so that the named ones sit at their slots.
struct PANELS {
    void* unused_slots_0_23[24];
    SINT32(HOSTAPI* element_list_query)(ELEMENT_HEADER* root);                 // 24
    void(HOSTAPI* element_list_install)(ELEMENT_HEADER* root, MODULE_HANDLE);  // 25
    void(HOSTAPI* element_list_initialize)(ELEMENT_HEADER* root);              // 26
    void(HOSTAPI* element_list_update)(ELEMENT_HEADER* root);                  // 27
    void(HOSTAPI* element_list_generate)(ELEMENT_HEADER* root, ENUM32 phase);  // 28
    void(HOSTAPI* element_list_plot)(ELEMENT_HEADER* root);                    // 29
    void* unused_slot_30;
    void(HOSTAPI* element_list_kill)(ELEMENT_HEADER* root);                               // 31
    void(HOSTAPI* mouse_list_install)(MOUSERECT* list, GAUGEHDR* gauge, PIXPOINT* size);  // 32
    void(HOSTAPI* mouse_list_register)(MOUSERECT* list, GAUGEHDR* gauge);                 // 33
    void(HOSTAPI* mouse_list_unregister)(MOUSERECT* list, GAUGEHDR* gauge);               // 34
    SINT32(HOSTAPI* panel_window_toggle)(ID32 window_id);                                 // 35
    SINT32(HOSTAPI* trigger_key_event)(ID32 event_id, std::uint32_t value);               // 36
    void* unused_slot_37;
    void(HOSTAPI* initialize_var)(MODULE_VAR* var);  // 38
    void* unused_slot_39;
    void(HOSTAPI* lookup_var)(MODULE_VAR* var);  // 40
};

struct IMPORT_ENTRY {
    ID32 id;
    PANELS* services;
};

// Two entries: {0x0F, the host's service table} and the {0, null} end.
struct IMPORT_TABLE {
    IMPORT_ENTRY panels;
    IMPORT_ENTRY end;
};

inline constexpr ID32 IMPORT_ID_PANELS = 0x0000000F;

// ---------------------------------------------------------------- routines

using QUERY_ROUTINE = SINT32(HOSTAPI*)(void);
using INSTALL_ROUTINE = void(HOSTAPI*)(MODULE_HANDLE instance);
using INITIALIZE_ROUTINE = void(HOSTAPI*)(void);
using UPDATE_ROUTINE = void(HOSTAPI*)(void);
using GENERATE_ROUTINE = void(HOSTAPI*)(ENUM32 phase);
using DRAW_ROUTINE = void(HOSTAPI*)(void);
using KILL_ROUTINE = void(HOSTAPI*)(void);
using GAUGE_CALLBACK = void(HOSTAPI*)(GAUGEHDR* gauge, SINT32 service_id, std::uint32_t extra);
using MOUSE_FUNCTION = SINT32(HOSTAPI*)(PIXPOINT* point, FLAGS32 mouse_flags);
using MODULE_ROUTINE = void(HOSTAPI*)(void);

// ---------------------------------------------------------------- linkage

inline constexpr std::size_t GAUGES_PER_MODULE_MAX = 16;

struct GAUGESLINKAGE {
    ID32 module_id;
    MODULE_ROUTINE module_init;
    MODULE_ROUTINE module_deinit;
    FLAGS32 flags;
    std::uint32_t module_version;
    std::uint32_t sim_version;
    // The gauge headers in order, ended by the first null entry.
    GAUGEHDR* gauge_header_ptr[GAUGES_PER_MODULE_MAX + 1];
};

inline constexpr ID32 MODULE_ID_GAUGES = 0x13;

// ---------------------------------------------------------------- gauge header

struct GAUGEHDR {
    std::uint32_t gauge_header_version;  // 610, 700 or 800
    const char* gauge_name;
    ELEMENT_HEADER** elements_list;  // {root, null}, or {root} in version 800
    QUERY_ROUTINE query_routine;
    INSTALL_ROUTINE install_routine;
    INITIALIZE_ROUTINE initialize_routine;
    UPDATE_ROUTINE update_routine;
    GENERATE_ROUTINE generate_routine;
    DRAW_ROUTINE draw_routine;
    KILL_ROUTINE kill_routine;
    std::uint32_t size_x_mm;
    std::uint32_t size_y_mm;
    MOUSERECT* mouse_rect;  // version 700 and 800; zero in 610
    GAUGE_CALLBACK gauge_callback;  // version 800
    void* host_fields[4];           // the host's
};

// ---------------------------------------------------------------- elements

struct FAILURE_RECORD {
    ENUM32 key;
    ENUM32 action;
    std::uint32_t reserved;
};

// The picture the host loaded for an element's bitmap: the pixel size pair
// lies 4 bytes into the record.
struct IMAGE {
    FLAGS32 format;
    PIXPOINT dim;
    std::uint32_t line_bytes;
    std::uint8_t* pixels;        // palette indices, top row first
    const std::uint32_t* palette;  // 256 entries, 0x00RRGGBB
};

struct ELEMENT_HEADER {
    ENUM32 element_type;
    ID32 resource_id;
    PIXPOINT position;
    PIXPOINT previous_position;
    PIXPOINT ofs;
    GAUGEHDR* gauge_header;
    ELEMENT_HEADER* previous_element;
    ELEMENT_HEADER** next_element;  // null-terminated children, or null
    FAILURE_RECORD* failure_systems;
    FLAGS32 image_flags;
    FLAGS32 aircraft_special_instrumentation;
    FLAGS32 reserved;
};

struct ELEMENT_STATIC_IMAGE {
    ELEMENT_HEADER header;
    IMAGE* image_data;  // host: the loaded bitmap
    void* host_fields[4];
};

struct ELEMENT_STRING;
struct ELEMENT_ICON;
struct ELEMENT_SLIDER;

// A text callback takes the element in headers 700 and 800, and the value
// of the element's first variable in header 610.
union STRING_CALLBACK {
    FLOAT64(HOSTAPI* element)(ELEMENT_STRING* element);
    FLOAT64(HOSTAPI* value)(FLOAT64 first_value);
};

// An icon callback takes the element in headers 700 and 800, and the
// address of the icon's variable record in header 610.
union ICON_CALLBACK {
    FLOAT64(HOSTAPI* element)(ELEMENT_ICON* element);
    FLOAT64(HOSTAPI* variable)(MODULE_VAR* var);
};

using SLIDER_CALLBACK = FLOAT64(HOSTAPI*)(ELEMENT_SLIDER* element);

// Characters first to last of a text drawn in the highlight colour while
// the host's radio selection equals selection_id; ended by a zero record.
struct HIGHLIGHT_RECORD {
    SINT32 selection_id;
    SINT32 first_char;
    SINT32 last_char;
};

struct ELEMENT_STRING {
    ELEMENT_HEADER header;
    MODULE_VAR source_var[3];
    void* host_fields_a[9];
    STRING_CALLBACK update_callback;
    char* string;  // host: the text buffer, char_count + 1 bytes
    void* host_field_b;
    SINT32 box_width;
    SINT32 box_height;
    void* host_fields_c[2];
    COLOR32 fg_color;
    COLOR32 bg_color;
    COLOR32 hilite_color;
    void* host_fields_d[7];
    char font_face[32];
    SINT32 font_weight;
    std::uint32_t font_charset;
    FLAGS32 draw_text_flags;
    std::uint32_t char_count;
    void* host_field_e;
    HIGHLIGHT_RECORD* highlight_list;
    void* host_fields_f[2];
};

struct ELEMENT_ICON {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;
    ICON_CALLBACK update_callback;
    void* host_fields_a[5];
    std::uint32_t frame_count;
    void* host_fields_b[4];
};

struct ELEMENT_SLIDER {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    FLOAT64 scale_x;
    SLIDER_CALLBACK update_x;
    MODULE_VAR source_var_y;
    FLOAT64 scale_y;
    SLIDER_CALLBACK update_y;
    IMAGE* image_data;  // host: the loaded bitmap
    void* host_fields[4];
};

// ---------------------------------------------------------------- mouse

struct MOUSERECT {
    ENUM32 rect_type;  // kind: parent, child, end of parent, end of list
    PIXBOX relative_box;
    ID32 cursor;
    ID32 help_id;
    FLAGS32 mouse_flags;
    ID32 event_id;
    MOUSE_FUNCTION mouse_function;
    void* api_data;
};

#pragma pack(pop)
