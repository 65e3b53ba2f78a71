#include "counting_allocator.h"

#include <cstddef>

// glibc's own allocator, under the names it keeps for those who replace
// the public ones.
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
extern "C" void* __libc_realloc(void* block, std::size_t size);

namespace {
std::uint64_t allocation_count = 0;  // the benchmarks run on one thread
}

extern "C" void* malloc(std::size_t size) {
    ++allocation_count;
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) {
    ++allocation_count;
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* block, std::size_t size) {
    ++allocation_count;
    return __libc_realloc(block, size);
}

namespace counting {
std::uint64_t allocations() { return allocation_count; }
}  // namespace counting
