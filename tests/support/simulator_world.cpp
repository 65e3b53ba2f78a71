#include "support/simulator_world.h"

namespace world {

namespace {
HWND main_window = nullptr;
}

void clear() {
    if (main_window != nullptr) standin::destroy_window(main_window);
    main_window = nullptr;
    standin::reset();
    standin::set_library_dir(GAUGE_BINARY_DIR "/no-libraries");
}

void open_main_window() {
    if (main_window == nullptr) main_window = standin::create_window(main_window_class);
}

void furnish() {
    clear();
    open_main_window();
    standin::set_registry_string(HKEY_LOCAL_MACHINE, simulator_key, "PlayerName", "Pilot");
    standin::set_registry_string(HKEY_LOCAL_MACHINE, simulator_key, "path", "C:\\Flight Simulator\\");
    standin::set_library_dir(GAUGE_SOUND_DIR);
}

}  // namespace world
