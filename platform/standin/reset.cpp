// Forgetting the outside world between runs: every part of the stand-in
// resets its own state; the call log and the faults go too.
#include "platform/standin/parts.h"
#include "platform/standin/standin_control.h"

namespace standin {

void reset() {
    reset_windows();
    reset_registry();
    reset_global_memory();
    reset_sound();
    reset_libraries();
    reset_failed_results();
    clear_call_log();
    take_faults();
}

}  // namespace standin
