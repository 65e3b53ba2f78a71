// What a failed call leaves in its out-parameters.
#include "platform/standin/parts.h"
#include "platform/standin/standin_control.h"

namespace standin {

namespace {
failed_results current = failed_results::junk;
}

void set_failed_results(failed_results how) { current = how; }

bool failures_leave_junk() { return current == failed_results::junk; }

void reset_failed_results() { current = failed_results::junk; }

}  // namespace standin
