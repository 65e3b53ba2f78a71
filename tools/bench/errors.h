// The bench's one error type: a message of one line naming the input that
// was wrong (a file, a gauge, an option, a script line). main() prints it
// and exits non-zero.
#pragma once

#include <stdexcept>
#include <string>

#include "emulator/host_emulator.h"

namespace bench {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "path:line: what", the form every script message takes.
Error line_error(const std::string& path, int line, const std::string& what);

// A module the host could not load, as the bench says it: the loader's
// line, and for a module built for another machine, which build of the
// bench loads it.
Error load_error(const emu::Error& e);

}  // namespace bench
