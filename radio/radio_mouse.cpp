// The clickable areas of the radio stack, in face pixels: the parent
// covering the whole gauge, its 55 children, the parent's close and the
// end of the list. The active-side knobs, the transponder, clock and
// simulation-rate controls and the ident lamps name host events; the
// standby knobs, the ADF active units knob, the swaps and the FMC button
// run the module's handlers.
#include "radio/radio.h"

// A left click, and a left click repeated while the button is held.
static constexpr FLAGS32 single_click = MOUSE_LEFTSINGLE;
static constexpr FLAGS32 repeating_click = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT radio_mouse_rects[] = {
    {.rect_type = MOUSE_RECT_PARENT, .relative_box = {0, 0, 0, 0}, .cursor = CURSOR_NONE, .help_id = 0,
     .mouse_flags = 0},
    // 1: NAV1 ident lamp
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {15, 7, 7, 6}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = single_click, .event_id = 0x10132},
    // 2: NAV2 ident lamp
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {15, 35, 7, 6}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = single_click, .event_id = 0x10133},
    // 3: ADF ident lamp
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {15, 63, 7, 6}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = single_click, .event_id = 0x10136},
    // 4: NAV1 active, whole MHz down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {1, 12, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10068},
    // 5: NAV1 active, whole MHz up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {11, 12, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10069},
    // 6: NAV1 active, fraction down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {82, 12, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x1006A},
    // 7: NAV1 active, fraction up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {92, 12, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x1006B},
    // 8: NAV1 standby, whole MHz down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {130, 12, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = nav1_standby_whole_dec},
    // 9: NAV1 standby, whole MHz up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {140, 12, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = nav1_standby_whole_inc},
    // 10: NAV1 standby, fraction down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {211, 12, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = nav1_standby_fract_dec},
    // 11: NAV1 standby, fraction up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {221, 12, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = nav1_standby_fract_inc},
    // 12: NAV2 active, whole MHz down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {1, 40, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x1006C},
    // 13: NAV2 active, whole MHz up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {11, 40, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x1006D},
    // 14: NAV2 active, fraction down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {82, 40, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x1006E},
    // 15: NAV2 active, fraction up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {92, 40, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x1006F},
    // 16: NAV2 standby, whole MHz down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {130, 40, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = nav2_standby_whole_dec},
    // 17: NAV2 standby, whole MHz up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {140, 40, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = nav2_standby_whole_inc},
    // 18: NAV2 standby, fraction down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {211, 40, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = nav2_standby_fract_dec},
    // 19: NAV2 standby, fraction up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {221, 40, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = nav2_standby_fract_inc},
    // 20: ADF active, hundreds down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {1, 68, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10082},
    // 21: ADF active, hundreds up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {11, 68, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10070},
    // 22: ADF active, tens down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {69, 68, 8, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10083},
    // 23: ADF active, tens up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {77, 68, 8, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10071},
    // 24: ADF active, units down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {85, 68, 8, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = adf_active_units_dec},
    // 25: ADF active, units up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {93, 68, 8, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = adf_active_units_inc},
    // 26: ADF standby, hundreds down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {130, 68, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = adf_standby_hundreds_dec},
    // 27: ADF standby, hundreds up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {140, 68, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = adf_standby_hundreds_inc},
    // 28: ADF standby, tens down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {198, 68, 8, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = adf_standby_tens_dec},
    // 29: ADF standby, tens up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {206, 68, 8, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = adf_standby_tens_inc},
    // 30: ADF standby, units down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {214, 68, 8, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = adf_standby_units_dec},
    // 31: ADF standby, units up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {222, 68, 8, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = adf_standby_units_inc},
    // 32: COM active, whole MHz down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {1, 96, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10064},
    // 33: COM active, whole MHz up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {11, 96, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10065},
    // 34: COM active, fraction down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {82, 96, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10066},
    // 35: COM active, fraction up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {92, 96, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10067},
    // 36: COM standby, whole MHz down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {130, 96, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = com_standby_whole_dec},
    // 37: COM standby, whole MHz up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {140, 96, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = com_standby_whole_inc},
    // 38: COM standby, fraction down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {211, 96, 10, 17}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = com_standby_fract_dec},
    // 39: COM standby, fraction up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {221, 96, 10, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .mouse_function = com_standby_fract_inc},
    // 40: transponder, first digit up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {114, 124, 15, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10073},
    // 41: transponder, second digit up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {132, 124, 15, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10074},
    // 42: transponder, third digit up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {150, 124, 15, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10075},
    // 43: transponder, fourth digit up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {168, 124, 15, 17}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10076},
    // 44: clock hours down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {22, 152, 15, 18}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x10079},
    // 45: clock hours up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {37, 152, 15, 18}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x1007A},
    // 46: clock minutes down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {52, 152, 15, 18}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x1007B},
    // 47: clock minutes up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {67, 152, 15, 18}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x1007C},
    // 48: clock seconds digits
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {82, 152, 25, 18}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = single_click, .event_id = 0x1007D},
    // 49: simulation rate down
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {171, 152, 20, 18}, .cursor = CURSOR_DOWNARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x100FE},
    // 50: simulation rate up
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {191, 152, 20, 18}, .cursor = CURSOR_UPARROW, .help_id = 0,
     .mouse_flags = repeating_click, .event_id = 0x100FD},
    // 51: NAV1 swap button
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {106, 15, 22, 12}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = single_click, .mouse_function = nav1_swap},
    // 52: NAV2 swap button
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {106, 47, 22, 12}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = single_click, .mouse_function = nav2_swap},
    // 53: ADF swap button
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {106, 75, 22, 12}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = single_click, .mouse_function = adf_swap},
    // 54: COM swap button
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {106, 103, 22, 12}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = single_click, .mouse_function = com_swap},
    // 55: FMC button
    {.rect_type = MOUSE_RECT_CHILD, .relative_box = {196, 125, 30, 15}, .cursor = CURSOR_HAND, .help_id = 0,
     .mouse_flags = single_click, .mouse_function = fmc_window_toggle},
    {.rect_type = MOUSE_RECT_END_PARENT, .relative_box = {0, 0, 0, 0}, .cursor = CURSOR_NONE},
    {.rect_type = MOUSE_RECT_EOL, .cursor = CURSOR_NONE},
};
