// Scalar types, calling convention and shared constants of the panel host
// contract. Written so that it never needs <windows.h>: the names below do
// not collide with the Win32 typedefs a module may also include.
#pragma once

#include <cstdint>

// The host calls every routine and callback, and exposes every service, in
// the stdcall convention on 32-bit Windows; elsewhere the platform default.
#if defined(_WIN32) && !defined(_WIN64)
#define HOSTAPI __stdcall
#else
#define HOSTAPI
#endif

// The two exported records are the only symbols a module makes visible.
// Windows builds name them in a .def file; ELF builds mark them here and
// hide everything else with -fvisibility=hidden.
#if defined(_WIN32)
#define GAUGE_EXPORT
#else
#define GAUGE_EXPORT __attribute__((visibility("default")))
#endif

using FLOAT64 = double;
using SINT32 = std::int32_t;
using FLAGS32 = std::uint32_t;
using ID32 = std::uint32_t;
using ENUM32 = std::uint32_t;
using COLOR32 = std::uint32_t;  // 0x00BBGGRR, as a Windows COLORREF
using MODULE_HANDLE = void*;    // the module instance handle the host passes to install

struct PIXPOINT {
    SINT32 x;
    SINT32 y;
};

struct PIXBOX {
    SINT32 x;
    SINT32 y;
    SINT32 width;
    SINT32 height;
};

// Header versions: how the host drives a gauge.
inline constexpr std::uint32_t GAUGE_HEADER_VERSION_610 = 610;
inline constexpr std::uint32_t GAUGE_HEADER_VERSION_700 = 700;
inline constexpr std::uint32_t GAUGE_HEADER_VERSION_800 = 800;

// Element type codes.
inline constexpr ENUM32 ELEMENT_TYPE_STATIC_IMAGE = 0;
inline constexpr ENUM32 ELEMENT_TYPE_STRING = 2;
inline constexpr ENUM32 ELEMENT_TYPE_SLIDER = 3;
inline constexpr ENUM32 ELEMENT_TYPE_ICON = 4;

inline constexpr ID32 RESOURCE_NONE = 0xFFFFFFFF;

// Image flag bit 0 makes black transparent; bit 30 hides the element.
inline constexpr FLAGS32 IMAGE_USE_TRANSPARENCY = 0x00000001;
inline constexpr FLAGS32 IMAGE_HIDDEN = 0x40000000;

// Mouse rectangle kinds.
inline constexpr ENUM32 MOUSE_RECT_EOL = 0;
inline constexpr ENUM32 MOUSE_RECT_PARENT = 1;
inline constexpr ENUM32 MOUSE_RECT_CHILD = 2;
inline constexpr ENUM32 MOUSE_RECT_END_PARENT = 3;

inline constexpr ID32 CURSOR_NONE = 0xFFFFFFFF;
inline constexpr ID32 CURSOR_UPARROW = 1;
inline constexpr ID32 CURSOR_DOWNARROW = 2;
inline constexpr ID32 CURSOR_HAND = 5;

// Mouse flags: a left-button click; the same click repeated while the
// button stays down; the pointer moving while the left button is down.
inline constexpr FLAGS32 MOUSE_LEFTSINGLE = 0x20000000;
inline constexpr FLAGS32 MOUSE_DOWN_REPEAT = 0x00200000;
inline constexpr FLAGS32 MOUSE_MOVE_HELD = 0x00800000;

// Service ids passed to the gauge callback of a version 800 header, one
// before and one after each step of the gauge's life.
inline constexpr SINT32 PANEL_SERVICE_PRE_QUERY = 0;
inline constexpr SINT32 PANEL_SERVICE_POST_QUERY = 1;
inline constexpr SINT32 PANEL_SERVICE_PRE_INSTALL = 2;
inline constexpr SINT32 PANEL_SERVICE_POST_INSTALL = 3;
inline constexpr SINT32 PANEL_SERVICE_PRE_INITIALIZE = 4;
inline constexpr SINT32 PANEL_SERVICE_POST_INITIALIZE = 5;
inline constexpr SINT32 PANEL_SERVICE_PRE_UPDATE = 6;
inline constexpr SINT32 PANEL_SERVICE_POST_UPDATE = 7;
inline constexpr SINT32 PANEL_SERVICE_PRE_GENERATE = 8;
inline constexpr SINT32 PANEL_SERVICE_POST_GENERATE = 9;
inline constexpr SINT32 PANEL_SERVICE_PRE_DRAW = 10;
inline constexpr SINT32 PANEL_SERVICE_POST_DRAW = 11;
inline constexpr SINT32 PANEL_SERVICE_PRE_KILL = 12;

// Text-drawing flags of every text element: centred both ways, one line.
inline constexpr FLAGS32 TEXT_CENTRED_SINGLE_LINE = 0x25;
