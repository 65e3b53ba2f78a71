#include "tools/bench/arguments.h"
#include "tools/bench/commands.h"
#include "tools/bench/errors.h"
#include "tools/bench/png_file.h"
#include "tools/bench/render.h"
#include "tools/bench/script_runner.h"
#include "tools/bench/session.h"
#include "tools/bench/setup_options.h"

namespace bench {

namespace {

const char* const render_help =
    "usage: gaugebench render MODULE GAUGE -o FILE.png [options]\n"
    "\n"
    "Draws a gauge as the host would after its last frame, into a PNG at its\n"
    "background's pixel size (times --scale). In this order: installs the gauge,\n"
    "sets the --set variables and the --select selection, runs the --script, then\n"
    "runs --frames frames. The file appears whole or not at all.\n"
    "\n"
    "  -o, --output FILE      the PNG to write\n"
    "  --scale N              enlarge N times (1 to 16; default 1)\n"
    "  --set TOKEN=VALUE      a host variable, as the script's set step; repeatable\n"
    "  --select ID            the host's radio selection (highlights)\n"
    "  --script FILE          a bench script to run first (see gaugebench run --help)\n"
    "  --frames N             frames to run last (default 1, or 0 after a script)\n"
    "\n"
    "Texts in \"Courier New\" are drawn with Liberation Mono, in \"Quartz\" with\n"
    "DSEG7 Classic; GAUGEBENCH_FONTS names other font folders. A face without a\n"
    "font file is drawn with a built-in 5x7 font, with a warning.\n";

int render_gauge(const std::vector<std::string>& words, std::ostream& out) {
    std::vector<OptionRule> rules{{.name = "output", .takes_value = true, .short_name = 'o'}, {.name = "scale", .takes_value = true}};
    for (const OptionRule& r : setup_option_rules()) rules.push_back(r);
    const Arguments args("render", words, rules);
    args.expect_positionals(2, 2, "gaugebench render MODULE GAUGE -o FILE.png [options]");
    const auto output = args.value("output");
    if (!output) throw Error("render: no output file (-o FILE.png)");
    const int scale = args.integer("scale", 1, 1, 16);
    const SetupOptions setup = read_setup_options("render", args);

    Session session(args.positionals()[0]);
    emu::Gauge& gauge = session.install(args.positionals()[1]);
    apply_settings(session.host(), setup);
    if (setup.script) ScriptRunner(session.host(), gauge).run(*setup.script);
    session.host().frames(setup.frames);
    session.report_faults();

    FontBook fonts;
    write_png(render(session.host(), gauge, scale, fonts), *output);
    out << *output << ": " << gauge.size().x * scale << " x " << gauge.size().y * scale << " pixels\n";
    return 0;
}

}  // namespace

const Command render_command{"render", "draw a gauge into a PNG", render_help, render_gauge};

const std::vector<const Command*>& commands() {
    static const std::vector<const Command*> all{&list_command, &run_command, &render_command, &panel_command, &serve_command};
    return all;
}

}  // namespace bench
