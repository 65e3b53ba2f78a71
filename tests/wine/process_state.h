// What the process holds, as Windows reports it: loaded modules, threads,
// registry key handles and blocks of the process heap.
// Tests compare it before, during and after a module's life.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace wine_tests {

struct ProcessState {
    std::set<std::string> modules;  // base names, lower case
    int threads = 0;
    int key_handles = 0;
};

ProcessState process_state();
bool module_loaded(const std::string& base_name);

// The text at the start of every busy block of exactly `size` bytes on the
// process heap, where GlobalAlloc places fixed blocks.
std::multiset<std::string> heap_block_texts(std::size_t size);

}  // namespace wine_tests
