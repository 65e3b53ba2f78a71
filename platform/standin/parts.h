// Inside the Win32 stand-in: what its files share. Each file keeps the
// state of one part of the outside world (windows, registry, memory,
// sound, libraries) and knows how to forget it; reset.cpp forgets them all.
#pragma once

#include <string>

#include "platform/standin/win32_standin.h"

namespace standin {

void reset_windows();
void reset_registry();
void reset_global_memory();
void reset_sound();
void reset_libraries();
void reset_failed_results();

// Whether a failed call leaves its out-parameters as they were or as junk
// (the default), rather than cleared.
bool failures_leave_junk();

// Records one call for call_log(), and a misuse for faults().
void log_call(const std::string& entry);
void record_fault(const std::string& what);

}  // namespace standin
