// Inside the Win32 stand-in: what its files share. Each file keeps the
// state of one part of the outside world (windows, registry, memory,
// sound, libraries) and knows how to forget it; reset.cpp forgets them all.
#pragma once

#include <string>
#include <string_view>

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

// Records one call for call_log(), and a misuse for faults(). The second
// form logs "function detail" without building a string, for calls that
// modules make every frame.
void log_call(std::string_view entry);
void log_call(std::string_view function, std::string_view detail);
void record_fault(const std::string& what);

}  // namespace standin
