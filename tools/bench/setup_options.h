// The options render and panel share, which set the host up before the
// picture is drawn: --set TOKEN=VALUE (repeatable), --select ID, --script
// FILE and --frames N. Applied in that order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/bench/arguments.h"
#include "tools/bench/script.h"

namespace bench {

struct SetupOptions {
    std::vector<SetStep> sets;
    std::optional<SINT32> selection;
    std::optional<Script> script;  // read and checked before anything loads
    int frames = 1;                // 1 by default, 0 after a script
};

std::vector<OptionRule> setup_option_rules();
// Error "COMMAND: --set "...": what" for a malformed option.
SetupOptions read_setup_options(const std::string& command, const Arguments& args);
// The variables and the selection; the caller runs the script, then the frames.
void apply_settings(emu::Host& host, const SetupOptions& options);

}  // namespace bench
