// The `list` report: a module's gauges with their header, elements (in
// tree order, the indices scripts use) and mouse areas. Each gauge is
// installed to be listed, since a 610 gauge hands its mouse list to the
// host only from its install routine.
#pragma once

#include <ostream>
#include <string>

#include "emulator/host_emulator.h"

namespace bench {

std::string cursor_name(ID32 cursor);
std::string mouse_flag_names(FLAGS32 flags);

void list_gauge(std::ostream& out, const emu::Gauge& gauge);

}  // namespace bench
