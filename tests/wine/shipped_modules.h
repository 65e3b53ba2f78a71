// The shipping modules of this build, by name (GAUGE_MODULE_NAMES, given by
// tests/wine/CMakeLists.txt), for the tests that go through each.
#pragma once

#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> shipped_module_names() {
    std::vector<std::string> names;
    std::stringstream list(GAUGE_MODULE_NAMES);
    for (std::string name; std::getline(list, name, ',');)
        if (!name.empty()) names.push_back(name);
    return names;
}
