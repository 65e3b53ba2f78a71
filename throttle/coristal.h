// The callbacks of the throttle quadrant that its records name: the lever
// callbacks (levers.cpp) and the gauge callback that holds the GaugeSound
// library while the gauge lives (sound_bridge.cpp).
#pragma once

#include "host/gauge.h"

// Element callbacks: each returns its lever's source value for its axis.
FLOAT64 HOSTAPI lever_1_x_cb(ELEMENT_SLIDER* lever);
FLOAT64 HOSTAPI lever_1_y_cb(ELEMENT_SLIDER* lever);
FLOAT64 HOSTAPI lever_2_x_cb(ELEMENT_SLIDER* lever);
FLOAT64 HOSTAPI lever_2_y_cb(ELEMENT_SLIDER* lever);
FLOAT64 HOSTAPI lever_3_x_cb(ELEMENT_SLIDER* lever);
FLOAT64 HOSTAPI lever_3_y_cb(ELEMENT_SLIDER* lever);
FLOAT64 HOSTAPI lever_4_x_cb(ELEMENT_SLIDER* lever);
FLOAT64 HOSTAPI lever_4_y_cb(ELEMENT_SLIDER* lever);

// Mouse callbacks: each sets its engine's throttle from the pointer height.
SINT32 HOSTAPI lever_mouse_1(PIXPOINT* point, FLAGS32 mouse_flags);
SINT32 HOSTAPI lever_mouse_2(PIXPOINT* point, FLAGS32 mouse_flags);
SINT32 HOSTAPI lever_mouse_3(PIXPOINT* point, FLAGS32 mouse_flags);
SINT32 HOSTAPI lever_mouse_4(PIXPOINT* point, FLAGS32 mouse_flags);

void HOSTAPI sound_bridge_callback(GAUGEHDR* gauge, SINT32 service_id, std::uint32_t extra);
