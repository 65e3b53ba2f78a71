// The bench's one error type: a message of one line naming the input that
// was wrong (a file, a gauge, an option, a script line). main() prints it
// and exits non-zero.
#pragma once

#include <stdexcept>
#include <string>

namespace bench {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "path:line: what", the form every script message takes.
Error line_error(const std::string& path, int line, const std::string& what);

}  // namespace bench
