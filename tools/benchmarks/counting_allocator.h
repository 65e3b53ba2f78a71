// Heap allocations counted for the whole process: malloc, calloc and
// realloc are replaced in the benchmark executable (operator new reaches
// them too), so allocations by the emulator, the stand-in and module code
// loaded later are all seen.
#pragma once

#include <cstdint>

namespace counting {
std::uint64_t allocations();
}
