#include <iostream>

#include "tools/bench/arguments.h"
#include "tools/bench/commands.h"
#include "tools/bench/script_runner.h"
#include "tools/bench/session.h"

namespace bench {

namespace {

const char* const run_help =
    "usage: gaugebench run [--trace] MODULE GAUGE SCRIPT\n"
    "\n"
    "Installs a gauge and runs a script of steps against it: set variables,\n"
    "advance frames, click, hold and hover points, and expect texts, events,\n"
    "tooltips, frames, places and hidden or shown elements. Stops at the first\n"
    "step that fails, with the script's line number and what differed, and\n"
    "exits with status 1. A malformed line is reported before any step runs.\n"
    "\n"
    "  --trace   echo each step with the events it caused and the texts it changed\n"
    "\n"
    "Steps, one a line (# starts a comment):\n"
    "  set TOKEN VALUE         VALUE: 12.5 (a number), 0x1090 or int:-5 (an integer\n"
    "                          in the low 32 bits), bcd:1090 (BCD digits, 0x1090)\n"
    "  select ID               the host's radio selection (0: none)\n"
    "  frames N                N frames of update, generate and draw\n"
    "  click X Y               a left click (fails if no area takes it)\n"
    "  hold X Y REPEATS        a click held for REPEATS repeat events\n"
    "  drag X Y                the pointer moving with the button held\n"
    "  hover X Y HELP          the tooltip there is HELP (an id, or none)\n"
    "  expect text E \"TEXT\"    element E (its index in `list`) shows TEXT\n"
    "  expect events [EV...]   the events since the last check: ID, ID=VALUE,\n"
    "                          window:ID; nothing or none for no event\n"
    "  expect hidden E         element E is not drawn (expect shown E: it is)\n"
    "  expect frame E N        icon E shows frame N\n"
    "  expect placed E X Y     element E is drawn at (X, Y)\n"
    "  expect cursor X Y C     the cursor there is C (an id, or none)\n";

int run(const std::vector<std::string>& words, std::ostream& out) {
    const Arguments args("run", words, {{.name = "trace"}});
    args.expect_positionals(3, 3, "gaugebench run [--trace] MODULE GAUGE SCRIPT");
    const Script script = read_script(args.positionals()[2]);  // malformed lines before anything loads
    Session session(args.positionals()[0]);
    emu::Gauge& gauge = session.install(args.positionals()[1]);
    ScriptRunner runner(session.host(), gauge, args.has("trace") ? &out : nullptr);
    runner.run(script);
    out << script.path << ": " << script.steps.size() << " step" << (script.steps.size() == 1 ? "" : "s") << " passed\n";
    return 0;
}

}  // namespace

const Command run_command{"run", "run a script of clicks, values and expectations", run_help, run};

}  // namespace bench
