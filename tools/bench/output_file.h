// Output files appear whole or not at all: the bytes go to a temporary
// file beside the target, which is renamed over it once complete.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// Throws Error naming the path when it cannot be written; the target is
// then untouched and no temporary file is left.
void write_file_atomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace bench
