// The lever callbacks. The gauge keeps no lever state: an element callback
// shows the host's throttle variable as it is, and a click only sends the
// throttle event, so the lever moves when the host reports the change.
#include "throttle/coristal.h"

namespace {

// Key events that set the throttle of engines 1 to 4 to the event's value.
constexpr ID32 throttle_1_set = 0x1011C;
constexpr ID32 throttle_2_set = 0x1011D;
constexpr ID32 throttle_3_set = 0x1011E;
constexpr ID32 throttle_4_set = 0x1011F;

// Image flag 0x4, which every lever callback sets on every call.
constexpr FLAGS32 lever_callback_flag = 0x4;

FLOAT64 lever_x(ELEMENT_SLIDER* lever) {
    lever->header.image_flags |= lever_callback_flag;
    return lever->source_var_x.var_value.n;
}

FLOAT64 lever_y(ELEMENT_SLIDER* lever) {
    lever->header.image_flags |= lever_callback_flag;
    return lever->source_var_y.var_value.n;
}

// value = 100 * (100 - y): 10000 at y = 0, 0 at y = 100, 100 less for each
// pixel lower and negative below y = 100. Computed in unsigned 32-bit
// arithmetic, whose wrap-around gives the two's complement result for
// every y the host may pass, with no signed overflow.
SINT32 set_throttle(ID32 event, const PIXPOINT* point) {
    const std::uint32_t value = 100u * (100u - static_cast<std::uint32_t>(point->y));
    host_services()->trigger_key_event(event, value);
    return 0;
}

}  // namespace

FLOAT64 HOSTAPI lever_1_x_cb(ELEMENT_SLIDER* lever) { return lever_x(lever); }
FLOAT64 HOSTAPI lever_1_y_cb(ELEMENT_SLIDER* lever) { return lever_y(lever); }
FLOAT64 HOSTAPI lever_2_x_cb(ELEMENT_SLIDER* lever) { return lever_x(lever); }
FLOAT64 HOSTAPI lever_2_y_cb(ELEMENT_SLIDER* lever) { return lever_y(lever); }
FLOAT64 HOSTAPI lever_3_x_cb(ELEMENT_SLIDER* lever) { return lever_x(lever); }
FLOAT64 HOSTAPI lever_3_y_cb(ELEMENT_SLIDER* lever) { return lever_y(lever); }
FLOAT64 HOSTAPI lever_4_x_cb(ELEMENT_SLIDER* lever) { return lever_x(lever); }
FLOAT64 HOSTAPI lever_4_y_cb(ELEMENT_SLIDER* lever) { return lever_y(lever); }

// The pointer's x and the mouse flags play no part: every event in a
// lever's area is handled from its height alone.
SINT32 HOSTAPI lever_mouse_1(PIXPOINT* point, FLAGS32) { return set_throttle(throttle_1_set, point); }
SINT32 HOSTAPI lever_mouse_2(PIXPOINT* point, FLAGS32) { return set_throttle(throttle_2_set, point); }
SINT32 HOSTAPI lever_mouse_3(PIXPOINT* point, FLAGS32) { return set_throttle(throttle_3_set, point); }
SINT32 HOSTAPI lever_mouse_4(PIXPOINT* point, FLAGS32) { return set_throttle(throttle_4_set, point); }
