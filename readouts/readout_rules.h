// The element callbacks of the fourteen readouts, in the order of the
// gauges. Each reads its element's variables, writes the readout's text
// into the element's field and returns the value the element shows.
#pragma once

#include "host/gauge.h"

FLOAT64 HOSTAPI nav1_radial_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI nav2_radial_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI adf_radial_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI heading_bug_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI altitude_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI vertical_speed_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI airspeed_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI heading_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI gps_ground_speed_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI clock_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI zulu_clock_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI kollsman_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI compass_format(ELEMENT_STRING* element);
FLOAT64 HOSTAPI radio_altimeter_format(ELEMENT_STRING* element);
