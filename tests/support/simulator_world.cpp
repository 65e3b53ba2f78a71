#include "support/simulator_world.h"

namespace world {

void clear() {
    emu::clear_host_environment();
    standin::reset();
    standin::set_library_dir(GAUGE_BINARY_DIR "/no-libraries");
}

void furnish() {
    clear();
    emu::open_host_window();
    emu::set_host_registry_value("PlayerName", "Pilot");
    emu::set_host_registry_value("path", "C:\\Flight Simulator\\");
    standin::set_library_dir(GAUGE_SOUND_DIR);
}

}  // namespace world
