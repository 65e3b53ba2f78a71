// The radio stack's clickable controls as the panel presents them, one row
// per mouse child in list order: where it is, its cursor and flags, and the
// host event it names (0 for the module's own handlers). Tests click at the
// centre of a control's box, in background pixels.
#pragma once

#include <array>

#include "host/gauge_records.h"

namespace radio {

struct Control {
    int child;  // 1-based position among the list's children
    PIXBOX box;
    ID32 cursor;
    FLAGS32 flags;
    ID32 event;  // the host event the area names, 0 when a handler runs
    const char* name;
};

inline constexpr FLAGS32 S = 0x20000000;
inline constexpr FLAGS32 R = 0x20200000;
inline constexpr ID32 up = 1;
inline constexpr ID32 down = 2;
inline constexpr ID32 hand = 5;

inline constexpr std::array<Control, 55> controls = {{
    {1, {15, 7, 7, 6}, hand, S, 0x10132, "NAV1 ident lamp"},
    {2, {15, 35, 7, 6}, hand, S, 0x10133, "NAV2 ident lamp"},
    {3, {15, 63, 7, 6}, hand, S, 0x10136, "ADF ident lamp"},
    {4, {1, 12, 10, 17}, down, R, 0x10068, "NAV1 active whole down"},
    {5, {11, 12, 10, 17}, up, R, 0x10069, "NAV1 active whole up"},
    {6, {82, 12, 10, 17}, down, R, 0x1006A, "NAV1 active fraction down"},
    {7, {92, 12, 10, 17}, up, R, 0x1006B, "NAV1 active fraction up"},
    {8, {130, 12, 10, 17}, down, R, 0, "NAV1 standby whole down"},
    {9, {140, 12, 10, 17}, up, R, 0, "NAV1 standby whole up"},
    {10, {211, 12, 10, 17}, down, R, 0, "NAV1 standby fraction down"},
    {11, {221, 12, 10, 17}, up, R, 0, "NAV1 standby fraction up"},
    {12, {1, 40, 10, 17}, down, R, 0x1006C, "NAV2 active whole down"},
    {13, {11, 40, 10, 17}, up, R, 0x1006D, "NAV2 active whole up"},
    {14, {82, 40, 10, 17}, down, R, 0x1006E, "NAV2 active fraction down"},
    {15, {92, 40, 10, 17}, up, R, 0x1006F, "NAV2 active fraction up"},
    {16, {130, 40, 10, 17}, down, R, 0, "NAV2 standby whole down"},
    {17, {140, 40, 10, 17}, up, R, 0, "NAV2 standby whole up"},
    {18, {211, 40, 10, 17}, down, R, 0, "NAV2 standby fraction down"},
    {19, {221, 40, 10, 17}, up, R, 0, "NAV2 standby fraction up"},
    {20, {1, 68, 10, 17}, down, R, 0x10082, "ADF active hundreds down"},
    {21, {11, 68, 10, 17}, up, R, 0x10070, "ADF active hundreds up"},
    {22, {69, 68, 8, 17}, down, R, 0x10083, "ADF active tens down"},
    {23, {77, 68, 8, 17}, up, R, 0x10071, "ADF active tens up"},
    {24, {85, 68, 8, 17}, down, R, 0, "ADF active units down"},
    {25, {93, 68, 8, 17}, up, R, 0, "ADF active units up"},
    {26, {130, 68, 10, 17}, down, R, 0, "ADF standby hundreds down"},
    {27, {140, 68, 10, 17}, up, R, 0, "ADF standby hundreds up"},
    {28, {198, 68, 8, 17}, down, R, 0, "ADF standby tens down"},
    {29, {206, 68, 8, 17}, up, R, 0, "ADF standby tens up"},
    {30, {214, 68, 8, 17}, down, R, 0, "ADF standby units down"},
    {31, {222, 68, 8, 17}, up, R, 0, "ADF standby units up"},
    {32, {1, 96, 10, 17}, down, R, 0x10064, "COM active whole down"},
    {33, {11, 96, 10, 17}, up, R, 0x10065, "COM active whole up"},
    {34, {82, 96, 10, 17}, down, R, 0x10066, "COM active fraction down"},
    {35, {92, 96, 10, 17}, up, R, 0x10067, "COM active fraction up"},
    {36, {130, 96, 10, 17}, down, R, 0, "COM standby whole down"},
    {37, {140, 96, 10, 17}, up, R, 0, "COM standby whole up"},
    {38, {211, 96, 10, 17}, down, R, 0, "COM standby fraction down"},
    {39, {221, 96, 10, 17}, up, R, 0, "COM standby fraction up"},
    {40, {114, 124, 15, 17}, up, R, 0x10073, "transponder first digit up"},
    {41, {132, 124, 15, 17}, up, R, 0x10074, "transponder second digit up"},
    {42, {150, 124, 15, 17}, up, R, 0x10075, "transponder third digit up"},
    {43, {168, 124, 15, 17}, up, R, 0x10076, "transponder fourth digit up"},
    {44, {22, 152, 15, 18}, down, R, 0x10079, "clock hours down"},
    {45, {37, 152, 15, 18}, up, R, 0x1007A, "clock hours up"},
    {46, {52, 152, 15, 18}, down, R, 0x1007B, "clock minutes down"},
    {47, {67, 152, 15, 18}, up, R, 0x1007C, "clock minutes up"},
    {48, {82, 152, 25, 18}, hand, S, 0x1007D, "clock seconds digits"},
    {49, {171, 152, 20, 18}, down, R, 0x100FE, "simulation rate down"},
    {50, {191, 152, 20, 18}, up, R, 0x100FD, "simulation rate up"},
    {51, {106, 15, 22, 12}, hand, S, 0, "NAV1 swap"},
    {52, {106, 47, 22, 12}, hand, S, 0, "NAV2 swap"},
    {53, {106, 75, 22, 12}, hand, S, 0, "ADF swap"},
    {54, {106, 103, 22, 12}, hand, S, 0, "COM swap"},
    {55, {196, 125, 30, 15}, hand, S, 0, "FMC button"},
}};

inline const Control& control(int child) { return controls.at(static_cast<std::size_t>(child - 1)); }

inline PIXPOINT centre(const Control& c) { return {c.box.x + c.box.width / 2, c.box.y + c.box.height / 2}; }

// Children by what they do, for readable tests.
namespace child {
inline constexpr int nav1_whole_down = 8, nav1_whole_up = 9, nav1_fract_down = 10, nav1_fract_up = 11;
inline constexpr int nav2_whole_down = 16, nav2_whole_up = 17, nav2_fract_down = 18, nav2_fract_up = 19;
inline constexpr int adf_active_units_down = 24, adf_active_units_up = 25;
inline constexpr int adf_hundreds_down = 26, adf_hundreds_up = 27, adf_tens_down = 28, adf_tens_up = 29;
inline constexpr int adf_units_down = 30, adf_units_up = 31;
inline constexpr int com_whole_down = 36, com_whole_up = 37, com_fract_down = 38, com_fract_up = 39;
inline constexpr int nav1_swap = 51, nav2_swap = 52, adf_swap = 53, com_swap = 54, fmc = 55;
}  // namespace child

// Elements in tree order: the face, the three lamps, the legend layer,
// then the eleven texts.
namespace element {
inline constexpr std::size_t face = 0, nav1_lamp = 1, nav2_lamp = 2, adf_lamp = 3, legend = 4;
inline constexpr std::size_t nav1_active = 5, nav1_standby = 6, nav2_active = 7, nav2_standby = 8;
inline constexpr std::size_t adf_active = 9, adf_standby = 10, com_active = 11, com_standby = 12;
inline constexpr std::size_t xpndr = 13, clock = 14, sim_rate = 15;
}  // namespace element

// Host variables the gauge reads.
namespace token {
inline constexpr ID32 com = 0x17, nav1 = 0x18, nav2 = 0x1B;
inline constexpr ID32 adf = 0x10, adf_mode = 0x11, adf_ext = 0x12;
inline constexpr ID32 xpndr = 0x26, hours = 0x03, minutes = 0x04, seconds = 0x05, sim_rate = 0x150;
inline constexpr ID32 nav1_ident = 0x1A, nav2_ident = 0x1D, adf_ident = 0x15;
}  // namespace token

}  // namespace radio
