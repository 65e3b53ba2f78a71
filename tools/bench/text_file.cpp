#include "tools/bench/text_file.h"

#include <fstream>
#include <sstream>

namespace bench {

std::optional<std::string> read_text_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace bench
