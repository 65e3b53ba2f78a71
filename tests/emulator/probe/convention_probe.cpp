// A gauge module whose functions are of the wrong calling convention, for
// 32-bit x86 only, where the host calls everything as stdcall. Each gauge
// has one wrong function and is right otherwise:
//   cdecl_text      (700): a text callback that leaves its argument (4 bytes);
//   cdecl_value     (610): a 610 text callback that leaves its double (8 bytes);
//   cdecl_mouse     (700): a mouse function that leaves its two arguments;
//   cdecl_callback  (800): a gauge callback that leaves its three arguments;
//   extra_argument  (700): a stdcall install routine of two arguments, which
//                          removes 4 bytes more than the host pushed.
// Each wrong function is cast to the host's type through a plain function
// pointer, as a module with a wrong declaration would end up with it.
#include "host/gauge.h"

extern GAUGEHDR cdecl_text_header;
extern GAUGEHDR cdecl_value_header;
extern GAUGEHDR cdecl_mouse_header;
extern GAUGEHDR cdecl_callback_header;
extern GAUGEHDR extra_argument_header;

using any_function = void (*)();

static FLOAT64 __attribute__((cdecl)) text_cb(ELEMENT_STRING* e) {
    e->string[0] = '\0';
    return 1;
}
static FLOAT64 __attribute__((cdecl)) value_cb(FLOAT64 value);
static SINT32 __attribute__((cdecl)) mouse_cb(PIXPOINT*, FLAGS32) { return 0; }
static void __attribute__((cdecl)) gauge_cb(GAUGEHDR*, SINT32, std::uint32_t) {}
static void HOSTAPI two_argument_install(MODULE_HANDLE instance, std::uint32_t);

// One face and one text per gauge; the text's callback is given per gauge.
#define PROBE_TEXT(name, gauge, callback)                                                                 \
    static ELEMENT_STRING name##_string = {                                                                \
        .header = {.element_type = ELEMENT_TYPE_STRING, .resource_id = RESOURCE_NONE, .gauge_header = &gauge}, \
        .update_callback = callback,                                                                       \
        .box_width = 8,                                                                                    \
        .box_height = 6,                                                                                   \
        .char_count = 2,                                                                                   \
    };                                                                                                     \
    static ELEMENT_HEADER* name##_children[] = {&name##_string.header, nullptr};                           \
    static ELEMENT_STATIC_IMAGE name##_face = {                                                            \
        .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 100, .gauge_header = &gauge,  \
                   .next_element = name##_children},                                                       \
    };                                                                                                     \
    static ELEMENT_HEADER* name##_elements[] = {&name##_face.header, nullptr};

static FLOAT64 HOSTAPI good_text_cb(ELEMENT_STRING* e) {
    e->string[0] = '\0';
    return 0;
}

PROBE_TEXT(cdecl_text, cdecl_text_header, {.element = reinterpret_cast<FLOAT64(HOSTAPI*)(ELEMENT_STRING*)>(reinterpret_cast<any_function>(text_cb))})
PROBE_TEXT(cdecl_value, cdecl_value_header, {.value = reinterpret_cast<FLOAT64(HOSTAPI*)(FLOAT64)>(reinterpret_cast<any_function>(value_cb))})
// A 610 text callback gets no element: it writes its text through the
// module's own record, whose buffer the host set before the call.
static FLOAT64 __attribute__((cdecl)) value_cb(FLOAT64 value) {
    cdecl_value_string.string[0] = '\0';
    return value;
}
PROBE_TEXT(cdecl_mouse, cdecl_mouse_header, {.element = good_text_cb})
PROBE_TEXT(cdecl_callback, cdecl_callback_header, {.element = good_text_cb})
PROBE_TEXT(extra_argument, extra_argument_header, {.element = good_text_cb})

static MOUSERECT cdecl_mouse_areas[] = {
    {.rect_type = MOUSE_RECT_PARENT, .cursor = CURSOR_NONE},
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {0, 0, 16, 8}, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .mouse_function = reinterpret_cast<MOUSE_FUNCTION>(reinterpret_cast<any_function>(mouse_cb))},
    {.rect_type = MOUSE_RECT_END_PARENT, .cursor = CURSOR_NONE},
    {.rect_type = MOUSE_RECT_EOL, .cursor = CURSOR_NONE},
};

static void HOSTAPI two_argument_install(MODULE_HANDLE instance, std::uint32_t) {
    host_services()->element_list_install(&extra_argument_face.header, instance);
}

GAUGEHDR cdecl_text_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "cdecl_text",
    .elements_list = cdecl_text_elements,
};
GAUGEHDR cdecl_value_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_610,
    .gauge_name = "cdecl_value",
    .elements_list = cdecl_value_elements,
};
GAUGEHDR cdecl_mouse_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "cdecl_mouse",
    .elements_list = cdecl_mouse_elements,
    .mouse_rect = cdecl_mouse_areas,
};
GAUGEHDR cdecl_callback_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_800,
    .gauge_name = "cdecl_callback",
    .elements_list = cdecl_callback_elements,
    .gauge_callback = reinterpret_cast<GAUGE_CALLBACK>(reinterpret_cast<any_function>(gauge_cb)),
};
GAUGEHDR extra_argument_header = {
    .gauge_header_version = GAUGE_HEADER_VERSION_700,
    .gauge_name = "extra_argument",
    .elements_list = extra_argument_elements,
    .install_routine = reinterpret_cast<INSTALL_ROUTINE>(reinterpret_cast<any_function>(two_argument_install)),
};

GAUGESLINKAGE Linkage = {
    .module_id = MODULE_ID_GAUGES,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .gauge_header_ptr = {&cdecl_text_header, &cdecl_value_header, &cdecl_mouse_header, &cdecl_callback_header,
                         &extra_argument_header, nullptr},
};
