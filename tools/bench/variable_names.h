// Names for the host variables the shipped gauges read, so a designer can
// set "altitude" rather than token 0x4A. A name stands for its token only;
// the value is written as anywhere else (12500, bcd:1090, 0x1200).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "emulator/host_emulator.h"

namespace bench {

struct VariableName {
    const char* name;
    ID32 token;
    const char* meaning;  // quantity, unit and how to write it
};

const std::vector<VariableName>& variable_names();
// A name (any case) or a token (decimal or 0x hex); none for anything else.
std::optional<ID32> variable_token(const std::string& name_or_token);

}  // namespace bench
