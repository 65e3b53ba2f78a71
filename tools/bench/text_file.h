// Reading an input file of the bench (a script, a panel configuration)
// whole, as bytes.
#pragma once

#include <optional>
#include <string>

namespace bench {

std::optional<std::string> read_text_file(const std::string& path);  // none when it cannot be read

}  // namespace bench
