// The subcommands. Each takes the words after its name, writes its report
// to out and returns the exit status; bad input throws Error.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bench {

struct Command {
    const char* name;
    const char* summary;
    const char* help;
    int (*run)(const std::vector<std::string>& words, std::ostream& out);
};

extern const Command list_command;
extern const Command run_command;
extern const Command render_command;
extern const Command panel_command;
extern const Command serve_command;

// Every subcommand, in the order --help lists them.
const std::vector<const Command*>& commands();

}  // namespace bench
