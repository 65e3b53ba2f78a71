#include "tools/bench/errors.h"

namespace bench {

Error line_error(const std::string& path, int line, const std::string& what) {
    return Error(path + ":" + std::to_string(line) + ": " + what);
}

}  // namespace bench
