// What a panel of any modules offers to drive, read from the host emulator
// alone: the module files of a folder, the variable tokens each live gauge
// reads, and its clickable areas. Fuzzing, lifecycle checks, leak checks
// and benchmarks use it so that every module is covered without knowing it.
#pragma once

#include <string>
#include <vector>

#include "emulator/host_emulator.h"

namespace survey {

// The gauge module files of a folder (by the platform's extension), sorted
// by name so that runs are repeatable. Empty when the folder is missing.
std::vector<std::string> module_files(const std::string& dir);

// Every gauge of the given module files, in file and linkage order. Loads
// each file in a host of its own, so no other host may be running.
struct GaugeRef {
    std::string module_path;
    std::string module_name;  // the file name without folder and extension
    std::string gauge;
};
std::vector<GaugeRef> gauges_of(const std::vector<std::string>& module_files);

// The tokens of every module variable record in the gauge's element tree,
// plus those the gauge looked up or bound through the services since the
// host's service-call log was last cleared. Unique, sorted, never 0.
std::vector<ID32> variable_tokens(const emu::Host& host, const emu::Gauge& gauge);

// The child rectangles of the gauge's mouse list, in list order.
struct Area {
    PIXBOX box{};
    FLAGS32 flags = 0;
    ID32 event_id = 0;
    bool has_callback = false;
};
std::vector<Area> mouse_areas(const emu::Gauge& gauge);

// Presses an area with the event it takes: a click, or for an area that
// only follows the held pointer, a drag. At the point point_in(128, 128).
// Returns whether the area took it.
bool press(emu::Host& host, emu::Gauge& gauge, const Area& area);

// A point inside an area, from two fractions of its width and height
// (0 to 255 over 256).
PIXPOINT point_in(const Area& area, unsigned fx, unsigned fy);

}  // namespace survey
