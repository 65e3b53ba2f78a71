// What the process holds, as Windows reports it: loaded modules, threads
// and handles. Tests compare it before and after a module's life.
#pragma once

#include <set>
#include <string>

namespace wine_tests {

struct ProcessState {
    std::set<std::string> modules;  // base names, lower case
    int threads = 0;
    unsigned long handles = 0;
};

ProcessState process_state();
bool module_loaded(const std::string& base_name);

}  // namespace wine_tests
