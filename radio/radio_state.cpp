// The module's own state: zero when the module is loaded, kept for as long
// as it stays loaded, never saved.
#include "radio/radio.h"

std::uint32_t nav1_standby = 0;
std::uint32_t nav2_standby = 0;
std::uint32_t com_standby = 0;
std::uint32_t nav1_standby_shown = 0;
std::uint32_t nav2_standby_shown = 0;
std::uint32_t com_standby_shown = 0;
std::uint32_t adf_standby = 0;
std::uint32_t adf_standby_ext = 0;
std::uint32_t adf_standby_shown = 0;
std::uint32_t adf_standby_ext_shown = 0;
const char* nav1_standby_written = nullptr;
const char* nav2_standby_written = nullptr;
const char* com_standby_written = nullptr;
const char* adf_standby_written = nullptr;
SINT32 click_count = 0;

// A standby value is never 0 when it is compared with its shown copy (the
// text callbacks put the default in its place first), so a zero shown copy
// always differs and the text is built anew. The buffers are forgotten too:
// a new install's buffer may sit where a killed one's was.
void forget_shown_standbys() {
    nav1_standby_shown = 0;
    nav2_standby_shown = 0;
    com_standby_shown = 0;
    adf_standby_shown = 0;
    adf_standby_ext_shown = 0;
    nav1_standby_written = nullptr;
    nav2_standby_written = nullptr;
    com_standby_written = nullptr;
    adf_standby_written = nullptr;
}
